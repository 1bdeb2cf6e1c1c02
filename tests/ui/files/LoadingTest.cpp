// Loading on a thread of its own: the window goes on while a file loads, shows its progress, can
// stop it, and keeps the current document whole when the load is stopped, fails, or the file is
// too large to open at all.
#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <sys/resource.h>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QStringList kOld = {"[Old]", "kept=1", ";note", "other=2"};

// A file of `size` bytes that takes no room on disk: it reads as zeros.
QString SparseFile(const MainWindowFixture& f, const QString& name, qint64 size) {
    const QString path = f.path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return {};
    return path;
}

// Enough lines for a slowed load to run for seconds, small enough to ask nothing about its size.
QByteArray LongFile() { return Join(Lines(4500, QStringLiteral("key"))); }

const char* const kStaysEnabled[] = {"actExit", "actAbout", "actHelpTopic", "actReport"};

bool StaysEnabled(const QString& name) {
    for (const char* kept : kStaysEnabled)
        if (name == QLatin1String(kept))
            return true;
    return false;
}

}  // namespace

class TestLoading : public QObject {
    Q_OBJECT
private slots:
    void tooLargeKeepsDocument_data();
    void tooLargeKeepsDocument();
    void tooLargeAtStartUp();
    void outOfMemoryWhileReading();
    void cancelKeepsDocument_data();
    void cancelKeepsDocument();
    void commandsWaitForTheLoad();
    void progressBarOnlyForLongLoads();
    void closingDuringLoad_data();
    void closingDuringLoad();
    void startUpLoadsBehindTheWindow();
    void bigLoadReachesTheListAtOnce_data();
    void bigLoadReachesTheListAtOnce();

private:
    // A window with kOld open; `changed` edits a row first.
    static vq::TfrmMain& startWithOld(MainWindowFixture& f, bool changed);
    // The old document is there as it was, unchanged or with the one edit.
    static void verifyOld(MainWindowFixture& f, bool changed);
};

vq::TfrmMain& TestLoading::startWithOld(MainWindowFixture& f, bool changed) {
    const QString old = f.writeFile("old.ini", Join(kOld));
    vq::TfrmMain& w = f.start({old});
    if (changed)
        w.document().setCaption(1, "kept=typed");
    return w;
}

void TestLoading::verifyOld(MainWindowFixture& f, bool changed) {
    const QString old = f.path("old.ini");
    QStringList rows = kOld;
    if (changed)
        rows[1] = "kept=typed";
    QCOMPARE(f.window().windowTitle(), "Varnoquil-" + old + (changed ? " *" : ""));
    QCOMPARE(QString::fromStdString(f.doc().fileName()), old);
    QCOMPARE(f.column(0), rows);
    QCOMPARE(f.column(1), kOld);
    QCOMPARE(f.targetLines().mid(0, rows.size()), rows);
    QCOMPARE(f.treeOutline(), (QStringList{"[Old]", "  kept=1", "  other=2"}));  // built at the open
    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(old)});
    QCOMPARE(f.doc().modified(), changed);
    QVERIFY(f.action("actReload")->isEnabled());
    QCOMPARE(f.action("actSave")->isEnabled(), changed);
    QVERIFY(!f.files().loading());
    QVERIFY(f.find<QWidget>("SplitterV")->isEnabled());
}

// A file larger than the line table can count, or than the memory left, is refused with its size
// before anything is read and before the unsaved-changes question: the document stays whole.
void TestLoading::tooLargeKeepsDocument_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<quint64>("allocatable");  // 0: what the system says
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("changed");
    QTest::newRow("64 GB, over 4 GB") << (qint64(64) << 30) << quint64(0) << "最多只能打开 4 GB 的文件。" << false;
    QTest::newRow("64 GB, changed document")
        << (qint64(64) << 30) << quint64(0) << "最多只能打开 4 GB 的文件。" << true;
    QTest::newRow("2 GB, 1 GB of memory left")
        << (qint64(2) << 30) << (quint64(1) << 30) << "打开它约需 4.0 GB 内存，现在只有 1.0 GB 可用。" << true;
}

