// The target text view driven as a user drives it: clicks, drags, keys, copy, find, and the range
// changes its source reports; plus what assistive tools read of it.
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

namespace {

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

constexpr qsizetype kGeneratedLength = 12;

// The lines of a file's decoded text as the document keeps them: a line ends at CR LF or LF, a
// lone CR stays in the line, and a text ending with a break has one more, empty line.
QStringList SplitLikeTheDocument(const QString& text) {
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

void PressKeys(QWidget* widget, const QList<QKeyCombination>& keys) {
    for (const QKeyCombination& key : keys)
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

}  // namespace

class TestTextView : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void positionsOverMillionsOfLines();
    void positionsFollowChangesAtRandom();
    void findNextStartsFromTheLastHit();
    void attachingMillionsOfLinesReadsOnlyTheVisibleOnes();

    void clickPlacesCaret_data();
    void clickPlacesCaret();
    void dragSelects();
    void dragBeyondTheBottomScrolls();
    void shiftClickExtends();
    void doubleClickSelectsWord_data();
    void doubleClickSelectsWord();
    void keysMoveAndSelect_data();
    void keysMoveAndSelect();
    void pageKeysMoveByAPage();
    void selectAllAndCopy();
    void copyWithoutSelectionKeepsClipboard();
    void rightButtonReleaseOnly();
    void focusSignals();

    void selectLine_data();
    void selectLine();
    void caretAfterFirstCharacter_data();
    void caretAfterFirstCharacter();
    void find_data();
    void find();
    void findHitOnTheLastOfMillionsOfLines();
    void ensureVisibleScrollsBothWays();

    void longLineIsCut();
    void tabsExpandToStops();
    void silverBackgroundAndFontChange();

    void rangeChanges_data();
    void rangeChanges();
    void rangeChangesKeepTheViewOnItsLines();
    void rangeChangesOnMillionsOfLinesStayCheap();
    void hintSizesTheHorizontalRange();

    void accessibleText();
    void accessibleSelectionDrivesTheView();
    void accessibleBoundaries_data();
    void accessibleBoundaries();
};

void TestTextView::positions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<TextPoint>("point");
    // The break counts one position whether the file has CR LF or LF.
    QTest::newRow("lf, start of line 1") << "ab\ncd" << qsizetype(3) << TextPoint{1, 0};
    QTest::newRow("crlf, start of line 1") << "ab\r\ncd" << qsizetype(3) << TextPoint{1, 0};
    QTest::newRow("crlf, the break is the end of line 0") << "ab\r\ncd" << qsizetype(2) << TextPoint{0, 2};
    QTest::newRow("mixed breaks, line 2") << "a\r\nb\nc\r\nd" << qsizetype(5) << TextPoint{2, 1};
    QTest::newRow("lone cr stays a character") << "a\rb\nc" << qsizetype(4) << TextPoint{1, 0};
    QTest::newRow("empty lines") << "\n\n\nx" << qsizetype(2) << TextPoint{2, 0};
    QTest::newRow("final break gives an empty last line") << "ab\r\n" << qsizetype(3) << TextPoint{1, 0};
    QTest::newRow("empty text") << "" << qsizetype(0) << TextPoint{0, 0};
    QTest::newRow("chinese counts characters") << QString::fromUtf8("中文\r\n注释") << qsizetype(4) << TextPoint{1, 1};
}

void TestTextView::positions() {
    QFETCH(QString, text);
    QFETCH(qsizetype, position);
    QFETCH(TextPoint, point);
    Shown s(SplitLikeTheDocument(text));
    QCOMPARE(s.view.pointAt(position), point);
    QCOMPARE(s.view.positionOf(point), position);
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(s.view.characterCount(), lf.size());
    // Past the end is the end.
    const qsizetype last = s.view.lineCount() - 1;
    QCOMPARE(s.view.pointAt(lf.size() + 10), (TextPoint{last, s.view.lineLength(last)}));
    s.view.setSelection(0, lf.size());
    QCOMPARE(s.view.selectedText(), lf);
}

void TestTextView::positionsOverMillionsOfLines() {
    GeneratedSource source(3400000);
    TargetTextView view;
    view.setSource(&source);
    QCOMPARE(view.positionOfLine(3399999), 13 * qsizetype(3399999));
    QCOMPARE(view.characterCount(), 13 * qsizetype(3400000) - 1);
    for (qsizetype line : {qsizetype(0), qsizetype(1023), qsizetype(1024), qsizetype(2500001), qsizetype(3399999)}) {
        const TextPoint point{line, 5};
        QCOMPARE(view.pointAt(13 * line + 5), point);
        QCOMPARE(view.positionOf(point), 13 * line + 5);
    }
    // A change far down keeps what lies before it and recounts what follows.
    source.setLineCount(3400001);
    view.linesInserted(2000000, 1);
    QCOMPARE(view.positionOfLine(3400000), 13 * qsizetype(3400000));
}

