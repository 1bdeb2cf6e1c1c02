// The target text view's painting and input: mouse, keys, focus, caret blink, drag scrolling.
#include "ui/document/TargetTextView.h"

#include "ui/document/TextFinder.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vq {

namespace {

constexpr int kDragScrollMs = 50;

bool IsMoveKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
    }
}

// Ctrl+Right: after the word at the column and the blanks after it; at the line end, the next line.
qsizetype NextWordColumn(const QString& text, qsizetype column) {
    const qsizetype n = text.size();
    if (column < n && IsWordCharacter(text.at(column))) {
        while (column < n && IsWordCharacter(text.at(column)))
            ++column;
    } else if (column < n) {
        ++column;
    }
    while (column < n && text.at(column).isSpace())
        ++column;
    return column;
}

// Ctrl+Left: to the start of the word before the column.
qsizetype PreviousWordColumn(const QString& text, qsizetype column) {
    while (column > 0 && text.at(column - 1).isSpace())
        --column;
    if (column > 0 && IsWordCharacter(text.at(column - 1))) {
        while (column > 0 && IsWordCharacter(text.at(column - 1)))
            --column;
    } else if (column > 0) {
        --column;
    }
    return column;
}

}  // namespace

bool TargetTextView::event(QEvent* event) {
    // Copy, select all and the caret keys belong to the view while it has the focus, before any
    // shortcut of the window.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key == QKeySequence::Copy || key == QKeySequence::SelectAll || IsMoveKey(key->key())) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TargetTextView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    const QPalette& colours = palette();
    painter.setPen(colours.color(QPalette::Text));
    const qsizetype top = topLine();
    const qsizetype end = std::min(lineCount(), top + viewport()->height() / m_lineHeight + 1);
    const TextPoint start = selectionStartPoint();
    const TextPoint stop = selectionEndPoint();
    const bool caretShown = hasFocus() && m_caretOn;
    for (qsizetype line = top; line < end; ++line) {
        const int y = static_cast<int>((line - top) * m_lineHeight);
        if (y + m_lineHeight <= area.top() || y > area.bottom())
            continue;
        const ShownLine* shown = shownLine(line);
        const QPointF origin(contentX(), y);
        qsizetype from = 0;
        qsizetype to = 0;
        if (line >= start.line && line <= stop.line) {
            from = line == start.line ? start.column : 0;
            to = line == stop.line ? stop.column : shown->length();
        }
        const bool breakSelected = line >= start.line && line < stop.line;
        shown->draw(&painter, origin, from, to, breakSelected, m_breakWidth, m_lineHeight, colours);
        if (caretShown && line == m_caret.line)
            shown->drawCaret(&painter, origin, m_caret.column);
    }
    // A line wider than the scroll range was made for has come into view.
    if (m_lines.widest() > m_rangeWidth)
        scheduleScrollBarUpdate();
}

void TargetTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TargetTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateScrollBars();
        viewport()->update();
    }
}

void TargetTextView::scrollContentsBy(int, int) { viewport()->update(); }

void TargetTextView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copy();
    } else if (event == QKeySequence::SelectAll) {
        selectAll();
    } else if (!handleMoveKey(event)) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TargetTextView::handleMoveKey(QKeyEvent* event) {
    const int key = event->key();
    if (!IsMoveKey(key))
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool extend = modifiers & Qt::ShiftModifier;
    if (!extend && hasSelection() && !(modifiers & Qt::ControlModifier) &&
        (key == Qt::Key_Left || key == Qt::Key_Right)) {
        // An arrow without Shift first drops the selection at its side.
        const TextPoint side = key == Qt::Key_Left ? selectionStartPoint() : selectionEndPoint();
        moveCaret(side, false);
        return true;
    }
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (vertical && !(modifiers & Qt::ControlModifier) && m_desiredX < 0)
        m_desiredX = shownLine(m_caret.line)->xOf(m_caret.column);
    const qreal desiredX = m_desiredX;
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        const int page = visibleLines();
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() + (key == Qt::Key_PageUp ? -page : page));
    }
    moveCaret(pointAfterMove(m_caret, key, modifiers), extend);
    if (vertical)
        m_desiredX = desiredX;
    return true;
}

