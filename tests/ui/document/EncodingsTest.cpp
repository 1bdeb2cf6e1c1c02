// Chinese text in the views: a legacy GBK file and a UTF-8 file show the same characters in the
// rows, the tree and the target text, and keep their own bytes.
#include "MainWindowFixture.h"

#include "ui/document/TextCodec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QString kText = QStringLiteral("[数据库]\r\n主机=本地\r\n;端口=3306\r\n");
const QStringList kLines = {QStringLiteral("[数据库]"), QStringLiteral("主机=本地"), QStringLiteral(";端口=3306")};

// The text as UTF-16 with its byte-order mark, as Windows tools write .inf files.
QByteArray Utf16(const QString& text, bool littleEndian) {
    QByteArray bytes;
    for (const QChar c : QChar(0xFEFF) + text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

// The command line run as a process on the file, with these arguments before it.
QByteArray CommandLine(const QStringList& arguments, const QString& file) {
    QProcess run;
    run.start(QStringLiteral(VQ_PROGRAM), arguments + QStringList{file});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        qWarning("the command line failed: %s", run.readAllStandardError().constData());
    return run.readAllStandardOutput();
}

}  // namespace

class TestEncodings : public QObject {
    Q_OBJECT
private slots:
    void chineseShown_data();
    void chineseShown();
    void changedLineShownInDocumentEncoding_data();
    void changedLineShownInDocumentEncoding();
    void chineseFileName();
    void utf16SavedInItsOwnForm_data();
    void utf16SavedInItsOwnForm();
    void commandLineSeesWhatTheWindowSees_data();
    void commandLineSeesWhatTheWindowSees();
};

void TestEncodings::chineseShown_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("GBK") << Gb18030(kText);
    QTest::newRow("UTF-8") << kText.toUtf8();
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF") + kText.toUtf8();
    QTest::newRow("GBK, LF, no final break") << Gb18030(kLines.join('\n'));
    QTest::newRow("UTF-16 LE with byte-order mark") << Utf16(kText, true);
    QTest::newRow("UTF-16 BE with byte-order mark") << Utf16(kText, false);
}

void TestEncodings::chineseShown() {
    QFETCH(QByteArray, bytes);
    MainWindowFixture f;
    const QString path = f.writeFile("db.ini", bytes);
    vq::TfrmMain& w = f.start({path});

    QCOMPARE(f.column(0), kLines);
    QCOMPARE(f.column(1), kLines);
    QCOMPARE(f.treeOutline(), (QStringList{kLines[0], "  " + kLines[1], "  " + kLines[2]}));
    QCOMPARE(f.targetLines().mid(0, 3), kLines);
    QCOMPARE(f.targetText().trimmed(), kLines.join('\n'));
    QCOMPARE(f.checked(), (QList<bool>{true, true, false}));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!w.document().modified());
}

// A row changed in the document's own bytes shows as the same characters in the list and the text.
void TestEncodings::changedLineShownInDocumentEncoding_data() {
    QTest::addColumn<bool>("gbk");
    QTest::newRow("GBK") << true;
    QTest::newRow("UTF-8") << false;
}

void TestEncodings::changedLineShownInDocumentEncoding() {
    QFETCH(bool, gbk);
    MainWindowFixture f;
    const auto bytes = [gbk](const QString& s) { return gbk ? Gb18030(s) : s.toUtf8(); };
    const QString path = f.writeFile("enc.ini", bytes(kText));
    vq::TfrmMain& w = f.start({path});
    w.document().setCaption(1, bytes(QStringLiteral("主机=远程")).toStdString());
    w.document().setChecked(1, false);
    QCOMPARE(f.column(0).at(1), QStringLiteral("主机=远程"));
    QCOMPARE(f.column(1).at(1), QStringLiteral("主机=本地"));
    QCOMPARE(f.targetLines().at(1), QStringLiteral("主机=远程"));
    QCOMPARE(f.treeOutline().at(1), QStringLiteral("  主机=本地"));  // the tree waits for a refresh
    f.treeAndRows().BuildTopicTree();
    QCOMPARE(f.treeOutline().at(1), QStringLiteral("  主机=远程"));
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), bytes(QStringLiteral("[数据库]\r\n主机=远程\r\n;端口=3306\r\n")));
}

// A Chinese path reaches the caption and the log entry as it is.
void TestEncodings::chineseFileName() {
    MainWindowFixture f;
    const QString path = f.writeFile(QStringLiteral("配置 文件.ini"), Gb18030(kText));
    vq::TfrmMain& w = f.start({path});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QCOMPARE(f.logEntries(), QStringList{OpenLogEntry(path)});
    QCOMPARE(f.column(0), kLines);
    w.document().setCaption(2, Gb18030(QStringLiteral(";端口=80")).toStdString());
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(f.targetLines().at(2), QStringLiteral(";端口=80"));
    QCOMPARE(MainWindowFixture::readBytes(path), Gb18030(QStringLiteral("[数据库]\r\n主机=本地\r\n;端口=80\r\n")));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
}

