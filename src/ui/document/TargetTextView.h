#pragma once

#include "ui/document/LinePositionIndex.h"
#include "ui/document/ShownLine.h"
#include "ui/document/TextPoint.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <algorithm>

namespace vq {

class TextLineSource;

// The read-only view of the target text. It reads its lines from a TextLineSource and lays out
// only the lines on screen, so its memory does not grow with the text: a text of millions of
// lines costs what one screenful costs.
//
// Positions. Every call that takes or gives a position counts characters (UTF-16 code units) of
// the decoded text from its start, and each line break counts as ONE position, whatever bytes
// the file has for it (CR LF or LF). So line 1 of "ab\r\ncd" starts at position 3, and position 2
// is the end of line 0, the place of its break. The same places as (line, column) are TextPoints;
// the view converts with positionOf() and pointAt(). A position far from any asked before costs
// one pass over the line lengths up to it, once; positions near the last one asked (the next
// find, the caret's neighbours) cost a few lines; TextPoints cost nothing.
//
// Lines longer than kMaxShownLineChars show their start and "…" (see ShownLine.h); positions,
// find and copy still count and use the whole line.
//
// The view follows its source through the range slots (linesReplaced() and the others): the
// source changes first, then the view is told which lines changed.
class TargetTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxShownLineChars = vq::kMaxShownLineChars;
    static constexpr int kTabColumns = 8;
    // Blank pixels left of the text.
    static constexpr int kMargin = 2;

    explicit TargetTextView(QWidget* parent = nullptr);
    ~TargetTextView() override;

    // Shows `source` (Not owned; it must outlive the view or be replaced first); null shows an
    // empty text. Like resetLines(), it puts the caret at the start.
    void setSource(const TextLineSource* source);
    const TextLineSource* source() const { return m_source; }

    // Lines shown: the source's lines, or one empty line for a source without lines.
    qsizetype lineCount() const;
    qsizetype lineLength(qsizetype line) const;
    QString lineText(qsizetype line) const;
    qsizetype characterCount() const;
    qsizetype positionOf(TextPoint point) const;
    qsizetype positionOfLine(qsizetype line) const { return positionOf({line, 0}); }
    TextPoint pointAt(qsizetype position) const;

    // The caret is where the selection ends; the anchor where it began (the same point when
    // nothing is selected).
    TextPoint caret() const { return m_caret; }
    TextPoint anchor() const { return m_anchor; }
    // Where the selection starts: the line and column the caret panel shows.
    TextPoint selectionStartPoint() const { return std::min(m_anchor, m_caret); }
    TextPoint selectionEndPoint() const { return std::max(m_anchor, m_caret); }
    bool hasSelection() const { return m_anchor != m_caret; }
    qsizetype caretPosition() const { return positionOf(m_caret); }
    qsizetype selectionStart() const { return positionOf(selectionStartPoint()); }
    qsizetype selectionLength() const;

    // Selects `length` characters from `start`, the caret at their end; points are clamped to
    // the text. Every caret and selection call but selectAll() scrolls the caret into view.
    void setSelection(qsizetype start, qsizetype length);
    void setSelection(TextPoint anchor, TextPoint caret);
    void setCaretPosition(qsizetype position) { setSelection(position, 0); }
    void setCaret(TextPoint point) { setSelection(point, point); }
    // Selects the start of `line`: its first `maxColumns` characters (all when negative or
    // enough), and its line break as well when the whole line is taken and a line follows.
    void selectLine(qsizetype line, qsizetype maxColumns = -1);
    void selectAll();
    QString selectedText() const;
    // The text from `from` to `to`, breaks as '\n'.
    QString textBetween(TextPoint from, TextPoint to) const;

    // Searches forward from position `from`: the position where the first hit begins, or -1.
    // A '\n' in `text` matches a line break. The hit is text.size() positions long.
    qsizetype find(const QString& text, qsizetype from, bool matchCase, bool wholeWord) const;