// Positions asked in any order, between changes anywhere, against a count made from scratch.
void TestTextView::positionsFollowChangesAtRandom() {
    QRandomGenerator random(20240611);
    ListSource source;
    auto randomLine = [&] { return QString(random.bounded(12), QLatin1Char('a' + random.bounded(26))); };
    for (int i = 0; i < 5000; ++i)
        source.lines << randomLine();
    TargetTextView view;
    view.setSource(&source);
    for (int round = 0; round < 300; ++round) {
        const qsizetype lines = source.lines.size();
        const qsizetype first = random.bounded(int(lines));
        const qsizetype count = 1 + random.bounded(int(std::min<qsizetype>(3000, lines - first)));
        switch (random.bounded(3)) {
        case 0:
            for (qsizetype i = first; i < first + count; ++i)
                source.lines[i] = randomLine();
            view.linesReplaced(first, count);
            break;
        case 1:
            for (qsizetype i = 0; i < count; ++i)
                source.lines.insert(first, randomLine());
            view.linesInserted(first, count);
            break;
        default:
            if (lines - count < 100)
                continue;
            source.lines.remove(first, count);
            view.linesRemoved(first, count);
            break;
        }
        std::vector<qsizetype> starts{0};
        for (const QString& line : std::as_const(source.lines))
            starts.push_back(starts.back() + line.size() + 1);
        for (int question = 0; question < 4; ++question) {
            const qsizetype line = random.bounded(int(source.lines.size()));
            const qsizetype column = random.bounded(int(source.lines.at(line).size() + 1));
            QCOMPARE(view.positionOf({line, column}), starts[line] + column);
            QCOMPARE(view.pointAt(starts[line] + column), (TextPoint{line, column}));
        }
        QCOMPARE(view.characterCount(), starts.back() - 1);
    }
}

// F3 after F3 on a large text: selecting a hit and searching on from it never counts the text
// from its start again.
void TestTextView::findNextStartsFromTheLastHit() {
    GeneratedSource source(3400000);
    TargetTextView view;
    view.setSource(&source);
    qsizetype at = view.find(QStringLiteral("line 3000000"), 0, true, false);
    QCOMPARE(at, 13 * qsizetype(3000000));
    for (qsizetype next : {qsizetype(3000001), qsizetype(3000002)}) {
        source.calls = 0;
        view.setSelection(at, 12);
        const qsizetype from = view.selectionStart() + view.selectionLength();
        at = view.find(QStringLiteral("line "), from, true, false);
        QCOMPARE(at, 13 * next);
        QVERIFY2(source.calls < 100, qPrintable(QString::number(source.calls)));
    }
}

void TestTextView::attachingMillionsOfLinesReadsOnlyTheVisibleOnes() {
    GeneratedSource source(3400000);
    TargetTextView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setSource(&source);
    view.viewport()->repaint();
    const qsizetype visible = view.viewport()->height() / view.lineHeight() + 1;
    QVERIFY2(source.calls <= visible + 2, qPrintable(QString::number(source.calls)));
    QCOMPARE(view.verticalScrollBar()->maximum(), 3400000 - view.viewport()->height() / view.lineHeight());
    source.calls = 0;
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    view.viewport()->repaint();
    QCOMPARE(view.caret(), (TextPoint{3399999, kGeneratedLength}));
    QCOMPARE(view.topLine(), 3400000 - view.viewport()->height() / view.lineHeight());
    QVERIFY2(source.calls <= 2 * visible + 2, qPrintable(QString::number(source.calls)));
}

void TestTextView::clickPlacesCaret_data() {
    QTest::addColumn<TextPoint>("point");
    QTest::newRow("start") << TextPoint{0, 0};
    QTest::newRow("inside line 0") << TextPoint{0, 3};
    QTest::newRow("end of line 1") << TextPoint{1, 9};
    QTest::newRow("chinese line") << TextPoint{2, 2};
    QTest::newRow("empty line") << TextPoint{3, 0};
}

void TestTextView::clickPlacesCaret() {
    QFETCH(TextPoint, point);
    Shown s({QStringLiteral("alpha = 1"), QStringLiteral("beta = 22"), QString::fromUtf8("中文注释"), QString()});
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    s.view.setCaret({1, 4});
    moved.clear();
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.at(point));
    QCOMPARE(s.view.caret(), point);
    QVERIFY(!s.view.hasSelection());
    QVERIFY(s.view.hasFocus());
    QCOMPARE(moved.count(), 1);
}

