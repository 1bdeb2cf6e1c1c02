// What assistive tools read of the target text view, and the selection they set.
#include "TextViewCases.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>

class TestTextAccessible : public QObject {
    Q_OBJECT
private slots:
    void accessibleText();
    void accessibleSelectionDrivesTheView();
    void accessibleBoundaries_data();
    void accessibleBoundaries();
};

void TestTextAccessible::accessibleText() {
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

void TestTextAccessible::accessibleSelectionDrivesTheView() {
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

void TestTextAccessible::accessibleBoundaries_data() {
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

void TestTextAccessible::accessibleBoundaries() {
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

QTEST_MAIN(TestTextAccessible)
#include "TextAccessibleTest.moc"
