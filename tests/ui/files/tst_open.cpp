// Opening a file: what reaches the views, the caption and the log, the progress texts, files too
// large or unreadable, reloading, dropped files, the recent files and the text editor.
#include "OpenSaveCases.h"

#include "ui/document/TopicTreeModel.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <unistd.h>

class TestOpen : public QObject {
    Q_OBJECT
private slots:
    void openPhpIni_data();
    void openPhpIni();
    void anotherFileStartsAtTheTop();
    void openMessageSequence_data();
    void openMessageSequence();
    void sizeThresholds_data();
    void sizeThresholds();
    void textEditorNotFound();
    void unreadableFileKeepsDocument_data();
    void unreadableFileKeepsDocument();
    void reload_data();
    void reload();
    void reloadDisabledWhenUntitled();
    void dropped_data();
    void dropped();
    void dropEventOpensFirstFile();
    void recentFilesOnOpen_data();
    void recentFilesOnOpen();
    void targetPageHint();
};

// Opening a php.ini-like file: rows, check marks, tree with images, log, caption, Modified.
void TestOpen::openPhpIni_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::newRow("CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("LF") << QByteArray("\n") << true;
    QTest::newRow("no final break") << QByteArray("\r\n") << false;
}

void TestOpen::openPhpIni() {
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, finalBreak);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    const QString path = f.writeFile("php.ini", Join(kPhpLines, lineBreak, finalBreak));
    f.files().OpenDocument(path);

    QCOMPARE(f.column(0), kPhpLines);
    QCOMPARE(f.column(1), kPhpLines);
    QCOMPARE(f.checked(), (QList<bool>{true, false, false, false, true, false, false, true, true, false}));
    QCOMPARE(f.treeOutline(), (QStringList{"[PHP]", "  ; Paths part", "    engine = On", "    ;short_open_tag = Off",
                                           "[Database]", "  host=local", "  ;port=3306"}));
    // Images: the first section is selected and so expanded; the rest are closed.
    auto* model = qobject_cast<vq::TopicTreeModel*>(f.tree()->model());
    QVERIFY(model);
    const QModelIndex php = model->index(0, 0);
    const QModelIndex title = model->index(0, 0, php);
    const QModelIndex database = model->index(1, 0);
    QCOMPARE(f.tree()->currentIndex(), php);
    QCOMPARE(model->imageOf(php), 4);
    QCOMPARE(model->imageOf(title), 1);
    QCOMPARE(model->imageOf(model->index(0, 0, title)), 2);
    QCOMPARE(model->imageOf(model->index(1, 0, title)), 3);
    QCOMPARE(model->imageOf(database), 0);
    QCOMPARE(model->imageOf(model->index(0, 0, database)), 2);
    QCOMPARE(model->imageOf(model->index(1, 0, database)), 3);
    f.tree()->expand(database);
    QCOMPARE(model->imageOf(database), 4);
    f.tree()->collapse(database);
    QCOMPARE(model->imageOf(database), 0);

    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!w.document().modified());
    QVERIFY(!f.action("actSave")->isEnabled());
    QVERIFY(f.action("actSaveAs")->isEnabled());
    QVERIFY(f.action("actReload")->isEnabled());
    QCOMPARE(f.message(), QStringLiteral("打开成功！"));
    QCOMPARE(f.platform.shown().size(), 0);
}

// The list of a file opened over another starts at its first row, as the tree and the target
// text do, wherever the user had scrolled the other file.
void TestOpen::anotherFileStartsAtTheTop() {
    MainWindowFixture f;
    f.start({f.writeFile("first.ini", Join(Lines(500, "first")))});
    QVERIFY(f.showActive());
    vq::ContentListView* list = f.list();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(list->indexAt(QPoint(1, 1)).row() > 400);
    f.platform.queueOpenFileName(f.writeFile("second.ini", Join(Lines(500, "second"))));
    QTest::keyClick(list, Qt::Key_O, Qt::ControlModifier);
    f.waitForLoad();
    QCOMPARE(f.column(0).first(), QString("second0=0"));
    QTRY_COMPARE(list->indexAt(QPoint(1, 1)).row(), 0);
}

