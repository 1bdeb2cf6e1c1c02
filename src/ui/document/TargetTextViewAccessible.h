#pragma once

#include <QAccessibleWidget>

namespace vq {

class TargetTextView;

// What assistive tools and UI tests read of the target text view: a read-only multi-line text
// with its caret and selection, in the view's positions (each line break one character).
class TargetTextViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    // The whole text as the accessible value, up to this many characters: a tool that wants more
    // reads it through the text interface, piece by piece.
    static constexpr int kMaxValueChars = 1 << 20;

    explicit TargetTextViewAccessible(TargetTextView* view);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TargetTextView* view() const;
    // The piece of the given kind around `offset`: [start, end).
    std::pair<int, int> segmentAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
};

// Makes Qt's accessibility use TargetTextViewAccessible for every TargetTextView; safe to call
// more than once.
void InstallTargetTextViewAccessibility();

}  // namespace vq