void TestTextView::dragSelects() {
    Shown s({QStringLiteral("first line"), QStringLiteral("second line"), QStringLiteral("third line")});
    QSignalSpy copyable(&s.view, &TargetTextView::copyAvailable);
    QTest::mousePress(s.viewport(), Qt::LeftButton, {}, s.at({0, 6}));
    QTest::mouseMove(s.viewport(), s.at({1, 3}));
    QTest::mouseMove(s.viewport(), s.at({2, 5}));
    QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, s.at({2, 5}));
    QCOMPARE(s.view.anchor(), (TextPoint{0, 6}));
    QCOMPARE(s.view.caret(), (TextPoint{2, 5}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("line\nsecond line\nthird"));
    QCOMPARE(s.view.selectionStart(), 6);
    QCOMPARE(s.view.selectionLength(), 22);
    QCOMPARE(copyable.count(), 1);
    QCOMPARE(copyable.first().first().toBool(), true);
    // Dragging back above the anchor selects the other way.
    QTest::mousePress(s.viewport(), Qt::LeftButton, {}, s.at({1, 6}));
    QTest::mouseMove(s.viewport(), s.at({0, 1}));
    QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, s.at({0, 1}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("irst line\nsecond"));
    // A move without the button held selects nothing more.
    QTest::mouseMove(s.viewport(), s.at({2, 2}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("irst line\nsecond"));
}

void TestTextView::dragBeyondTheBottomScrolls() {
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("row %1").arg(i);
    Shown s(lines);
    QTest::mousePress(s.viewport(), Qt::LeftButton, {}, s.at({1, 0}));
    const QPoint below(20, s.viewport()->height() + 20);
    QTest::mouseMove(s.viewport(), below);
    QTRY_VERIFY(s.view.topLine() > 5);
    QTest::mouseRelease(s.viewport(), Qt::LeftButton, {}, below);
    const qsizetype reached = s.view.caret().line;
    QVERIFY(reached > s.view.viewport()->height() / s.view.lineHeight());
    QCOMPARE(s.view.anchor(), (TextPoint{1, 0}));
}

void TestTextView::shiftClickExtends() {
    Shown s({QStringLiteral("0123456789"), QStringLiteral("abcdefghij")});
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.at({0, 2}));
    QTest::mouseClick(s.viewport(), Qt::LeftButton, Qt::ShiftModifier, s.at({1, 4}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("23456789\nabcd"));
    QTest::mouseClick(s.viewport(), Qt::LeftButton, Qt::ShiftModifier, s.at({0, 5}));
    QCOMPARE(s.view.anchor(), (TextPoint{0, 2}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("234"));
}

void TestTextView::doubleClickSelectsWord_data() {
    QTest::addColumn<TextPoint>("point");
    QTest::addColumn<QString>("selected");
    QTest::newRow("key with underscore") << TextPoint{0, 8} << "max_input_time";
    QTest::newRow("first character") << TextPoint{0, 0} << "max_input_time";
    QTest::newRow("number") << TextPoint{0, 18} << "60";
    QTest::newRow("sign between words") << TextPoint{0, 15} << "=";
}

void TestTextView::doubleClickSelectsWord() {
    QFETCH(TextPoint, point);
    QFETCH(QString, selected);
    Shown s({QStringLiteral("max_input_time = 60 ; seconds")});
    QTest::mouseDClick(s.viewport(), Qt::LeftButton, {}, s.at(point));
    QCOMPARE(s.view.selectedText(), selected);
}

void TestTextView::keysMoveAndSelect_data() {
    using K = QList<QKeyCombination>;
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    QTest::addColumn<TextPoint>("start");
    QTest::addColumn<K>("keys");
    QTest::addColumn<TextPoint>("anchor");
    QTest::addColumn<TextPoint>("caret");
    // Lines: "abc", "", "defgh", "ij"
    QTest::newRow("right over the break")
        << TextPoint{0, 2} << K{Qt::Key_Right, Qt::Key_Right} << TextPoint{1, 0} << TextPoint{1, 0};
    QTest::newRow("left over the break") << TextPoint{2, 0} << K{Qt::Key_Left} << TextPoint{1, 0} << TextPoint{1, 0};
    QTest::newRow("shift+right selects the break")
        << TextPoint{0, 2} << K{shift | Qt::Key_Right, shift | Qt::Key_Right} << TextPoint{0, 2} << TextPoint{1, 0};
    QTest::newRow("down keeps the column")
        << TextPoint{0, 3} << K{Qt::Key_Down, Qt::Key_Down} << TextPoint{2, 3} << TextPoint{2, 3};
    QTest::newRow("down to a short line") << TextPoint{2, 4} << K{Qt::Key_Down} << TextPoint{3, 2} << TextPoint{3, 2};
    QTest::newRow("shift+down") << TextPoint{0, 1} << K{shift | Qt::Key_Down} << TextPoint{0, 1} << TextPoint{1, 0};
    QTest::newRow("up at the top stays") << TextPoint{0, 1} << K{Qt::Key_Up} << TextPoint{0, 1} << TextPoint{0, 1};
    QTest::newRow("end") << TextPoint{2, 2} << K{Qt::Key_End} << TextPoint{2, 5} << TextPoint{2, 5};
    QTest::newRow("shift+home") << TextPoint{2, 2} << K{shift | Qt::Key_Home} << TextPoint{2, 2} << TextPoint{2, 0};
    QTest::newRow("ctrl+end") << TextPoint{0, 1} << K{ctrl | Qt::Key_End} << TextPoint{3, 2} << TextPoint{3, 2};
    QTest::newRow("ctrl+shift+home") << TextPoint{2, 3} << K{ctrl | shift | Qt::Key_Home} << TextPoint{2, 3}
                                     << TextPoint{0, 0};
    QTest::newRow("left drops a selection at its start")
        << TextPoint{2, 1} << K{shift | Qt::Key_Right, shift | Qt::Key_Right, Qt::Key_Left} << TextPoint{2, 1}
        << TextPoint{2, 1};
    QTest::newRow("right drops a selection at its end")
        << TextPoint{2, 3} << K{shift | Qt::Key_Left, shift | Qt::Key_Left, Qt::Key_Right} << TextPoint{2, 3}
        << TextPoint{2, 3};
    QTest::newRow("shift+end then shift+left")
        << TextPoint{2, 1} << K{shift | Qt::Key_End, shift | Qt::Key_Left} << TextPoint{2, 1} << TextPoint{2, 4};
    QTest::newRow("right at the very end stays")
        << TextPoint{3, 2} << K{Qt::Key_Right} << TextPoint{3, 2} << TextPoint{3, 2};
}

void TestTextView::keysMoveAndSelect() {
    QFETCH(TextPoint, start);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(TextPoint, anchor);
    QFETCH(TextPoint, caret);
    Shown s({QStringLiteral("abc"), QString(), QStringLiteral("defgh"), QStringLiteral("ij")});
    s.view.setFocus();
    s.view.setCaret(start);
    PressKeys(&s.view, keys);
    QCOMPARE(s.view.anchor(), anchor);
    QCOMPARE(s.view.caret(), caret);
}

void TestTextView::pageKeysMoveByAPage() {
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << QStringLiteral("line %1").arg(i);
    Shown s(lines);
    const qsizetype page = s.viewport()->height() / s.view.lineHeight();
    s.view.setCaret({3, 2});
    QTest::keyClick(&s.view, Qt::Key_PageDown);
    QCOMPARE(s.view.caret(), (TextPoint{3 + page, 2}));
    QCOMPARE(s.view.topLine(), page);
    QTest::keyClick(&s.view, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(s.view.anchor(), (TextPoint{3 + page, 2}));
    QCOMPARE(s.view.caret(), (TextPoint{3 + 2 * page, 2}));
    QTest::keyClick(&s.view, Qt::Key_PageUp);
    QCOMPARE(s.view.caret(), (TextPoint{3 + page, 2}));
    QVERIFY(!s.view.hasSelection());
}

void TestTextView::selectAllAndCopy() {
    const QStringList lines{QStringLiteral("[General]"), QString::fromUtf8("; 中文"), QString(), QStringLiteral("k=v")};
    Shown s(lines);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    QTest::keyClick(&s.view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(s.view.selectionStart(), 0);
    QCOMPARE(s.view.selectionLength(), lines.join(QLatin1Char('\n')).size());
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));
    // A part of a line.
    s.view.setSelection(14, 4);
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\n\nk="));
}

void TestTextView::copyWithoutSelectionKeepsClipboard() {
    Shown s({QStringLiteral("text")});
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    s.view.setCaret({0, 2});
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestTextView::rightButtonReleaseOnly() {
    Shown s({QStringLiteral("abc def")});
    s.view.setCaret({0, 1});
    QSignalSpy released(&s.view, &TargetTextView::rightButtonReleased);
    const QPoint pos = s.at({0, 5});
    QTest::mousePress(s.viewport(), Qt::RightButton, {}, pos);
    QCOMPARE(released.count(), 0);
    QTest::mouseRelease(s.viewport(), Qt::RightButton, {}, pos);
    QCOMPARE(released.count(), 1);
    QCOMPARE(s.view.caret(), (TextPoint{0, 1}));
    QCOMPARE(released.first().first().toPoint(), s.viewport()->mapToGlobal(pos));
    QTest::mouseClick(s.viewport(), Qt::MiddleButton, {}, pos);
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, pos);
    QCOMPARE(released.count(), 1);
    // The right button leaves the caret alone; the left one moved it.
    QCOMPARE(s.view.caret(), (TextPoint{0, 5}));
}

void TestTextView::focusSignals() {
    QWidget window;
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    other->setGeometry(0, 0, 50, 50);
    ListSource source;
    source.lines = QStringList{QStringLiteral("x")};
    auto* view = new TargetTextView(&window);
    view->setGeometry(60, 0, 300, 200);
    view->setSource(&source);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy entered(view, &TargetTextView::focusEntered);
    QSignalSpy left(view, &TargetTextView::focusLeft);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_COMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 0);
    QTest::keyClick(&window, Qt::Key_Tab);
    QTRY_COMPARE(left.count(), 1);
    QVERIFY(other->hasFocus());
}

void TestTextView::selectLine_data() {
    QTest::addColumn<qsizetype>("line");
    QTest::addColumn<qsizetype>("maxColumns");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<TextPoint>("caret");
    QTest::newRow("line and its break") << qsizetype(0) << qsizetype(-1) << "first\n" << TextPoint{1, 0};
    QTest::newRow("empty line is its break") << qsizetype(1) << qsizetype(-1) << "\n" << TextPoint{2, 0};
    QTest::newRow("last line has no break") << qsizetype(2) << qsizetype(-1) << "last" << TextPoint{2, 4};
    QTest::newRow("long line cut at the width") << qsizetype(0) << qsizetype(3) << "fir" << TextPoint{0, 3};
    QTest::newRow("width enough for the line") << qsizetype(0) << qsizetype(5) << "first\n" << TextPoint{1, 0};
}

void TestTextView::selectLine() {
    QFETCH(qsizetype, line);
    QFETCH(qsizetype, maxColumns);
    QFETCH(QString, selected);
    QFETCH(TextPoint, caret);
    Shown s({QStringLiteral("first"), QString(), QStringLiteral("last")});
    s.view.selectLine(line, maxColumns);
    QCOMPARE(s.view.selectedText(), selected);
    QCOMPARE(s.view.selectionStartPoint(), (TextPoint{line, 0}));
    QCOMPARE(s.view.caret(), caret);
    QCOMPARE(s.view.selectionLength(), selected.size());
}

void TestTextView::caretAfterFirstCharacter_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TextPoint>("caret");
    QTest::newRow("text") << QStringList{QStringLiteral("abc"), QStringLiteral("d")} << TextPoint{0, 1};
    QTest::newRow("first line empty") << QStringList{QString(), QStringLiteral("d")} << TextPoint{1, 0};
    QTest::newRow("empty text") << QStringList{} << TextPoint{0, 0};
}

