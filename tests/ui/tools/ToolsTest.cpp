// The target text's own commands and the programs outside the window, on the scripted platform:
// copy and select all, the pop-up menu on a right-button release, the pages' hint, the usage
// report, the samples folder and the help page.
#include "MainWindowFixture.h"

#include "ui/document/TargetTextView.h"
#include "ui/toolbox/QtPlatform.h"
#include "ui/tools/ToolsController.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace vqtest;
using StartResult = vq::Platform::StartResult;

namespace {

class ToolsWindow : public MainWindowFixture {
public:
    ToolsWindow() { start(); }
    void open(const QStringList& lines) { files().OpenDocument(writeFile("t.ini", Join(lines))); }
    vq::TargetTextView* view() const { return find<vq::TargetTextView>("reContent"); }
    vq::ToolsController& tools() { return window().tools(); }
    QMenu* textMenu() const { return find<QMenu>("PopupMenu_RE"); }
};

}  // namespace

class TestTools : public QObject {
    Q_OBJECT
private slots:
    void copyNeedsSelection();
    void selectAllNeedsText();
    void popupOnRightRelease_data();
    void popupOnRightRelease();
    void pageHintOverTabs();
    void report_data();
    void report();
    void reportHiddenWithoutProgram();
    void samples_data();
    void samples();
    void helpTopic_data();
    void helpTopic();
    void helpPageMissingOnDesktop();
    void textEditorFollowsFileName();
    void programStartsInItsFolder();
};

// "复制(&C)" follows the selection; it copies the selected text and changes nothing.
void TestTools::copyNeedsSelection() {
    ToolsWindow w;
    w.open({"alpha=1", "beta=2"});
    QVERIFY(!w.action("actRECopy")->isEnabled());
    w.show();
    // A drag over "beta" with the mouse.
    vq::TargetTextView* view = w.view();
    const QRect from = view->caretRect({1, 0});
    const QRect to = view->caretRect({1, 4});
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from.center());
    QTest::mouseMove(view->viewport(), to.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to.center());
    QVERIFY(view->hasSelection());
    QVERIFY(w.action("actRECopy")->isEnabled());
    QGuiApplication::clipboard()->setText("before");
    w.action("actRECopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("beta"));
    QVERIFY(!w.doc().modified());
    view->setCaretPosition(0);
    QVERIFY(!w.action("actRECopy")->isEnabled());
}

// "全选(&A)" needs a line of target text; it selects all of it and changes nothing.
void TestTools::selectAllNeedsText() {
    ToolsWindow w;
    QVERIFY(w.doc().target().empty());
    QVERIFY(!w.action("actRESelAll")->isEnabled());
    w.open({"a=1", "b=2"});
    QVERIFY(w.action("actRESelAll")->isEnabled());
    w.action("actRESelAll")->trigger();
    QCOMPARE(w.view()->selectedText(), QStringLiteral("a=1\nb=2\n"));
    QVERIFY(!w.doc().modified());
    QVERIFY(w.action("actRECopy")->isEnabled());
}

