// The main window's furniture: its first layout, the content-list columns on resizing, the
// status bar panels and the hints that reach the Message panel, the views' pop-up menus.
#include "ListGestures.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vqtest;

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void firstLayout();
    void columnsFollowWidth_data();
    void columnsFollowWidth();
    void statusPanels_data();
    void statusPanels();
    void toolButtonHint_data();
    void toolButtonHint();
    void statusTipReachesMessagePanel_data();
    void statusTipReachesMessagePanel();
    void toolBarOrder();
    void contentListKind();
    void statusPanelsNeverOverlap();
    void popupMenuFromTheKeyboard_data();
    void popupMenuFromTheKeyboard();
};

void TestWindow::firstLayout() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QCOMPARE(w.size(), QSize(690, 502));
    QCOMPARE(f.tree()->width(), 185);
    QWidget* pages = f.find<QWidget>("Panel_Pages");
    QVERIFY(pages);
    QCOMPARE(pages->height(), 178);
    QCOMPARE(f.find<QSplitter>("SplitterH")->handleWidth(), 3);
    QCOMPARE(f.tree()->indentation(), 19);
    QCOMPARE(f.list()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("修改后"));
    QCOMPARE(f.list()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("修改前"));
    QCOMPARE(f.text()->palette().color(QPalette::Base), QColor(192, 192, 192));
    QVERIFY(QAccessible::queryAccessibleInterface(f.text())->state().readOnly);
    QCOMPARE(f.text()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);  // no wrapping: lines scroll
    QCOMPARE(f.text()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Widening the window: both columns expanded keep 2 : 1 of the list's width; a column collapsed
// to exactly 50 pixels stays so and the other takes all but 50.
void TestWindow::columnsFollowWidth_data() {
    QTest::addColumn<int>("column0");  // widths set before the window is widened
    QTest::addColumn<int>("column1");
    QTest::addColumn<int>("collapsed");  // -1: none
    QTest::addColumn<int>("widenBy");
    QTest::newRow("both expanded") << 200 << 100 << -1 << 211;
    QTest::newRow("both expanded, odd width") << 120 << 120 << -1 << 137;
    QTest::newRow("column 0 collapsed") << 50 << 200 << 0 << 150;
    QTest::newRow("column 1 collapsed") << 300 << 50 << 1 << 97;
    QTest::newRow("51 pixels is not collapsed") << 51 << 200 << -1 << 120;
    QTest::newRow("narrowing, column 0 collapsed") << 50 << 300 << 0 << -80;
}

void TestWindow::columnsFollowWidth() {
    QFETCH(int, column0);
    QFETCH(int, column1);
    QFETCH(int, collapsed);
    QFETCH(int, widenBy);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QHeaderView* header = f.list()->horizontalHeader();
    header->resizeSection(0, column0);
    header->resizeSection(1, column1);

    const int before = f.list()->viewport()->width();
    w.resize(w.width() + widenBy, w.height());
    QTRY_COMPARE(f.list()->viewport()->width(), before + widenBy);
    const int width = f.list()->viewport()->width();
    if (collapsed == 0) {
        QTRY_COMPARE(header->sectionSize(0), 50);
        QTRY_COMPARE(header->sectionSize(1), width - 50);
    } else if (collapsed == 1) {
        QTRY_COMPARE(header->sectionSize(1), 50);
        QTRY_COMPARE(header->sectionSize(0), width - 50);
    } else {
        QTRY_COMPARE(header->sectionSize(0), width * 2 / 3);
        QTRY_COMPARE(header->sectionSize(1), width / 3);
    }
}

void TestWindow::statusPanels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");  // 0: takes the rest
    QTest::addColumn<int>("alignment");
    QTest::newRow("Line panel") << QStringLiteral("pnlLine") << 65 << int(Qt::AlignHCenter);
    QTest::newRow("Caret panel") << QStringLiteral("pnlCaret") << 120 << int(Qt::AlignHCenter);
    QTest::newRow("Message panel") << QStringLiteral("pnlMessage") << 0 << int(Qt::AlignLeft);
}

