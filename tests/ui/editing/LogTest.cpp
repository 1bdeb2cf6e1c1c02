// The operation log: how entries read and look, going from an entry back to its row, hovering
// and copying; its tab, clicks and double clicks on it, New.
#include "ListGestures.h"

#include "ui/document/LogModel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace vqtest;

namespace {

// Brings the log page to the front, by a click on its tab, and waits until the log is laid out.
bool ShowLogPage(MainWindowFixture& f) {
    QTabBar* bar = f.find<QTabWidget>("pcPages")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    return QTest::qWaitFor([&] { return f.log()->isVisible() && f.log()->viewport()->height() > 60; });
}

void ClickEntry(MainWindowFixture& f, int entry) {
    const QRect rect = f.log()->visualRect(f.log()->model()->index(entry, 0));
    QTest::mouseClick(f.log()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

}  // namespace

class TestLog : public QObject {
    Q_OBJECT
private slots:
    void entryTexts_data();
    void entryTexts();
    void entryRowValue_data();
    void entryRowValue();
    void entryColours_data();
    void entryColours();
    void entryColoursOnScreen();
    void rowHeight();
    void newEntriesScrollIntoView();
    void newEntryPaintedAtOnce();
    void gotoLine_data();
    void gotoLine();
    void gotoAfterDelete();
    void gotoAndCopyNeedSelection();
    void copyEntry();
    void hoverShowsEntry();
    void newEmptiesLog();
    void newestEntryInViewWhenPageShown();
    void commandsFollowTheSelectionAfterNew();
    void doubleClickOnEmptyPartGoesToSelectedEntry();
    void pressOnEmptyPartKeepsTheSelection();
    void keysAndClicksInALongLog_data();
    void keysAndClicksInALongLog();
    void longLogReadByAccessibility();
};

// An entry reaches the log page as AddLogEntry writes it. (The format itself, blank texts and
// leading spaces included, is the core's, pinned by its tests.)
void TestLog::entryTexts_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry");
    QTest::newRow("row 0 gives (1)") << 0 << "注释选定行(&R)"
                                     << "a=1"
                                     << "(1)注释选定行(&R): a=1";
    QTest::newRow("summary gives (-1)") << -2 << "<<选择 3 行，注释 2 行>>"
                                        << ""
                                        << "(-1)<<选择 3 行，注释 2 行>>";
}

void TestLog::entryTexts() {
    QFETCH(int, row);
    QFETCH(QString, word);
    QFETCH(QString, text);
    QFETCH(QString, entry);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.document().addLogEntry(row, word.toStdString(), text.toStdString());
    QCOMPARE(f.logEntries(), QStringList{entry});
}

// The number in the entry leads back to the row: only the first ")" ends it.
void TestLog::entryRowValue_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("word");
    QTest::newRow("row 11, word with parentheses") << 11 << "注释选定行(&R)";
    QTest::newRow("marker") << -1 << "删除选定行(&T)";
    QTest::newRow("summary") << -2 << "<<共恢复了 3 行>>";
    QTest::newRow("row 0") << 0 << "恢复";
}

void TestLog::entryRowValue() {
    QFETCH(int, row);
    QFETCH(QString, word);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.document().addLogEntry(row, word.toStdString(), "x");
    QCOMPARE(f.log()->model()->index(0, 0).data(Qt::UserRole).toInt(), row);
}

// Summaries light yellow with green text, markers money green with blue text, whether selected
// or not; a grey line under every entry.
void TestLog::entryColours_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");  // invalid: the list's own
    QTest::addColumn<QColor>("text");
    QTest::newRow("summary") << -2 << false << QColor(253, 253, 196) << QColor(0, 128, 0);
    QTest::newRow("summary, selected") << -2 << true << QColor(253, 253, 196) << QColor(0, 128, 0);
    QTest::newRow("marker") << -1 << false << QColor(192, 220, 192) << QColor(0, 0, 255);
    QTest::newRow("marker, selected") << -1 << true << QColor(192, 220, 192) << QColor(0, 0, 255);
    QTest::newRow("row entry") << 3 << false << QColor(Qt::white) << QColor(Qt::black);
}