void TestLoading::tooLargeKeepsDocument() {
    QFETCH(qint64, size);
    QFETCH(quint64, allocatable);
    QFETCH(QString, reason);
    QFETCH(bool, changed);
    MainWindowFixture f;
    if (allocatable)
        f.platform.setAllocatableBytes(allocatable);
    startWithOld(f, changed);
    const QString big = SparseFile(f, "big.ini", size);
    QVERIFY(!big.isEmpty());
    f.platform.queueYesNoCancel(Answer::No);  // load it anyway
    const QString before = f.message();
    QVERIFY(!f.files().startOpening(big));

    const QString sizeText = QString::number(double(size) / (1 << 30), 'f', 1) + " GB";
    QCOMPARE(f.platform.messages(),
             QStringList{QStringLiteral("文件 \"%1\" 太大（%2），无法打开！\n%3").arg(big, sizeText, reason)});
    QCOMPARE(f.platform.questions(),
             QStringList{QStringLiteral("该文件太大，建议用记事本打开！")});  // no save question
    QCOMPARE(f.platform.errors(), QStringList());
    QCOMPARE(f.message(), before);
    verifyOld(f, changed);
    QCOMPARE(f.window().recentFiles().paths().size(), size_t(1));
}

// Named on the command line, the file too large to open leaves an untitled document.
void TestLoading::tooLargeAtStartUp() {
    MainWindowFixture f;
    const QString big = SparseFile(f, "big.ini", qint64(64) << 30);
    QVERIFY(!big.isEmpty());
    f.platform.queueYesNoCancel(Answer::No);
    vq::TfrmMain& w = f.start({big});
    QCOMPARE(f.platform.messages().size(), 1);
    QVERIFY(
        f.platform.messages().first().startsWith(QStringLiteral("文件 \"%1\" 太大（64.0 GB），无法打开！").arg(big)));
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
    QCOMPARE(f.list()->model()->rowCount(), 0);
    QCOMPARE(f.logEntries(), QStringList());
    QVERIFY(!f.action("actReload")->isEnabled());
    QVERIFY(!f.files().loading());
}

// When memory runs out while the file is read on the loading thread (the check passed, the
// system said otherwise), the open ends with the too-large message and the document stays.
void TestLoading::outOfMemoryWhileReading() {
    MainWindowFixture f;
    startWithOld(f, true);
    const QString big = SparseFile(f, "big.ini", qint64(2) << 30);
    QVERIFY(!big.isEmpty());
    f.platform.setAllocatableBytes(quint64(64) << 30);
    f.platform.queueYesNoCancel(Answer::No);
    f.platform.queueConfirm(Answer::No);

    // Address space for what runs now and a little more, not for the file.
    struct rlimit old {};
    QVERIFY(::getrlimit(RLIMIT_AS, &old) == 0);
    rlim_t used = 0;
    {
        QFile status("/proc/self/status");
        QVERIFY(status.open(QIODevice::ReadOnly));
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmSize:"))
                used = rlim_t(line.mid(7).trimmed().split(' ').first().toULongLong()) * 1024;
    }
    QVERIFY(used > 0);
    struct rlimit tight = old;
    tight.rlim_cur = used + (rlim_t(512) << 20);
    if (::setrlimit(RLIMIT_AS, &tight) != 0)
        QSKIP("the address-space limit cannot be set here");
    const bool started = f.files().startOpening(big);
    if (started)
        f.waitForLoad();
    ::setrlimit(RLIMIT_AS, &old);

    QVERIFY(started);
    QCOMPARE(f.platform.messages(),
             QStringList{QStringLiteral("文件 \"%1\" 太大（2.0 GB），无法打开！\n打开时内存不足。").arg(big)});
    QCOMPARE(f.platform.errors(), QStringList());
    QCOMPARE(f.message(), QStringLiteral("文件 \"%1\" 太大（2.0 GB），无法打开！").arg(big));
    verifyOld(f, true);  // the changes the user chose to drop are still there: nothing was replaced
}

// Esc or the cancel button stops a load; the document it would have replaced stays as it was,
// changed or not, and the window is usable again.
void TestLoading::cancelKeepsDocument_data() {
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<bool>("changed");
    QTest::newRow("Esc") << false << false;
    QTest::newRow("Esc, changed document kept after No") << false << true;
    QTest::newRow("cancel button") << true << false;
    QTest::newRow("cancel button, changed document") << true << true;
}

