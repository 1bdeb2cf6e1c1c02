// Start-up of the main window: the command line, the document it leaves behind, and the
// window's command catalogue.
#include "MainWindowFixture.h"

#include "ui/document/Navigation.h"
#include "ui/editing/EditingController.h"
#include "ui/extraction/ExtractionController.h"
#include "ui/find/FindController.h"
#include "ui/tools/ToolsController.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMetaObject>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QString kSample = QStringLiteral("; sample\r\n[Database]\r\nhost=local\r\n;port=3306\r\n");

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void emptyDocument_data();
    void emptyDocument();
    void missingFile_data();
    void missingFile();
    void existingFile();
    void commandLineSizeQuestion_data();
    void commandLineSizeQuestion();
    void catalog_data();
    void catalog();
    void commandsWithoutHandlerAreDisabled_data();
    void commandsWithoutHandlerAreDisabled();
    void reportItemHiddenWithoutProgram();
    void firstShowing_data();
    void firstShowing();
    void mainMenus_data();
    void mainMenus();
    void popupMenus_data();
    void popupMenus();
};

// With no parameter, or with more than one, the window starts on an empty untitled document.
void TestStartup::emptyDocument_data() {
    QTest::addColumn<int>("parameters");
    QTest::newRow("no parameter") << 0;
    QTest::newRow("two parameters, both existing files") << 2;
    QTest::newRow("three parameters") << 3;
}

void TestStartup::emptyDocument() {
    QFETCH(int, parameters);
    MainWindowFixture f;
    QStringList args;
    for (int i = 0; i < parameters; ++i)
        args << f.writeFile(QStringLiteral("arg%1.ini").arg(i), kSample.toUtf8());
    vq::TfrmMain& w = f.start(args);

    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
    QCOMPARE(QString::fromStdString(w.document().fileName()), QStringLiteral("Untitled"));
    QCOMPARE(w.document().modified(), false);
    QCOMPARE(f.list()->model()->rowCount(), 0);
    QCOMPARE(f.tree()->model()->rowCount(), 0);
    QCOMPARE(f.targetText(), QString());
    QCOMPARE(f.logEntries(), QStringList());
    QCOMPARE(f.platform.shown().size(), 0);
}

// One parameter that names no file: the does-not-exist message, then an empty untitled document.
void TestStartup::missingFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing file") << QStringLiteral("nothing-here.ini") << false;
    QTest::newRow("path with blanks") << QStringLiteral("no such file.ini") << false;
    QTest::newRow("a folder") << QStringLiteral("folder.ini") << true;
}