// Only a right-button release opens the text's menu, where the mouse is.
void TestTools::popupOnRightRelease_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << int(Qt::RightButton) << true;
    QTest::newRow("left") << int(Qt::LeftButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void TestTools::popupOnRightRelease() {
    QFETCH(int, button);
    QFETCH(bool, opens);
    ToolsWindow w;
    w.open({"a=1"});
    w.show();
    QWidget* viewport = w.view()->viewport();
    const QPoint at(40, 20);
    QTest::mousePress(viewport, Qt::MouseButton(button), {}, at);
    QVERIFY(!w.textMenu()->isVisible());  // not on the press
    QTest::mouseRelease(viewport, Qt::MouseButton(button), {}, at);
    QCOMPARE(w.textMenu()->isVisible(), opens);
    if (opens) {
        QCOMPARE(w.textMenu()->pos(), viewport->mapToGlobal(at));
        QStringList items;
        for (QAction* a : w.textMenu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(items, (QStringList{"mnuRECopy", "mnuRESelAll", "-", "mnuRESave", "mnuRESaveAs", "-", "mnuREOpen"}));
        w.textMenu()->close();
    }
}

// Over the tabs the Message panel shows the active page's hint: the target text's, which an
// extraction changes, or the log's.
void TestTools::pageHintOverTabs() {
    ToolsWindow w;
    w.open({"a=1", "; c"});
    w.show();
    auto* pages = w.find<QTabWidget>("pcPages");
    QTabBar* tabs = pages->tabBar();
    w.window().messages().show({});
    QTest::mouseMove(tabs, tabs->tabRect(0).center());
    QCOMPARE(w.message(), QStringLiteral("当前文本内容与列表相同"));
    pages->setCurrentIndex(1);
    QTest::mouseMove(tabs, tabs->tabRect(1).center() + QPoint(1, 0));
    QCOMPARE(w.message(), QStringLiteral("日志"));
    pages->setCurrentIndex(0);
    w.platform.queueConfirm(vq::Platform::Answer::Ok);
    w.action("actSaveSel")->trigger();
    QTest::mouseMove(tabs, tabs->tabRect(0).center());
    QCOMPARE(w.message(), QStringLiteral("当前文本内容为上次操作:提取钩选项(&S) ..."));
    QVERIFY(pages->tabToolTip(0).isEmpty());
}

void TestTools::report_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("started") << int(StartResult::Started) << QStringList{};
    QTest::newRow("not found") << int(StartResult::NotFound) << QStringList{"可执行文件\"vendrak\"未找到！"};
    QTest::newRow("other failure passes silently") << int(StartResult::Failed) << QStringList{};
}

// The report program beside the executable is started without arguments.
void TestTools::report() {
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    ToolsWindow w;
    w.tools().setProgramFolder(w.dir());
    w.platform.setStartResult(StartResult(result));
    w.tools().actReportExecute();
    QCOMPARE(w.platform.started().size(), 1);
    QCOMPARE(w.platform.started().first().program, w.dir() + "/vendrak");
    QVERIFY(w.platform.started().first().arguments.isEmpty());
    QCOMPARE(w.platform.started().first().workingFolder, w.dir());
    QCOMPARE(w.platform.messages(), messages);
}

// The test program has no report program beside it, so the command is not in the Help menu.
void TestTools::reportHiddenWithoutProgram() {
    QVERIFY(!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/vendrak"));
    ToolsWindow w;
    QVERIFY(!w.action("actReport")->isVisible());
    QVERIFY(!w.find<QAction>("mnuReport")->isVisible());
    QVERIFY(w.action("actHelpTopic")->isEnabled());
    QVERIFY(w.action("actOpenSamples")->isEnabled());
}

void TestTools::samples_data() {
    QTest::addColumn<bool>("present");
    QTest::newRow("folder present") << true;
    QTest::newRow("folder missing") << false;
}

// With the folder, the open dialog starts there, also on every later open; without it the user
// is told and the dialog still comes, starting where it would have.
void TestTools::samples() {
    QFETCH(bool, present);
    ToolsWindow w;
    w.tools().setProgramFolder(w.dir());
    const QString samples = w.path("Samples");
    if (present) {
        QVERIFY(QDir().mkpath(samples));
        w.writeFile("Samples/s.ini", Join({"[s]", "k=1"}));
        w.platform.queueOpenFileName(samples + "/s.ini");
    }
    w.action("actOpenSamples")->trigger();
    w.waitForLoad();  // the file loads on its own thread
    QCOMPARE(w.platform.openDialogs(), 1);
    const QString folder = present ? samples : QString();
    QCOMPARE(w.platform.openDialogSettings().first().initialFolder, folder);
    QCOMPARE(w.platform.messages(), present ? QStringList{} : QStringList{"路径 \"./Samples\" 不存在！"});
    if (present)
        QCOMPARE(QString::fromStdString(w.doc().fileName()), samples + "/s.ini");
    w.action("actOpenIniFile")->trigger();
    QCOMPARE(w.platform.openDialogSettings().last().initialFolder, folder);
}

void TestTools::helpTopic_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");  // %1: the page
    QTest::newRow("shown") << int(StartResult::Started) << QString();
    QTest::newRow("page missing") << int(StartResult::NotFound) << "文件 \"%1\" 不存在！";
    QTest::newRow("no browser") << int(StartResult::Failed) << "无法打开帮助页 \"%1\"，请检查是否安装了网页浏览器。";
}

// F1 opens the help page at its index topic; what went wrong is said.
void TestTools::helpTopic() {
    QFETCH(int, result);
    QFETCH(QString, message);
    ToolsWindow w;
    w.tools().setProgramFolder(w.dir());
    w.platform.setHelpResult(StartResult(result));
    QVERIFY(w.showActive());
    QTest::keyClick(&w.window(), Qt::Key_F1);
    const QString page = w.dir() + "/index.html";
    QCOMPARE(w.platform.helpShown(), QStringList{page + "#ID_INDEX"});
    QCOMPARE(w.platform.messages(), message.isEmpty() ? QStringList{} : QStringList{message.arg(page)});
}

// The desktop's side tells a missing page apart without starting a browser.
void TestTools::helpPageMissingOnDesktop() {
    vq::QtPlatform platform;
    QTemporaryDir dir;
    QCOMPARE(platform.showHelp(dir.filePath("index.html"), "ID_INDEX"), StartResult::NotFound);
    QCOMPARE(platform.showHelp(dir.path(), "ID_INDEX"), StartResult::NotFound);
}

// The text editor needs a file: Untitled disables it, Save As gives it the new path, blanks and
// all, as one argument after the editor's own.
void TestTools::textEditorFollowsFileName() {
    ToolsWindow w;
    QVERIFY(!w.action("actOpenWithNotepad")->isEnabled());
    w.doc().insertRow(0, "k=1");
    const QString path = w.path("with blanks in it.ini");
    w.platform.queueSaveFileName(path);
    w.action("actSaveAs")->trigger();
    QCOMPARE(QString::fromStdString(w.doc().fileName()), path);
    QVERIFY(w.action("actOpenWithNotepad")->isEnabled());
    w.platform.setTextEditor({"code", "--wait"});
    w.action("actOpenWithNotepad")->trigger();
    QCOMPARE(w.platform.started().size(), 1);
    QCOMPARE(w.platform.started().first().program, QString("code"));
    QCOMPARE(w.platform.started().first().arguments, QStringList({"--wait", path}));
    QVERIFY(w.platform.messages().isEmpty());
}

// The desktop's side starts a program in the folder asked for (the report program in its own),
// and a folder that is gone is a failure to start, not a silent start elsewhere.
void TestTools::programStartsInItsFolder() {
    QTemporaryDir dir;
    const QString out = dir.filePath("where.txt");
    vq::QtPlatform platform;
    QCOMPARE(platform.startProgram("sh", {"-c", "pwd > \"$1\"", "sh", out}, dir.path()), StartResult::Started);
    const auto written = [&out] {
        QFile in(out);
        return in.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(in.readAll()).trimmed() : QString();
    };
    QTRY_COMPARE(written(), QDir(dir.path()).canonicalPath());
    QCOMPARE(platform.startProgram("sh", {"-c", "true"}, dir.filePath("gone")), StartResult::Failed);
}

QTEST_MAIN(TestTools)
#include "ToolsTest.moc"
