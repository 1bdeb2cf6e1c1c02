// The target text view's state: source, positions, caret and selection, and the range slots.
// Painting and input are in TargetTextViewEvents.cpp.
#include "ui/document/TargetTextView.h"

#include "ui/document/TargetTextViewAccessible.h"
#include "ui/document/TextFinder.h"
#include "ui/document/TextLineSource.h"
#include "ui/toolbox/Colours.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace vq {

TargetTextView::TargetTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallTargetTextViewAccessibility();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // Right-button presses and releases come here; the owner opens its menu on the release. The
    // keyboard's requests come to the view itself (contextMenuEvent).
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setCursor(Qt::IBeamCursor);
    SetColours(this, QPalette::Base, QPalette::Text, {kSilver, Qt::black});
    m_positions.setSource(nullptr);
    updateMetrics();
    updateScrollBars();
}

TargetTextView::~TargetTextView() = default;

void TargetTextView::setSource(const TextLineSource* source) {
    m_source = source;
    m_positions.setSource(source);
    resetLines();
}

qsizetype TargetTextView::lineCount() const { return m_positions.lineCount(); }

qsizetype TargetTextView::lineLength(qsizetype line) const { return m_positions.lineLength(line); }

QString TargetTextView::lineText(qsizetype line) const {
    if (!m_source || line < 0 || line >= m_source->lineCount())
        return {};
    return m_source->lineText(line);
}

qsizetype TargetTextView::characterCount() const { return m_positions.characterCount(); }

qsizetype TargetTextView::positionOf(TextPoint point) const { return m_positions.positionOf(point); }

TextPoint TargetTextView::pointAt(qsizetype position) const { return m_positions.pointAt(position); }

qsizetype TargetTextView::selectionLength() const {
    const TextPoint start = selectionStartPoint();
    const TextPoint end = selectionEndPoint();
    if (start.line == end.line)
        return end.column - start.column;
    return positionOf(end) - positionOf(start);
}

const ShownLine* TargetTextView::shownLine(qsizetype line) const {
    return m_lines.line(m_source, std::clamp<qsizetype>(line, 0, lineCount() - 1));
}

TextPoint TargetTextView::clamp(TextPoint point) const {
    const qsizetype line = std::clamp<qsizetype>(point.line, 0, lineCount() - 1);
    return {line, std::clamp<qsizetype>(point.column, 0, lineLength(line))};
}

void TargetTextView::setSelection(qsizetype start, qsizetype length) {
    applySelection(pointAt(start), pointAt(start + length), true);
}

void TargetTextView::setSelection(TextPoint anchor, TextPoint caret) { applySelection(anchor, caret, true); }

void TargetTextView::selectLine(qsizetype line, qsizetype maxColumns) {
    line = std::clamp<qsizetype>(line, 0, lineCount() - 1);
    const qsizetype length = lineLength(line);
    TextPoint end{line, length};
    if (maxColumns >= 0 && maxColumns < length)
        end.column = maxColumns;
    else if (line + 1 < lineCount())
        end = {line + 1, 0};
    applySelection({line, 0}, end, true);
}

void TargetTextView::selectAll() {
    const qsizetype last = lineCount() - 1;
    applySelection({0, 0}, {last, lineLength(last)}, false);
}

QString TargetTextView::selectedText() const { return textBetween(selectionStartPoint(), selectionEndPoint()); }

QString TargetTextView::textBetween(TextPoint from, TextPoint to) const {
    from = clamp(from);
    to = clamp(to);
    if (to < from)
        std::swap(from, to);
    if (from.line == to.line)
        return lineText(from.line).mid(from.column, to.column - from.column);
    QString text = lineText(from.line).mid(from.column);
    for (qsizetype line = from.line + 1; line < to.line; ++line) {
        text += QLatin1Char('\n');
        text += lineText(line);
    }
    text += QLatin1Char('\n');
    text += lineText(to.line).left(to.column);
    return text;
}

