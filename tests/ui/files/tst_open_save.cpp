// Opening, saving, new and close: what reaches the views, the caption, the log, the questions the
// user is asked, and the bytes that end up on disk.
#include "MainWindowFixture.h"

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

using namespace vqtest;
using Answer = vq::Platform::Answer;
using StartResult = vq::Platform::StartResult;

namespace {

const QStringList kPhpLines = {
    "[PHP]",                  // 0
    ";;;;;;",                 // 1
    "; Paths part",           // 2
    ";;;;;;",                 // 3
    "engine = On",            // 4
    ";short_open_tag = Off",  // 5
    "",                       // 6
    "[Database]",             // 7
    "host=local",             // 8
    ";port=3306",             // 9
};

// Key lines up to exactly `size` bytes.
QByteArray SizedFile(qsizetype size) {
    QByteArray bytes;
    bytes.reserve(size + 64);
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    bytes.truncate(size);
    return bytes;
}

// The texts a panel showed: a text painted again (the window repaints while a load runs) counts
// once.
QStringList Shown(const QStringList& painted) {
    QStringList out;
    for (const QString& text : painted)
        if (out.isEmpty() || out.last() != text)
            out << text;
    return out;
}

const QString kNoSuchFile = QStringLiteral("文件或文件夹不存在。");
const QString kIsAFolder = QStringLiteral("这是一个文件夹。");
const QString kSaveQuestion = QStringLiteral("文件已改变, 要保存吗?");

}  // namespace

class TestOpenSave : public QObject {
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
    void saveAfterChange();
    void saveUntitled_data();
    void saveUntitled();
    void saveAsNewName();
    void saveQuestionOnNew_data();
    void saveQuestionOnNew();
    void saveQuestionOnOpen_data();
    void saveQuestionOnOpen();
    void saveFailure_data();
    void saveFailure();
    void changeWhileLoadingNotCounted();
    void dialogSettings();
    void reload_data();
    void reload();
    void reloadDisabledWhenUntitled();
    void dropped_data();
    void dropped();
    void dropEventOpensFirstFile();
    void closing_data();
    void closing();
    void closeCancelled();
    void roundTrip_data();
    void roundTrip();
    void recentFilesOnOpen_data();
    void recentFilesOnOpen();
    void targetPageHint();
    void saveAsNeedsText_data();
    void saveAsNeedsText();
    void extractedTextSaved_data();
    void extractedTextSaved();
    void saveKeepsFileKind_data();
    void saveKeepsFileKind();
};

// Opening a php.ini-like file: rows, check marks, tree with images, log, caption, Modified.
void TestOpenSave::openPhpIni_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::newRow("CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("LF") << QByteArray("\n") << true;
    QTest::newRow("no final break") << QByteArray("\r\n") << false;
}