void TestLoading::cancelKeepsDocument() {
    QFETCH(bool, byButton);
    QFETCH(bool, changed);
    MainWindowFixture f;
    vq::TfrmMain& w = startWithOld(f, changed);
    QVERIFY(f.showActive());
    f.slowLoads();
    f.platform.queueConfirm(Answer::No);
    QSignalSpy ended(&f.files(), &vq::FileController::loadingChanged);
    f.platform.queueOpenFileName(f.writeFile("long.ini", LongFile()));
    f.action("actOpenIniFile")->trigger();
    QCOMPARE(f.platform.questions(), changed ? QStringList{QStringLiteral("文件已改变, 要保存吗?")} : QStringList());
    QVERIFY(f.files().loading());

    if (byButton) {
        auto* button = f.find<QToolButton>("btnCancelLoading");
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &w, Qt::Key_Escape);
    }
    QTRY_VERIFY(!f.files().loading());
    QCOMPARE(ended.count(), 2);  // started, ended
    QCOMPARE(f.message(), QStringLiteral("已取消打开文件。"));
    QVERIFY(!f.find<QProgressBar>("pbLoading")->isVisible());
    QVERIFY(!f.find<QToolButton>("btnCancelLoading")->isVisible());
    verifyOld(f, changed);
    QCOMPARE(f.window().recentFiles().paths().size(), size_t(1));
    QCOMPARE(f.platform.messages(), QStringList());
}

// While a file loads, every command that would touch the document is disabled and the views take
// no input; another open is refused with the beep. Afterwards the rules apply again.
void TestLoading::commandsWaitForTheLoad() {
    MainWindowFixture f;
    startWithOld(f, true);
    f.show();
    f.slowLoads();
    f.platform.queueConfirm(Answer::No);
    const QString path = f.writeFile("long.ini", LongFile());
    QVERIFY(f.files().startOpening(path));
    QVERIFY(!f.files().startOpening(path));
    QCOMPARE(f.platform.beeps(), 1);
    QVERIFY(f.action("actExit")->isEnabled());
    QVERIFY(f.action("actAbout")->isEnabled());
    int disabled = 0;
    for (QAction* action : f.window().findChildren<QAction*>()) {
        const QString name = action->objectName();
        if (!name.startsWith("act") || StaysEnabled(name))
            continue;
        QVERIFY2(!action->isEnabled(), qPrintable(name));
        ++disabled;
    }
    QVERIFY(disabled >= 20);

    // A click on a row's check box and the space bar change nothing while the file loads.
    vq::ContentListView* list = f.list();
    const QRect row = list->visualRect(list->model()->index(3, 0));
    const QPoint box(row.left() + 8, row.center().y());
    const QList<bool> before = f.checked();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box);
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(f.checked(), before);
    QVERIFY(f.files().loading());

    f.files().cancelLoading();
    f.waitForLoad();
    // The same click counts once the load is over.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box);
    QCOMPARE(f.checked().at(3), !before.at(3));
    QVERIFY(f.action("actSave")->isEnabled());
    QVERIFY(f.action("actOpenIniFile")->isEnabled());
    QVERIFY(f.action("actRefreshTree")->isEnabled());
    QVERIFY(f.find<QWidget>("SplitterV")->isEnabled());
}

// The bar and its button appear only when a load takes longer than a moment; then the bar counts
// the lines. A quick load never shows them.
void TestLoading::progressBarOnlyForLongLoads() {
    MainWindowFixture f;
    startWithOld(f, false);
    f.show();
    auto* bar = f.find<QProgressBar>("pbLoading");
    QVERIFY(bar);
    int shows = 0;
    struct ShowCounter : QObject {
        int& n;
        explicit ShowCounter(int& count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show)
                ++n;
            return false;
        }
    } counter(shows);
    bar->installEventFilter(&counter);

    f.files().OpenDocument(f.writeFile("quick.ini", Join(kOld)));
    QCOMPARE(f.message(), QStringLiteral("打开成功！"));
    QCOMPARE(shows, 0);

    f.slowLoads();
    QVERIFY(f.files().startOpening(f.writeFile("long.ini", LongFile())));
    QVERIFY(!bar->isVisible());
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(f.find<QToolButton>("btnCancelLoading")->isVisible());
    // Progress texts reach the panel while the load runs, and the bar counts.
    QTRY_VERIFY(f.message().startsWith(QStringLiteral("正在处理目录树和内容列表 ... ")));
    QTRY_VERIFY(bar->maximum() == 1000 && bar->value() > 0);
    f.files().cancelLoading();
    f.waitForLoad();
    QVERIFY(!bar->isVisible());
    QCOMPARE(shows, 1);
}

