// The desktop side of the platform layer: what can be checked without starting anything.
#include "ui/toolbox/QtPlatform.h"

#include "ui/files/FileDialogTexts.h"

#include "MainWindowFixture.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/TextEditorChoice.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

class TestPlatform : public QObject {
    Q_OBJECT
public:
    // The sound tests stay silent and alike on every machine: the sound server named here does
    // not exist, as on a machine without sound.
    static void initMain() { qputenv("PULSE_SERVER", "unix:/nonexistent/varnoquil-test-sound"); }

private slots:
    void soundsAreTheProgramsOwn_data();
    void soundsAreTheProgramsOwn();
    void waitingSoundWaitsAtMostItsLength_data();
    void waitingSoundWaitsAtMostItsLength();
    void soundsWithoutWaitReturnAtOnce();
    void unknownSoundPlaysNothing();
    void platformGoesWhileASoundPlays();
    void filtersReadByQtDialogs();
    void saveDialogAddsTheExtensionOnlyToNewNames_data();
    void saveDialogAddsTheExtensionOnlyToNewNames();
    void missingProgramIsNotFound();
    void startedProgramGetsTheBytesOfItsArguments();
    void missingDocumentIsNotFound();
    void textEditorChoice_data();
    void textEditorChoice();
    void textEditorFromTheDesktop_data();
    void textEditorFromTheDesktop();
    void clockMoves();
};

// Qt's file dialogs take the patterns from the last parentheses, separated by blanks.
void TestPlatform::filtersReadByQtDialogs() {
    vq::FileDialogSettings settings;
    for (const auto& [description, pattern] : vq::texts::kOpenFilters)
        settings.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    const QStringList filters = vq::QtFilterList(settings);
    QCOMPARE(filters.size(), 6);
    QCOMPARE(filters.first(), QString("Supported Files(*.ini;*.inf;*.conf;*.txt) (*.ini *.inf *.conf *.txt)"));
    QCOMPARE(filters.last(), QString("All Files(*) (*)"));
}

// The name typed into the real save dialog: an existing file is taken as it is named (after the
// overwrite question); only a new name without an extension gets the default one.
void TestPlatform::saveDialogAddsTheExtensionOnlyToNewNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("questions");  // overwrite questions answered Yes
    QTest::newRow("existing, no extension") << "hosts" << QStringList{"hosts"} << "hosts" << 1;
    QTest::newRow("new, no extension") << "fresh" << QStringList() << "fresh.ini" << 0;
    QTest::newRow("new, own extension") << "fresh.conf" << QStringList() << "fresh.conf" << 0;
    QTest::newRow("new name, its .ini exists") << "old" << QStringList{"old.ini"} << "old.ini" << 1;
}

void TestPlatform::saveDialogAddsTheExtensionOnlyToNewNames() {
    QFETCH(QString, typed);
    QFETCH(QStringList, existing);
    QFETCH(QString, chosen);
    QFETCH(int, questions);
    QTemporaryDir dir;
    for (const QString& name : existing) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    vq::FileDialogSettings settings;
    settings.title = QStringLiteral("另存为");
    settings.filters = {{"Ini File(*.ini)", "*.ini"}, {"All Files(*)", "*"}};
    settings.defaultSuffix = "ini";
    settings.initialFolder = dir.path();
    settings.confirmOverwrite = true;
    int asked = 0;
    vqtest::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, typed);
        if (questions > 0) {
            vqtest::OnNextModal([&](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                QVERIFY(question);
                ++asked;
                question->button(QMessageBox::Yes)->click();
            });
        }
        QTest::keyClick(edit, Qt::Key_Return);
    });
    vq::QtPlatform platform;
    QCOMPARE(platform.saveFileName(nullptr, settings), dir.filePath(chosen));
    QCOMPARE(asked, questions);
}

void TestPlatform::missingProgramIsNotFound() {
    vq::QtPlatform platform;
    QCOMPARE(platform.startProgram("no-such-program-vq", {"x"}), vq::Platform::StartResult::NotFound);
}