void TargetTextView::copy() const {
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

qsizetype TargetTextView::find(const QString& text, qsizetype from, bool matchCase, bool wholeWord) const {
    from = std::max<qsizetype>(from, 0);
    const std::optional<TextHit> hit = FindInLines(m_source, text, pointAt(from), matchCase, wholeWord);
    if (!hit)
        return -1;
    const qsizetype at = from + hit->distance;
    // Selecting the hit and searching on from it then start from here, not from the text's start.
    m_positions.remember(hit->point.line, at - hit->point.column);
    return at;
}

void TargetTextView::moveCaret(TextPoint caret, bool keepAnchor) {
    applySelection(keepAnchor ? m_anchor : caret, caret, true);
}

void TargetTextView::applySelection(TextPoint anchor, TextPoint caret, bool scroll) {
    const TextPoint oldAnchor = m_anchor;
    const TextPoint oldCaret = m_caret;
    m_anchor = clamp(anchor);
    m_caret = clamp(caret);
    m_desiredX = -1;
    if (scroll)
        ensurePointVisible(m_caret);
    restartBlink();
    viewport()->update();
    notifySelection(oldAnchor, oldCaret);
}

void TargetTextView::notifySelection(TextPoint oldAnchor, TextPoint oldCaret) {
    if (oldAnchor == m_anchor && oldCaret == m_caret)
        return;
    emit selectionChanged();
    if ((oldAnchor != oldCaret) != hasSelection())
        emit copyAvailable(hasSelection());
    // Positions may cost a pass over the text; only an assistive tool asks for them.
    if (!QAccessible::isActive())
        return;
    if (hasSelection()) {
        QAccessibleTextSelectionEvent event(this, static_cast<int>(selectionStart()),
                                            static_cast<int>(positionOf(selectionEndPoint())));
        event.setCursorPosition(static_cast<int>(caretPosition()));
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextCursorEvent event(this, static_cast<int>(caretPosition()));
        QAccessible::updateAccessibility(&event);
    }
}

void TargetTextView::textChanged(qsizetype firstLine) {
    m_lines.clear();
    m_positions.invalidateFrom(firstLine);
    const qsizetype hint = m_source ? m_source->maxLineLengthHint() : -1;
    if (hint >= 0) {
        const qsizetype shown = std::min<qsizetype>(hint, kMaxShownLineChars + 1);
        m_estimatedWidth = std::max(m_estimatedWidth, static_cast<qreal>(shown) * m_averageCharWidth);
    }
    notifyTextChanged(firstLine);
}

void TargetTextView::notifyTextChanged(qsizetype firstLine) {
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(this, static_cast<int>(positionOfLine(firstLine)), QString(), QString());
    QAccessible::updateAccessibility(&event);
}

void TargetTextView::beginChanges() {
    if (m_batchDepth++ > 0)
        return;
    m_batchFirst = -1;
    m_batchTop = topLine();
    m_batchAnchor = m_anchor;
    m_batchCaret = m_caret;
}

void TargetTextView::noteBatchChange(qsizetype first) {
    m_batchFirst = m_batchFirst < 0 ? first : std::min(m_batchFirst, first);
    m_lines.clear();  // a laid-out line may be gone or renumbered
}

void TargetTextView::endChanges() {
    if (m_batchDepth == 0 || --m_batchDepth > 0 || m_batchFirst < 0)
        return;
    textChanged(m_batchFirst);
    m_batchFirst = -1;
    m_anchor = clamp(m_anchor);
    m_caret = clamp(m_caret);
    updateScrollBars();
    verticalScrollBar()->setValue(static_cast<int>(m_batchTop));
    viewport()->update();
    notifySelection(m_batchAnchor, m_batchCaret);
}

void TargetTextView::linesReplaced(qsizetype first, qsizetype count) {
    if (count <= 0)
        return;
    if (m_batchDepth > 0)
        return noteBatchChange(first);
    const TextPoint oldAnchor = m_anchor;
    const TextPoint oldCaret = m_caret;
    textChanged(first);
    // Only a point in a replaced line can have lost its column.
    auto inRange = [&](TextPoint point) { return point.line >= first && point.line < first + count; };
    if (inRange(m_anchor))
        m_anchor = clamp(m_anchor);
    if (inRange(m_caret))
        m_caret = clamp(m_caret);
    repaintLines(first, first + count - 1);
    scheduleScrollBarUpdate();
    notifySelection(oldAnchor, oldCaret);
}

void TargetTextView::linesInserted(qsizetype first, qsizetype count) {
    if (count <= 0)
        return;
    const TextPoint oldAnchor = m_anchor;
    const TextPoint oldCaret = m_caret;
    // Before the insert the text had lineCount() - count lines; none means it was shown empty.
    const bool wasEmpty = !m_source || m_source->lineCount() <= count;
    const qsizetype top = topLine();
    auto follow = [&](TextPoint point) {
        if (!wasEmpty && point.line >= first)
            point.line += count;
        return point;
    };
    m_anchor = follow(m_anchor);
    m_caret = follow(m_caret);
    if (m_batchDepth > 0) {
        if (!wasEmpty && first < m_batchTop)
            m_batchTop += count;
        return noteBatchChange(first);
    }
    textChanged(first);
    m_anchor = clamp(m_anchor);
    m_caret = clamp(m_caret);
    updateScrollBars();
    // The lines on screen stay on screen when lines come in above them.
    if (!wasEmpty && first < top)
        verticalScrollBar()->setValue(static_cast<int>(top + count));
    repaintLines(first, lineCount() - 1);
    notifySelection(oldAnchor, oldCaret);
}

void TargetTextView::linesRemoved(qsizetype first, qsizetype count) {
    if (count <= 0)
        return;
    const TextPoint oldAnchor = m_anchor;
    const TextPoint oldCaret = m_caret;
    const qsizetype top = topLine();
    // A point in a removed line goes to the start of the line that took its place, or to the
    // end of the text when the removed lines were the last.
    auto follow = [&](TextPoint point) {
        if (point.line >= first + count)
            return TextPoint{point.line - count, point.column};
        if (point.line < first)
            return point;
        if (m_source && first < m_source->lineCount())
            return TextPoint{first, 0};
        const qsizetype last = lineCount() - 1;
        return TextPoint{last, lineLength(last)};
    };
    if (m_batchDepth > 0) {
        m_anchor = follow(m_anchor);
        m_caret = follow(m_caret);
        if (m_batchTop >= first + count)
            m_batchTop -= count;
        else if (m_batchTop > first)
            m_batchTop = first;
        return noteBatchChange(first);
    }
    textChanged(first);
    m_anchor = clamp(follow(m_anchor));
    m_caret = clamp(follow(m_caret));
    updateScrollBars();
    if (top >= first + count)
        verticalScrollBar()->setValue(static_cast<int>(top - count));
    else if (top > first)
        verticalScrollBar()->setValue(static_cast<int>(first));
    repaintLines(first, lineCount() - 1);
    notifySelection(oldAnchor, oldCaret);
}

void TargetTextView::resetLines() {
    const bool hadSelection = hasSelection();
    if (m_batchDepth > 0) {
        // Shown whole now; only later changes of the batch are left for its end.
        m_batchFirst = -1;
        m_batchTop = 0;
        m_batchAnchor = m_batchCaret = TextPoint{};
    }
    m_lines.resetWidest();
    m_estimatedWidth = 0;
    textChanged(0);
    m_anchor = m_caret = TextPoint{};
    m_desiredX = -1;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    restartBlink();
    viewport()->update();
    // Always told, so the caret's line and column shown elsewhere follow a new text.
    emit selectionChanged();
    if (hadSelection)
        emit copyAvailable(false);
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(this, 0);
        QAccessible::updateAccessibility(&event);
    }
}

