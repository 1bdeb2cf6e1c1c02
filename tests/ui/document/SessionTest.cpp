// The document session without a window: the steps of new and open, signs encoded for
// each document, and models that let go of their views when the session goes.
#include "TestFiles.h"

#include "ui/document/DocumentSession.h"
#include "ui/document/LogModel.h"
#include "ui/document/RowModel.h"
#include "ui/document/TopicTreeModel.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace vqtest;

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void openSteps_data();
    void openSteps();
    void openOverExtractionMirrorsAgain();
    void newDocument();
    void signsEncodedPerDocument_data();
    void signsEncodedPerDocument();
    void viewsOutliveTheSession();
};

namespace {

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

// What a load makes on its thread: a document of the bytes, analysed under the default signs.
vq::LoadResult Loaded(const QByteArray& bytes) {
    static const vq::AnalysisSettings signs;
    vq::LoadOptions options;
    options.analysis = &signs;
    return vq::OpenBytesIntoDocument(vq::ByteBuffer::copyOf(std::string_view(bytes.constData(), size_t(bytes.size()))),
                                     options);
}

// Opens the bytes into the session in one step, as the window does once a load has ended.
void Open(vq::DocumentSession& session, const std::string& path, const QByteArray& bytes) {
    vq::LoadResult loaded = Loaded(bytes);
    QVERIFY(loaded.document);
    session.takeLoaded(path, loaded);
}

}  // namespace

// Opening: the log entry comes first, nothing counts as the user's change, and the document ends
// unchanged under the file's name with the rows, the target text and the tree filled.
void TestSession::openSteps_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows");
    QTest::newRow("ini file") << QByteArray("[a]\r\nb=1\r\n;c=2\r\n") << 3;
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("GBK file") << Gb18030(QStringLiteral("[甲]\r\n乙=1\r\n")) << 2;
}

void TestSession::openSteps() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);
    vq::DocumentSession session;
    session.startNew();
    Open(session, "/tmp/old.ini", "[old]\r\nx=1\r\n");
    session.document().setCaption(1, "x=2");
    QVERIFY(session.document().modified());
    QSignalSpy state(&session, &vq::DocumentSession::stateChanged);
    QSignalSpy target(&session, &vq::DocumentSession::targetChanged);
    QSignalSpy rowResets(session.rows(), &QAbstractItemModel::modelReset);
    QSignalSpy treeResets(session.tree(), &QAbstractItemModel::modelReset);

    vq::LoadResult loaded = Loaded(bytes);
    session.takeLoaded("/tmp/a.ini", loaded);

    const vq::Document& doc = session.document();
    QCOMPARE(session.rows()->rowCount(), rows);
    QCOMPARE(Bytes(doc.saveBytes()), bytes);
    QCOMPARE(session.log()->rowCount(), 1);
    QCOMPARE(session.log()->entryText(0), OpenLogEntry("/tmp/a.ini"));
    QVERIFY(!doc.modified());
    QVERIFY(!doc.loading());
    QVERIFY(doc.textMirrorsList());
    QCOMPARE(QString::fromStdString(doc.windowCaption()), QStringLiteral("Varnoquil-/tmp/a.ini"));
    QCOMPARE(session.tree()->rowCount() > 0, rows > 0);
    // One step: the views reset once, and the old content went to the loaded document.
    QCOMPARE(rowResets.count(), 1);
    QCOMPARE(treeResets.count(), 1);
    QVERIFY(state.count() > 0);
    QVERIFY(target.count() > 0);
    QCOMPARE(loaded.document->rowCount(), size_t(2));
    QCOMPARE(QByteArray(loaded.document->caption(1).data(), 3), QByteArray("x=2"));
}

// A document whose target text came from an extraction mirrors the rows again once a file is
// opened over it, with the hint of a mirroring text.
void TestSession::openOverExtractionMirrorsAgain() {
    vq::DocumentSession session;
    session.startNew();
    Open(session, "/tmp/x.ini", "[a]\r\nb=1\r\n");
    session.document().setTextMirrorsList(false, "extracted");
    session.document().replaceTarget({"b=1"});
    Open(session, "/tmp/y.ini", "[c]\r\n");
    const vq::Document& doc = session.document();
    QVERIFY(doc.textMirrorsList());
    QCOMPARE(QString::fromStdString(doc.targetHint()), QStringLiteral("当前文本内容与列表相同"));
    QCOMPARE(Bytes(doc.saveBytes()), QByteArray("[c]\r\n"));
    QVERIFY(!doc.modified());
    QCOMPARE(QString::fromStdString(doc.fileName()), QStringLiteral("/tmp/y.ini"));
}

void TestSession::newDocument() {
    vq::DocumentSession session;
    session.document().addLogEntry(0, "w", "t");
    session.document().setTextMirrorsList(false, "other");
    session.startNew();
    const vq::Document& doc = session.document();
    QCOMPARE(session.log()->rowCount(), 0);
    QVERIFY(doc.textMirrorsList());
    QCOMPARE(QString::fromStdString(doc.targetHint()), QStringLiteral("当前文本内容与列表相同"));
    QCOMPARE(QString::fromStdString(doc.windowCaption()), QStringLiteral("Varnoquil-Untitled"));
}

// The user's signs (UTF-8) become the bytes of the open document's encoding.
void TestSession::signsEncodedPerDocument_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("titleBytes");
    const QString sign = QStringLiteral("＃＃");
    QTest::newRow("UTF-8 document") << QByteArray("a=1\r\n") << sign.toUtf8();
    QTest::newRow("GBK document") << Gb18030(QStringLiteral("甲=1\r\n")) << Gb18030(sign);
}

void TestSession::signsEncodedPerDocument() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, titleBytes);
    vq::DocumentSession session;
    session.startNew();
    Open(session, "/tmp/s.ini", file);
    vq::AnalysisSettings typed;
    typed.remSign = std::string(1, '#');
    typed.titleBeginSign = typed.titleEndSign = QStringLiteral("＃＃").toStdString();
    const vq::AnalysisSettings s = session.settingsForDocument(typed);
    QCOMPARE(Bytes(s.titleBeginSign), titleBytes);
    QCOMPARE(Bytes(s.titleEndSign), titleBytes);
    QCOMPARE(Bytes(s.remSign), QByteArray("#"));
    QCOMPARE(Bytes(s.splitSign), QByteArray("="));
}

// The session may go before the views that show its models; they then show nothing.
void TestSession::viewsOutliveTheSession() {
    auto session = std::make_unique<vq::DocumentSession>();
    session->startNew();
    Open(*session, "/tmp/v.ini", "[a]\r\nb=1\r\n");
    QTreeView rows;
    QTreeView tree;
    rows.setModel(session->rows());
    tree.setModel(session->tree());
    rows.show();
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rows));
    QCOMPARE(rows.model()->rowCount(), 2);
    session.reset();
    QVERIFY(rows.model() == nullptr || rows.model()->rowCount() == 0);
    QVERIFY(tree.model() == nullptr || tree.model()->rowCount() == 0);
    rows.update();
    QCoreApplication::processEvents();
    QVERIFY(rows.grab().width() > 0);
}

QTEST_MAIN(TestSession)
#include "SessionTest.moc"
