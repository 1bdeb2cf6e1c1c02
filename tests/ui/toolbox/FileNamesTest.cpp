// File names as Linux has them: any bytes (a GBK name copied from Windows), relative paths, names
// without a dot, and a file that happens to be named "Untitled".
#include "MainWindowFixture.h"

#include "ui/toolbox/LocalPath.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vqtest;

namespace {

// "测试.ini" in GBK: not UTF-8, so no QString made by Qt's own conversions can name it.
const std::string kGbkName = "\xb2\xe2\xca\xd4.ini";

// Byte-exact file access, beside Qt.
bool WriteBytes(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && ok;
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return "<missing>";
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return bytes;
}

// The names in a folder, as bytes, without the settings file the window writes.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name != "tolvry.ini")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The parameter as the program takes it from argv.
QString CommandLineArgument(const std::string& bytes) {
    const QStringList arguments = vq::ArgumentsOf({bytes});
    return arguments.value(0);
}

// Drags the data onto the window and drops it there, as the window system delivers a drop.
void Drop(QWidget& window, QMimeData& data) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

}  // namespace

class TestFileNames : public QObject {
    Q_OBJECT
private slots:
    void pathTextKeepsEveryByte_data();
    void pathTextKeepsEveryByte();
    void pathsAreShownReadably_data();
    void pathsAreShownReadably();
    void urlsKeepTheBytes();
    void nonUtf8NameFromTheCommandLine();
    void nonUtf8NameFromTheRecentFiles();
    void nonUtf8NameDropped();
    void relativeCommandLinePathBecomesAbsolute();
    void fileNamedUntitledIsTitled_data();
    void fileNamedUntitledIsTitled();
    void saveAsDefaultExtension_data();
    void saveAsDefaultExtension();
    void allFilesShowsNamesWithoutDot_data();
    void allFilesShowsNamesWithoutDot();
    void dropReturnsBeforeAnyDialog_data();
    void dropReturnsBeforeAnyDialog();
    void titleIsExactlyTheCaption();
};

void TestFileNames::pathTextKeepsEveryByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii") << QByteArray("/etc/hosts") << true;
    QTest::newRow("utf-8 Chinese") << QByteArray("/tmp/\xe6\xb5\x8b.ini") << true;
    QTest::newRow("utf-8 four bytes") << QByteArray("/tmp/\xf0\x9f\x98\x80") << true;
    QTest::newRow("gbk") << QByteArray::fromStdString("/tmp/" + kGbkName) << false;
    QTest::newRow("latin-1") << QByteArray("/tmp/caf\xe9.conf") << false;
    QTest::newRow("overlong slash") << QByteArray("/tmp/\xc0\xaf") << false;
    QTest::newRow("encoded surrogate") << QByteArray("/tmp/\xed\xa0\x80") << false;
    QTest::newRow("cut off at the end") << QByteArray("/tmp/\xe6\xb5") << false;
    QTest::newRow("lone continuation") << QByteArray("\x80\xbf/x") << false;
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    QTest::newRow("every byte") << all << false;
}

// Any bytes survive the trip through a path text; UTF-8 reads as itself.
void TestFileNames::pathTextKeepsEveryByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    const QString text = vq::PathText(bytes.toStdString());
    QCOMPARE(QByteArray::fromStdString(vq::LocalPath(text)), bytes);
    QCOMPARE(text == QString::fromUtf8(bytes), utf8);
    QCOMPARE(
        QByteArray::fromStdString(vq::LocalPath(vq::AbsolutePath(text))).endsWith(bytes.mid(bytes.lastIndexOf('/'))),
        true);
}

void TestFileNames::pathsAreShownReadably_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("utf-8") << QByteArray("/tmp/\xe6\xb5\x8b.ini") << QStringLiteral("/tmp/测.ini");
    QTest::newRow("gbk") << QByteArray::fromStdString("/tmp/" + kGbkName) << QStringLiteral("/tmp/测试.ini");
    QTest::newRow("utf-8 folder, gbk file")
        << QByteArray::fromStdString("/\xe7\x94\xa8/" + kGbkName) << QStringLiteral("/用/测试.ini");
    QTest::newRow("neither") << QByteArray("/tmp/\xff\xff") << QStringLiteral("/tmp/\uFFFD\uFFFD");
}

void TestFileNames::pathsAreShownReadably() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(vq::ShownBytes(bytes.toStdString()), shown);
    QCOMPARE(vq::ShownPath(vq::PathText(bytes.toStdString())), shown);
}

// A drop or a desktop dialog names a file by URL; its percent-encoded bytes are the name.
void TestFileNames::urlsKeepTheBytes() {
    const QByteArray path = QByteArray::fromStdString("/tmp/a b/" + kGbkName);
    const QUrl url = QUrl::fromEncoded("file://" + path.toPercentEncoding("/"));
    QCOMPARE(QByteArray::fromStdString(vq::LocalPath(vq::PathOfUrl(url))), path);
    QCOMPARE(vq::PathOfUrl(QUrl::fromLocalFile("/tmp/测.ini")), QStringLiteral("/tmp/测.ini"));
    QCOMPARE(vq::PathOfUrl(QUrl("https://example.org/a.ini")), QString());
}