void TestWindow::statusPanels() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, alignment);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    for (int extra : {0, 300}) {
        w.resize(690 + extra, 502);
        auto* panel = f.panel(name.toLatin1().constData());
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), static_cast<QWidget*>(w.statusBar()));
        QCOMPARE(int(panel->alignment() & Qt::AlignHorizontal_Mask), alignment);
        if (width > 0) {
            QTRY_COMPARE(panel->width(), width);
        } else {
            // The Message panel takes what the two fixed panels leave.
            QTRY_VERIFY(panel->width() > w.width() - 65 - 120 - 60);
        }
    }
    // Panels appear left to right: Line, Caret, Message.
    QVERIFY(f.panel("pnlLine")->x() < f.panel("pnlCaret")->x());
    QVERIFY(f.panel("pnlCaret")->x() < f.panel("pnlMessage")->x());
}

// Moving the pointer over a tool button shows its hint in the Message panel.
void TestWindow::toolButtonHint_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("hint");
    QTest::newRow("open") << QStringLiteral("actOpenIniFile") << QStringLiteral("打开文件");
    QTest::newRow("new") << QStringLiteral("actNewIniFile") << QStringLiteral("新建文件");
    QTest::newRow("reload, disabled") << QStringLiteral("actReload") << QStringLiteral("重载本文件");
}

void TestWindow::toolButtonHint() {
    QFETCH(QString, action);
    QFETCH(QString, hint);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    auto* toolBar = f.find<QToolBar>("ToolBar");
    QVERIFY(toolBar);
    QWidget* button = toolBar->widgetForAction(w.findChild<QAction*>(action));
    QVERIFY(button);
    QVERIFY(f.message() != hint);
    QTest::mouseMove(f.list()->viewport(), QPoint(5, 5));
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(f.message(), hint);
}

// A status tip sent from anywhere in the window lands in the Message panel; the empty tip of
// leaving a control clears it.
void TestWindow::statusTipReachesMessagePanel_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("tip");
    QTest::newRow("tool button") << QStringLiteral("ToolBar") << QStringLiteral("打开文件");
    QTest::newRow("content list") << QStringLiteral("lvContent") << QStringLiteral("列表项");
    QTest::newRow("status bar") << QStringLiteral("StatusBar") << QStringLiteral("状态");
    QTest::newRow("empty tip from the tree") << QStringLiteral("tvTopic") << QString();
}

void TestWindow::statusTipReachesMessagePanel() {
    QFETCH(QString, source);
    QFETCH(QString, tip);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QWidget* from = f.find<QWidget>(source.toLatin1().constData());
    if (source == QStringLiteral("ToolBar"))
        from = f.find<QToolBar>("ToolBar")->widgetForAction(f.action("actOpenIniFile"));
    QVERIFY(from);
    w.messages().show(QStringLiteral("before"));
    QStatusTipEvent event(tip);
    QCoreApplication::sendEvent(from, &event);
    QCOMPARE(f.message(), tip);
}

// Tool bar, left to right: New, Open, Save, Save As | Reload, Restore all | the three extractions |
// Find, Find next | the sign boxes and buttons ... Refresh tree last.
void TestWindow::toolBarOrder() {
    MainWindowFixture f;
    f.start();
    auto* toolBar = f.find<QToolBar>("ToolBar");
    QVERIFY(toolBar);
    QStringList order;
    for (QAction* a : toolBar->actions()) {
        if (a->isSeparator())
            order << "|";
        else if (a->objectName().startsWith("act"))
            order << a->objectName();
        else
            order << "widget";
    }
    const QStringList head{
        "actNewIniFile", "actOpenIniFile", "actSave",     "actSaveAs", "|",       "actReload",   "actRestore", "|",
        "actSaveAll",    "actSaveSel",     "actSaveTree", "|",         "actFind", "actFindNext", "|"};
    QCOMPARE(order.mid(0, head.size()), head);
    QCOMPARE(order.last(), QStringLiteral("actRefreshTree"));
    QVERIFY(order.count("widget") >= 4);  // the sign labels, boxes and drop-down buttons
}

// The content list: two columns, check boxes, several rows selectable, whole rows, no sorting.
void TestWindow::contentListKind() {
    MainWindowFixture f;
    f.start({f.writeFile("k.ini", "[a]\r\nb=1\r\n")});
    vq::ContentListView* list = f.list();
    QCOMPARE(list->model()->columnCount(), 2);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->selectionMode() == QAbstractItemView::ExtendedSelection ||
            list->selectionMode() == QAbstractItemView::MultiSelection);
    QVERIFY(!list->horizontalHeader()->isSortIndicatorShown());
    QVERIFY(list->model()->index(0, 0).flags() & Qt::ItemIsUserCheckable);
    const QRect first = list->visualRect(list->model()->index(0, 0));
    QCOMPARE(list->visualRect(list->model()->index(1, 1)).height(), first.height());  // uniform rows
    QCOMPARE(list->visualRect(list->model()->index(1, 0)).top(), first.bottom() + 1);
    QVERIFY(!list->horizontalHeader()->isHidden());
    for (const QHeaderView* header : list->findChildren<QHeaderView*>())  // no header of rows
        QCOMPARE(header->orientation(), Qt::Horizontal);
}

