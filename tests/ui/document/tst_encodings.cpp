// Chinese text in the views: a legacy GBK file and a UTF-8 file show the same characters in the
// rows, the tree and the target text, and keep their own bytes.
#include "MainWindowFixture.h"

#include <QTest>

using namespace vqtest;

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

QTEST_MAIN(TestEncodings)
#include "tst_encodings.moc"