// A file name that is not UTF-8 (GBK from Windows) reaches the started program as its bytes: the
// text editor opens the document's own file.
void TestPlatform::startedProgramGetsTheBytesOfItsArguments() {
    QTemporaryDir dir;
    const std::string name = QFile::encodeName(dir.path()).toStdString() + "/\xb2\xe2\xca\xd4.ini";
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        QVERIFY(file);
        std::fputs("[GBK]\n", file);
        std::fclose(file);
    }
    const QString copy = dir.filePath("copy.ini");
    vq::QtPlatform platform;
    QCOMPARE(platform.startProgram("sh", {"-c", "cp \"$1\" \"$2\"", "sh", vq::PathText(name), copy}),
             vq::Platform::StartResult::Started);
    const auto copied = [&copy] {
        QFile in(copy);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    QTRY_COMPARE(copied(), QByteArray("[GBK]\n"));
}

void TestPlatform::missingDocumentIsNotFound() {
    vq::QtPlatform platform;
    QCOMPARE(platform.openDocument("/no/such/folder/readme.txt"), vq::Platform::StartResult::NotFound);
}

// Which text editor the desktop offers: $VISUAL, then $EDITOR, each when it names an installed
// graphical program; then the default application for text/plain; then the list's first
// installed editor, or its first name.
void TestPlatform::textEditorChoice_data() {
    QTest::addColumn<QString>("visual");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("defaultEntry");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("command");
    const QString mousepadEntry = "[Desktop Entry]\nName=Mousepad\nExec=mousepad --new-window %F\nTerminal=false\n";
    QTest::newRow("$VISUAL with its own arguments")
        << "code --wait"
        << "kate" << mousepadEntry << QStringList{"code", "kate", "mousepad"} << QStringList{"code", "--wait"};
    QTest::newRow("$VISUAL in quotes") << "\"/opt/my editor/edit\" -n"
                                       << ""
                                       << "" << QStringList{"/opt/my editor/edit"}
                                       << QStringList{"/opt/my editor/edit", "-n"};
    QTest::newRow("$VISUAL a terminal editor: $EDITOR")
        << "vim"
        << "kate" << mousepadEntry << QStringList{"vim", "kate", "mousepad"} << QStringList{"kate"};
    QTest::newRow("$VISUAL not installed: $EDITOR") << "subl"
                                                    << "kwrite"
                                                    << "" << QStringList{"kwrite"} << QStringList{"kwrite"};
    QTest::newRow("$EDITOR a terminal editor: the desktop's default")
        << ""
        << "/usr/bin/nano" << mousepadEntry << QStringList{"/usr/bin/nano", "mousepad", "gedit"}
        << QStringList{"mousepad", "--new-window"};
    QTest::newRow("the default runs in a terminal: the list")
        << ""
        << ""
        << "[Desktop Entry]\nExec=vim %f\nTerminal=true\n"
        << QStringList{"vim", "pluma", "xed"} << QStringList{"pluma"};
    QTest::newRow("the default is not installed: the list")
        << ""
        << "" << mousepadEntry << QStringList{"leafpad"} << QStringList{"leafpad"};
    QTest::newRow("a percent sign of the default's own")
        << ""
        << ""
        << "[Other]\nExec=wrong\n[Desktop Entry]\nExec=\"xed\" --title=100%% %U\n"
        << QStringList{"xed"} << QStringList{"xed", "--title=100%"};
    QTest::newRow("nothing installed: the list's first") << ""
                                                         << ""
                                                         << "" << QStringList{} << QStringList{"gedit"};
}

void TestPlatform::textEditorChoice() {
    QFETCH(QString, visual);
    QFETCH(QString, editor);
    QFETCH(QString, defaultEntry);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, command);
    vq::EditorLookup lookup;
    lookup.visual = visual;
    lookup.editor = editor;
    lookup.defaultEntry = defaultEntry;
    lookup.installed = [&](const QString& program) { return installed.contains(program); };
    QCOMPARE(vq::ChooseTextEditor(lookup), command);
}

// The desktop's side reads the variables, asks xdg-mime for the default and reads its desktop
// entry; here all of them come from the test: a search path of its own with its programs, and a
// data folder with the entry.
void TestPlatform::textEditorFromTheDesktop_data() {
    QTest::addColumn<QString>("visual");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("command");
    QTest::newRow("$VISUAL") << "fake-visual -w"
                             << "" << QStringList{"fake-visual", "-w"};
    QTest::newRow("$EDITOR a terminal editor: the default") << ""
                                                            << "vi" << QStringList{"fake-default", "--new"};
}