static bool HasPixel(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

void TestLog::entryColours() {
    QFETCH(int, row);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.document().addLogEntry(row, "WWWWWWWWWW", "WWWWWWWWWW");
    const QModelIndex index = f.log()->model()->index(0, 0);

    vq::LogDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 300, 15);
    option.font = f.log()->font();
    option.palette.setColor(QPalette::Base, Qt::white);
    option.palette.setColor(QPalette::Text, Qt::black);
    option.palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    option.palette.setColor(QPalette::HighlightedText, Qt::white);
    option.state = QStyle::State_Enabled | (selected ? QStyle::State_Selected : QStyle::State_None);
    QImage image(300, 15, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, index);
    }
    // The background fills the entry; the far right is past the text.
    QCOMPARE(image.pixelColor(295, 2).rgb(), background.rgb());
    QCOMPARE(image.pixelColor(0, 0).rgb(), background.rgb());
    // The separator: grey across the bottom pixel row, from left to right.
    for (int x : {0, 150, 299})
        QCOMPARE(image.pixelColor(x, 14).rgb(), QColor(128, 128, 128).rgb());
    QVERIFY(image.pixelColor(150, 13).rgb() != QColor(128, 128, 128).rgb() || background == QColor(128, 128, 128));
    // The text is drawn in its colour (glyphs are anti-aliased, so some pixel has it exactly).
    QVERIFY2(HasPixel(image, QRect(0, 0, 200, 14), text), "no pixel in the text colour");
}

// The log on screen draws its summary entry in its colours.
void TestLog::entryColoursOnScreen() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", TenLines())});
    f.show();
    QVERIFY(ShowLogPage(f));
    w.document().addLogEntry(-1, "删除选定行(&T)", "<<操作开始>>");
    const QImage image = f.log()->viewport()->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QRect first = f.log()->visualRect(f.log()->model()->index(0, 0));
    const QRect second = f.log()->visualRect(f.log()->model()->index(1, 0));
    const int x = f.log()->viewport()->width() - 5;
    QCOMPARE(image.pixelColor(QPoint(x, first.top() + 3) * dpr).rgb(), QColor(253, 253, 196).rgb());
    QCOMPARE(image.pixelColor(QPoint(x, second.top() + 3) * dpr).rgb(), QColor(192, 220, 192).rgb());
}

void TestLog::rowHeight() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QVERIFY(ShowLogPage(f));
    for (int i = 0; i < 5; ++i)
        w.document().addLogEntry(i, "恢复", "long entry text with several words");
    for (int i = 0; i < 5; ++i) {
        const QRect r = f.log()->visualRect(f.log()->model()->index(i, 0));
        QCOMPARE(r.height(), 15);
        QCOMPARE(r.top(), i * 15);
    }
}

// Every new entry scrolls the log so that it is in view, whether the log page is shown or not.
void TestLog::newEntriesScrollIntoView() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QVERIFY(ShowLogPage(f));
    for (int i = 0; i < 100; ++i) {
        w.document().addLogEntry(i, "恢复", "entry");
        const QModelIndex last = f.log()->model()->index(i, 0);
        QTRY_VERIFY2(f.log()->viewport()->rect().contains(f.log()->visualRect(last)), qPrintable(QString::number(i)));
    }
    QVERIFY(f.log()->verticalScrollBar()->value() > 0);
}

// With the log page open and room left in it, a command's entry shows on screen at once, without
// a hover or a page switch to paint it: a row edited in place (F2, typing, Enter).
void TestLog::newEntryPaintedAtOnce() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    QVERIFY(ShowLogPage(f));
    const auto painted = [&](int entry) {
        const QImage shown = OnScreen(f.log()->viewport());
        const qreal ratio = shown.devicePixelRatio();
        const QRect rect = f.log()->visualRect(f.log()->model()->index(entry, 0)).adjusted(0, 0, 0, -1);
        const QRect area(rect.topLeft() * ratio, rect.size() * ratio);
        const QRgb background = shown.pixel(area.topRight());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shown.pixel(x, y) != background)
                    return true;  // the entry's text
        return false;
    };
    QTRY_VERIFY(painted(0));  // the open entry: the page is on screen
    // The user looks at the page before acting: what it still has to do on its own is done.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
    ClickRow(f, 2);
    QTest::keyClick(ListView(f), Qt::Key_F2);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClicks(editor, "x");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.logEntries().size(), 2);
    QTRY_VERIFY(painted(1));
}