// However small the user makes the window, the status bar's panels stand side by side within it,
// with the progress bar and the cancel button of a load that runs.
void TestWindow::statusPanelsNeverOverlap() {
    MainWindowFixture f;
    f.start();
    f.show();
    f.slowLoads();
    QVERIFY(f.files().startOpening(f.writeFile("long.ini", Join(Lines(4500)))));
    QTRY_VERIFY(f.find<QWidget>("pbLoading")->isVisible());
    f.window().resize(40, 40);  // what the window system allows of it
    QStatusBar* bar = f.window().statusBar();
    QTRY_VERIFY(f.window().width() < 690);
    QCoreApplication::processEvents();
    QList<QRect> parts;
    for (QWidget* part : bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (part->isVisible())
            parts << part->geometry();
    QCOMPARE(parts.size(), 6);  // three panels, the progress bar, the cancel button, the size grip
    std::sort(parts.begin(), parts.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY2(parts[i].right() < bar->width(), qPrintable(QString::number(i)));
        if (i > 0)
            QVERIFY2(parts[i - 1].right() < parts[i].left(), qPrintable(QString::number(i)));
    }
    QVERIFY(f.find<QLabel>("pnlMessage")->width() >= 60);
    f.files().cancelLoading();
    f.waitForLoad();
}

// Shift+F10 opens the focused view's pop-up menu as the Menu key does: at the view's current item
// or caret. The Menu key is the window system's request for the focused control's menu at the
// control's cursor, as sent here.
void TestWindow::popupMenuFromTheKeyboard_data() {
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("shiftF10");
    for (const bool shiftF10 : {true, false}) {
        const char* key = shiftF10 ? "Shift+F10" : "Menu key";
        QTest::addRow("list, %s", key) << "lvContent"
                                       << "PopupMenu_ListView" << shiftF10;
        QTest::addRow("tree, %s", key) << "tvTopic"
                                       << "PopupMenu_Tree" << shiftF10;
        QTest::addRow("log, %s", key) << "lstLog"
                                      << "PopupMenu_Log" << shiftF10;
        QTest::addRow("target text, %s", key) << "reContent"
                                              << "PopupMenu_RE" << shiftF10;
    }
}

void TestWindow::popupMenuFromTheKeyboard() {
    QFETCH(QString, view);
    QFETCH(QString, menu);
    QFETCH(bool, shiftF10);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenLines())});
    QVERIFY(f.showActive());
    auto* scrollArea = f.find<QAbstractScrollArea>(view.toLatin1());
    if (view == "lstLog") {
        QTabBar* bar = f.find<QTabWidget>("pcPages")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
        QTRY_VERIFY(scrollArea->isVisible());
    }
    // A click on the view's third line: its item or caret is there.
    QWidget* viewport = scrollArea->viewport();
    const QPoint third(40, view == "lstLog" ? 7 : view == "reContent" ? 2 * f.text()->lineHeight() + 5 : 0);
    const QPoint at = view == "lvContent" ? RowPoint(f, 2)
                      : view == "tvTopic" ? f.tree()->visualRect(f.tree()->model()->index(0, 0)).center()
                                          : third;
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTRY_VERIFY(scrollArea->hasFocus());
    auto* popup = f.find<QMenu>(menu.toLatin1());
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    if (shiftF10) {
        QTest::keyClick(scrollArea, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint cursor = scrollArea->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, cursor, scrollArea->mapToGlobal(cursor));
        QApplication::sendEvent(scrollArea, &menuKey);
    }
    QTRY_VERIFY(popup->isVisible());
    const QRect shown(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    QVERIFY2(shown.contains(popup->geometry().topLeft()),
             qPrintable(QString("menu at %1,%2").arg(popup->x()).arg(popup->y())));
    QVERIFY(qAbs(popup->y() - viewport->mapToGlobal(at).y()) < 40);
    popup->close();
}

QTEST_MAIN(TestWindow)
#include "WindowTest.moc"