void TestPlatform::textEditorFromTheDesktop() {
    QFETCH(QString, visual);
    QFETCH(QString, editor);
    QFETCH(QStringList, command);
    QTemporaryDir bin;
    QTemporaryDir data;
    const auto program = [&](const QString& name, const QByteArray& script) {
        QFile file(bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + script);
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    };
    program("fake-visual", "");
    program("fake-default", "");
    program("vi", "");
    program("xdg-mime", "[ \"$*\" = \"query default text/plain\" ] && echo fake-default.desktop\n");
    QVERIFY(QDir(data.path()).mkpath("applications"));
    QFile entry(data.filePath("applications/fake-default.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Fake\nExec=fake-default --new %F\n");
    entry.close();
    const QStringList names{"PATH", "VISUAL", "EDITOR", "XDG_DATA_HOME"};
    QHash<QString, QByteArray> saved;
    for (const QString& name : names)
        saved[name] = qgetenv(name.toLatin1());
    qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
    qputenv("VISUAL", visual.toUtf8());
    qputenv("EDITOR", editor.toUtf8());
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    vq::QtPlatform platform;
    const QStringList found = platform.textEditor();
    for (const QString& name : names)
        qputenv(name.toLatin1(), saved[name]);
    QCOMPARE(found, command);
}

void TestPlatform::clockMoves() {
    vq::QtPlatform platform;
    const quint32 start = platform.tickCount();
    QTRY_VERIFY(platform.tickCount() - start >= 15);
}

// Names ignore case; lengths as the files are made.
void TestPlatform::soundsAreTheProgramsOwn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::newRow("GameOver") << "GameOver" << 450;
    QTest::newRow("hitbar") << "hitbar" << 700;
    QTest::newRow("HITBRICK") << "HITBRICK" << 720;
    QTest::newRow("unknown") << "Fanfare" << -1;
}

void TestPlatform::soundsAreTheProgramsOwn() {
    QFETCH(QString, name);
    QFETCH(int, length);
    vq::QtPlatform platform;
    const int found = platform.soundLength(name);
    if (length < 0)
        QCOMPARE(found, -1);
    else
        QVERIFY2(qAbs(found - length) <= 10, qPrintable(QString::number(found)));
}

// Without a sound device nothing plays; a waiting sound never holds the caller longer than the
// sound lasts, also when it replaces one that plays.
void TestPlatform::waitingSoundWaitsAtMostItsLength_data() {
    QTest::addColumn<bool>("replacing");
    QTest::newRow("alone") << false;
    QTest::newRow("replacing another") << true;
}

void TestPlatform::waitingSoundWaitsAtMostItsLength() {
    QFETCH(bool, replacing);
    vq::QtPlatform platform;
    if (replacing)
        platform.playSound("HitBrick", false);
    QElapsedTimer clock;
    clock.start();
    platform.playSound("GameOver", true);
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited <= platform.soundLength("GameOver") + 150, qPrintable(QString("waited %1 ms").arg(waited)));
}

void TestPlatform::soundsWithoutWaitReturnAtOnce() {
    vq::QtPlatform platform;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        platform.playSound(i % 2 ? "HitBar" : "HitBrick", false);
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
}

void TestPlatform::unknownSoundPlaysNothing() {
    vq::QtPlatform platform;
    QElapsedTimer clock;
    clock.start();
    platform.playSound("Fanfare", true);
    platform.stopSound();
    QVERIFY(clock.elapsed() < 100);
}

// The sound thread ends with the platform, whatever plays.
void TestPlatform::platformGoesWhileASoundPlays() {
    auto platform = std::make_unique<vq::QtPlatform>();
    platform->playSound("HitBar", false);
    platform->playSound("HitBrick", false);
    QElapsedTimer clock;
    clock.start();
    platform.reset();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString("took %1 ms").arg(clock.elapsed())));
}

QTEST_MAIN(TestPlatform)
#include "PlatformTest.moc"
