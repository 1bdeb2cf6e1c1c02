#include "ui/document/LogModel.h"

#include "core/document/OperationLog.h"
#include "ui/document/RowModel.h"
#include "ui/document/ShownLine.h"

#include "ui/toolbox/UiTexts.h"
#include "ui/document/ViewTexts.h"

#include <QPainter>
#include <QRegularExpression>

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

// "注释选定行(&R)" is said "注释选定行"; a "&&" stands for one "&".
static QString WithoutMnemonic(QString caption) {
    static const QRegularExpression marked(QStringLiteral("\\(&[^&)]\\)"));
    caption.remove(marked);
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption.trimmed();
}

static QString WithoutBrackets(const QString& text) {
    if (text.startsWith(QStringLiteral("<<")) && text.endsWith(QStringLiteral(">>")) && text.size() >= 4)
        return text.mid(2, text.size() - 4);
    return text;
}

QString LogModel::spokenText(int i) const {
    const LogEntry e = m_document.log().entry(static_cast<size_t>(i));
    const int row = m_document.log().row(static_cast<size_t>(i));
    const QString head = QString::fromUtf8(e.head.data(), static_cast<qsizetype>(e.head.size()));
    const QString word = head.mid(head.indexOf(QLatin1Char(')')) + 1);
    const QString rest = QString::fromUtf8(e.note.data(), static_cast<qsizetype>(e.note.size())) +
                         m_codec.decodeShown(e.text, kMaxShownLineChars);
    if (row == kLogSummary)
        return WithoutBrackets(word);
    QString spoken = row >= 0 ? FormatMessageQ(texts::kSpokenLogRow, row + 1) : QString();
    spoken += WithoutMnemonic(word);
    if (!e.note.empty() || !e.text.empty())
        spoken += QStringLiteral(": ") + (row == kLogMarker ? WithoutBrackets(rest) : rest);
    return spoken;
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown)
        return {};
    if (role == Qt::DisplayRole)
        return shownText(index.row(), kMaxShownLineChars);
    if (role == Qt::ToolTipRole)
        return shownText(index.row(), kMaxTipChars);
    if (role == Qt::AccessibleTextRole)
        return spokenText(index.row());
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
