// The target text view driven as a user drives it: clicks, drags, keys, copy and focus; and how it
// paints long lines, tabs and its background.
#include "TextViewCases.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>

class TestTextGestures : public QObject {
    Q_OBJECT
private slots:
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
    void longLineIsCut();
    void tabsExpandToStops();
    void silverBackgroundAndFontChange();
};

void TestTextGestures::clickPlacesCaret_data() {
    QTest::addColumn<TextPoint>("point");
    QTest::newRow("start") << TextPoint{0, 0};
    QTest::newRow("inside line 0") << TextPoint{0, 3};
    QTest::newRow("end of line 1") << TextPoint{1, 9};
    QTest::newRow("chinese line") << TextPoint{2, 2};
    QTest::newRow("empty line") << TextPoint{3, 0};
}

void TestTextGestures::clickPlacesCaret() {
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

void TestTextGestures::dragSelects() {
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

void TestTextGestures::dragBeyondTheBottomScrolls() {
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

void TestTextGestures::shiftClickExtends() {
    Shown s({QStringLiteral("0123456789"), QStringLiteral("abcdefghij")});
    QTest::mouseClick(s.viewport(), Qt::LeftButton, {}, s.at({0, 2}));
    QTest::mouseClick(s.viewport(), Qt::LeftButton, Qt::ShiftModifier, s.at({1, 4}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("23456789\nabcd"));
    QTest::mouseClick(s.viewport(), Qt::LeftButton, Qt::ShiftModifier, s.at({0, 5}));
    QCOMPARE(s.view.anchor(), (TextPoint{0, 2}));
    QCOMPARE(s.view.selectedText(), QStringLiteral("234"));
}

void TestTextGestures::doubleClickSelectsWord_data() {
    QTest::addColumn<TextPoint>("point");
    QTest::addColumn<QString>("selected");
    QTest::newRow("key with underscore") << TextPoint{0, 8} << "max_input_time";
    QTest::newRow("first character") << TextPoint{0, 0} << "max_input_time";
    QTest::newRow("number") << TextPoint{0, 18} << "60";
    QTest::newRow("sign between words") << TextPoint{0, 15} << "=";
}

void TestTextGestures::doubleClickSelectsWord() {
    QFETCH(TextPoint, point);
    QFETCH(QString, selected);
    Shown s({QStringLiteral("max_input_time = 60 ; seconds")});
    QTest::mouseDClick(s.viewport(), Qt::LeftButton, {}, s.at(point));
    QCOMPARE(s.view.selectedText(), selected);
}

void TestTextGestures::keysMoveAndSelect_data() {
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

void TestTextGestures::keysMoveAndSelect() {
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

void TestTextGestures::pageKeysMoveByAPage() {
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

void TestTextGestures::selectAllAndCopy() {
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

void TestTextGestures::copyWithoutSelectionKeepsClipboard() {
    Shown s({QStringLiteral("text")});
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    s.view.setCaret({0, 2});
    QTest::keyClick(&s.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestTextGestures::rightButtonReleaseOnly() {
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

void TestTextGestures::focusSignals() {
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

void TestTextGestures::longLineIsCut() {
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

void TestTextGestures::tabsExpandToStops() {
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

void TestTextGestures::silverBackgroundAndFontChange() {
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

QTEST_MAIN(TestTextGestures)
#include "TextGesturesTest.moc"