// The Message panel during an open: progress texts only when the clock says more than 100 ms went
// by, each painted at once; the open ends with "打开成功！".
void TestOpen::openMessageSequence_data() {
    QTest::addColumn<quint32>("tickStep");
    QTest::addColumn<quint32>("startTick");
    QTest::addColumn<int>("lines");
    QTest::newRow("fast load, no progress") << quint32(0) << quint32(1000) << 5;
    QTest::newRow("slow clock, progress on every line") << quint32(101) << quint32(1000) << 3;
    QTest::newRow("slow clock that wraps around") << quint32(101) << quint32(0xFFFFFF00u) << 4;
    QTest::newRow("exactly 100 ms is not more than 100") << quint32(100) << quint32(1000) << 1;
    QTest::newRow("empty file") << quint32(0) << quint32(1000) << 0;
}

void TestOpen::openMessageSequence() {
    QFETCH(quint32, tickStep);
    QFETCH(quint32, startTick);
    QFETCH(int, lines);
    MainWindowFixture f;
    f.start();
    f.show();
    const QString path = f.writeFile("seq.ini", Join(Lines(lines)));
    PanelRecorder recorder(f.panel("pnlMessage"));
    f.platform.setTick(startTick);
    f.platform.setTickStep(tickStep);
    f.files().OpenDocument(path);

    // The rows are made, classified and put in the tree in one pass on the loading thread; its
    // texts reach the panel in order, each one painted.
    QStringList expected{QStringLiteral("正在打开文件 ...")};
    if (tickStep > 100)
        for (int i = 1; i <= lines; ++i)
            expected << QStringLiteral("正在处理目录树和内容列表 ... %1行, 共%2行").arg(i).arg(lines);
    expected << QStringLiteral("处理完毕！") << QStringLiteral("打开成功！");
    QCOMPARE(f.message(), QStringLiteral("打开成功！"));
    QTRY_COMPARE(Shown(recorder.texts()), expected);
    QCOMPARE(f.list()->model()->rowCount(), lines);
}

// 70 KB loads quietly, one byte more gives a notice, above 150 KB the Yes/No/Cancel question.
void TestOpen::sizeThresholds_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("question");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("name");
    QTest::newRow("71,680 bytes: quiet") << 71680 << false << false << Answer::Cancel << true << "f.ini";
    QTest::newRow("71,681 bytes: notice") << 71681 << true << false << Answer::Cancel << true << "f.ini";
    QTest::newRow("153,600 bytes: notice only") << 153600 << true << false << Answer::Cancel << true << "f.ini";
    QTest::newRow("153,601 bytes, No: loaded") << 153601 << false << true << Answer::No << true << "f.ini";
    QTest::newRow("153,601 bytes, Yes: text editor") << 153601 << false << true << Answer::Yes << false << "f.ini";
    QTest::newRow("153,601 bytes, Cancel: old document stays")
        << 153601 << false << true << Answer::Cancel << false << "f.ini";
    QTest::newRow("path with blanks, Yes: one unquoted argument")
        << 200000 << false << true << Answer::Yes << false << "big file.ini";
}

void TestOpen::sizeThresholds() {
    QFETCH(int, size);
    QFETCH(bool, notice);
    QFETCH(bool, question);
    QFETCH(Answer, answer);
    QFETCH(bool, loaded);
    QFETCH(QString, name);
    MainWindowFixture f;
    const QString old = f.writeFile("old.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({old});
    const QByteArray bytes = SizedFile(size);
    QCOMPARE(bytes.size(), size);
    const QString path = f.writeFile(name, bytes);
    f.platform.queueYesNoCancel(answer);
    f.files().OpenDocument(path);

    QCOMPARE(f.platform.messages(),
             notice ? QStringList{QStringLiteral("该文件很大，打开可能要好几秒。")} : QStringList());
    QCOMPARE(f.platform.questions(),
             question ? QStringList{QStringLiteral("该文件太大，建议用记事本打开！")} : QStringList());
    if (question)
        QCOMPARE(f.platform.shown().last().title, QStringLiteral("警告"));
    const bool editor = question && answer == Answer::Yes;
    QCOMPARE(f.platform.started().size(), editor ? 1 : 0);
    if (editor) {
        QCOMPARE(f.platform.started().first().program, f.platform.textEditor().first());
        QCOMPARE(f.platform.started().first().arguments, QStringList{path});
    }
    if (loaded) {
        QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
        QCOMPARE(f.column(0).first(), QStringLiteral("key0=value 0"));
        QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
    } else {
        QCOMPARE(w.windowTitle(), "Varnoquil-" + old);
        QCOMPARE(f.column(0), kPhpLines);
        QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(old)});
    }
}