// Going to an entry: a row entry reveals its row; markers, summaries and numbers past the last
// row beep, clear the list's selection and say so.
void TestLog::gotoLine_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("exists");
    QTest::newRow("row entry, action") << 6 << "action" << true;
    QTest::newRow("row entry, double click") << 2 << "double click" << true;
    QTest::newRow("row entry, Enter") << 9 << "enter" << true;
    QTest::newRow("first row") << 0 << "action" << true;
    QTest::newRow("marker, action") << -1 << "action" << false;
    QTest::newRow("marker, double click") << -1 << "double click" << false;
    QTest::newRow("summary, Enter") << -2 << "enter" << false;
    QTest::newRow("past the last row") << 10 << "action" << false;
}

void TestLog::gotoLine() {
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(bool, exists);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("go.ini", TenLines())});
    f.show();
    QVERIFY(ShowLogPage(f));
    w.document().addLogEntry(row, "删除选定行(&T)", "key=1");
    f.list()->selectAll();
    w.messages().show("before");
    const QModelIndex entry = f.log()->model()->index(1, 0);
    f.log()->setCurrentIndex(entry);
    QTRY_VERIFY(f.action("actGotoLineByLog")->isEnabled());

    if (how == "action") {
        f.action("actGotoLineByLog")->trigger();
    } else if (how == "double click") {
        // Through the window, as the desktop delivers it: press, release, press, double click.
        const QPoint p = f.log()->viewport()->mapTo(&w, f.log()->visualRect(entry).center());
        QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    } else {
        f.log()->setFocus();
        QTest::keyRelease(f.log(), Qt::Key_Return);
    }

    if (exists) {
        QCOMPARE(f.selectedRows(), QList<int>{row});
        QCOMPARE(f.list()->currentIndex().row(), row);
        QCOMPARE(f.platform.beeps(), 0);
        QVERIFY(f.message() != QStringLiteral("指定行不存在!!"));
    } else {
        QCOMPARE(f.platform.beeps(), 1);
        QCOMPARE(f.selectedRows(), QList<int>());
        QCOMPARE(f.message(), QStringLiteral("指定行不存在!!"));
    }
}

// After row 3 of ten is deleted, its entry still says (4) and leads to the row now at index 3.
void TestLog::gotoAfterDelete() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("del.ini", TenLines())});
    f.treeAndRows().DeleteLineEntry(3);
    w.document().addLogEntry(3, "删除选定行(&T)", "key3=3");
    QCOMPARE(f.logEntries().last(), QStringLiteral("(4)删除选定行(&T): key3=3"));
    f.log()->setCurrentIndex(f.log()->model()->index(1, 0));
    f.action("actGotoLineByLog")->trigger();
    QCOMPARE(f.selectedRows(), QList<int>{3});
    QCOMPARE(f.column(0).at(3), QStringLiteral("key4=4"));
}

// Both log commands are disabled until an entry is selected; without a selection they do nothing.
void TestLog::gotoAndCopyNeedSelection() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("sel.ini", TenLines())});
    w.updateActions();
    QVERIFY(!f.action("actGotoLineByLog")->isEnabled());
    QVERIFY(!f.action("actCopyLogLine")->isEnabled());
    w.logCommands().actGotoLineByLogExecute();
    QCOMPARE(f.platform.beeps(), 0);
    f.log()->setCurrentIndex(f.log()->model()->index(0, 0));
    QTRY_VERIFY(f.action("actGotoLineByLog")->isEnabled());
    QVERIFY(f.action("actCopyLogLine")->isEnabled());
    f.log()->clearSelection();
    QTRY_VERIFY(!f.action("actGotoLineByLog")->isEnabled());
}

void TestLog::copyEntry() {
    MainWindowFixture f;
    const QString path = f.writeFile("copy.ini", TenLines());
    vq::TfrmMain& w = f.start({path});
    w.document().addLogEntry(2, "注释选定行(&R)", "key2=2");
    QApplication::clipboard()->setText("old");
    f.log()->setCurrentIndex(f.log()->model()->index(0, 0));
    f.action("actCopyLogLine")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), OpenLogEntry(path));
    f.log()->setCurrentIndex(f.log()->model()->index(1, 0));
    f.action("actCopyLogLine")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("(3)注释选定行(&R): key2=2"));
}

