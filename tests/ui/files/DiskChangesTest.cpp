// Another program changes the open file on disk: the bar above the views says so and offers to
// reload, nothing is replaced unasked, and Save asks before it writes over the other program's
// bytes, which stay on disk unless the user chooses 覆盖.
#include "MainWindowFixture.h"

#include "ListGestures.h"
#include "ui/files/FileChangedBar.h"

#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QStringList kLines = {"[PHP]", "engine = On", "short_open_tag = Off", "[Database]", "host=local"};
// What the other program writes: the same size as the file.
const QStringList kTheirLines = {"[PHP]", "engine = No", "short_open_tag = Off", "[Database]", "host=local"};
const QString kMyFirstRow = QStringLiteral("[Mine]");

const QString kOverwrite = QStringLiteral("覆盖");
const QString kReload = QStringLiteral("重新加载");
const QString kSaveAs = QStringLiteral("另存为");
const QString kCancel = QStringLiteral("取消");

// The other program's ways of changing php.ini, run as a shell of its own in the test's folder;
// theirs.ini holds its new bytes.
const char* const kSameSize = "cat theirs.ini > php.ini";
const char* const kMtimePutBack = "t=$(stat -c %y php.ini) && cat theirs.ini > php.ini && touch -d \"$t\" php.ini";
const char* const kReplacedByRename = "cp theirs.ini php.ini.new && mv php.ini.new php.ini";
const char* const kDeleted = "rm php.ini";
const char* const kTouched = "touch php.ini";

enum class Bar { None, Changed, Missing };

class Fixture : public MainWindowFixture {
public:
    // The window over php.ini, shown and active.
    Fixture() {
        file = writeFile("php.ini", Join(kLines));
        writeFile("theirs.ini", Join(kTheirLines));
        start({file});
        showActive();
    }

    void otherProgram(const char* script) {
        QProcess shell;
        shell.setWorkingDirectory(dir());
        shell.start("/bin/sh", {"-c", QString::fromLatin1(script)});
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.exitCode(), 0);
    }

    // The user goes to another window and comes back.
    void switchAwayAndBack() {
        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    // Row 0 edited in place (F2, the new text, Enter): the document has unsaved changes.
    void editFirstRow() {
        ClickRow(*this, 0);
        QTest::keyClick(ListView(*this), Qt::Key_F2);
        QLineEdit* editor = OpenedRowEditor(*this);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, kMyFirstRow);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(doc().modified());
    }

    // Ctrl+S once Save is enabled, as the user finds it.
    void pressSave() {
        QTRY_VERIFY(action("actSave")->isEnabled());
        QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    }

    vq::FileChangedBar* bar() const { return find<vq::FileChangedBar>("pnlFileChanged"); }
    QPushButton* reloadButton() const { return find<QPushButton>("btnFileReload"); }
    Bar shownBar() const {
        if (bar()->isHidden())
            return Bar::None;
        return reloadButton()->isHidden() ? Bar::Missing : Bar::Changed;
    }
    QString barText() const { return find<QLabel>("lblFileChanged")->text(); }

    QString file;
};

QString ChangedText(const QString& path) { return QStringLiteral("文件 \"%1\" 已被其他程序修改。").arg(path); }

QString MissingText(const QString& path) {
    return QStringLiteral("文件 \"%1\" 已被删除或移走。保存会在原路径重新写入。").arg(path);
}

}  // namespace

class TestDiskChanges : public QObject {
    Q_OBJECT
private slots:
    void barWithoutUnsavedChanges_data();
    void barWithoutUnsavedChanges();
    void deletedFileWrittenAnew();
    void saveOverAChange_data();
    void saveOverAChange();
    void watcherFollowsTheFile();
    void saveRefusesALinkPutInItsPlace();
};

// No unsaved changes: the bar says what happened when the user comes back to the window; the rows
// stay as they were until the user asks for the file with 重新加载.
void TestDiskChanges::barWithoutUnsavedChanges_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("changed");
    QTest::newRow("same size") << kSameSize << true;
    QTest::newRow("same size, modification time put back") << kMtimePutBack << true;
    QTest::newRow("replaced by rename") << kReplacedByRename << true;
    QTest::newRow("touched: the same bytes") << kTouched << false;
}

void TestDiskChanges::barWithoutUnsavedChanges() {
    QFETCH(QString, script);
    QFETCH(bool, changed);
    Fixture f;
    QCOMPARE(f.shownBar(), Bar::None);
    f.otherProgram(script.toLatin1().constData());
    f.switchAwayAndBack();

    QCOMPARE(f.shownBar(), changed ? Bar::Changed : Bar::None);
    QCOMPARE(f.column(0), kLines);
    QCOMPARE(f.window().windowTitle(), "Varnoquil-" + f.file);
    if (!changed)
        return;
    QCOMPARE(f.barText(), ChangedText(f.file));
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(f.bar());
    QCOMPARE(spoken->role(), QAccessible::AlertMessage);
    QCOMPARE(spoken->text(QAccessible::Name), ChangedText(f.file));
    QTest::mouseClick(f.reloadButton(), Qt::LeftButton);
    f.waitForLoad();
    QCOMPARE(f.column(0), kTheirLines);
    QCOMPARE(f.shownBar(), Bar::None);
    QCOMPARE(f.platform.shown().size(), 0);  // nothing asked: there was nothing to lose
}