TextPoint TargetTextView::verticalMove(TextPoint point, qsizetype lines) const {
    const qsizetype line = std::clamp<qsizetype>(point.line + lines, 0, lineCount() - 1);
    const qreal x = m_desiredX >= 0 ? m_desiredX : shownLine(point.line)->xOf(point.column);
    return {line, shownLine(line)->columnAt(x)};
}

TextPoint TargetTextView::pointAfterMove(TextPoint point, int key, Qt::KeyboardModifiers modifiers) const {
    const bool ctrl = modifiers & Qt::ControlModifier;
    const qsizetype last = lineCount() - 1;
    const qsizetype length = lineLength(point.line);
    switch (key) {
    case Qt::Key_Left: {
        if (point.column == 0)
            return point.line > 0 ? TextPoint{point.line - 1, lineLength(point.line - 1)} : point;
        const ShownLine* shown = shownLine(point.line);
        if (ctrl && point.column <= shown->shownLength())
            return {point.line, PreviousWordColumn(shown->shownText(), point.column)};
        return {point.line, shown->previousColumn(point.column)};
    }
    case Qt::Key_Right: {
        if (point.column >= length)
            return point.line < last ? TextPoint{point.line + 1, 0} : point;
        const ShownLine* shown = shownLine(point.line);
        if (ctrl && point.column < shown->shownLength())
            return {point.line, NextWordColumn(shown->shownText(), point.column)};
        return {point.line, shown->nextColumn(point.column)};
    }
    case Qt::Key_Home: return ctrl ? TextPoint{0, 0} : TextPoint{point.line, 0};
    case Qt::Key_End: return ctrl ? TextPoint{last, lineLength(last)} : TextPoint{point.line, length};
    case Qt::Key_Up: return ctrl ? point : verticalMove(point, -1);
    case Qt::Key_Down: return ctrl ? point : verticalMove(point, 1);
    case Qt::Key_PageUp: return verticalMove(point, -visibleLines());
    case Qt::Key_PageDown: return verticalMove(point, visibleLines());
    default: return point;
    }
}

void TargetTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        moveCaret(pointAtViewport(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
        m_dragging = true;
    }
    event->accept();
}

void TargetTextView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    m_dragPos = event->position().toPoint();
    extendDrag(m_dragPos);
    // Outside the text the selection goes on growing while the view scrolls towards the mouse.
    if (viewport()->rect().contains(m_dragPos))
        m_dragTimer.stop();
    else if (!m_dragTimer.isActive())
        m_dragTimer.start(kDragScrollMs, this);
}

void TargetTextView::extendDrag(QPoint pos) { moveCaret(pointAtViewport(pos), true); }

void TargetTextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        m_dragTimer.stop();
    } else if (event->button() == Qt::RightButton) {
        emit rightButtonReleased(event->globalPosition().toPoint());
    }
    event->accept();
}

// The mouse's request is the right-button release's (see above); the keyboard's opens the menu
// at the caret, which inputMethodQuery gives as the view's cursor.
void TargetTextView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit menuKeyPressed(event->globalPos());
    event->accept();
}

QVariant TargetTextView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImCursorRectangle)
        return caretRect(m_caret).translated(viewport()->pos());
    return QAbstractScrollArea::inputMethodQuery(query);
}

void TargetTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    const TextPoint at = pointAtViewport(event->position().toPoint(), true);
    const auto [start, end] = shownLine(at.line)->wordAt(at.column);
    setSelection(TextPoint{at.line, start}, TextPoint{at.line, end});
    m_dragging = false;
    event->accept();
}

void TargetTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
    // A pop-up menu borrowing the focus is no change of view.
    if (event->reason() != Qt::PopupFocusReason)
        emit focusEntered();
}

void TargetTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_blinkTimer.stop();
    m_dragging = false;
    m_dragTimer.stop();
    viewport()->update();
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLeft();
}

void TargetTextView::restartBlink() {
    m_caretOn = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blinkTimer.start(flash / 2, this);
    else
        m_blinkTimer.stop();
}

void TargetTextView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_blinkTimer.timerId()) {
        m_caretOn = !m_caretOn;
        viewport()->update(caretRect(m_caret).adjusted(-2, 0, 2, 0));
    } else if (event->timerId() == m_dragTimer.timerId()) {
        extendDrag(m_dragPos);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

}  // namespace vq