void TargetTextView::updateMetrics() {
    const QFontMetricsF metrics(font());
    m_lineHeight = std::max(1, static_cast<int>(std::ceil(metrics.lineSpacing())));
    const qreal space = metrics.horizontalAdvance(QLatin1Char(' '));
    m_breakWidth = std::max<qreal>(space, 2);
    m_averageCharWidth = std::max<qreal>(metrics.averageCharWidth(), 1);
    m_lines.setFont(font(), kTabColumns * std::max<qreal>(space, 1));
    m_estimatedWidth = 0;
    textChanged(0);
}

int TargetTextView::visibleLines() const { return std::max(1, viewport()->height() / m_lineHeight); }

qsizetype TargetTextView::topLine() const { return verticalScrollBar()->value(); }

qreal TargetTextView::contentX() const { return kMargin - horizontalScrollBar()->value(); }

void TargetTextView::updateScrollBars() {
    m_scrollBarUpdatePending = false;
    const int page = visibleLines();
    const qsizetype lines = lineCount();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<qsizetype>(0, lines - page)));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(1);
    m_rangeWidth = std::max(m_lines.widest(), m_estimatedWidth);
    const int content = static_cast<int>(std::ceil(m_rangeWidth + m_breakWidth)) + 2 * kMargin;
    const int width = viewport()->width();
    horizontalScrollBar()->setRange(0, std::max(0, content - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(2 * m_averageCharWidth)));
}