void TestTextView::caretAfterFirstCharacter() {
    QFETCH(QStringList, lines);
    QFETCH(TextPoint, caret);
    Shown s(lines);
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    s.view.setCaretPosition(1);
    QCOMPARE(s.view.caret(), caret);
    QVERIFY(!s.view.hasSelection());
    QCOMPARE(moved.count(), (caret == TextPoint{0, 0}) ? 0 : 1);
}

void TestTextView::find_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<qsizetype>("found");
    const QString text = QStringLiteral("[Engine]\nEngine = On\nengineering = off\nx=engine");
    QTest::newRow("first hit") << QStringLiteral("Engine") << qsizetype(0) << true << false << qsizetype(1);
    QTest::newRow("from inside a hit") << QStringLiteral("Engine") << qsizetype(2) << true << false << qsizetype(9);
    QTest::newRow("case ignored") << QStringLiteral("ENGINE") << qsizetype(10) << false << false << qsizetype(21);
    QTest::newRow("case matched") << QStringLiteral("engine") << qsizetype(0) << true << false << qsizetype(21);
    QTest::newRow("whole word skips a longer word")
        << QStringLiteral("engine") << qsizetype(10) << false << true << qsizetype(41);
    QTest::newRow("whole word at line start")
        << QStringLiteral("Engine") << qsizetype(2) << true << true << qsizetype(9);
    QTest::newRow("not found") << QStringLiteral("Motor") << qsizetype(0) << false << false << qsizetype(-1);
    QTest::newRow("nothing after the last hit")
        << QStringLiteral("engine") << qsizetype(42) << false << false << qsizetype(-1);
    QTest::newRow("across a break") << QStringLiteral("On\nengineering") << qsizetype(0) << true << false
                                    << qsizetype(18);
    QTest::newRow("across a break, whole word fails")
        << QStringLiteral("On\nengine") << qsizetype(0) << true << true << qsizetype(-1);
    QTest::newRow("empty text finds nothing") << QString() << qsizetype(0) << false << false << qsizetype(-1);
}