void TestStartup::missingFile() {
    QFETCH(QString, name);
    QFETCH(bool, isFolder);
    MainWindowFixture f;
    const QString path = f.path(name);
    if (isFolder)
        QVERIFY(QDir(f.dir()).mkdir(name));
    vq::TfrmMain& w = f.start({path});

    QCOMPARE(f.platform.messages(), QStringList{Missing(path)});
    QCOMPARE(f.platform.errors(), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
    QCOMPARE(QString::fromStdString(w.document().fileName()), QStringLiteral("Untitled"));
    QCOMPARE(f.list()->model()->rowCount(), 0);
    QCOMPARE(f.logEntries(), QStringList());
    QVERIFY(!f.action("actReload")->isEnabled());
}

// One parameter naming a file: it is loaded exactly as by the open command.
void TestStartup::existingFile() {
    MainWindowFixture f;
    const QString path = f.writeFile(QStringLiteral("php.ini"), kSample.toUtf8());
    vq::TfrmMain& w = f.start({path});

    QCOMPARE(f.platform.shown().size(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-") + path);
    QCOMPARE(f.column(0), (QStringList{"; sample", "[Database]", "host=local", ";port=3306"}));
    QCOMPARE(f.column(1), f.column(0));
    QCOMPARE(f.treeOutline(), (QStringList{"[Database]", "  host=local", "  ;port=3306"}));
    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
    QCOMPARE(w.document().modified(), false);
    QVERIFY(f.action("actReload")->isEnabled());
    QCOMPARE(f.message(), QStringLiteral("打开成功！"));
}

// The size questions apply to the command-line file as to any other open.
void TestStartup::commandLineSizeQuestion_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("programsStarted");
    QTest::newRow("No loads it") << Answer::No << true << 0;
    QTest::newRow("Yes starts the text editor") << Answer::Yes << false << 1;
    QTest::newRow("Cancel loads nothing") << Answer::Cancel << false << 0;
}

void TestStartup::commandLineSizeQuestion() {
    QFETCH(Answer, answer);
    QFETCH(bool, loaded);
    QFETCH(int, programsStarted);
    MainWindowFixture f;
    QByteArray bytes;
    while (bytes.size() < 153601)
        bytes += "key_with_a_long_name=some value\r\n";
    bytes.truncate(153601);
    const QString path = f.writeFile(QStringLiteral("big.ini"), bytes);
    f.platform.queueYesNoCancel(answer);
    vq::TfrmMain& w = f.start({path});

    QCOMPARE(f.platform.questions(), QStringList{QStringLiteral("该文件太大，建议用记事本打开！")});
    QCOMPARE(f.platform.shown().first().title, QStringLiteral("警告"));
    QCOMPARE(f.platform.started().size(), programsStarted);
    QCOMPARE(w.windowTitle(), loaded ? QStringLiteral("Varnoquil-") + path : QStringLiteral("Varnoquil-Untitled"));
    QCOMPARE(f.list()->model()->rowCount() > 0, loaded);
}

// Every command of the window, with the caption and shortcut its menus and buttons show.
void TestStartup::catalog_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("hint");  // empty: not checked here

    struct Row {
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    };
    static const Row rows[] = {
        {"actNewIniFile", "新建(&N)", "Ctrl+N", "新建文件"},
        {"actOpenIniFile", "打开(&O) ...", "Ctrl+O", "打开文件"},
        {"actOpenSamples", "打开示例 ...", "", ""},
        {"actReload", "重载本文件(&R) ...", "", "重载本文件"},
        {"actOpenWithNotepad", "用\"记事本\"打开(&T) ...", "", ""},
        {"actSave", "保存(&S)", "Ctrl+S", "保存"},
        {"actSaveAs", "另存为(&A) ...", "", "另存为"},
        {"actExit", "退出(&E)", "", "退出"},
        {"actUndo", "撤销", "Ctrl+Z", "撤销上一步操作"},
        {"actRedo", "重做", "Ctrl+Y; Ctrl+Shift+Z", "重做撤销的操作"},
        {"actInsertLine", "向上插入项(&U) ...", "", ""},
        {"actInsertLineDn", "向下插入项(&D) ...", "", ""},
        {"actEditLine", "编辑选定行(&E) ...", "", ""},
        {"actUnRem", "取消注释(&C)", "", ""},
        {"actRemLine", "注释选定行(&R)", "", ""},
        {"actRestoreLine", "恢复选定行(&L)", "", ""},
        {"actRestore", "恢复所有行(&O) ...", "", ""},
        {"actDelLine", "删除选定行(&T)", "", ""},
        {"actFind", "查找(&F) ...", "Ctrl+F", ""},
        {"actFindNext", "查找下一个(&N)", "F3", ""},
        {"actSaveAll", "提取所有(&A) ...", "", ""},
        {"actSaveSel", "提取钩选项(&S) ...", "", ""},
        {"actSaveTree", "提取目录树(&D) ...", "", ""},
        {"actRefreshTree", "刷新目录树(&R)", "", ""},
        {"actConfiguration", "配置(&C)...", "", ""},
        {"actHelpTopic", "帮助主题(&T)", "F1", ""},
        {"actReport", "使用报告(&P) ...", "", ""},
        {"actAbout", "关于(&A)", "", ""},
        {"actGotoLineByLog", "转到此行(双击)", "", ""},
        {"actCopyLogLine", "复制到剪贴板", "", ""},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QString::fromUtf8(r.caption)
                              << QString::fromLatin1(r.shortcut) << QString::fromUtf8(r.hint);
}

void TestStartup::catalog() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(QString, hint);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();

    QAction* a = w.findChild<QAction*>(name);
    QVERIFY2(a, qPrintable(name));
    QCOMPARE(a->objectName(), name);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->shortcuts(), shortcut.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(shortcut));
    if (!hint.isEmpty())
        QCOMPARE(a->statusTip(), hint);
    QVERIFY2(!a->icon().isNull(), "the command has no image");
    QVERIFY2(!a->icon().pixmap(16, 16).isNull(), "the command's image cannot be drawn");
    // The window's table of commands holds this very action, once.
    int held = 0;
    for (int id = 0; id < int(vq::Act::Count); ++id)
        held += w.action(vq::Act(id)) == a ? 1 : 0;
    QCOMPARE(held, 1);
}

