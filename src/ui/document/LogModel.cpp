#include "ui/document/LogModel.h"

#include "core/document/OperationLog.h"
#include "ui/document/RowModel.h"
#include "ui/document/ShownLine.h"

#include <QPainter>

#include <algorithm>

namespace vq {

LogModel::LogModel(Document& document, const TextCodec& codec, QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_codec(codec) {
    m_document.addListener(this);
    m_shown = static_cast<int>(m_document.log().size());
}

LogModel::~LogModel() { m_document.removeListener(this); }

int LogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_shown; }

QString LogModel::entryText(int i) const { return shownText(i, -1); }

QString LogModel::shownText(int i, qsizetype maxChars) const {
    const LogEntry e = m_document.log().entry(static_cast<size_t>(i));
    QString text = QString::fromUtf8(e.head.data(), static_cast<qsizetype>(e.head.size()));
    if (!e.note.empty() || !e.text.empty())
        text += QStringLiteral(": ") + QString::fromUtf8(e.note.data(), static_cast<qsizetype>(e.note.size())) +
                (maxChars < 0 ? m_codec.decodeLine(e.text) : m_codec.decodeShown(e.text, maxChars));
    return text;
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown)
        return {};
    if (role == Qt::DisplayRole)
        return shownText(index.row(), kMaxShownLineChars);
    if (role == Qt::ToolTipRole)
        return shownText(index.row(), kMaxTipChars);
    if (role == Qt::UserRole)
        return m_document.log().row(static_cast<size_t>(index.row()));
    return {};
}

// A command's entries arrive as one range: one insert, and the view scrolls once.
void LogModel::logAppended(Range added) {
    const int n = static_cast<int>(added.first + added.count);
    if (n <= m_shown)
        return;
    beginInsertRows({}, m_shown, n - 1);
    m_shown = n;
    endInsertRows();
}

void LogModel::logCleared() {
    beginResetModel();
    m_shown = 0;
    endResetModel();
}

void LogDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int row = index.data(Qt::UserRole).toInt();
    const bool selected = option.state & QStyle::State_Selected;
    QColor background = selected ? option.palette.highlight().color() : option.palette.base().color();
    QColor text = selected ? option.palette.highlightedText().color() : option.palette.text().color();
    if (row == kLogSummary) {
        background = kSummaryBackground;
        text = kSummaryText;
    } else if (row == kLogMarker) {
        background = kMarkerBackground;
        text = kMarkerText;
    }
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, background);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->setClipRect(r);
    // CJK faces have a line height above the 15-pixel entry; centring spends the overflow on
    // their empty leading instead of cutting off descenders at the separator.
    const int overflow = std::max(0, painter->fontMetrics().height() - r.height());
    const QRect textRect(r.left(), r.top() - overflow / 2, r.width(), r.height() + overflow);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->setPen(kLogSeparator);
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());  // the last pixel row of the entry
    painter->restore();
}

QSize LogDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kLogRowHeight};
}

}  // namespace vq
