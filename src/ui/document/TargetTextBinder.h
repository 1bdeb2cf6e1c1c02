#pragma once

#include "document/Document.h"
#include "document/TextCodec.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>

namespace vq {

// Keeps the read-only target text view in step with the document's target text: line i of the
// document is block i of the view. A text ending with a line break shows one more, empty block.
// The document session owns the binder; the view is the window's.
class TargetTextBinder : public QObject, public DocumentListener {
    Q_OBJECT
public:
    TargetTextBinder(Document& document, const TextCodec& codec, QPlainTextEdit* view);
    ~TargetTextBinder() override;

    // Shows the whole target text again (after the encoding changed).
    void reload() { targetReset(); }

signals:
    // The target text changed (the view's own textChanged also fires for selections).
    void changed();

private:
    void targetReset() override;
    void targetLinesReplaced(Range r) override;
    void targetLinesInserted(Range r) override;
    void targetLinesRemoved(Range r) override;
    // The lines of the range, decoded and joined by line breaks.
    QString decodedLines(Range r) const;

    Document& m_document;      // Not owned.
    const TextCodec& m_codec;  // Not owned.
    QPointer<QPlainTextEdit> m_view;  // Not owned.
};

}  // namespace vq
