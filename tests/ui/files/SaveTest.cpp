// Saving: the bytes that end up on disk, Save As and its dialog, failures that leave the file as it
// was, and when Save As is offered.
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

class TestSave : public QObject {
    Q_OBJECT
private slots:
    void saveAfterChange();
    void saveUntitled_data();
    void saveUntitled();
    void saveAsNewName();
    void saveFailure_data();
    void saveFailure();
    void dialogSettings();
    void roundTrip_data();
    void roundTrip();
    void saveAsNeedsText_data();
    void saveAsNeedsText();
    void extractedTextSaved_data();
    void extractedTextSaved();
    void saveKeepsFileKind_data();
    void saveKeepsFileKind();
};

// Save writes the target text over the file and the caption loses its mark.
void TestSave::saveAfterChange() {
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
void TestSave::saveUntitled_data() {
    QTest::addColumn<bool>("choosePath");
    QTest::newRow("dialog cancelled") << false;
    QTest::newRow("path chosen") << true;
}

void TestSave::saveUntitled() {
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
void TestSave::saveAsNewName() {
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

// A save that cannot write names the path, keeps the mark and the old file, and a later New asks
// the save question again.
void TestSave::saveFailure_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("save: the file's folder is gone") << "folder removed" << kNoSuchFile;
    QTest::newRow("save as: folder does not exist") << "missing folder" << kNoSuchFile;
    QTest::newRow("save as: the target is a folder") << "folder target" << kIsAFolder;
}

void TestSave::saveFailure() {
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

// The two file dialogs with their fixed settings.
void TestSave::dialogSettings() {
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

// Opening and saving under a new name through the window changes no byte of the file: the window
// shows the text decoded and saves the document's own bytes. (Every kind of break, mark and byte
// is the core's to keep, pinned by its round-trip tests.)
void TestSave::roundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << Join(kPhpLines, "\r\n");
    QTest::newRow("no final break") << QByteArray("[a]\r\nb=1");
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF[数据]\r\n键=值\r\n");
    QTest::newRow("GBK text") << Gb18030(QStringLiteral("[数据库]\r\n主机=本地\r\n;注释=旧\r\n"));
    QTest::newRow("invalid UTF-8") << QByteArray("a=\xC3\x28\r\nb=\xFF\xFE\r\nc=\xE2\x82\r\n");
}

void TestSave::roundTrip() {
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

// Save As needs at least one line of target text, rows or not.
void TestSave::saveAsNeedsText_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("new document") << "new" << false;
    QTest::newRow("empty file") << "empty file" << false;
    QTest::newRow("file with only a break") << "break only" << true;
    QTest::newRow("extraction of nothing, rows remain") << "extracted nothing" << false;
    QTest::newRow("file loaded") << "file" << true;
    QTest::newRow("last row deleted") << "all deleted" << false;
}

void TestSave::saveAsNeedsText() {
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
void TestSave::extractedTextSaved_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::newRow("CR LF file") << QByteArray("\r\n") << true;
    QTest::newRow("CR LF file without final break") << QByteArray("\r\n") << false;
    QTest::newRow("LF file") << QByteArray("\n") << true;
}

void TestSave::extractedTextSaved() {
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
void TestSave::saveKeepsFileKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link") << "symlink";
    QTest::newRow("mode 0640") << "mode";
    QTest::newRow("two hard links") << "hardlink";
}

void TestSave::saveKeepsFileKind() {
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

QTEST_MAIN(TestSave)
#include "SaveTest.moc"