void TestTextView::find() {
    QFETCH(QString, text);
    QFETCH(qsizetype, from);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(qsizetype, found);
    const QString content = QStringLiteral("[Engine]\r\nEngine = On\r\nengineering = off\r\nx=engine");
    Shown s(SplitLikeTheDocument(content));
    const qsizetype at = s.view.find(text, from, matchCase, wholeWord);
    QCOMPARE(at, found);
    if (at >= 0) {
        // What a find command does with the hit: select it and read it back.
        s.view.setSelection(at, text.size());
        QCOMPARE(s.view.selectedText().compare(text, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive), 0);
    }
}

void TestTextView::findHitOnTheLastOfMillionsOfLines() {
    GeneratedSource source(1000000);
    TargetTextView view;
    view.setSource(&source);
    const qsizetype at = view.find(QStringLiteral("0999999"), 100, true, true);
    QCOMPARE(at, 13 * qsizetype(999999) + 5);
    view.setSelection(at, 7);
    QCOMPARE(view.selectionStartPoint(), (TextPoint{999999, 5}));
    QCOMPARE(view.selectedText(), QStringLiteral("0999999"));
}

void TestTextView::ensureVisibleScrollsBothWays() {
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("line %1 ").arg(i) + QString(i == 250 ? 400 : 0, QLatin1Char('w')) +
                     QStringLiteral("END");
    Shown s(lines);
    const qsizetype endOfLong = lines.at(250).size();
    s.view.setCaret({250, endOfLong});
    const qsizetype top = s.view.topLine();
    QVERIFY(top <= 250 && 250 < top + s.viewport()->height() / s.view.lineHeight());
    QVERIFY(s.view.horizontalScrollBar()->value() > 0);
    QVERIFY(s.viewport()->rect().contains(s.view.caretRect(s.view.caret()).topLeft()));
    s.view.ensureVisible(0);
    QCOMPARE(s.view.topLine(), 0);
    QCOMPARE(s.view.horizontalScrollBar()->value(), 0);
}