// Deleted: the bar says so, without a reload; Save writes the file anew where it was.
void TestDiskChanges::deletedFileWrittenAnew() {
    Fixture f;
    f.otherProgram(kDeleted);
    f.switchAwayAndBack();
    QCOMPARE(f.shownBar(), Bar::Missing);
    QCOMPARE(f.barText(), MissingText(f.file));
    QVERIFY(f.action("actSave")->isEnabled());

    f.pressSave();
    QCOMPARE(MainWindowFixture::readBytes(f.file), Join(kLines));
    QCOMPARE(f.shownBar(), Bar::None);
    QCOMPARE(f.platform.shown().size(), 0);
    QVERIFY(!f.action("actSave")->isEnabled());
}

// Unsaved changes and a change on disk: Save asks first, naming the file, and writes only on 覆盖.
void TestDiskChanges::saveOverAChange_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("choice");
    for (const auto& [name, script] : {std::pair{"same size", kSameSize}, std::pair{"mtime put back", kMtimePutBack},
                                       std::pair{"replaced by rename", kReplacedByRename}}) {
        for (const QString& choice : {kCancel, kOverwrite, kReload, kSaveAs})
            QTest::addRow("%s, %s", name, qPrintable(choice)) << QString::fromLatin1(script) << choice;
    }
}

void TestDiskChanges::saveOverAChange() {
    QFETCH(QString, script);
    QFETCH(QString, choice);
    Fixture f;
    f.editFirstRow();
    f.otherProgram(script.toLatin1().constData());
    f.platform.queueChoice(choice);
    const QString other = f.path("other.ini");
    f.platform.queueSaveFileName(other);
    f.pressSave();

    const QList<ScriptedPlatform::Shown> asked = f.platform.choices();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, QStringLiteral("文件已被修改"));
    QVERIFY2(asked[0].text.contains("\"" + f.file + "\""), qPrintable(asked[0].text));
    QCOMPARE(asked[0].buttons, (QStringList{kOverwrite, kReload, kSaveAs, kCancel}));

    QStringList mine = kLines;
    mine[0] = kMyFirstRow;
    if (choice == kReload) {
        f.waitForLoad();
        QTRY_COMPARE(f.column(0), kTheirLines);
    }
    const bool overwritten = choice == kOverwrite;
    QCOMPARE(MainWindowFixture::readBytes(f.file), Join(overwritten ? mine : kTheirLines));
    if (choice == kSaveAs) {
        QCOMPARE(MainWindowFixture::readBytes(other), Join(mine));
        QCOMPARE(f.window().windowTitle(), "Varnoquil-" + other);
    } else {
        QCOMPARE(f.window().windowTitle(), "Varnoquil-" + f.file + (choice == kCancel ? " *" : ""));
    }
    QCOMPARE(f.shownBar(), choice == kCancel ? Bar::Changed : Bar::None);
    if (choice == kReload) {
        // Taking theirs asks nothing more, and mine are one undo away.
        QCOMPARE(f.platform.questions(), QStringList());
        QAction* undo = f.action("actUndo");
        QCOMPARE(undo->text(), QStringLiteral("撤销 重载本文件"));
        undo->trigger();
        QCOMPARE(f.column(0), mine);
        QCOMPARE(f.window().windowTitle(), "Varnoquil-" + f.file + " *");
    }
}

// Without the window being activated, the file watcher sees a change, also after the file was
// replaced by a rename (the watcher then watches the new file) and after a reload.
void TestDiskChanges::watcherFollowsTheFile() {
    Fixture f;
    f.otherProgram(kReplacedByRename);
    QTRY_COMPARE_WITH_TIMEOUT(f.shownBar(), Bar::Changed, 10000);
    QTest::mouseClick(f.reloadButton(), Qt::LeftButton);
    f.waitForLoad();
    QCOMPARE(f.shownBar(), Bar::None);

    f.writeFile("theirs.ini", Join(kLines));
    f.otherProgram(kSameSize);
    QTRY_COMPARE_WITH_TIMEOUT(f.shownBar(), Bar::Changed, 10000);
    f.otherProgram(kDeleted);
    QTRY_COMPARE_WITH_TIMEOUT(f.shownBar(), Bar::Missing, 10000);
    QCOMPARE(f.column(0), kTheirLines);
}

// The file was swapped for a link: Save refuses, naming the link, and writes nowhere.
void TestDiskChanges::saveRefusesALinkPutInItsPlace() {
    Fixture f;
    f.writeFile("other.ini", "other=1\n");
    f.editFirstRow();
    f.otherProgram("mv php.ini php.ini.old && ln -s other.ini php.ini");
    f.pressSave();

    QCOMPARE(f.platform.messages(),
             QStringList{SaveFailed(
                 f.file, QStringLiteral("\"%1\" 是读入文件之后才出现的符号链接，不经由它写入。").arg(f.file))});
    QCOMPARE(MainWindowFixture::readBytes(f.path("other.ini")), QByteArray("other=1\n"));
    QCOMPARE(MainWindowFixture::readBytes(f.path("php.ini.old")), Join(kLines));
    QCOMPARE(f.window().windowTitle(), "Varnoquil-" + f.file + " *");
}

QTEST_MAIN(TestDiskChanges)
#include "DiskChangesTest.moc"