// Over an entry the Message panel shows its full text; over the empty part how to use the log.
void TestLog::hoverShowsEntry() {
    MainWindowFixture f;
    const QString path = f.writeFile("hover.ini", TenLines());
    vq::TfrmMain& w = f.start({path});
    f.show();
    QVERIFY(ShowLogPage(f));
    const QString longText = QString(120, QChar('x'));
    w.document().addLogEntry(5, "删除选定行(&T)", longText.toStdString());
    // An entry wider than the log can be scrolled to; the pointer goes to the part on screen.
    QTRY_VERIFY(f.log()->horizontalScrollBar()->isVisible());
    const auto onScreen = [&](int entry) {
        return (f.log()->visualRect(f.log()->model()->index(entry, 0)) & f.log()->viewport()->rect()).center();
    };
    QTest::mouseMove(f.log()->viewport(), QPoint(10, f.log()->viewport()->height() - 3));
    QTRY_COMPARE(f.message(), QStringLiteral("双击转到指定行。"));
    QTest::mouseMove(f.log()->viewport(), onScreen(1));
    QTRY_COMPARE(f.message(), "(6)删除选定行(&T): " + longText);
    QTest::mouseMove(f.log()->viewport(), onScreen(0));
    QTRY_COMPARE(f.message(), OpenLogEntry(path));
}

// New empties the log; loading writes exactly its one entry.
void TestLog::newEmptiesLog() {
    MainWindowFixture f;
    const QString path = f.writeFile("new.ini", TenLines());
    vq::TfrmMain& w = f.start({path});
    w.document().addLogEntry(1, "恢复", "x");
    QCOMPARE(f.logEntries().size(), 2);
    QVERIFY(f.files().NewDocument());
    QCOMPARE(f.logEntries(), QStringList());
    f.files().OpenDocument(path);
    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
}

// Entries written while the log page is hidden: showing the page shows the newest one.
void TestLog::newestEntryInViewWhenPageShown() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    QCOMPARE(f.find<QTabWidget>("pcPages")->currentIndex(), 0);
    for (int i = 0; i < 100; ++i)
        f.doc().addLogEntry(i, "恢复", "entry");
    QVERIFY(ShowLogPage(f));
    const QModelIndex last = f.log()->model()->index(100, 0);
    QTRY_VERIFY(f.log()->viewport()->rect().contains(f.log()->visualRect(last)));
}

// The log commands and their pop-up items are enabled exactly while an entry is selected, also
// after New emptied the log.
void TestLog::commandsFollowTheSelectionAfterNew() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    QVERIFY(ShowLogPage(f));
    QAction* gotoAction = f.find<QAction>("actGotoLineByLog");
    QAction* copyAction = f.find<QAction>("actCopyLogLine");
    QAction* gotoItem = f.find<QAction>("N16");
    QAction* copyItem = f.find<QAction>("N17");
    QVERIFY(!gotoAction->isEnabled());
    ClickEntry(f, 0);
    QTRY_VERIFY(gotoAction->isEnabled());
    QVERIFY(copyAction->isEnabled() && gotoItem->isEnabled() && copyItem->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    QTRY_COMPARE(f.logEntries(), QStringList());
    QTRY_VERIFY(!gotoAction->isEnabled());
    QVERIFY(!copyAction->isEnabled() && !gotoItem->isEnabled() && !copyItem->isEnabled());
}

// A double click below the last entry goes to the selected entry's row, as on an entry.
void TestLog::doubleClickOnEmptyPartGoesToSelectedEntry() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    f.doc().addLogEntry(6, "删除选定行(&T)", "key6=6");
    QVERIFY(ShowLogPage(f));
    ClickEntry(f, 1);
    QTRY_COMPARE(f.log()->selectionModel()->selectedIndexes().size(), 1);
    f.list()->clearSelection();
    const QPoint empty(10, f.log()->viewport()->height() - 5);
    QVERIFY(!f.log()->indexAt(empty).isValid());
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, f.log()->viewport()->mapTo(&w, empty));
    QTRY_COMPARE(f.selectedRows(), QList<int>{6});
    QCOMPARE(f.log()->selectionModel()->selectedIndexes().value(0).row(), 1);
    QCOMPARE(f.platform.beeps(), 0);
}