// Closing the window or destroying it while a file loads stops the load; nothing of it arrives
// afterwards.
void TestLoading::closingDuringLoad_data() {
    QTest::addColumn<bool>("destroy");
    QTest::newRow("closed") << false;
    QTest::newRow("destroyed") << true;
}

void TestLoading::closingDuringLoad() {
    QFETCH(bool, destroy);
    MainWindowFixture f;
    vq::TfrmMain& w = startWithOld(f, false);
    f.show();
    f.slowLoads();
    QVERIFY(f.files().startOpening(f.writeFile("long.ini", LongFile())));
    QTRY_VERIFY(f.message().startsWith(QStringLiteral("正在处理目录树")));
    if (destroy) {
        f.destroyAsIs();
    } else {
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QVERIFY(!f.files().loading());
        QCOMPARE(f.message(), QStringLiteral("处理完毕！"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil"));
        QCOMPARE(f.platform.questions(), QStringList());
    }
    // Whatever the loading thread posted before it stopped is dropped.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (!destroy)
        QCOMPARE(f.list()->model()->rowCount(), 0);
}

// The command-line file loads behind the window: the constructor returns with an untitled document
// on show; when the file is there its first row is selected.
void TestLoading::startUpLoadsBehindTheWindow() {
    MainWindowFixture f;
    f.slowLoads();
    const QString path = f.writeFile("start.ini", Join(Lines(1000)));
    vq::TfrmMain& w = f.startWithoutWaiting({path});
    QVERIFY(f.files().loading());
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
    QCOMPARE(f.message(), QStringLiteral("正在打开文件 ..."));
    f.show();
    QCOMPARE(f.selectedRow(), -1);
    f.waitForLoad();
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QCOMPARE(f.list()->model()->rowCount(), 1000);
    QCOMPARE(f.selectedRow(), 0);
    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
}

QTEST_MAIN(TestLoading)
#include "LoadingTest.moc"

// A load of a million rows reaches the list whole when the load ends: whatever the user does first
// sees every row.
void TestLoading::bigLoadReachesTheListAtOnce_data() {
    QTest::addColumn<QString>("first");
    QTest::newRow("waits") << "wait";
    QTest::newRow("selects all") << "select all";
    QTest::newRow("comments the first row") << "comment";
    QTest::newRow("goes to the last section") << "tree";
}

void TestLoading::bigLoadReachesTheListAtOnce() {
    QFETCH(QString, first);
    MainWindowFixture f;
    f.start();
    f.show();
    const int keys = 1000010;
    QStringList lines = Lines(keys);
    lines << QStringLiteral("[Last]") << QStringLiteral("end=1");
    const QString path = f.writeFile("big.ini", Join(lines, "\n"));
    f.platform.queueYesNoCancel(Answer::No);  // a file this large: open it here all the same
    QVERIFY(f.files().startOpening(path));
    f.waitForLoad();
    const int rows = static_cast<int>(f.doc().rowCount());
    QCOMPARE(rows, keys + 2);
    vq::ContentListView* list = f.list();
    QCOMPARE(list->model()->rowCount(), rows);
    if (first == "select all") {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        int selected = 0;
        for (const QItemSelectionRange& range : list->selectionModel()->selection())
            selected += range.height();
        QCOMPARE(selected, rows);
    } else if (first == "comment") {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        f.action("actRemLine")->trigger();
        QCOMPARE(f.doc().caption(0), std::string(";k0=0"));
        QCOMPARE(list->model()->rowCount(), rows);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral(";k0=0"));
    } else if (first == "tree") {
        // Every key is a node: the keys to the last node, as a user would press them.
        QTreeView* tree = f.tree();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(tree->model()->index(0, 0)).center());
        for (Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(tree, key);
        QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("[Last]"));
        QCOMPARE(list->currentIndex().row(), rows - 2);
    }
    QCOMPARE(list->model()->rowCount(), rows);
    QCOMPARE(list->model()->index(rows - 1, 0).data().toString(), QStringLiteral("end=1"));
}