void TestTextView::longLineIsCut() {
    const qsizetype length = 10000000;
    const QString longLine = QStringLiteral("k=") + QString(length - 2, QLatin1Char('x'));
    Shown s({QStringLiteral("short"), longLine, QStringLiteral("after")});
    // Shown, laid out again and painted without ever decoding the whole line.
    s.view.resetLines();
    s.viewport()->repaint();
    QCOMPARE(s.source.textCalls, 0);
    QVERIFY(s.source.longestPrefix <= TargetTextView::kMaxShownLineChars + 1);
    // End goes to the true end of the line, shown after the "…".
    s.view.setCaret({1, 0});
    QTest::keyClick(&s.view, Qt::Key_End);
    QCOMPARE(s.view.caret(), (TextPoint{1, length}));
    const int endX = s.view.caretRect({1, length}).left();
    const int cutX = s.view.caretRect({1, TargetTextView::kMaxShownLineChars}).left();
    QVERIFY(endX > cutX);
    QCOMPARE(s.view.caretRect({1, length - 5}).left(), endX);  // the hidden rest is behind the "…"
    // Left steps over the hidden rest at once; Right back over it.
    QTest::keyClick(&s.view, Qt::Key_Left);
    QCOMPARE(s.view.caret(), (TextPoint{1, TargetTextView::kMaxShownLineChars}));
    QTest::keyClick(&s.view, Qt::Key_Right);
    QCOMPARE(s.view.caret(), (TextPoint{1, length}));
    // A click on the "…" is the end of the line: selecting to it copies the whole line.
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.at({1, length}));
    QCOMPARE(s.view.caret(), (TextPoint{1, length}));
    s.view.setSelection(TextPoint{1, 0}, TextPoint{1, 0});
    QTest::keyClick(&s.view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().size(), length);
    // A selection within the shown part copies just that.
    QTest::keyClick(&s.view, Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&s.view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("k=xx"));
    // Find and positions count the whole line.
    QCOMPARE(s.view.find(QStringLiteral("after"), 0, true, false), 6 + length + 1);
}

void TestTextView::tabsExpandToStops() {
    Shown s({QStringLiteral("a\tb"), QStringLiteral("abcd\tb"), QStringLiteral("\tb"), QStringLiteral("abcdefghi\tb")});
    const int stop = s.view.caretRect({2, 1}).left() - s.view.caretRect({2, 0}).left();
    const qreal space = QFontMetricsF(s.view.font()).horizontalAdvance(QLatin1Char(' '));
    QVERIFY2(qAbs(stop - TargetTextView::kTabColumns * space) <= 1,
             qPrintable(QStringLiteral("%1 %2").arg(stop).arg(space)));
    // Text before the tab shorter than a stop: the next character stands at the first stop.
    QCOMPARE(s.view.caretRect({0, 2}).left(), s.view.caretRect({2, 1}).left());
    QCOMPARE(s.view.caretRect({1, 5}).left(), s.view.caretRect({2, 1}).left());
    // Longer: at the second stop.
    QVERIFY(qAbs(s.view.caretRect({3, 10}).left() - s.view.caretRect({2, 0}).left() - 2 * stop) <= 1);
}

void TestTextView::silverBackgroundAndFontChange() {
    Shown s({QStringLiteral("x")});
    const QImage image = s.view.grab().toImage();
    const QPoint empty = s.viewport()->mapTo(&s.view, QPoint(200, 150));
    QCOMPARE(image.pixelColor(empty).rgb(), QColor(192, 192, 192).rgb());
    QVERIFY(s.view.horizontalScrollBar()->isVisible());
    QVERIFY(s.view.verticalScrollBar()->isVisible());
    const int before = s.view.lineHeight();
    QFont big = s.view.font();
    big.setPointSize(30);
    s.view.setFont(big);
    QVERIFY(s.view.lineHeight() > before * 2);
    QCOMPARE(s.view.caretRect({0, 0}).height(), s.view.lineHeight());
}