// The editor that is not installed is named in the not-found message; nothing else changes.
void TestOpen::textEditorNotFound() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    const QString path = f.writeFile("huge.ini", SizedFile(160000));
    f.platform.setTextEditor({"no-such-editor"});
    f.platform.setStartResult(StartResult::NotFound);
    f.platform.queueYesNoCancel(Answer::Yes);
    f.files().OpenDocument(path);
    QCOMPARE(f.platform.messages(), QStringList{QStringLiteral("可执行文件\"no-such-editor\"未找到！")});
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));

    // A start that fails for another reason passes without a word.
    f.platform.clearRecords();
    f.platform.setStartResult(StartResult::Failed);
    f.platform.queueYesNoCancel(Answer::Yes);
    f.files().OpenDocument(path);
    QCOMPARE(f.platform.started().size(), 1);
    QCOMPARE(f.platform.messages(), QStringList());
}

// A path that cannot be read ends the open before anything changes: an error box, and the
// document, its caption and its log stay.
void TestOpen::unreadableFileKeepsDocument_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder" << kIsAFolder;
    QTest::newRow("a missing file") << "missing" << kNoSuchFile;
}

void TestOpen::unreadableFileKeepsDocument() {
    QFETCH(QString, kind);
    MainWindowFixture f;
    const QString old = f.writeFile("old.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({old});
    w.document().setCaption(4, "engine = Off");
    const QString path = f.path("target");
    if (kind == "folder")
        QVERIFY(QDir(f.dir()).mkdir("target"));
    f.files().OpenDocument(path);

    QFETCH(QString, reason);
    QCOMPARE(f.platform.errors(), QStringList{QStringLiteral("打开文件 \"%1\" 失败！\n%2").arg(path, reason)});
    QCOMPARE(f.platform.questions(), QStringList());  // not even the save question
    QCOMPARE(w.windowTitle(), "Varnoquil-" + old + " *");
    QCOMPARE(QString::fromStdString(w.document().fileName()), old);
    QCOMPARE(f.column(0).at(4), QStringLiteral("engine = Off"));
    QCOMPARE(f.targetLines().at(4), QStringLiteral("engine = Off"));
    QVERIFY(w.document().modified());
    QCOMPARE(f.logEntries().size(), 1);
}

// Reload reads the file again; only a changed document asks, and the answer decides.
void TestOpen::reload_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("firstRow");  // after the reload
    QTest::addColumn<QString>("onDisk");    // first line of the file afterwards
    QTest::newRow("unchanged: reads the disk at once") << false << Answer::Cancel << "[Disk]"
                                                       << "[Disk]";
    QTest::newRow("changed, Yes: saves over the changed file, then reads what was saved")
        << true << Answer::Yes << "[Typed]"
        << "[Typed]";
    QTest::newRow("changed, No: drops the changes") << true << Answer::No << "[Disk]"
                                                    << "[Disk]";
    QTest::newRow("changed, Cancel: nothing happens") << true << Answer::Cancel << "[Typed]"
                                                      << "[Disk]";
}

void TestOpen::reload() {
    QFETCH(bool, changed);
    QFETCH(Answer, answer);
    QFETCH(QString, firstRow);
    QFETCH(QString, onDisk);
    MainWindowFixture f;
    const QString path = f.writeFile("r.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    f.writeFile("r.ini", Join({"[Disk]", "a=1"}));
    if (changed)
        w.document().setCaption(0, "[Typed]");
    f.platform.queueConfirm(answer);
    // The file changed on disk since it was read: the save asks before it writes over it.
    const bool saving = changed && answer == Answer::Yes;
    if (saving)
        f.platform.queueChoice(QStringLiteral("覆盖"));
    f.action("actReload")->trigger();
    f.waitForLoad();

    QCOMPARE(f.platform.questions(), changed ? QStringList{kSaveQuestion} : QStringList());
    QCOMPARE(f.platform.choices().size(), saving ? 1 : 0);
    QCOMPARE(f.column(0).first(), firstRow);
    QCOMPARE(QString::fromUtf8(MainWindowFixture::readBytes(path).split('\r').first()), onDisk);
    const bool cancelled = changed && answer == Answer::Cancel;
    QCOMPARE(w.document().modified(), cancelled);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + (cancelled ? " *" : ""));
    if (!cancelled)
        QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
}

