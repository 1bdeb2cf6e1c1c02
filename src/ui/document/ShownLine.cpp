#include "ui/document/ShownLine.h"

#include "ui/document/TextFinder.h"
#include "ui/document/TextLineSource.h"

#include <QPainter>
#include <QPalette>
#include <QTextLine>
#include <QTextOption>

#include <algorithm>

namespace vq {

namespace {

const QChar kEllipsis(0x2026);

// No line is drawn anywhere near this wide; it only keeps QTextLayout from wrapping.
constexpr qreal kUnboundedWidth = 1e7;

}  // namespace

ShownLine::ShownLine(QString shown, qsizetype length, const QFont& font, qreal tabDistance)
    : m_shown(std::move(shown)), m_length(length), m_shownLength(m_shown.size()) {
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabDistance);
    m_layout.setText(isCut() ? m_shown + kEllipsis : m_shown);
    m_layout.setFont(font);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(kUnboundedWidth);
        line.setPosition(QPointF(0, 0));
    }
    m_layout.endLayout();
    if (line.isValid())
        m_width = line.naturalTextWidth();
}

int ShownLine::layoutIndex(qsizetype column) const {
    if (column <= m_shownLength)
        return static_cast<int>(std::max<qsizetype>(column, 0));
    return static_cast<int>(m_shownLength + 1);  // after the "…"
}

qreal ShownLine::xOf(qsizetype column) const {
    const QTextLine line = m_layout.lineAt(0);
    return line.isValid() ? line.cursorToX(layoutIndex(column)) : 0;
}

qsizetype ShownLine::columnAt(qreal x, bool onCharacter) const {
    const QTextLine line = m_layout.lineAt(0);
    if (!line.isValid())
        return 0;
    const qsizetype index =
        line.xToCursor(x, onCharacter ? QTextLine::CursorOnCharacter : QTextLine::CursorBetweenCharacters);
    if (isCut() && index > m_shownLength)
        return m_length;
    return std::clamp<qsizetype>(index, 0, m_length);
}

qsizetype ShownLine::nextColumn(qsizetype column) const {
    if (column >= m_length)
        return m_length;
    if (column >= m_shownLength)
        return m_length;
    const qsizetype next = m_layout.nextCursorPosition(static_cast<int>(column));
    return next > m_shownLength ? m_length : next;
}

qsizetype ShownLine::previousColumn(qsizetype column) const {
    if (column <= 0)
        return 0;
    if (column > m_shownLength)
        return m_shownLength;
    return m_layout.previousCursorPosition(static_cast<int>(column));
}

std::pair<qsizetype, qsizetype> ShownLine::wordAt(qsizetype column) const {
    if (column >= m_shownLength)
        return isCut() ? std::pair{m_shownLength, m_length} : std::pair{m_length, m_length};
    if (!IsWordCharacter(m_shown.at(column)))
        return {column, nextColumn(column)};
    qsizetype start = column;
    while (start > 0 && IsWordCharacter(m_shown.at(start - 1)))
        --start;
    qsizetype end = column;
    while (end < m_shownLength && IsWordCharacter(m_shown.at(end)))
        ++end;
    return {start, end};
}

void ShownLine::draw(QPainter* painter, QPointF origin, qsizetype selectionStart, qsizetype selectionEnd,
                     bool breakSelected, qreal breakWidth, qreal height, const QPalette& palette) const {
    QList<QTextLayout::FormatRange> selections;
    if (selectionStart < selectionEnd) {
        QTextLayout::FormatRange range;
        range.start = layoutIndex(selectionStart);
        range.length = layoutIndex(selectionEnd) - range.start;
        range.format.setBackground(palette.brush(QPalette::Highlight));
        range.format.setForeground(palette.brush(QPalette::HighlightedText));
        selections.append(range);
    }
    m_layout.draw(painter, origin, selections);
    if (breakSelected)
        painter->fillRect(QRectF(origin.x() + m_width, origin.y(), breakWidth, height),
                          palette.brush(QPalette::Highlight));
}

void ShownLine::drawCaret(QPainter* painter, QPointF origin, qsizetype column) const {
    m_layout.drawCursor(painter, origin, layoutIndex(column), 1);
}

void ShownLineCache::setFont(const QFont& font, qreal tabDistance) {
    m_font = font;
    m_tabDistance = tabDistance;
    m_lines.clear();
    m_widest = 0;
}

const ShownLine* ShownLineCache::line(const TextLineSource* source, qsizetype index) {
    if (const ShownLine* known = m_lines.object(index))
        return known;
    QString text;
    qsizetype length = 0;
    if (source && index < source->lineCount()) {
        // One more character than is shown tells a cut line from one that just fits.
        text = source->linePrefix(index, kMaxShownLineChars + 1);
        length = text.size();
        if (length > kMaxShownLineChars) {
            length = source->lineLength(index);
            text.truncate(kMaxShownLineChars);
            if (text.back().isHighSurrogate())
                text.chop(1);  // never show half a character
        }
    }
    auto* shown = new ShownLine(std::move(text), length, m_font, m_tabDistance);
    m_widest = std::max(m_widest, shown->width());
    m_lines.insert(index, shown);
    return shown;
}

}  // namespace vq