void TargetTextView::scheduleScrollBarUpdate() {
    if (m_scrollBarUpdatePending)
        return;
    m_scrollBarUpdatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_scrollBarUpdatePending)
                updateScrollBars();
        },
        Qt::QueuedConnection);
}

void TargetTextView::repaintLines(qsizetype first, qsizetype last) {
    const qsizetype top = topLine();
    const qsizetype bottom = top + visibleLines();
    if (last < top || first > bottom)
        return;
    const int y0 = static_cast<int>((std::max(first, top) - top) * m_lineHeight);
    const int y1 = static_cast<int>((std::min(last, bottom) - top + 1) * m_lineHeight);
    viewport()->update(0, y0, viewport()->width(), y1 - y0);
}

void TargetTextView::ensurePointVisible(TextPoint point) {
    point = clamp(point);
    if (m_lines.widest() > m_rangeWidth || m_scrollBarUpdatePending)
        updateScrollBars();
    const qsizetype top = topLine();
    const int page = visibleLines();
    if (point.line < top)
        verticalScrollBar()->setValue(static_cast<int>(point.line));
    else if (point.line >= top + page)
        verticalScrollBar()->setValue(static_cast<int>(point.line - page + 1));
    const qreal x = shownLine(point.line)->xOf(point.column) + kMargin;
    if (m_lines.widest() > m_rangeWidth)
        updateScrollBars();  // laying out the caret's line may have widened the text
    QScrollBar* bar = horizontalScrollBar();
    const int width = viewport()->width();
    // Scroll a quarter of the view past the caret, so the text around it shows too.
    if (x < bar->value())
        bar->setValue(static_cast<int>(x) - kMargin - width / 4);
    else if (x + m_breakWidth > bar->value() + width)
        bar->setValue(static_cast<int>(std::ceil(x + m_breakWidth)) - width + width / 4);
}

TextPoint TargetTextView::pointAtViewport(QPoint pos, bool onCharacter) const {
    const qsizetype row = pos.y() >= 0 ? pos.y() / m_lineHeight : -1 - (-pos.y() - 1) / m_lineHeight;
    const qsizetype line = std::clamp<qsizetype>(topLine() + row, 0, lineCount() - 1);
    return {line, shownLine(line)->columnAt(pos.x() - contentX(), onCharacter)};
}

QRect TargetTextView::caretRect(TextPoint point) const {
    point = clamp(point);
    const ShownLine* line = shownLine(point.line);
    const int x = static_cast<int>(std::floor(line->xOf(point.column) + contentX()));
    const int next = static_cast<int>(std::ceil(line->xOf(line->nextColumn(point.column)) + contentX()));
    const int y = static_cast<int>((point.line - topLine()) * m_lineHeight);
    return QRect(x, y, std::max(1, next - x), m_lineHeight);
}

}  // namespace vq