void TestTextView::rangeChanges_data() {
    QTest::addColumn<QString>("change");  // replace, insert, remove, reset
    QTest::addColumn<qsizetype>("first");
    QTest::addColumn<QStringList>("lines");  // the new lines for replace and insert, else the count
    QTest::addColumn<TextPoint>("anchor");
    QTest::addColumn<TextPoint>("caret");
    QTest::addColumn<TextPoint>("newAnchor");
    QTest::addColumn<TextPoint>("newCaret");
    // The text is "line0" .. "line9", the selection from {2, 1} to {5, 3} unless a row says.
    const TextPoint a{2, 1};
    const TextPoint c{5, 3};
    QTest::newRow("replace before") << "replace" << qsizetype(0) << QStringList{"x"} << a << c << a << c;
    QTest::newRow("replace shortens the caret's line")
        << "replace" << qsizetype(5) << QStringList{"ab"} << a << c << a << TextPoint{5, 2};
    QTest::newRow("insert before") << "insert" << qsizetype(1) << QStringList{"n1", "n2"} << a << c << TextPoint{4, 1}
                                   << TextPoint{7, 3};
    QTest::newRow("insert inside") << "insert" << qsizetype(3) << QStringList{"n"} << a << c << a << TextPoint{6, 3};
    QTest::newRow("insert after") << "insert" << qsizetype(10) << QStringList{"n"} << a << c << a << c;
    QTest::newRow("remove before") << "remove" << qsizetype(0) << QStringList{"2"} << a << c << TextPoint{0, 1}
                                   << TextPoint{3, 3};
    QTest::newRow("remove the caret's line")
        << "remove" << qsizetype(4) << QStringList{"2"} << a << c << a << TextPoint{4, 0};
    QTest::newRow("remove the last lines") << "remove" << qsizetype(7) << QStringList{"3"} << TextPoint{8, 2}
                                           << TextPoint{8, 2} << TextPoint{6, 5} << TextPoint{6, 5};
    QTest::newRow("remove everything") << "remove" << qsizetype(0) << QStringList{"10"} << a << c << TextPoint{0, 0}
                                       << TextPoint{0, 0};
    QTest::newRow("reset") << "reset" << qsizetype(0) << QStringList{} << a << c << TextPoint{0, 0} << TextPoint{0, 0};
}

void TestTextView::rangeChanges() {
    QFETCH(QString, change);
    QFETCH(qsizetype, first);
    QFETCH(QStringList, lines);
    QFETCH(TextPoint, anchor);
    QFETCH(TextPoint, caret);
    QFETCH(TextPoint, newAnchor);
    QFETCH(TextPoint, newCaret);
    QStringList text;
    for (int i = 0; i < 10; ++i)
        text << QStringLiteral("line%1").arg(i);
    Shown s(text);
    s.view.setSelection(anchor, caret);
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    if (change == "replace") {
        for (qsizetype i = 0; i < lines.size(); ++i)
            s.source.lines[first + i] = lines.at(i);
        s.view.linesReplaced(first, lines.size());
    } else if (change == "insert") {
        for (qsizetype i = 0; i < lines.size(); ++i)
            s.source.lines.insert(first + i, lines.at(i));
        s.view.linesInserted(first, lines.size());
    } else if (change == "remove") {
        const qsizetype count = lines.first().toLongLong();
        s.source.lines.remove(first, count);
        s.view.linesRemoved(first, count);
    } else {
        s.source.lines = QStringList{QStringLiteral("new")};
        s.view.resetLines();
    }
    QCOMPARE(s.view.anchor(), newAnchor);
    QCOMPARE(s.view.caret(), newCaret);
    QCOMPARE(moved.isEmpty(), newAnchor == anchor && newCaret == caret && change != "reset");
    // The positions follow the new text.
    const QString joined = s.source.lines.join(QLatin1Char('\n'));
    QCOMPARE(s.view.characterCount(), joined.size());
    s.view.selectAll();
    QCOMPARE(s.view.selectedText(), joined);
    s.viewport()->repaint();  // and it paints without trouble
}

void TestTextView::rangeChangesKeepTheViewOnItsLines() {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("line %1").arg(i);
    Shown s(lines);
    s.view.verticalScrollBar()->setValue(500);
    s.source.lines.insert(10, QStringLiteral("new"));
    s.view.linesInserted(10, 1);
    QCOMPARE(s.view.topLine(), 501);
    s.source.lines.remove(0, 20);
    s.view.linesRemoved(0, 20);
    QCOMPARE(s.view.topLine(), 481);
    s.source.lines.remove(470, 100);
    s.view.linesRemoved(470, 100);
    QCOMPARE(s.view.topLine(), 470);
    QCOMPARE(s.view.verticalScrollBar()->maximum(), 881 - s.viewport()->height() / s.view.lineHeight());
}

