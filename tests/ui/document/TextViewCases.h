#pragma once

// What the tests of the target text view share: sources of lines a test controls or makes up,
// a shown view with the point a user clicks for a position, and keys pressed in turn.

#include "ui/document/TargetTextView.h"
#include "ui/document/TextLineSource.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <QRandomGenerator>

#include <functional>

using vq::TargetTextView;
using vq::TextPoint;

Q_DECLARE_METATYPE(TextPoint)

using Points = QList<TextPoint>;

// Lines held in a list the test changes before telling the view, counting what the view asks.
class ListSource : public vq::TextLineSource {
public:
    QStringList lines;
    mutable int textCalls = 0;
    mutable int prefixCalls = 0;
    mutable qsizetype longestPrefix = 0;
    qsizetype hint = -1;

    qsizetype lineCount() const override { return lines.size(); }
    QString lineText(qsizetype line) const override {
        ++textCalls;
        return lines.at(line);
    }
    qsizetype lineLength(qsizetype line) const override { return lines.at(line).size(); }
    QString linePrefix(qsizetype line, qsizetype maxChars) const override {
        ++prefixCalls;
        longestPrefix = std::max(longestPrefix, maxChars);
        return lines.at(line).left(maxChars);
    }
    qsizetype maxLineLengthHint() const override { return hint; }
};

// Millions of lines made up when asked: line i is "line " and i in seven digits, 12 characters,
// so line i starts at position 13 * i.
class GeneratedSource : public vq::TextLineSource {
public:
    explicit GeneratedSource(qsizetype lines) : m_lines(lines) {}
    mutable qsizetype calls = 0;
    qsizetype lineCount() const override { return m_lines; }
    QString lineText(qsizetype line) const override {
        ++calls;
        return QStringLiteral("line %1").arg(line, 7, 10, QLatin1Char('0'));
    }
    void setLineCount(qsizetype lines) { m_lines = lines; }

private:
    qsizetype m_lines;
};

inline constexpr qsizetype kGeneratedLength = 12;

// The lines of a file's decoded text as the document keeps them: a line ends at CR LF or LF, a
// lone CR stays in the line, and a text ending with a break has one more, empty line.
inline QStringList SplitLikeTheDocument(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\n'))
            continue;
        const qsizetype end = i > start && text.at(i - 1) == QLatin1Char('\r') ? i - 1 : i;
        lines << text.mid(start, end - start);
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

struct Shown {
    ListSource source;
    TargetTextView view;

    explicit Shown(const QStringList& lines, QSize size = QSize(400, 300)) {
        source.lines = lines;
        view.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
        view.resize(size);
        view.setSource(&source);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QWidget* viewport() { return view.viewport(); }
    // Where a user clicks to put the caret at a point: just right of the point's left edge.
    QPoint at(TextPoint point) const {
        const QRect r = view.caretRect(point);
        return QPoint(r.left() + 1, r.center().y());
    }
};

inline void PressKeys(QWidget* widget, const QList<QKeyCombination>& keys) {
    for (const QKeyCombination& key : keys)
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}
