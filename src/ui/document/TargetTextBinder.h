#pragma once

#include "core/document/Document.h"
#include "ui/document/TargetTextSource.h"

#include <QPointer>

namespace vq {

class TargetTextView;

// Keeps the target text view in step with the document's target text. The view reads the
// document through a TargetTextSource; the binder passes each change on as a range of lines.
// Replaced lines of one command reach the view as one range (they only make it read them
// again), inserted and removed lines as they come. The document session owns the binder; the
// view is the window's.
class TargetTextBinder : public DocumentListener {
public:
    TargetTextBinder(Document& document, const TextCodec& codec, TargetTextView* view);
    ~TargetTextBinder() override;
    TargetTextBinder(const TargetTextBinder&) = delete;
    TargetTextBinder& operator=(const TargetTextBinder&) = delete;

    const TargetTextSource& source() const { return m_source; }
    // Shows the whole target text again (after the encoding changed).
    void reload() { targetReset(); }

private:
    void changesBegin() override;
    void changesEnd() override;
    void targetReset() override;
    void targetLinesReplaced(Range r) override;
    void targetLinesInserted(Range r) override;
    void targetLinesRemoved(Range r) override;
    void flushReplaced();

    Document& m_document;  // Not owned.
    TargetTextSource m_source;
    QPointer<TargetTextView> m_view;  // Not owned.
    // Replaced lines not yet passed on: [m_replacedFirst, m_replacedEnd).
    size_t m_replacedFirst = 0;
    size_t m_replacedEnd = 0;
    bool m_inBatch = false;
};

}  // namespace vq