void TestTextView::rangeChangesOnMillionsOfLinesStayCheap() {
    GeneratedSource source(3400000);
    TargetTextView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setSource(&source);
    view.setCaret({3000000, 4});
    view.viewport()->repaint();
    source.calls = 0;
    for (qsizetype i = 0; i < 10000; ++i)
        view.linesReplaced(i * 300, 1);
    source.setLineCount(3400010);
    view.linesInserted(0, 10);
    source.setLineCount(3400000);
    view.linesRemoved(5, 10);
    view.viewport()->repaint();
    QCOMPARE(view.caret(), (TextPoint{3000000, 4}));
    // Nothing but the caret's lines and the visible ones were read.
    QVERIFY2(source.calls < 200, qPrintable(QString::number(source.calls)));
}

void TestTextView::hintSizesTheHorizontalRange() {
    ListSource source;
    for (int i = 0; i < 1000; ++i)
        source.lines << QStringLiteral("short");
    source.lines[900] = QString(300, QLatin1Char('w'));
    TargetTextView view;
    view.resize(400, 300);
    view.setSource(&source);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // The wide line is out of sight and unannounced: the range knows only what was seen.
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
    source.hint = 300;
    view.resetLines();
    QVERIFY(view.horizontalScrollBar()->maximum() > 0);
    // Without a hint, the range grows once the wide line has been on screen.
    source.hint = -1;
    view.resetLines();
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
    view.verticalScrollBar()->setValue(895);
    view.viewport()->repaint();
    QTRY_VERIFY(view.horizontalScrollBar()->maximum() > 0);
}

void TestTextView::accessibleText() {
    Shown s({QStringLiteral("[General]"), QString::fromUtf8("中文=1"), QStringLiteral("end")});
    s.view.setObjectName(QStringLiteral("reContent"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&s.view);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().readOnly);
    QVERIFY(iface->state().multiLine);
    QAccessibleTextInterface* text = iface->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 18);
    QCOMPARE(text->text(0, 18), QString::fromUtf8("[General]\n中文=1\nend"));
    QCOMPARE(iface->text(QAccessible::Value), QString::fromUtf8("[General]\n中文=1\nend"));
    // The user selects with the keyboard; the interface tells the same.
    s.view.setCaret({1, 1});
    QTest::keyClick(&s.view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(&s.view, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(text->cursorPosition(), 15);
    QCOMPARE(text->selectionCount(), 1);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(start, 11);
    QCOMPARE(end, 15);
    QCOMPARE(text->text(start, end), QString::fromUtf8("文=1\n"));
    QTest::keyClick(&s.view, Qt::Key_Right);
    QCOMPARE(text->selectionCount(), 0);
    QCOMPARE(text->cursorPosition(), 15);
    // The rectangle of a character is where the view draws it.
    const QRect rect = text->characterRect(10);
    QCOMPARE(text->offsetAtPoint(rect.center()), 10);
}

void TestTextView::accessibleSelectionDrivesTheView() {
    Shown s({QStringLiteral("abc"), QStringLiteral("defg")});
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&s.view)->textInterface();
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    text->setSelection(0, 2, 6);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(s.view.selectedText(), QStringLiteral("c\nde"));
    text->removeSelection(0);
    QVERIFY(!s.view.hasSelection());
    text->setCursorPosition(4);
    QCOMPARE(s.view.caret(), (TextPoint{1, 0}));
}

void TestTextView::accessibleBoundaries_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // Text: "alpha beta\ngamma\nend"
    QTest::newRow("line") << 7 << int(QAccessible::LineBoundary) << "alpha beta\n"
                          << ""
                          << "gamma\n";
    QTest::newRow("middle line") << 12 << int(QAccessible::LineBoundary) << "gamma\n"
                                 << "alpha beta\n"
                                 << "end";
    QTest::newRow("character") << 6 << int(QAccessible::CharBoundary) << "b"
                               << " "
                               << "e";
    QTest::newRow("word") << 7 << int(QAccessible::WordBoundary) << "beta"
                          << " "
                          << "\n";
}

void TestTextView::accessibleBoundaries() {
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QString, at);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Shown s({QStringLiteral("alpha beta"), QStringLiteral("gamma"), QStringLiteral("end")});
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&s.view)->textInterface();
    const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
    int start = -1;
    int end = -1;
    QCOMPARE(text->textAtOffset(offset, type, &start, &end), at);
    QCOMPARE(text->text(start, end), at);
    QCOMPARE(text->textBeforeOffset(offset, type, &start, &end), before);
    QCOMPARE(text->textAfterOffset(offset, type, &start, &end), after);
}

QTEST_MAIN(TestTextView)
#include "tst_text_view.moc"
