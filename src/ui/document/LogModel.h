#pragma once

#include "core/document/Document.h"
#include "ui/document/TextCodec.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

namespace vq {

inline constexpr int kLogRowHeight = 15;
inline const QColor kSummaryBackground(253, 253, 196);
inline const QColor kSummaryText(0, 128, 0);
inline const QColor kMarkerBackground(192, 220, 192);
inline const QColor kMarkerText(0, 0, 255);
inline const QColor kLogSeparator(128, 128, 128);

// Presents the operation log; the display text of an entry is its full text.
class LogModel : public QAbstractListModel, public DocumentListener {
    Q_OBJECT
public:
    LogModel(Document& document, const TextCodec& codec, QObject* parent = nullptr);
    ~LogModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The entry's whole text, as copied.
    QString entryText(int i) const;
    // The entry's text as shown: the document's text in it cut after `maxChars` characters.
    QString shownText(int i, qsizetype maxChars) const;
    // The entry as a user would say it (the accessible text): the row number in words, the
    // command's caption without its "&", no "(0)" or "(-1)" before markers and summaries, and no
    // "<<" ">>" around them.
    QString spokenText(int i) const;

private:
    void logAppended(Range added) override;
    void logCleared() override;

    Document& m_document;      // Not owned.
    const TextCodec& m_codec;  // Not owned.
    int m_shown = 0;           // entries the view knows of
};

// Draws one entry: summaries light yellow with green text, markers money green with blue text,
// a grey separator line below every entry.
class LogDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace vq