void TestOpen::reloadDisabledWhenUntitled() {
    MainWindowFixture f;
    f.start();
    QVERIFY(!f.action("actReload")->isEnabled());
    f.action("actReload")->trigger();  // disabled: nothing happens
    QCOMPARE(f.platform.shown().size(), 0);
    const QString path = f.writeFile("a.ini", Join(kPhpLines));
    f.files().OpenDocument(path);
    QVERIFY(f.action("actReload")->isEnabled());
    f.files().NewDocument();
    QVERIFY(!f.action("actReload")->isEnabled());
}

// A dropped file opens; a dropped folder or missing path gets the does-not-exist message.
void TestOpen::dropped_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file") << "file";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a missing file") << "missing";
}

void TestOpen::dropped() {
    QFETCH(QString, kind);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    QString path = f.path("dropped.ini");
    if (kind == "file")
        f.writeFile("dropped.ini", Join(kPhpLines));
    else if (kind == "folder")
        QVERIFY(QDir(f.dir()).mkdir("dropped.ini"));
    f.files().openDroppedFile(path);
    f.waitForLoad();
    if (kind == "file") {
        QCOMPARE(f.platform.messages(), QStringList());
        QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
        QCOMPARE(f.column(0), kPhpLines);
    } else {
        QCOMPARE(f.platform.messages(), QStringList{Missing(path)});
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
    }
}

// Dropping two files on the window opens only the first.
void TestOpen::dropEventOpensFirstFile() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    const QString first = f.writeFile("one.ini", Join({"[One]"}));
    const QString second = f.writeFile("two.ini", Join({"[Two]"}));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    QTRY_COMPARE(w.windowTitle(), "Varnoquil-" + first);  // opened once the drop has ended
    QCOMPARE(f.column(0), QStringList{"[One]"});
    QCOMPARE(f.logEntries().size(), 1);
}

// Every open puts its path at the head of the recent files, once; the list keeps RecentCount paths.
void TestOpen::recentFilesOnOpen_data() {
    QTest::addColumn<QStringList>("opened");  // names, in order
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("recent");
    QTest::newRow("three files") << QStringList{"a", "b", "c"} << 5 << QStringList{"c", "b", "a"};
    QTest::newRow("reopened moves to the front") << QStringList{"a", "b", "a"} << 5 << QStringList{"a", "b"};
    QTest::newRow("trimmed to the count") << QStringList{"a", "b", "c", "d"} << 2 << QStringList{"d", "c"};
    QTest::newRow("count 0 keeps it empty") << QStringList{"a", "b"} << 0 << QStringList{};
}

void TestOpen::recentFilesOnOpen() {
    QFETCH(QStringList, opened);
    QFETCH(int, count);
    QFETCH(QStringList, recent);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.recentFiles().clear();
    w.recentFiles().setCount(count);
    for (const QString& name : opened)
        f.files().OpenDocument(f.writeFile(name + ".ini", Join({"[" + name + "]"})));
    QStringList paths;
    for (const std::string& p : w.recentFiles().paths())
        paths << QString::fromStdString(p);
    QStringList expected;
    for (const QString& name : recent)
        expected << f.path(name + ".ini");
    QCOMPARE(paths, expected);
}

// The target page's hint says the text is the list's after New and after a load.
void TestOpen::targetPageHint() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    QWidget* page = f.find<QWidget>("TabSheet1");
    QVERIFY(page);
    const QString same = QStringLiteral("当前文本内容与列表相同");
    QCOMPARE(page->statusTip(), same);
    w.document().setTextMirrorsList(false, "当前文本内容为上次操作:提取钩选项(&S) ...");
    QCOMPARE(page->statusTip(), QStringLiteral("当前文本内容为上次操作:提取钩选项(&S) ..."));
    f.files().OpenDocument(f.writeFile("h.ini", Join(kPhpLines)));
    QCOMPARE(page->statusTip(), same);
    QVERIFY(w.document().textMirrorsList());
    // The caret stands at the start of the loaded text.
    QCOMPARE(f.text()->caretPosition(), 0);
}

QTEST_MAIN(TestOpen)
#include "tst_open.moc"
