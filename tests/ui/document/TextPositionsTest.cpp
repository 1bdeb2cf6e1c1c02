// The target text view's positions over its lines: counting them over millions of lines and
// between changes, finding, selecting a line, scrolling to a point, and the range changes its
// source reports.
#include "TextViewCases.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>

class TestTextPositions : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void positionsOverMillionsOfLines();
    void positionsFollowChangesAtRandom();
    void findNextStartsFromTheLastHit();
    void attachingMillionsOfLinesReadsOnlyTheVisibleOnes();
    void selectLine_data();
    void selectLine();
    void caretAfterFirstCharacter_data();
    void caretAfterFirstCharacter();
    void find_data();
    void find();
    void findHitOnTheLastOfMillionsOfLines();
    void ensureVisibleScrollsBothWays();
    void rangeChanges_data();
    void rangeChanges();
    void rangeChangesKeepTheViewOnItsLines();
    void rangeChangesOnMillionsOfLinesStayCheap();
    void hintSizesTheHorizontalRange();
};

void TestTextPositions::positions_data() {
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

void TestTextPositions::positions() {
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

void TestTextPositions::positionsOverMillionsOfLines() {
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
void TestTextPositions::positionsFollowChangesAtRandom() {
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
void TestTextPositions::findNextStartsFromTheLastHit() {
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

void TestTextPositions::attachingMillionsOfLinesReadsOnlyTheVisibleOnes() {
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

void TestTextPositions::selectLine_data() {
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

void TestTextPositions::selectLine() {
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

void TestTextPositions::caretAfterFirstCharacter_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TextPoint>("caret");
    QTest::newRow("text") << QStringList{QStringLiteral("abc"), QStringLiteral("d")} << TextPoint{0, 1};
    QTest::newRow("first line empty") << QStringList{QString(), QStringLiteral("d")} << TextPoint{1, 0};
    QTest::newRow("empty text") << QStringList{} << TextPoint{0, 0};
}

void TestTextPositions::caretAfterFirstCharacter() {
    QFETCH(QStringList, lines);
    QFETCH(TextPoint, caret);
    Shown s(lines);
    QSignalSpy moved(&s.view, &TargetTextView::selectionChanged);
    s.view.setCaretPosition(1);
    QCOMPARE(s.view.caret(), caret);
    QVERIFY(!s.view.hasSelection());
    QCOMPARE(moved.count(), (caret == TextPoint{0, 0}) ? 0 : 1);
}

void TestTextPositions::find_data() {
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

void TestTextPositions::find() {
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

void TestTextPositions::findHitOnTheLastOfMillionsOfLines() {
    GeneratedSource source(1000000);
    TargetTextView view;
    view.setSource(&source);
    const qsizetype at = view.find(QStringLiteral("0999999"), 100, true, true);
    QCOMPARE(at, 13 * qsizetype(999999) + 5);
    view.setSelection(at, 7);
    QCOMPARE(view.selectionStartPoint(), (TextPoint{999999, 5}));
    QCOMPARE(view.selectedText(), QStringLiteral("0999999"));
}

void TestTextPositions::ensureVisibleScrollsBothWays() {
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

void TestTextPositions::rangeChanges_data() {
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

void TestTextPositions::rangeChanges() {
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

void TestTextPositions::rangeChangesKeepTheViewOnItsLines() {
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

void TestTextPositions::rangeChangesOnMillionsOfLinesStayCheap() {
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

void TestTextPositions::hintSizesTheHorizontalRange() {
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

QTEST_MAIN(TestTextPositions)
#include "TextPositionsTest.moc"