// A command whose handler does not exist yet must not be offered: its action stays disabled,
// on an empty document and with a file loaded.
void TestStartup::commandsWithoutHandlerAreDisabled_data() {
    QTest::addColumn<bool>("withFile");
    QTest::newRow("untitled document") << false;
    QTest::newRow("file loaded") << true;
}

void TestStartup::commandsWithoutHandlerAreDisabled() {
    QFETCH(bool, withFile);
    MainWindowFixture f;
    QStringList args;
    if (withFile)
        args << f.writeFile(QStringLiteral("a.ini"), kSample.toUtf8());
    vq::TfrmMain& w = f.start(args);
    QCoreApplication::sendPostedEvents();

    // The handlers are the feature objects' slots.
    const QList<const QObject*> features = {&w.files(),       &w.extraction(), &w.finder(),     &w.tools(),
                                            &w.treeAndRows(), &w.editing(),    &w.navigation(), &w.logCommands(),
                                            &w.settings(),    &w.about()};
    const auto handled = [&](const QByteArray& slot) {
        return std::any_of(features.begin(), features.end(),
                           [&](const QObject* o) { return o->metaObject()->indexOfSlot(slot.constData()) >= 0; });
    };
    const QList<QAction*> actions = w.findChildren<QAction*>(QRegularExpression(QStringLiteral("^act")));
    QCOMPARE(actions.size(), int(vq::Act::Count));
    int enabled = 0;
    for (QAction* a : actions) {
        const QByteArray slot = a->objectName().toLatin1() + "Execute()";
        if (!handled(slot))
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName() + " is enabled but has no handler"));
        enabled += a->isEnabled() ? 1 : 0;
    }
    // The commands that are always available are enabled, and found their handlers.
    for (const char* name : {"actNewIniFile", "actOpenIniFile", "actExit", "actAbout"}) {
        QVERIFY2(f.action(name)->isEnabled(), name);
        QVERIFY2(handled(QByteArray(name) + "Execute()"), name);
    }
    QVERIFY(enabled >= 3);
}

// No usage-report program beside the test executable: the Help menu has no report item.
void TestStartup::reportItemHiddenWithoutProgram() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    QVERIFY(!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/vendrak"));
    QAction* item = w.findChild<QAction*>(QStringLiteral("mnuReport"));
    QVERIFY(item);
    QVERIFY(!item->isVisible());
    auto* help = w.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QStringList visible;
    for (QAction* a : help->actions())
        if (a->isVisible() && !a->isSeparator())
            visible << a->text();
    QVERIFY(!visible.contains(QStringLiteral("使用报告(&P) ...")));
    QVERIFY(visible.contains(QStringLiteral("关于(&A)")));
}

// First showing: the list gets the focus and, when it has rows, its first row is selected.
void TestStartup::firstShowing_data() {
    QTest::addColumn<bool>("withFile");
    QTest::newRow("file loaded") << true;
    QTest::newRow("untitled document") << false;
}