void TestOpenSave::openPhpIni() {
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

// The Message panel during an open: progress texts only when the clock says more than 100 ms went
// by, each painted at once; the open ends with "打开成功！".
// The list of a file opened over another starts at its first row, as the tree and the target
// text do, wherever the user had scrolled the other file.
void TestOpenSave::anotherFileStartsAtTheTop() {
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

void TestOpenSave::openMessageSequence_data() {
    QTest::addColumn<quint32>("tickStep");
    QTest::addColumn<quint32>("startTick");
    QTest::addColumn<int>("lines");
    QTest::newRow("fast load, no progress") << quint32(0) << quint32(1000) << 5;
    QTest::newRow("slow clock, progress on every line") << quint32(101) << quint32(1000) << 3;
    QTest::newRow("slow clock that wraps around") << quint32(101) << quint32(0xFFFFFF00u) << 4;
    QTest::newRow("exactly 100 ms is not more than 100") << quint32(100) << quint32(1000) << 1;
    QTest::newRow("empty file") << quint32(0) << quint32(1000) << 0;
}

void TestOpenSave::openMessageSequence() {
    QFETCH(quint32, tickStep);
    QFETCH(quint32, startTick);
    QFETCH(int, lines);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
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
void TestOpenSave::sizeThresholds_data() {
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

void TestOpenSave::sizeThresholds() {
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
void TestOpenSave::textEditorNotFound() {
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
void TestOpenSave::unreadableFileKeepsDocument_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder" << kIsAFolder;
    QTest::newRow("a missing file") << "missing" << kNoSuchFile;
}

void TestOpenSave::unreadableFileKeepsDocument() {
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

// Save writes the target text over the file and the caption loses its mark.
void TestOpenSave::saveAfterChange() {
    MainWindowFixture f;
    const QString path = f.writeFile("save.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    w.document().setCaption(8, "host=remote");
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QVERIFY(f.action("actSave")->isEnabled());

    f.action("actSave")->trigger();
    QStringList expected = kPhpLines;
    expected[8] = "host=remote";
    QCOMPARE(MainWindowFixture::readBytes(path), Join(expected));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!w.document().modified());
    QVERIFY(!f.action("actSave")->isEnabled());
    QCOMPARE(f.platform.saveDialogs(), 0);
    // Saving asks nothing, touches neither the log nor the rows.
    QCOMPARE(f.platform.shown().size(), 0);
    QCOMPARE(f.logEntries().size(), 1);
    QCOMPARE(f.column(1).at(8), QStringLiteral("host=local"));
    QVERIFY(!QFileInfo::exists(path + ".tmp"));
    QCOMPARE(QDir(f.dir()).entryList(QDir::Files), QStringList{"save.ini"});
}

// Save on an untitled document runs the save dialog; cancelling it leaves everything as it was.
void TestOpenSave::saveUntitled_data() {
    QTest::addColumn<bool>("choosePath");
    QTest::newRow("dialog cancelled") << false;
    QTest::newRow("path chosen") << true;
}

void TestOpenSave::saveUntitled() {
    QFETCH(bool, choosePath);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.document().insertRow(0, "[New]");
    w.document().insertRow(1, "key=1");
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled *"));
    const QString target = f.path("chosen.ini");
    if (choosePath)
        f.platform.queueSaveFileName(target);

    const bool saved = f.files().SaveDocument(vq::SaveMode::Save);
    QCOMPARE(saved, choosePath);
    QCOMPARE(f.platform.saveDialogs(), 1);
    if (choosePath) {
        QCOMPARE(MainWindowFixture::readBytes(target), QByteArray("[New]\r\nkey=1\r\n"));
        QCOMPARE(w.windowTitle(), "Varnoquil-" + target);
        QCOMPARE(QString::fromStdString(w.document().fileName()), target);
        QVERIFY(!w.document().modified());
        QVERIFY(f.action("actReload")->isEnabled());
    } else {
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled *"));
        QCOMPARE(QString::fromStdString(w.document().fileName()), QStringLiteral("Untitled"));
        QVERIFY(w.document().modified());
    }
    QCOMPARE(f.platform.messages(), QStringList());
}

// Save As: new FileName and caption, Modified cleared, the recent files untouched.
void TestOpenSave::saveAsNewName() {
    MainWindowFixture f;
    const QString path = f.writeFile("first.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    const std::vector<std::string> recent = w.recentFiles().paths();
    w.document().setCaption(0, "[Core]");
    const QString other = f.path("second.ini");
    f.platform.queueSaveFileName(other);
    QVERIFY(f.files().SaveDocument(vq::SaveMode::SaveAs));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + other);
    QVERIFY(!w.document().modified());
    QCOMPARE(w.recentFiles().paths(), recent);
    QStringList expected = kPhpLines;
    expected[0] = "[Core]";
    QCOMPARE(MainWindowFixture::readBytes(other), Join(expected));
    QCOMPARE(MainWindowFixture::readBytes(path), Join(kPhpLines));
    // Reload now reads the new file.
    f.writeFile("second.ini", Join({"[Reloaded]"}));
    f.action("actReload")->trigger();
    f.waitForLoad();
    QCOMPARE(f.column(0), QStringList{"[Reloaded]"});
    // Save As with an unchanged document still writes.
    f.platform.queueSaveFileName(f.path("third.ini"));
    QVERIFY(f.files().SaveDocument(vq::SaveMode::SaveAs));
    QCOMPARE(MainWindowFixture::readBytes(f.path("third.ini")), Join({"[Reloaded]"}));
}

// New on a changed document asks to save: Yes saves first, No drops the changes, Cancel keeps all.
void TestOpenSave::saveQuestionOnNew_data() {
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("savePath");  // what the save dialog answers, for an untitled document
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("written");
    QTest::newRow("file, Yes") << false << Answer::Yes << QString() << true << true;
    QTest::newRow("file, No") << false << Answer::No << QString() << true << false;
    QTest::newRow("file, Cancel") << false << Answer::Cancel << QString() << false << false;
    QTest::newRow("untitled, Yes, dialog cancelled") << true << Answer::Yes << QString() << false << false;
    QTest::newRow("untitled, Yes, path chosen") << true << Answer::Yes << QString("new.ini") << true << true;
}

void TestOpenSave::saveQuestionOnNew() {
    QFETCH(bool, untitled);
    QFETCH(Answer, answer);
    QFETCH(QString, savePath);
    QFETCH(bool, replaced);
    QFETCH(bool, written);
    MainWindowFixture f;
    const QString path = f.writeFile("doc.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start(untitled ? QStringList() : QStringList{path});
    if (untitled)
        w.document().insertRow(0, "typed=1");
    else
        w.document().setCaption(8, "host=changed");
    const QString before = w.windowTitle();
    f.platform.queueConfirm(answer);
    if (!savePath.isEmpty())
        f.platform.queueSaveFileName(f.path(savePath));

    const bool ok = f.files().NewDocument();
    QCOMPARE(ok, replaced);
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(f.platform.shown().first().title, QStringLiteral("Confirm"));
    if (untitled) {
        QCOMPARE(f.platform.saveDialogs(), 1);
        if (written)
            QCOMPARE(MainWindowFixture::readBytes(f.path(savePath)), QByteArray("typed=1\r\n"));
    } else {
        QStringList expected = kPhpLines;
        if (written)
            expected[8] = "host=changed";
        QCOMPARE(MainWindowFixture::readBytes(path), Join(expected));
    }
    if (replaced) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
        QCOMPARE(f.list()->model()->rowCount(), 0);
        QCOMPARE(f.tree()->model()->rowCount(), 0);
        QCOMPARE(f.targetText(), QString());
        QCOMPARE(f.logEntries(), QStringList());
        QVERIFY(!w.document().modified());
        // The new document is not changed: New asks nothing the second time.
        QVERIFY(f.files().NewDocument());
        QCOMPARE(f.platform.questions().size(), 1);
    } else {
        QCOMPARE(w.windowTitle(), before);
        QVERIFY(w.document().modified());
        QVERIFY(f.list()->model()->rowCount() > 0);
    }
}

// Opening over a changed document asks the same question; Cancel keeps the old document.
void TestOpenSave::saveQuestionOnOpen_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Yes") << Answer::Yes << true;
    QTest::newRow("No") << Answer::No << true;
    QTest::newRow("Cancel") << Answer::Cancel << false;
}

void TestOpenSave::saveQuestionOnOpen() {
    QFETCH(Answer, answer);
    QFETCH(bool, opened);
    MainWindowFixture f;
    const QString first = f.writeFile("first.ini", Join(kPhpLines));
    const QString second = f.writeFile("second.ini", Join({"[Second]", "x=1"}));
    vq::TfrmMain& w = f.start({first});
    w.document().setCaption(4, "engine = Off");
    f.platform.queueConfirm(answer);
    f.platform.queueOpenFileName(second);
    f.action("actOpenIniFile")->trigger();
    f.waitForLoad();

    QCOMPARE(f.platform.openDialogs(), 1);
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(w.windowTitle(), opened ? "Varnoquil-" + second : "Varnoquil-" + first + " *");
    QCOMPARE(f.column(0).first(), opened ? QStringLiteral("[Second]") : QStringLiteral("[PHP]"));
    QStringList onDisk = kPhpLines;
    if (answer == Answer::Yes)
        onDisk[4] = "engine = Off";
    QCOMPARE(MainWindowFixture::readBytes(first), Join(onDisk));
}

// A save that cannot write names the path, keeps the mark and the old file, and a later New asks
// the save question again.
void TestOpenSave::saveFailure_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("save: the file's folder is gone") << "folder removed" << kNoSuchFile;
    QTest::newRow("save as: folder does not exist") << "missing folder" << kNoSuchFile;
    QTest::newRow("save as: the target is a folder") << "folder target" << kIsAFolder;
}

void TestOpenSave::saveFailure() {
    QFETCH(QString, kind);
    MainWindowFixture f;
    QVERIFY(QDir(f.dir()).mkdir("sub"));
    const QString path = f.writeFile(kind == "folder removed" ? "sub/doc.ini" : "doc.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    w.document().setCaption(8, "host=changed");
    const QString caption = w.windowTitle();
    QCOMPARE(caption, "Varnoquil-" + path + " *");

    QString failedPath = path;
    bool saved = true;
    if (kind == "folder removed") {
        QVERIFY(QDir(f.path("sub")).removeRecursively());
        saved = f.files().SaveDocument(vq::SaveMode::Save);
    } else {
        failedPath = kind == "missing folder" ? f.path("nowhere/doc.ini") : f.path("sub");
        f.platform.queueSaveFileName(failedPath);
        saved = f.files().SaveDocument(vq::SaveMode::SaveAs);
    }
    QVERIFY(!saved);
    QFETCH(QString, reason);
    QCOMPARE(f.platform.messages(), QStringList{SaveFailed(failedPath, reason)});
    QCOMPARE(w.windowTitle(), caption);
    QVERIFY(w.document().modified());
    QCOMPARE(QString::fromStdString(w.document().fileName()), path);
    if (kind != "folder removed")
        QCOMPARE(MainWindowFixture::readBytes(path), Join(kPhpLines));
    if (kind == "folder target")
        QVERIFY(QFileInfo(failedPath).isDir());
    QCOMPARE(QDir(f.dir()).entryList(QDir::Files | QDir::Hidden),
             kind == "folder removed" ? QStringList() : QStringList{"doc.ini"});

    // New asks again. Where the document's own file cannot be written, Yes fails again and the
    // document stays; elsewhere Cancel keeps it.
    f.platform.clearRecords();
    f.platform.queueConfirm(kind == "folder removed" ? Answer::Yes : Answer::Cancel);
    QVERIFY(!f.files().NewDocument());
    QCOMPARE(f.platform.messages(), kind == "folder removed" ? QStringList{SaveFailed(path, reason)} : QStringList());
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(w.windowTitle(), caption);
    QCOMPARE(f.column(0).at(8), QStringLiteral("host=changed"));
}

// A change of the target text while Loading is set counts neither for Modified nor for the caption.
void TestOpenSave::changeWhileLoadingNotCounted() {
    MainWindowFixture f;
    const QString path = f.writeFile("load.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    w.document().setLoading(true);
    w.document().setCaption(8, "host=quiet");
    w.document().setLoading(false);
    QCOMPARE(f.targetLines().at(8), QStringLiteral("host=quiet"));
    QVERIFY(!w.document().modified());
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(f.files().NewDocument());
    QCOMPARE(f.platform.questions(), QStringList());
}

// The two file dialogs with their fixed settings.
void TestOpenSave::dialogSettings() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.action("actOpenIniFile")->trigger();
    w.document().insertRow(0, "x=1");
    f.action("actSaveAs")->trigger();
    QCOMPARE(f.platform.openDialogs(), 1);
    QCOMPARE(f.platform.saveDialogs(), 1);
    const vq::FileDialogSettings open = f.platform.openDialogSettings().first();
    const vq::FileDialogSettings save = f.platform.saveDialogSettings().first();
    using Filter = QPair<QString, QString>;
    QCOMPARE(open.filters, (QVector<Filter>{{"Supported Files(*.ini;*.inf;*.conf;*.txt)", "*.ini;*.inf;*.conf;*.txt"},
                                            {"Ini File(*.ini)", "*.ini"},
                                            {"Inf File(*.inf)", "*.inf"},
                                            {"Apache Configuration File(*.conf)", "*.conf"},
                                            {"Text File(*.txt)", "*.txt"},
                                            {"All Files(*)", "*"}}));
    QCOMPARE(open.defaultSuffix, QString());
    QCOMPARE(save.title, QStringLiteral("另存为"));
    QCOMPARE(save.filters, (QVector<Filter>{{"Ini File(*.ini)", "*.ini"},
                                            {"Inf File(*.inf)", "*.inf"},
                                            {"Apache Configuration File(*.conf)", "*.conf"},
                                            {"Text File(*.txt)", "*.txt"},
                                            {"All Files(*)", "*"}}));
    QCOMPARE(save.defaultSuffix, QStringLiteral("ini"));
    QVERIFY(save.confirmOverwrite);
    // Both cancelled: nothing changed.
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled *"));
}

// Reload reads the file again; only a changed document asks, and the answer decides.
void TestOpenSave::reload_data() {
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

void TestOpenSave::reload() {
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

void TestOpenSave::reloadDisabledWhenUntitled() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
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
void TestOpenSave::dropped_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a file") << "file";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a missing file") << "missing";
}

void TestOpenSave::dropped() {
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
void TestOpenSave::dropEventOpensFirstFile() {
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

// Closing: above 2000 rows the unload is announced and painted before it starts; both end with
// "处理完毕！" and the bare caption.
void TestOpenSave::closing_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("announced");
    QTest::newRow("2000 rows") << 2000 << false;
    QTest::newRow("2001 rows") << 2001 << true;
    QTest::newRow("empty document") << 0 << false;
}

void TestOpenSave::closing() {
    QFETCH(int, rows);
    QFETCH(bool, announced);
    MainWindowFixture f;
    const QString path = f.writeFile("close.ini", Join(Lines(rows)));
    vq::TfrmMain& w = f.start({path});
    f.show();
    QCOMPARE(f.list()->model()->rowCount(), rows);
    PanelRecorder recorder(f.panel("pnlMessage"));
    QVERIFY(w.close());

    QCOMPARE(recorder.texts().contains(QStringLiteral("正在卸载数据 ...")), announced);
    if (announced)
        QCOMPARE(recorder.texts().first(), QStringLiteral("正在卸载数据 ..."));
    QCOMPARE(f.message(), QStringLiteral("处理完毕！"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil"));
    QCOMPARE(f.list()->model()->rowCount(), 0);
    QCOMPARE(f.tree()->model()->rowCount(), 0);
    QCOMPARE(f.targetText(), QString());
    QCOMPARE(f.platform.questions(), QStringList());
}

// Cancelling the save question keeps the window open with everything as it was.
void TestOpenSave::closeCancelled() {
    MainWindowFixture f;
    const QString path = f.writeFile("keep.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    f.show();
    w.document().setCaption(8, "host=kept");
    f.platform.queueConfirm(Answer::Cancel);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QCOMPARE(f.column(0).at(8), QStringLiteral("host=kept"));
    QCOMPARE(f.targetLines().at(8), QStringLiteral("host=kept"));
    // The exit command asks the same question.
    f.platform.queueConfirm(Answer::No);
    f.action("actExit")->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(MainWindowFixture::readBytes(path), Join(kPhpLines));
}

// Opening and saving under a new name changes no byte of the file.
void TestOpenSave::roundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << Join(kPhpLines, "\r\n");
    QTest::newRow("LF") << Join(kPhpLines, "\n");
    QTest::newRow("mixed breaks") << QByteArray("[a]\r\nb=1\nc=2\r\n\nd=3\r\n");
    QTest::newRow("lone CR inside a line") << QByteArray("a=1\rb=2\r\nc=3\r\n");
    QTest::newRow("no final break") << QByteArray("[a]\r\nb=1");
    QTest::newRow("only a break") << QByteArray("\r\n");
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF[数据]\r\n键=值\r\n");
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("GBK text") << Gb18030(QStringLiteral("[数据库]\r\n主机=本地\r\n;注释=旧\r\n"));
    QTest::newRow("invalid UTF-8") << QByteArray("a=\xC3\x28\r\nb=\xFF\xFE\r\nc=\xE2\x82\r\n");
    QTest::newRow("NUL bytes") << QByteArray("a=1\0b\r\n\0\r\nc=\0\0", 16);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("trailing blanks and tabs") << QByteArray("  key = v \t \r\n\t\r\n   ");
    QTest::newRow("1 MB single line") << QByteArray(1024 * 1024, 'x');
}

void TestOpenSave::roundTrip() {
    QFETCH(QByteArray, bytes);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    const QString source = f.writeFile("source.ini", bytes);
    f.platform.queueYesNoCancel(Answer::No);  // very large files are loaded anyway
    f.files().OpenDocument(source);
    QCOMPARE(QString::fromStdString(w.document().fileName()), source);
    const QString target = f.path("copy.ini");
    f.platform.queueSaveFileName(target);
    QVERIFY(f.files().SaveDocument(vq::SaveMode::SaveAs));
    const QByteArray written = MainWindowFixture::readBytes(target);
    QCOMPARE(written.size(), bytes.size());
    QVERIFY2(written == bytes, qPrintable(QStringLiteral("first difference at byte %1").arg([&] {
                 qsizetype i = 0;
                 while (i < written.size() && i < bytes.size() && written[i] == bytes[i])
                     ++i;
                 return i;
             }())));
    QCOMPARE(MainWindowFixture::readBytes(source), bytes);
}

// Every open puts its path at the head of the recent files, once; the list keeps RecentCount paths.
void TestOpenSave::recentFilesOnOpen_data() {
    QTest::addColumn<QStringList>("opened");  // names, in order
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("recent");
    QTest::newRow("three files") << QStringList{"a", "b", "c"} << 5 << QStringList{"c", "b", "a"};
    QTest::newRow("reopened moves to the front") << QStringList{"a", "b", "a"} << 5 << QStringList{"a", "b"};
    QTest::newRow("trimmed to the count") << QStringList{"a", "b", "c", "d"} << 2 << QStringList{"d", "c"};
    QTest::newRow("count 0 keeps it empty") << QStringList{"a", "b"} << 0 << QStringList{};
}

void TestOpenSave::recentFilesOnOpen() {
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
void TestOpenSave::targetPageHint() {
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

// Save As needs at least one line of target text, rows or not.
void TestOpenSave::saveAsNeedsText_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("new document") << "new" << false;
    QTest::newRow("empty file") << "empty file" << false;
    QTest::newRow("file with only a break") << "break only" << true;
    QTest::newRow("extraction of nothing, rows remain") << "extracted nothing" << false;
    QTest::newRow("file loaded") << "file" << true;
    QTest::newRow("last row deleted") << "all deleted" << false;
}

void TestOpenSave::saveAsNeedsText() {
    QFETCH(QString, state);
    QFETCH(bool, enabled);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    if (state == "empty file")
        f.files().OpenDocument(f.writeFile("e.ini", QByteArray()));
    else if (state == "break only")
        f.files().OpenDocument(f.writeFile("b.ini", "\r\n"));
    else if (state == "file")
        f.files().OpenDocument(f.writeFile("f.ini", Join(kPhpLines)));
    else if (state == "extracted nothing") {
        f.files().OpenDocument(f.writeFile("x.ini", Join(kPhpLines)));
        w.document().setTextMirrorsList(false, "当前文本内容为上次操作:提取钩选项(&S) ...");
        w.document().replaceTarget({});
        QVERIFY(f.list()->model()->rowCount() > 0);
        QVERIFY(f.action("actSave")->isEnabled());
    } else if (state == "all deleted") {
        f.files().OpenDocument(f.writeFile("d.ini", Join({"only=1"})));
        f.treeAndRows().DeleteLineEntry(0);
    }
    QCOMPARE(f.action("actSaveAs")->isEnabled(), enabled);
}

// A target text made by an extraction is what Save writes: its lines only, each with the
// document's break, the last one included.
void TestOpenSave::extractedTextSaved_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::newRow("CR LF file") << QByteArray("\r\n") << true;
    QTest::newRow("CR LF file without final break") << QByteArray("\r\n") << false;
    QTest::newRow("LF file") << QByteArray("\n") << true;
}

void TestOpenSave::extractedTextSaved() {
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, finalBreak);
    MainWindowFixture f;
    const QString path = f.writeFile("x.ini", Join(kPhpLines, lineBreak, finalBreak));
    vq::TfrmMain& w = f.start({path});
    w.document().setTextMirrorsList(false, "当前文本内容为上次操作:提取钩选项(&S) ...");
    w.document().replaceTarget({w.document().caption(0), w.document().caption(8)});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QVERIFY(f.action("actSave")->isEnabled());
    f.action("actSave")->trigger();
    QCOMPARE(MainWindowFixture::readBytes(path), "[PHP]" + lineBreak + "host=local" + lineBreak);
    // Editing a row now leaves text and Modified alone.
    w.document().setCaption(8, "host=else");
    QVERIFY(!w.document().modified());
    QCOMPARE(f.targetLines(), (QStringList{"[PHP]", "host=local", ""}));
}

// Saving replaces the file's content but keeps what the file is: a link stays a link, the mode
// stays, and a second hard link sees the new content.
void TestOpenSave::saveKeepsFileKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link") << "symlink";
    QTest::newRow("mode 0640") << "mode";
    QTest::newRow("two hard links") << "hardlink";
}

void TestOpenSave::saveKeepsFileKind() {
    QFETCH(QString, kind);
    MainWindowFixture f;
    const QString real = f.writeFile("real.ini", Join(kPhpLines));
    QString path = real;
    if (kind == "symlink") {
        path = f.path("link.ini");
        QVERIFY(QFile::link(real, path));
    } else if (kind == "mode") {
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    } else {
        path = f.path("second.ini");
        QVERIFY(::link(QFile::encodeName(real).constData(), QFile::encodeName(path).constData()) == 0);
    }
    vq::TfrmMain& w = f.start({path});
    w.document().setCaption(0, "[Saved]");
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QStringList expected = kPhpLines;
    expected[0] = "[Saved]";
    QCOMPARE(MainWindowFixture::readBytes(real), Join(expected));
    QCOMPARE(MainWindowFixture::readBytes(path), Join(expected));
    if (kind == "symlink")
        QVERIFY(QFileInfo(path).isSymLink());
    if (kind == "mode")
        QCOMPARE(QFile::permissions(real) & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);  // owner, group, others
    QCOMPARE(QDir(f.dir()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), kind == "mode" ? 1 : 2);
}

QTEST_MAIN(TestOpenSave)
#include "tst_open_save.moc"