// A UTF-16 file is saved back as UTF-16 of the same byte order: unchanged byte for byte, and
// with a changed row in the same form. Bytes that only look like UTF-16 stay bytes.
void TestEncodings::utf16SavedInItsOwnForm_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("changed");  // after row 1 becomes "主机=远程"; empty: not UTF-16
    const QString changed = QStringLiteral("[数据库]\r\n主机=远程\r\n;端口=3306\r\n");
    QTest::newRow("little-endian") << Utf16(kText, true) << Utf16(changed, true);
    QTest::newRow("big-endian") << Utf16(kText, false) << Utf16(changed, false);
    QTest::newRow("odd length") << Utf16(kText, true).append('x') << QByteArray();
    QTest::newRow("unpaired surrogate") << Utf16(kText + QChar(0xD800), true) << QByteArray();
}

void TestEncodings::utf16SavedInItsOwnForm() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, changed);
    MainWindowFixture f;
    const QString path = f.writeFile("setup.inf", bytes);
    vq::TfrmMain& w = f.start({path});
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), bytes);
    if (changed.isEmpty())
        return;
    QCOMPARE(f.column(0), kLines);
    w.document().setCaption(1, QStringLiteral("主机=远程").toStdString());
    QCOMPARE(f.targetLines().at(1), QStringLiteral("主机=远程"));
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), changed);
}

// A split sign typed in the tool bar and the same sign given on the command line find the same
// lines, in every encoding the window reads (its character set set in the settings file): the
// command line's outline is the window's tree, and each extraction writes what Save writes after
// the window's.
void TestEncodings::commandLineSeesWhatTheWindowSees_data() {
    QTest::addColumn<int>("charset");  // 0 for a UTF-8 file
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("commented");  // the commented key the sign makes a node
    QTest::newRow("GBK") << 134 << QStringLiteral("[数据库]\r\n键＝值\r\n;注释＝1\r\n;注释\r\n") << QStringLiteral("＝")
                         << QStringLiteral(";注释＝1");
    QTest::newRow("Big5") << 136 << QStringLiteral("[資料庫]\n鍵＝值\n;註解＝1\n;註解\n") << QStringLiteral("＝")
                          << QStringLiteral(";註解＝1");
    QTest::newRow("Shift_JIS") << 128 << QStringLiteral("[設定]\r\n鍵＝値\r\n;注釈＝1\r\n;注釈\r\n")
                               << QStringLiteral("＝") << QStringLiteral(";注釈＝1");
    QTest::newRow("EUC-KR") << 129 << QStringLiteral("[설정]\n키＝값\n;주석＝1\n;주석\n") << QStringLiteral("＝")
                            << QStringLiteral(";주석＝1");
    QTest::newRow("windows-1252") << 0 << QStringLiteral("[Café]\nclé÷valeur\n;noté÷1\n;noté\n") << QStringLiteral("÷")
                                  << QStringLiteral(";noté÷1");
    QTest::newRow("UTF-8") << -1 << QStringLiteral("[数据库]\n键＝值\n;注释＝1\n;注释\n") << QStringLiteral("＝")
                           << QStringLiteral(";注释＝1");
}

void TestEncodings::commandLineSeesWhatTheWindowSees() {
    QFETCH(int, charset);
    QFETCH(QString, text);
    QFETCH(QString, sign);
    QFETCH(QString, commented);
    MainWindowFixture f;
    const QString codePage = vq::LegacyCodecName(std::max(charset, 0));
    QByteArray bytes = text.toUtf8();
    if (charset >= 0) {
        QStringEncoder encoder(codePage.toLatin1().constData());
        bytes = encoder.encode(text);
        QVERIFY(!encoder.hasError());
        f.writeFile("tolvry.ini", "[General]\nText_Font=DejaVu Sans," + QByteArray::number(charset) + ",,9,\n");
    }
    const QString path = f.writeFile("signs.ini", bytes);
    vq::TfrmMain& w = f.start();
    f.show();
    f.action("mnuPtn1")->trigger();
    QLineEdit* split = f.find<QComboBox>("cboSplit")->lineEdit();
    split->selectAll();
    QTest::sendKeyEvent(QTest::Click, split, Qt::Key_unknown, sign, Qt::NoModifier);
    QCOMPARE(split->text(), sign);
    f.files().OpenDocument(path);
    f.waitForLoad();

    const QStringList options = {"--pattern", "1", "--split", sign, "--encoding", codePage};
    QStringList outline;
    for (const QByteArray& line : CommandLine(QStringList{"--outline"} + options, path).split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype depth = line.indexOf(QByteArrayView(line).trimmed());
        const QByteArray nodeText = line.mid(line.indexOf(": ") + 2);
        outline << QString(depth, ' ') + w.session().codec().decode(nodeText.toStdString());
    }
    QCOMPARE(outline, f.treeOutline());
    QVERIFY(outline.contains("  " + commented));

    for (const auto& [action, kind] :
         {std::pair{"actSaveSel", "checked"}, {"actSaveTree", "tree"}, {"actSaveAll", "all"}}) {
        f.platform.queueConfirm(Answer::Ok);
        f.action(action)->trigger();
        const QByteArray saved = QByteArray::fromStdString(w.document().saveBytes());
        QCOMPARE(CommandLine(QStringList{"--extract", kind} + options, path), saved);
    }
}

QTEST_MAIN(TestEncodings)
#include "EncodingsTest.moc"