void TestStartup::firstShowing() {
    QFETCH(bool, withFile);
    MainWindowFixture f;
    QStringList args;
    if (withFile)
        args << f.writeFile("show.ini", kSample.toUtf8());
    vq::TfrmMain& w = f.start(args);
    f.show();
    w.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.list()));
    QCOMPARE(f.selectedRows(), withFile ? QList<int>{0} : QList<int>());
    QCOMPARE(f.list()->currentIndex().row(), withFile ? 0 : -1);
    QCOMPARE(f.platform.beeps(), 0);
}

// The main menu: titles, items in order, separators as "-". Hidden items are left out.
void TestStartup::mainMenus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << "mnuFile"
                          << "文件(&F)"
                          << QStringList{"新建(&N)",
                                         "打开(&O) ...",
                                         "打开示例 ...",
                                         "最近使用的文件",
                                         "-",
                                         "重载本文件(&R) ...",
                                         "用\"记事本\"打开(&T) ...",
                                         "-",
                                         "保存(&S)",
                                         "另存为(&A) ...",
                                         "-",
                                         "退出(&E)"};
    QTest::newRow("Edit") << "mnuEdit"
                          << "编辑(&E)"
                          << QStringList{"撤销",
                                         "重做",
                                         "-",
                                         "向上插入项(&U) ...",
                                         "向下插入项(&D) ...",
                                         "编辑选定行(&E) ...",
                                         "-",
                                         "取消注释(&C)",
                                         "注释选定行(&R)",
                                         "恢复选定行(&L)",
                                         "恢复所有行(&O) ...",
                                         "-",
                                         "删除选定行(&T)"};
    QTest::newRow("Tools") << "mnuTools"
                           << "工具(&T)"
                           << QStringList{"查找(&F) ...",       "查找下一个(&N)",     "-", "提取所有(&A) ...",
                                          "提取钩选项(&S) ...", "提取目录树(&D) ...", "-", "刷新目录树(&R)"};
    QTest::newRow("Options") << "mnuOptions"
                             << "选项(&O)"
                             << QStringList{"配置(&C)...",     "-", "模式[General]", "模式[*.ini]", "模式[php.ini]",
                                            "模式[httpd.conf]"};
    QTest::newRow("Help, without the report program") << "mnuHelp"
                                                      << "帮助(&H)" << QStringList{"帮助主题(&T)", "-", "关于(&A)"};
}

static QStringList VisibleItems(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            out << "-";
        else if (a->isVisible())
            out << a->text();
    }
    return out;
}

void TestStartup::mainMenus() {
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    auto* m = w.findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), title);
    QCOMPARE(VisibleItems(m), items);
}

// The pop-up menus of the list, the log and the target text.
void TestStartup::popupMenus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("content list") << "PopupMenu_ListView"
                                  << QStringList{"向上插入项(&U) ...", "向下插入项(&D) ...", "编辑选定行(&E) ...",
                                                 "取消注释(&C)",       "注释选定行(&R)",     "恢复选定行(&L)",
                                                 "删除选定行(&T)"};
    QTest::newRow("log") << "PopupMenu_Log" << QStringList{"转到此行(双击)", "复制到剪贴板"};
    QTest::newRow("target text") << "PopupMenu_RE"
                                 << QStringList{"复制(&C)", "全选(&A)", "保存(&S)", "另存为(&A) ...", "打开(&O) ..."};
}

void TestStartup::popupMenus() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    auto* m = w.findChild<QMenu*>(menu);
    QVERIFY(m);
    QStringList shown = VisibleItems(m);
    shown.removeAll("-");
    QCOMPARE(shown, items);
    if (menu == "PopupMenu_Log") {
        QVERIFY(m->defaultAction());
        QCOMPARE(m->defaultAction()->text(), QStringLiteral("转到此行(双击)"));
    }
}

QTEST_MAIN(TestStartup)
#include "StartupTest.moc"