    void ensureVisible(qsizetype position) { ensurePointVisible(pointAt(position)); }
    void ensurePointVisible(TextPoint point);
    // The first line at the top of the view.
    qsizetype topLine() const;
    int lineHeight() const { return m_lineHeight; }
    // The point nearest to `pos` in viewport coordinates (with `onCharacter`, the point before
    // the character under it), and the rectangle of the character after a point.
    TextPoint pointAtViewport(QPoint pos, bool onCharacter = false) const;
    QRect caretRect(TextPoint point) const;

public slots:
    void copy() const;
    // Lines [first, first + count) now hold other text.
    void linesReplaced(qsizetype first, qsizetype count);
    // The lines now at [first, first + count) are new.
    void linesInserted(qsizetype first, qsizetype count);
    // The lines that were at [first, first + count) are gone.
    void linesRemoved(qsizetype first, qsizetype count);
    // Everything changed: shown from the top with the caret at the start.
    void resetLines();
    // The range calls between these two are one change: the view follows each by moving its
    // caret, selection and top line, and lays out, scrolls and repaints once, at the end.
    // They nest.
    void beginChanges();
    void endChanges();

signals:
    // The caret or the selection moved (also when the lines under them moved).
    void selectionChanged();
    // Whether there is a selection to copy, on each change of that.
    void copyAvailable(bool available);
    // The right mouse button was released over the text, at `globalPos` on the screen.
    void rightButtonReleased(const QPoint& globalPos);
    // The keyboard asked for the pop-up menu (the Menu key, Shift+F10): it opens at the caret.
    void menuKeyPressed(const QPoint& globalPos);
    void focusEntered();
    void focusLeft();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    const ShownLine* shownLine(qsizetype line) const;
    TextPoint clamp(TextPoint point) const;
    void moveCaret(TextPoint caret, bool keepAnchor);
    void applySelection(TextPoint anchor, TextPoint caret, bool scroll);
    void notifySelection(TextPoint oldAnchor, TextPoint oldCaret);
    void notifyTextChanged(qsizetype firstLine);
    void textChanged(qsizetype firstLine);
    void updateMetrics();
    void updateScrollBars();
    void scheduleScrollBarUpdate();
    int visibleLines() const;
    qreal contentX() const;
    void repaintLines(qsizetype first, qsizetype last);
    bool handleMoveKey(QKeyEvent* event);
    TextPoint pointAfterMove(TextPoint point, int key, Qt::KeyboardModifiers modifiers) const;
    TextPoint verticalMove(TextPoint point, qsizetype lines) const;
    void extendDrag(QPoint pos);
    void restartBlink();
    // Inside beginChanges(): notes that lines from `first` on changed.
    void noteBatchChange(qsizetype first);

    const TextLineSource* m_source = nullptr;  // Not owned.
    mutable LinePositionIndex m_positions;
    mutable ShownLineCache m_lines;
    TextPoint m_anchor;
    TextPoint m_caret;
    qreal m_desiredX = -1;  // the caret's x kept over up and down moves, -1 when not set
    int m_lineHeight = 1;
    qreal m_breakWidth = 1;
    qreal m_averageCharWidth = 1;
    qreal m_estimatedWidth = 0;  // from the source's longest-line hint
    qreal m_rangeWidth = 0;      // the text width the horizontal scroll range was set for
    bool m_scrollBarUpdatePending = false;
    bool m_dragging = false;
    QPoint m_dragPos;
    bool m_caretOn = true;
    QBasicTimer m_blinkTimer;
    QBasicTimer m_dragTimer;
    // Between beginChanges() and endChanges(): the first changed line (-1: none yet), the top
    // line to show, and the caret and anchor before the changes.
    int m_batchDepth = 0;
    qsizetype m_batchFirst = -1;
    qsizetype m_batchTop = 0;
    TextPoint m_batchAnchor;
    TextPoint m_batchCaret;
};

}  // namespace vq