// Opened from the command line, edited and saved: the name's bytes and the content's bytes stay,
// the caption shows the name readably, and the recent list keeps the bytes.
void TestFileNames::nonUtf8NameFromTheCommandLine() {
    MainWindowFixture f;
    const std::string folder = QFile::encodeName(f.dir()).toStdString();
    const std::string path = folder + "/" + kGbkName;
    const std::string content = "[\xbd\xda]\r\nk=\xd6\xb5\r\n";  // "[节]", "k=值" in GBK
    QVERIFY(WriteBytes(path, content));

    vq::TfrmMain& w = f.start({CommandLineArgument(path)});
    QCOMPARE(f.platform.messages(), QStringList());
    QCOMPARE(f.platform.errors(), QStringList());
    QCOMPARE(f.column(0), (QStringList{QStringLiteral("[节]"), QStringLiteral("k=值")}));
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-") + f.dir() + QStringLiteral("/测试.ini"));
    QCOMPARE(w.recentFiles().paths(), std::vector<std::string>{path});

    w.document().insertRow(0, "x=1");
    f.action("actSave")->trigger();
    QCOMPARE(f.platform.saveDialogs(), 0);
    QCOMPARE(f.platform.messages(), QStringList());
    QCOMPARE(ReadBytes(path), "x=1\r\n" + content);
    QCOMPARE(Names(folder), std::vector<std::string>{kGbkName});
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-") + f.dir() + QStringLiteral("/测试.ini"));

    // The text editor gets the same file.
    f.action("actOpenWithNotepad")->trigger();
    QCOMPARE(f.platform.started().size(), 1);
    QCOMPARE(f.platform.started().first().arguments.size(), 1);
    QCOMPARE(vq::LocalPath(f.platform.started().first().arguments.first()), path);
}

void TestFileNames::nonUtf8NameFromTheRecentFiles() {
    MainWindowFixture f;
    const std::string path = QFile::encodeName(f.dir()).toStdString() + "/" + kGbkName;
    QVERIFY(WriteBytes(path, "[A]\n"));
    vq::TfrmMain& w = f.start();
    w.recentFiles().assign({path});
    QAction* item = f.find<QAction>("N110");
    auto* menu = qobject_cast<QMenu*>(item->parent());
    QVERIFY(menu);
    emit menu->aboutToShow();
    QCOMPARE(item->text(), f.dir() + QStringLiteral("/测试.ini"));
    item->trigger();
    f.waitForLoad();  // the file loads on its own thread
    QCOMPARE(f.platform.messages(), QStringList());
    QCOMPARE(f.column(0), QStringList{"[A]"});
    QCOMPARE(w.recentFiles().paths(), std::vector<std::string>{path});
}

void TestFileNames::nonUtf8NameDropped() {
    MainWindowFixture f;
    const std::string path = QFile::encodeName(f.dir()).toStdString() + "/" + kGbkName;
    QVERIFY(WriteBytes(path, "[Dropped]\n"));
    vq::TfrmMain& w = f.start();
    f.show();
    QMimeData data;
    // A drop names the file as a URL, its bytes percent-encoded.
    data.setUrls({QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"))});
    Drop(w, data);
    QTRY_COMPARE(f.column(0), QStringList{"[Dropped]"});
    QCOMPARE(f.platform.messages(), QStringList());
    QCOMPARE(w.recentFiles().paths(), std::vector<std::string>{path});
}

void TestFileNames::relativeCommandLinePathBecomesAbsolute() {
    MainWindowFixture f;
    f.writeFile("rel.ini", "[Rel]\n");
    QVERIFY(QDir(f.dir()).mkdir("sub"));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.path("sub")));
    vq::TfrmMain& w = f.start({"./../sub/../rel.ini"});
    QDir::setCurrent(before);
    const QString absolute = QDir(f.dir()).canonicalPath() + "/rel.ini";
    QCOMPARE(f.column(0), QStringList{"[Rel]"});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + absolute);
    QCOMPARE(w.recentFiles().paths(), std::vector<std::string>{absolute.toStdString()});
}

// A file named "Untitled" is a file like any other: Reload works and Save writes it without
// asking for a name.
void TestFileNames::fileNamedUntitledIsTitled_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("command line") << "command line";
    QTest::newRow("relative command line") << "relative command line";
    QTest::newRow("save as") << "save as";
}

void TestFileNames::fileNamedUntitledIsTitled() {
    QFETCH(QString, how);
    MainWindowFixture f;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.dir()));
    const QString path = QDir(f.dir()).canonicalPath() + "/Untitled";
    vq::TfrmMain& w = f.start();
    if (how == "save as") {
        f.writeFile("Untitled", "old\n");  // an existing file keeps its name, without ".ini"
        w.document().insertRow(0, "[Saved]");
        f.platform.queueSaveFileName("Untitled");
        f.action("actSaveAs")->trigger();
    } else {
        f.writeFile("Untitled", "[Saved]\r\n");
        f.destroy();
        f.start({how == "command line" ? path : "Untitled"});
    }
    QDir::setCurrent(before);
    vq::TfrmMain& w2 = f.window();
    QCOMPARE(w2.windowTitle(), "Varnoquil-" + path);
    QVERIFY(f.action("actReload")->isEnabled());
    QVERIFY(f.action("actOpenWithNotepad")->isEnabled());
    const int dialogs = f.platform.saveDialogs();
    w2.document().insertRow(1, "k=1");
    f.action("actSave")->trigger();
    QCOMPARE(f.platform.saveDialogs(), dialogs);
    QCOMPARE(MainWindowFixture::readBytes(path), QByteArray("[Saved]\r\nk=1\r\n"));
    QCOMPARE(w2.windowTitle(), "Varnoquil-" + path);
}

