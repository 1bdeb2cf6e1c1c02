#pragma once

#include <QCache>
#include <QFont>
#include <QString>
#include <QTextLayout>

#include <utility>

class QPainter;
class QPalette;

namespace vq {

class TextLineSource;

// The most characters of one line that the text view lays out and draws. A longer line shows its
// first kMaxShownLineChars characters and then "…", which stands for the rest of the line: the
// caret jumps over it, and selecting it selects the hidden rest.
inline constexpr qsizetype kMaxShownLineChars = 4000;

// One line as the text view draws it: its shown characters laid out on one line with tabs
// expanded. Columns count characters of the whole line; every column past the shown part lies
// behind the "…".
class ShownLine {
public:
    ShownLine(QString shown, qsizetype length, const QFont& font, qreal tabDistance);

    qsizetype length() const { return m_length; }
    qsizetype shownLength() const { return m_shownLength; }
    bool isCut() const { return m_length > m_shownLength; }
    // Width of the drawn text, "…" included.
    qreal width() const { return m_width; }

    qreal xOf(qsizetype column) const;
    // The column nearest to x, or with `onCharacter` the column before the character under x.
    qsizetype columnAt(qreal x, bool onCharacter = false) const;
    qsizetype nextColumn(qsizetype column) const;
    qsizetype previousColumn(qsizetype column) const;
    // The word (letters, digits, '_') at the character after `column`, or that one character, or
    // the hidden rest of a cut line.
    std::pair<qsizetype, qsizetype> wordAt(qsizetype column) const;
    const QString& shownText() const { return m_shown; }

    // Draws the line with columns [selectionStart, selectionEnd) highlighted, and the line break
    // after it too when `breakSelected`.
    void draw(QPainter* painter, QPointF origin, qsizetype selectionStart, qsizetype selectionEnd, bool breakSelected,
              qreal breakWidth, qreal height, const QPalette& palette) const;
    void drawCaret(QPainter* painter, QPointF origin, qsizetype column) const;

private:
    int layoutIndex(qsizetype column) const;

    QString m_shown;
    qsizetype m_length;
    qsizetype m_shownLength;
    QTextLayout m_layout;
    qreal m_width = 0;
};

// The laid-out lines the view needs now: the visible ones and those the caret just crossed. It
// forgets everything on any change of the text or the font.
class ShownLineCache {
public:
    static constexpr int kCapacity = 512;

    ShownLineCache() : m_lines(kCapacity) {}
    void setFont(const QFont& font, qreal tabDistance);
    void clear() { m_lines.clear(); }
    // The line, laid out on first use. Valid until the next call of line() or clear().
    const ShownLine* line(const TextLineSource* source, qsizetype index);
    // The widest line laid out since the last resetWidest().
    qreal widest() const { return m_widest; }
    void resetWidest() { m_widest = 0; }

private:
    QCache<qsizetype, ShownLine> m_lines;
    QFont m_font;
    qreal m_tabDistance = 0;
    qreal m_widest = 0;
};

}  // namespace vq
