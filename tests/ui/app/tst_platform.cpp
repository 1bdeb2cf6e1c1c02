// The desktop side of the platform layer: what can be checked without starting anything.
#include "ui/toolbox/QtPlatform.h"

#include "core/Texts.h"

#include "MainWindowFixture.h"
#include "ui/toolbox/LocalPath.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
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
    void textEditorIsFoundOnThePath_data();
    void textEditorIsFoundOnThePath();
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

// The first editor of the list that the search path holds; with none, the list's first, which the
// not-found message then names.
void TestPlatform::textEditorIsFoundOnThePath_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("editor");
    QTest::newRow("none installed") << QStringList{} << "gedit";
    QTest::newRow("only kate") << QStringList{"kate"} << "kate";
    QTest::newRow("mousepad and kwrite: kwrite comes first") << QStringList{"mousepad", "kwrite"} << "kwrite";
    QTest::newRow("a file that cannot run does not count") << QStringList{"-gedit", "leafpad"} << "leafpad";
}

void TestPlatform::textEditorIsFoundOnThePath() {
    QFETCH(QStringList, installed);
    QFETCH(QString, editor);
    QTemporaryDir bin;
    for (QString name : installed) {
        const bool runnable = !name.startsWith('-');
        name.remove(0, runnable ? 0 : 1);
        QFile file(bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner;
        if (runnable)
            mode |= QFile::ExeOwner;
        QVERIFY(file.setPermissions(mode));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    vq::QtPlatform platform;
    const QString found = platform.textEditor();
    qputenv("PATH", path);
    QCOMPARE(found, editor);
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
#include "tst_platform.moc"