// The default extension goes only to a new name typed without one; an existing file is written
// under its own name, whatever it looks like.
void TestFileNames::saveAsDefaultExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("written");
    QTest::newRow("existing, no extension") << "hosts" << true << "hosts";
    QTest::newRow("existing, dotted folder") << "conf.d/sshd_config" << true << "conf.d/sshd_config";
    QTest::newRow("new, no extension") << "fresh" << false << "fresh.ini";
    QTest::newRow("new, dotted folder") << "conf.d/fresh" << false << "conf.d/fresh.ini";
    QTest::newRow("new, own extension") << "fresh.conf" << false << "fresh.conf";
    QTest::newRow("existing, own extension") << "old.txt" << true << "old.txt";
}

void TestFileNames::saveAsDefaultExtension() {
    QFETCH(QString, typed);
    QFETCH(bool, exists);
    QFETCH(QString, written);
    MainWindowFixture f;
    QVERIFY(QDir(f.dir()).mkdir("conf.d"));
    if (exists)
        f.writeFile(typed, "old\n");
    vq::TfrmMain& w = f.start();
    w.document().insertRow(0, "[New]");
    f.platform.queueSaveFileName(f.path(typed));
    f.action("actSaveAs")->trigger();
    QCOMPARE(MainWindowFixture::readBytes(f.path(written)), QByteArray("[New]\r\n"));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + f.path(written));
    QCOMPARE(QFileInfo::exists(f.path(typed)), exists || written == typed);
    QCOMPARE(QFileInfo::exists(f.path(typed + ".ini")), written == typed + ".ini");
}

// "All Files" shows every file, also those without a dot in their name.
void TestFileNames::allFilesShowsNamesWithoutDot_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("open") << "open";
    QTest::newRow("save") << "save";
}

void TestFileNames::allFilesShowsNamesWithoutDot() {
    QFETCH(QString, dialog);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    w.document().insertRow(0, "x=1");
    f.action(dialog == "open" ? "actOpenIniFile" : "actSaveAs")->trigger();
    const auto& shown = dialog == "open" ? f.platform.openDialogSettings() : f.platform.saveDialogSettings();
    QCOMPARE(shown.size(), 1);
    const QStringList all = shown.first().filters.last().second.split(';');
    for (const QString name : {"hosts", "sshd_config", "php.ini", ".bashrc", "a.b.c"})
        QVERIFY2(QDir::match(all, name), qPrintable(name));
}

// The drop ends first; its messages come after, as if the file had been opened by a command.
void TestFileNames::dropReturnsBeforeAnyDialog_data() {
    QTest::addColumn<qsizetype>("size");  // -1: no such file
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("missing file") << qsizetype(-1) << QStringList{"missing"};
    QTest::newRow("large file") << qsizetype(80 * 1024)
                                << QStringList{QStringLiteral("该文件很大，打开可能要好几秒。")};
}

void TestFileNames::dropReturnsBeforeAnyDialog() {
    QFETCH(qsizetype, size);
    QFETCH(QStringList, messages);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    const QString path = f.path("dropped.ini");
    if (size >= 0)
        f.writeFile("dropped.ini", QByteArray(size - 6, 'x') + "\r\nk=1\n");
    else
        messages = QStringList{Missing(path)};
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    Drop(w, data);
    QCOMPARE(f.platform.shown().size(), 0);
    QTRY_COMPARE(f.platform.messages(), messages);
    if (size >= 0)
        QTRY_COMPARE(w.windowTitle(), "Varnoquil-" + path);
}

// The title bar shows the caption and nothing else: Qt adds the application's display name to
// every window title when one is set, so none may be.
void TestFileNames::titleIsExactlyTheCaption() {
    MainWindowFixture f;
    const QString path = f.writeFile("t.ini", "[T]\n");
    vq::TfrmMain& w = f.start({path});
    f.show();
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    const QString displayName = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    QCOMPARE(displayName, QStringLiteral("probe"));
    // Where the window system's own title can be read, it reads the same.
    if (QGuiApplication::platformName() == "xcb" && !QStandardPaths::findExecutable("xprop").isEmpty()) {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(w.winId()), "-notype", "_NET_WM_NAME"});
        QVERIFY(xprop.waitForFinished(5000));
        const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
        QCOMPARE(out, QStringLiteral("_NET_WM_NAME = \"Varnoquil-") + path + "\"");
    }
}

QTEST_MAIN(TestFileNames)
#include "FileNamesTest.moc"
