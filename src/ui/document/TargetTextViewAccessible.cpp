#include "ui/document/TargetTextViewAccessible.h"

#include "ui/document/TargetTextView.h"
#include "ui/toolbox/AccessibleFactory.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>

namespace vq {

namespace {

int ToInt(qsizetype value) { return static_cast<int>(std::min<qsizetype>(value, std::numeric_limits<int>::max())); }

}  // namespace

void InstallTargetTextViewAccessibility() { InstallAccessibleFactory<TargetTextView, TargetTextViewAccessible>(); }

TargetTextViewAccessible::TargetTextViewAccessible(TargetTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

TargetTextView* TargetTextViewAccessible::view() const { return static_cast<TargetTextView*>(widget()); }

QAccessible::State TargetTextViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    state.focusable = true;
    return state;
}

QString TargetTextViewAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Value)
        return QAccessibleWidget::text(t);
    const TargetTextView* v = view();
    return v->textBetween({0, 0}, v->pointAt(kMaxValueChars));
}

void* TargetTextViewAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void TargetTextViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const TargetTextView* v = view();
    if (selectionIndex != 0 || !v->hasSelection())
        return;
    *startOffset = ToInt(v->selectionStart());
    *endOffset = ToInt(v->positionOf(v->selectionEndPoint()));
}

int TargetTextViewAccessible::selectionCount() const { return view()->hasSelection() ? 1 : 0; }

void TargetTextViewAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TargetTextViewAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        view()->setCaret(view()->caret());
}

void TargetTextViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        view()->setSelection(startOffset, endOffset - startOffset);
}

int TargetTextViewAccessible::cursorPosition() const { return ToInt(view()->caretPosition()); }

void TargetTextViewAccessible::setCursorPosition(int position) { view()->setCaretPosition(position); }

QString TargetTextViewAccessible::text(int startOffset, int endOffset) const {
    const TargetTextView* v = view();
    return v->textBetween(v->pointAt(startOffset), v->pointAt(endOffset));
}

int TargetTextViewAccessible::characterCount() const { return ToInt(view()->characterCount()); }

std::pair<int, int> TargetTextViewAccessible::segmentAt(int offset, QAccessible::TextBoundaryType boundaryType) const {
    const TargetTextView* v = view();
    const int count = characterCount();
    if (boundaryType == QAccessible::NoBoundary)
        return {0, count};
    offset = std::clamp(offset, 0, count);
    const TextPoint point = v->pointAt(offset);
    const int lineStart = offset - ToInt(point.column);
    const int length = ToInt(v->lineLength(point.line));
    const int withBreak = point.line + 1 < v->lineCount() ? 1 : 0;
    if (boundaryType == QAccessible::LineBoundary || boundaryType == QAccessible::ParagraphBoundary)
        return {lineStart, lineStart + length + withBreak};
    if (point.column >= length)  // the line break, or the end of the text
        return {offset, offset + withBreak};
    QTextBoundaryFinder::BoundaryType kind = QTextBoundaryFinder::Grapheme;
    if (boundaryType == QAccessible::WordBoundary)
        kind = QTextBoundaryFinder::Word;
    else if (boundaryType == QAccessible::SentenceBoundary)
        kind = QTextBoundaryFinder::Sentence;
    const QString line = v->lineText(point.line);
    QTextBoundaryFinder finder(kind, line);
    finder.setPosition(point.column);
    const qsizetype start = finder.isAtBoundary() ? point.column : finder.toPreviousBoundary();
    finder.setPosition(point.column);
    const qsizetype end = finder.toNextBoundary();
    return {lineStart + ToInt(std::max<qsizetype>(start, 0)), lineStart + ToInt(end < 0 ? length : end)};
}

QString TargetTextViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                               int* endOffset) const {
    const auto [start, end] = segmentAt(offset, boundaryType);
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

QString TargetTextViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                   int* startOffset, int* endOffset) const {
    const int start = segmentAt(offset, boundaryType).first;
    if (start <= 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString TargetTextViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                  int* startOffset, int* endOffset) const {
    const int end = segmentAt(offset, boundaryType).second;
    if (end >= characterCount()) {
        *startOffset = *endOffset = characterCount();
        return {};
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QRect TargetTextViewAccessible::characterRect(int offset) const {
    const TargetTextView* v = view();
    const QRect rect = v->caretRect(v->pointAt(offset));
    return QRect(v->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int TargetTextViewAccessible::offsetAtPoint(const QPoint& point) const {
    const TargetTextView* v = view();
    const QPoint local = v->viewport()->mapFromGlobal(point);
    if (!v->viewport()->rect().contains(local))
        return -1;
    return ToInt(v->positionOf(v->pointAtViewport(local, true)));
}

void TargetTextViewAccessible::scrollToSubstring(int startIndex, int endIndex) {
    view()->ensureVisible(endIndex);
    view()->ensureVisible(startIndex);
}

QString TargetTextViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

}  // namespace vq
