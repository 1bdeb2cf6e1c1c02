// The target text `reContent` as the window shows it: the document's target text read lazily in
// the document's encoding, kept in step by ranges through every kind of change, the Caret panel
// and the pop-up menu.
#include "MainWindowFixture.h"

#include "ui/document/TargetTextSource.h"

#include <QMenu>
#include <QStringDecoder>
#include <QTest>

#include <numeric>

using namespace vqtest;

namespace {

// The target text as Save writes it, decoded and with each break as '\n': what the view must show.
QString SavedText(const vq::Document& doc, bool gbk) {
    const std::string bytes = doc.target().bytes();
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = gbk ? QStringDecoder("GB18030").decode(raw) : QString::fromUtf8(raw);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

class TestTargetText : public QObject {
    Q_OBJECT
private slots:
    void followsEveryKindOfChange_data();
    void followsEveryKindOfChange();
    void sourceMeasuresWithoutDecodingWhole_data();
    void sourceMeasuresWithoutDecodingWhole();
    void caretPanelFollowsClicksAndKeys();
    void rightButtonReleaseOpensThePopup();
};

// Each step changes the document as a command would; after it the view shows exactly what Save
// would write, line for line.
void TestTargetText::followsEveryKindOfChange_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("gbk");
    QTest::newRow("final break") << Join({"[a]", "b=1", ";c=2", "d=3"}) << false;
    QTest::newRow("no final break") << Join({"[a]", "b=1", ";c=2", "d=3"}, "\n", false) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("GBK") << Gb18030(QStringLiteral("[甲]\r\n乙=1\r\n;丙=2\r\n丁=3\r\n")) << true;
}

void TestTargetText::followsEveryKindOfChange() {
    QFETCH(QByteArray, file);
    QFETCH(bool, gbk);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("t.ini", file)});
    f.show();
    vq::Document& doc = w.document();
    const auto check = [&](const char* step) {
        QCOMPARE(f.targetText(), SavedText(doc, gbk));
        QVERIFY2(f.targetLines().join('\n') == SavedText(doc, gbk), step);
    };
    check("loaded");
    doc.insertRow(0, "top=0");
    check("inserted at the top");
    doc.insertRow(doc.rowCount(), "bottom=9");
    check("inserted at the end");
    {
        vq::Document::ChangeBatch batch(doc);
        for (size_t i = 0; i < doc.rowCount(); i += 2)
            doc.setCaption(i, std::string(";").append(doc.caption(i)));
    }
    check("every other row commented in one command");
    std::vector<size_t> gone = {0};
    if (doc.rowCount() > 3)
        gone.push_back(2);
    gone.push_back(doc.rowCount() - 1);
    doc.removeRows(gone);
    check("rows removed at the top, inside and at the end");
    doc.replaceTargetByRows(std::vector<size_t>{0});
    check("one row extracted");
    doc.replaceTarget(std::span<const std::string_view>{});
    check("nothing extracted");
    doc.replaceTargetByAllRows();
    check("all rows extracted");
    std::vector<size_t> all(doc.rowCount());
    std::iota(all.begin(), all.end(), size_t{0});
    doc.removeRows(all);
    check("every row removed");
    doc.insertRow(0, "again=1");
    check("a row into the empty text");
}

// Lengths and prefixes come from the bytes; they must match what decoding the whole line gives.
void TestTargetText::sourceMeasuresWithoutDecodingWhole_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("gbk");
    const QString mixed = QStringLiteral("键=值 ") + QString(300, QLatin1Char('x')) + QStringLiteral("😀尾");
    QTest::newRow("short ASCII") << QStringLiteral("a=1") << false;
    QTest::newRow("short UTF-8") << QStringLiteral("键=值") << false;
    QTest::newRow("long ASCII") << QString(5000, QLatin1Char('a')) << false;
    QTest::newRow("long UTF-8 with a surrogate pair") << mixed << false;
    QTest::newRow("long GBK") << QStringLiteral("键=") + QString(400, QChar(0x503C)) << true;
    QTest::newRow("lone CR shown as a symbol") << QStringLiteral("a=1\rb") << false;
}

void TestTargetText::sourceMeasuresWithoutDecodingWhole() {
    QFETCH(QString, line);
    QFETCH(bool, gbk);
    vq::Document doc;
    const QByteArray bytes = (gbk ? Gb18030(line) : line.toUtf8()) + "\r\nnext=1\r\n";
    doc.load(bytes.toStdString(), {});
    vq::TextCodec codec(doc);
    vq::TargetTextSource source(doc, codec);
    QCOMPARE(source.lineCount(), 3);  // two lines and the empty one after the final break
    const QString whole = source.lineText(0);
    QCOMPARE(whole.size(), line.size());
    QCOMPARE(source.lineLength(0), whole.size());
    QCOMPARE(source.lineLength(0), whole.size());  // asked again: the remembered length
    QCOMPARE(source.linePrefix(0, 10), whole.left(10));
    QCOMPARE(source.linePrefix(0, whole.size() + 5), whole);
    QVERIFY(source.maxLineLengthHint() >= std::min<qsizetype>(whole.size(), vq::kMaxShownLineChars));
    QCOMPARE(source.lineLength(2), 0);
}

// The Caret panel shows where the selection starts: its line from 1, its column from 0.
void TestTargetText::caretPanelFollowsClicksAndKeys() {
    MainWindowFixture f;
    f.start({f.writeFile("c.ini", Join({"[a]", "key=1", "other=2"}))});
    f.show();
    QLabel* panel = f.panel("pnlCaret");
    QCOMPARE(panel->text(), QStringLiteral("Row:1 Col:0"));
    vq::TargetTextView* text = f.text();
    const QRect cell = text->caretRect({1, 3});
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 1, cell.center().y()));
    QCOMPARE(panel->text(), QStringLiteral("Row:2 Col:3"));
    QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(panel->text(), QStringLiteral("Row:2 Col:3"));  // the start of the selection stays
    QTest::keyClick(text, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(panel->text(), QStringLiteral("Row:1 Col:3"));
    f.doc().replaceTarget({"x=1", "y=2"});
    QCOMPARE(panel->text(), QStringLiteral("Row:1 Col:0"));
}

// The pop-up opens where the right button is released, not on its press.
void TestTargetText::rightButtonReleaseOpensThePopup() {
    MainWindowFixture f;
    f.start({f.writeFile("p.ini", Join({"[a]", "key=1"}))});
    f.show();
    auto* popup = f.find<QMenu>("PopupMenu_RE");
    QVERIFY(popup);
    QWidget* viewport = f.text()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 5));
    QVERIFY(!popup->isVisible());
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(20, 5));
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), viewport->mapToGlobal(QPoint(20, 5)));
    popup->close();
    f.destroy();
}

QTEST_MAIN(TestTargetText)
#include "TargetTextTest.moc"