// A single click below the last entry leaves the selected entry selected, and both commands on.
void TestLog::pressOnEmptyPartKeepsTheSelection() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    QVERIFY(ShowLogPage(f));
    ClickEntry(f, 0);
    QTRY_VERIFY(f.find<QAction>("actCopyLogLine")->isEnabled());
    QTest::mouseClick(f.log()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(10, f.log()->viewport()->height() - 5));
    QCOMPARE(f.log()->selectionModel()->selectedIndexes().size(), 1);
    QVERIFY(f.log()->hasFocus());
    QVERIFY(f.action("actCopyLogLine")->isEnabled());
}

QTEST_MAIN(TestLog)
#include "LogTest.moc"

namespace {

// A log of 100,000 entries written by one command; the log scrolls to its newest entry.
void FillLongLog(vq::TfrmMain& w) {
    vq::Document::ChangeBatch batch(w.document());
    for (int i = 0; i < 100000; ++i)
        w.document().addLogEntry(i, "恢复", "key_" + std::to_string(i));
}

}  // namespace

// Keys and clicks reach the entry the user sees, wherever the long log is scrolled to.
void TestLog::keysAndClicksInALongLog_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("selected");  // counted from the last entry when negative
    QTest::newRow("click only") << QList<int>{} << -3;
    QTest::newRow("down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << -1;
    QTest::newRow("up") << QList<int>{Qt::Key_Up} << -4;
    QTest::newRow("home") << QList<int>{Qt::Key_Home} << 0;
    QTest::newRow("home, down") << QList<int>{Qt::Key_Home, Qt::Key_Down} << 1;
    QTest::newRow("end") << QList<int>{Qt::Key_Home, Qt::Key_End} << -1;
    QTest::newRow("page up twice") << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp} << -1000;  // see below
}

void TestLog::keysAndClicksInALongLog() {
    QFETCH(QList<int>, keys);
    QFETCH(int, selected);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QVERIFY(ShowLogPage(f));
    FillLongLog(w);
    QListView* log = f.log();
    const int count = log->model()->rowCount();
    QCOMPARE(count, 100000);
    const QModelIndex newest = log->model()->index(count - 1, 0);
    QTRY_VERIFY(log->viewport()->rect().contains(log->visualRect(newest)));
    // The third entry from the end, clicked where it is on screen.
    ClickEntry(f, count - 3);
    QCOMPARE(log->currentIndex().row(), count - 3);
    const int page = log->viewport()->height() / log->visualRect(newest).height();
    for (int key : keys)
        QTest::keyClick(log, static_cast<Qt::Key>(key));
    const int expected = selected == -1000 ? count - 3 - 2 * page : selected < 0 ? count + selected : selected;
    QCOMPARE(log->currentIndex().row(), expected);
    QCOMPARE(log->selectionModel()->selectedRows().value(0).row(), expected);
    const QRect rect = log->visualRect(log->currentIndex());
    QVERIFY2(log->viewport()->rect().contains(rect), qPrintable(QString::number(rect.top())));
    // The entry under the pointer is the one on screen there.
    QCOMPARE(log->indexAt(rect.center()).row(), expected);
}

// A screen reader reads the long log as the list it is: its entries, their texts as said, and
// their places.
void TestLog::longLogReadByAccessibility() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QVERIFY(ShowLogPage(f));
    FillLongLog(w);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.log());
    QVERIFY(list);
    QCOMPARE(list->childCount(), 100000);
    QAccessibleInterface* cell = list->child(99999);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("第100000行 恢复: key_99999"));
    QTRY_VERIFY(f.log()->viewport()->rect().contains(f.log()->visualRect(f.log()->model()->index(99999, 0))));
    const QRect onScreen = cell->rect();
    QVERIFY(onScreen.isValid());
    QCOMPARE(f.log()->indexAt(f.log()->viewport()->mapFromGlobal(onScreen.center())).row(), 99999);
}
