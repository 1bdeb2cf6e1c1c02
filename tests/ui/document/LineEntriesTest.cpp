// Line entries: rows of the content list, their colours, and the target text that mirrors them.
#include "ListGestures.h"

#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <QTextDocument>

using namespace vqtest;

namespace {

// What the target text view shows for these lines: one block per line, plus an empty block when
// the text ends with a break.
QStringList Blocks(const QStringList& lines, bool finalBreak) {
    QStringList blocks = lines;
    if (finalBreak || lines.isEmpty())
        blocks << QString();
    return blocks;
}

const QStringList kLines = {
    "; comment line",  // 0
    "[Section]",       // 1
    "alpha=1",         // 2
    ";beta=2",         // 3
    "",                // 4
    "gamma = three",   // 5
    "\tdelta=4",       // 6
    "[Other]",         // 7
    "epsilon=5",       // 8
    "zeta=6",          // 9
};

}  // namespace

class TestLineEntries : public QObject {
    Q_OBJECT
private slots:
    void loadedRows_data();
    void loadedRows();
    void captionMirrored_data();
    void captionMirrored();
    void checkBoxNotMirrored_data();
    void checkBoxNotMirrored();
    void rowColours_data();
    void rowColours();
    void rowColoursPainted_data();
    void rowColoursPainted();
    void insertedRowMark();
    void focusMarksTheWholeRow_data();
    void focusMarksTheWholeRow();
    void insertAndDeleteMirrored_data();
    void insertAndDeleteMirrored();
    void mirroringOff_data();
    void mirroringOff();
    void deletedRowTurnsNodeRed_data();
    void deletedRowTurnsNodeRed();
    void revealLineEntry_data();
    void revealLineEntry();
    void viewLinesMatchRows_data();
    void viewLinesMatchRows();
};

// A file of n lines gives n rows in the list; the column "before" equals the caption; no row is
// new or edited. (How bytes split into lines is the core's, pinned by its tests.)
void TestLineEntries::loadedRows_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("a, empty, b with final break") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("leading blanks and tabs kept")
        << QByteArray("  \tkey = v \t\r\n\t[S]\r\n") << QStringList{"  \tkey = v \t", "\t[S]"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestLineEntries::loadedRows() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    MainWindowFixture f;
    f.start({f.writeFile("rows.ini", bytes)});
    QCOMPARE(f.column(0), rows);
    QCOMPARE(f.column(1), rows);
    const QAbstractItemModel* model = f.list()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        QCOMPARE(model->index(r, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    for (size_t r = 0; r < f.window().document().rowCount(); ++r) {
        QCOMPARE(f.window().document().row(r).record.edited, 0);
        QCOMPARE(f.window().document().row(r).record.newLine, 0);
    }
}

// Changing the caption of one row changes that target-text line and nothing else, marks the
// document Modified and adds the caption's mark once.
void TestLineEntries::captionMirrored_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::addColumn<int>("row");
    QTest::newRow("row 5, CR LF") << QByteArray("\r\n") << true << 5;
    QTest::newRow("last row, LF, no final break") << QByteArray("\n") << false << 9;
}

void TestLineEntries::captionMirrored() {
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, finalBreak);
    QFETCH(int, row);
    MainWindowFixture f;
    const QString path = f.writeFile("mirror.ini", Join(kLines, lineBreak, finalBreak));
    vq::TfrmMain& w = f.start({path});
    QCOMPARE(f.targetLines(), Blocks(kLines, finalBreak));

    w.document().setCaption(static_cast<size_t>(row), "changed = yes");
    QStringList expected = kLines;
    expected[row] = "changed = yes";
    QCOMPARE(f.targetLines(), Blocks(expected, finalBreak));
    QCOMPARE(f.column(0), expected);
    QCOMPARE(f.column(1), kLines);
    QVERIFY(w.document().modified());
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");

    // A second change leaves the caption's mark alone.
    w.document().setCaption(static_cast<size_t>(row), "changed = again");
    expected[row] = "changed = again";
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), Join(expected, lineBreak, finalBreak));
}

// The check box is no part of the text: toggling it leaves the target text and Modified alone.
void TestLineEntries::checkBoxNotMirrored_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("wasChecked");
    QTest::newRow("uncheck a key row") << 2 << true;
    QTest::newRow("check a comment row") << 0 << false;
    QTest::newRow("check the empty row") << 4 << false;
}

void TestLineEntries::checkBoxNotMirrored() {
    QFETCH(int, row);
    QFETCH(bool, wasChecked);
    MainWindowFixture f;
    const QString path = f.writeFile("check.ini", Join(kLines, "\r\n", true));
    vq::TfrmMain& w = f.start({path});
    QCOMPARE(f.checked().at(row), wasChecked);

    QAbstractItemModel* model = f.list()->model();
    QVERIFY(model->setData(model->index(row, 0), wasChecked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(f.checked().at(row), !wasChecked);
    QCOMPARE(f.targetLines(), Blocks(kLines, true));
    QVERIFY(!w.document().modified());
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!f.action("actSave")->isEnabled());
}

// Background by New-line flag first, then Edited flag, else white; text teal when unchecked, black
// when checked.
void TestLineEntries::rowColours_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("file row, checked") << "plain" << QColor(Qt::white) << QColor(0, 0, 0);
    QTest::newRow("file row, unchecked") << "unchecked" << QColor(Qt::white) << QColor(0, 128, 128);
    QTest::newRow("edited file row") << "edited" << QColor(192, 220, 192) << QColor(0, 0, 0);
    QTest::newRow("edited, then restored") << "restored" << QColor(Qt::white) << QColor(0, 0, 0);
    QTest::newRow("inserted row") << "inserted" << QColor(166, 202, 240) << QColor(0, 128, 128);
    QTest::newRow("inserted and edited") << "inserted+edited" << QColor(166, 202, 240) << QColor(0, 0, 0);
}

static int PrepareRowState(MainWindowFixture& f, const QString& state) {
    vq::Document& doc = f.window().document();
    int row = 2;  // "alpha=1", checked by the analysis
    if (state == "unchecked") {
        doc.setChecked(2, false);
    } else if (state == "edited") {
        doc.setCaption(2, ";alpha=1");
        doc.setEdited(2, true);
    } else if (state == "restored") {
        doc.setCaption(2, ";alpha=1");
        doc.setEdited(2, true);
        doc.setCaption(2, "alpha=1");
        doc.setEdited(2, false);
    } else if (state.startsWith("inserted")) {
        row = 3;
        doc.insertRow(3, "new=1");
        if (state == "inserted+edited") {
            doc.setChecked(3, true);
            doc.setEdited(3, true);
        }
    }
    return row;
}

void TestLineEntries::rowColours() {
    QFETCH(QString, state);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    MainWindowFixture f;
    f.start({f.writeFile("colours.ini", Join(kLines, "\r\n", true))});
    const int row = PrepareRowState(f, state);
    const QAbstractItemModel* model = f.list()->model();
    for (int column : {0, 1}) {
        const QModelIndex i = model->index(row, column);
        QCOMPARE(i.data(Qt::BackgroundRole).value<QBrush>().color(), background);
        QCOMPARE(i.data(Qt::ForegroundRole).value<QBrush>().color(), text);
    }
}

// The colours reach the screen: the empty part of column 1 is painted in the row's background.
void TestLineEntries::rowColoursPainted_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("background");
    QTest::newRow("edited") << "edited" << QColor(192, 220, 192);
    QTest::newRow("inserted") << "inserted" << QColor(166, 202, 240);
    QTest::newRow("plain") << "plain" << QColor(Qt::white);
}

void TestLineEntries::rowColoursPainted() {
    QFETCH(QString, state);
    QFETCH(QColor, background);
    MainWindowFixture f;
    f.start({f.writeFile("paint.ini", Join(kLines, "\r\n", true))});
    f.show();
    const int row = PrepareRowState(f, state);
    f.list()->clearSelection();
    f.list()->setCurrentIndex(QModelIndex());
    QCoreApplication::processEvents();  // the list lays itself out again after the insert
    const QRect cell = f.list()->visualRect(f.list()->model()->index(row, 1));
    QVERIFY(cell.isValid());
    const QImage image = f.list()->viewport()->grab().toImage();
    const QPoint probe(cell.right() - 3, cell.center().y());
    QCOMPARE(image.pixelColor(probe * image.devicePixelRatio()).rgb(), background.rgb());
}

// The keyboard focus marks the whole row, both columns, whichever column the user clicked; here
// on a row it moved to with Ctrl+Down, which leaves the row unselected.
void TestLineEntries::focusMarksTheWholeRow_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("clicked on the caption") << 0;
    QTest::newRow("clicked on the text at load") << 1;
}

void TestLineEntries::focusMarksTheWholeRow() {
    QFETCH(int, column);
    MainWindowFixture f;
    f.start({f.writeFile("focus.ini", Join(kLines, "\r\n", true))});
    QVERIFY(f.showActive());
    vq::ContentListView* list = f.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(list->model()->index(2, column)).center());
    QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(list->currentIndex().row(), 3);
    const QRect mark = FocusMarkOfRow(f, 3);
    const QHeaderView* header = list->horizontalHeader();
    QVERIFY2(mark.left() <= header->sectionPosition(0) + 4, qPrintable(QString::number(mark.left())));
    QVERIFY2(mark.right() >= header->sectionPosition(1) + header->sectionSize(1) - 5,
             qPrintable(QString::number(mark.right())));
}

// An inserted row shows "<<新建行>>" in the column "before", and its text in the target text.
void TestLineEntries::insertedRowMark() {
    MainWindowFixture f;
    f.start({f.writeFile("insert.ini", Join(kLines, "\r\n", true))});
    vq::Document& doc = f.window().document();
    doc.insertRow(2, "inserted=1");
    QCOMPARE(f.column(0).at(2), "inserted=1");
    QCOMPARE(f.column(1).at(2), "<<新建行>>");
    QCOMPARE(f.column(1).at(3), kLines.at(2));
    QCOMPARE(f.targetLines().at(2), "inserted=1");
    // Editing it keeps the mark and the sky-blue background.
    doc.setCaption(2, "inserted=2");
    QCOMPARE(f.column(1).at(2), "<<新建行>>");
    QCOMPARE(f.list()->model()->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(166, 202, 240));
    QCOMPARE(doc.row(2).record.newLine, 1);
}

// Inserted and deleted rows reach the list and the target text, at the start, inside and at the
// end; what Save writes follows them byte for byte. (The breaks of inserted lines in every kind of
// file are the core's rule, pinned by its tests; two kinds of file show the window keeps them.)
void TestLineEntries::insertAndDeleteMirrored_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("finalBreak");
    QTest::addColumn<QString>("operation");  // "insert" or "delete"
    QTest::addColumn<int>("row");            // -1: after the last row
    const struct {
        const char* name;
        const char* brk;
        bool final;
    } files[] = {{"CR LF", "\r\n", true}, {"LF, no final break", "\n", false}};
    for (const auto& file : files) {
        const QByteArray b(file.brk);
        QTest::addRow("%s: insert first", file.name) << b << file.final << "insert" << 0;
        QTest::addRow("%s: insert inside", file.name) << b << file.final << "insert" << 5;
        QTest::addRow("%s: append at the end", file.name) << b << file.final << "insert" << -1;
        QTest::addRow("%s: delete first", file.name) << b << file.final << "delete" << 0;
        QTest::addRow("%s: delete inside", file.name) << b << file.final << "delete" << 4;
        QTest::addRow("%s: delete last", file.name) << b << file.final << "delete" << -1;
    }
}

void TestLineEntries::insertAndDeleteMirrored() {
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, finalBreak);
    QFETCH(QString, operation);
    QFETCH(int, row);
    MainWindowFixture f;
    const QString path = f.writeFile("edit.ini", Join(kLines, lineBreak, finalBreak));
    vq::TfrmMain& w = f.start({path});
    QStringList expected = kLines;
    if (operation == "insert") {
        const int k = row < 0 ? kLines.size() : row;
        w.document().insertRow(static_cast<size_t>(k), "inserted=1");
        expected.insert(k, "inserted=1");
    } else {
        const int k = row < 0 ? kLines.size() - 1 : row;
        f.treeAndRows().DeleteLineEntry(k);
        expected.removeAt(k);
    }
    QCOMPARE(f.column(0), expected);
    QCOMPARE(f.targetLines(), Blocks(expected, finalBreak));
    QVERIFY(w.document().modified());
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), Join(expected, lineBreak, finalBreak));
}

// While the target text does not mirror the list, row changes leave the text and Modified alone.
void TestLineEntries::mirroringOff_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("caption") << "caption";
    QTest::newRow("insert") << "insert";
    QTest::newRow("delete") << "delete";
    QTest::newRow("append") << "append";
}

void TestLineEntries::mirroringOff() {
    QFETCH(QString, operation);
    MainWindowFixture f;
    const QString path = f.writeFile("off.ini", Join(kLines, "\r\n", true));
    vq::TfrmMain& w = f.start({path});
    vq::Document& doc = w.document();
    doc.setTextMirrorsList(false, "当前文本内容为上次操作:test");
    QVERIFY(!doc.modified());

    QStringList rows = kLines;
    if (operation == "caption") {
        doc.setCaption(5, "gamma = four");
        rows[5] = "gamma = four";
    } else if (operation == "insert") {
        doc.insertRow(1, "new=1");
        rows.insert(1, "new=1");
    } else if (operation == "append") {
        doc.insertRow(doc.rowCount(), "new=1");
        rows.append("new=1");
    } else {
        f.treeAndRows().DeleteLineEntry(3);
        rows.removeAt(3);
    }
    QCOMPARE(f.column(0), rows);
    QCOMPARE(f.targetLines(), Blocks(kLines, true));
    QVERIFY(!doc.modified());
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
}

// Deleting a row that has a tree node turns that node red; the node stays where it was.
void TestLineEntries::deletedRowTurnsNodeRed_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("node");
    QTest::addColumn<bool>("insertFirst");
    QTest::newRow("section header") << 1 << "[Section]" << false;
    QTest::newRow("key row") << 2 << "alpha=1" << false;
    QTest::newRow("commented key row") << 3 << ";beta=2" << false;
    QTest::newRow("inserted row, after a refresh") << 3 << "new=1" << true;
}

static QModelIndex FindNode(const QAbstractItemModel* model, const QString& text, const QModelIndex& parent = {}) {
    for (int r = 0; r < model->rowCount(parent); ++r) {
        const QModelIndex i = model->index(r, 0, parent);
        if (i.data().toString() == text)
            return i;
        const QModelIndex below = FindNode(model, text, i);
        if (below.isValid())
            return below;
    }
    return {};
}

static QStringList RedNodes(const QAbstractItemModel* model, const QModelIndex& parent = {}) {
    QStringList out;
    for (int r = 0; r < model->rowCount(parent); ++r) {
        const QModelIndex i = model->index(r, 0, parent);
        const QVariant fg = i.data(Qt::ForegroundRole);
        if (fg.isValid() && fg.value<QBrush>().color() == QColor(255, 0, 0))
            out << i.data().toString();
        out << RedNodes(model, i);
    }
    return out;
}

void TestLineEntries::deletedRowTurnsNodeRed() {
    QFETCH(int, row);
    QFETCH(QString, node);
    QFETCH(bool, insertFirst);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("red.ini", Join(kLines, "\r\n", true))});
    if (insertFirst) {
        w.document().insertRow(static_cast<size_t>(row), "new=1");
        f.treeAndRows().BuildTopicTree();
    }
    const QStringList outline = f.treeOutline();
    QVERIFY2(FindNode(f.tree()->model(), node).isValid(), qPrintable(outline.join('|')));
    QCOMPARE(RedNodes(f.tree()->model()), QStringList());

    f.treeAndRows().DeleteLineEntry(row);
    QCOMPARE(f.treeOutline(), outline);
    QCOMPARE(RedNodes(f.tree()->model()), QStringList{node});
    // The next analysis pass drops the node.
    f.treeAndRows().BuildTopicTree();
    QVERIFY(!FindNode(f.tree()->model(), node).isValid());
    QCOMPARE(RedNodes(f.tree()->model()), QStringList());
}

// The revealed row becomes the only selected and focused row, about 60 pixels below the top.
void TestLineEntries::revealLineEntry_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top");  // expected top of the row's rectangle; -1: anywhere visible
    QTest::newRow("first row") << 0 << 0;
    QTest::newRow("row in the middle") << 150 << 60;
    QTest::newRow("last row") << 299 << -1;
}

void TestLineEntries::revealLineEntry() {
    QFETCH(int, row);
    QFETCH(int, top);
    MainWindowFixture f;
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("key%1=%1").arg(i);
    f.start({f.writeFile("reveal.ini", Join(lines, "\r\n", true))});
    f.show();
    f.list()->selectAll();
    QVERIFY(f.selectedRows().size() == 300);

    f.treeAndRows().RevealLineEntry(row);
    QCOMPARE(f.selectedRows(), QList<int>{row});
    QCOMPARE(f.list()->currentIndex().row(), row);
    const QRect rect = f.list()->visualRect(f.list()->model()->index(row, 0));
    QVERIFY(f.list()->viewport()->rect().contains(rect));
    if (top >= 0)
        QCOMPARE(rect.top(), top);
}

// Line i of the target text view is row i, also when a line holds characters that a text view
// could take as a break; a change of the row after it lands on the right line.
void TestLineEntries::viewLinesMatchRows_data() {
    QTest::addColumn<QByteArray>("odd");
    QTest::newRow("lone CR") << QByteArray("a=1\rb=2");
    QTest::newRow("line separator U+2028") << QByteArray(
        "a=1\xE2\x80\xA8"
        "b=2");
    QTest::newRow("paragraph separator U+2029") << QByteArray(
        "a=1\xE2\x80\xA9"
        "b=2");
    QTest::newRow("NUL byte") << QByteArray("a=1\0b=2", 7);
    QTest::newRow("form feed and vertical tab") << QByteArray("a=1\f\vb=2");
    QTest::newRow("CR before CR LF") << QByteArray("a=1\r");
}

void TestLineEntries::viewLinesMatchRows() {
    QFETCH(QByteArray, odd);
    MainWindowFixture f;
    const QString path = f.writeFile("odd.ini", "first=0\r\n" + odd + "\r\nthird=3\r\n");
    vq::TfrmMain& w = f.start({path});
    QCOMPARE(f.list()->model()->rowCount(), 3);
    QCOMPARE(f.text()->lineCount(), 4);  // three lines and the empty one after the final break
    QCOMPARE(f.targetLines().at(2), QStringLiteral("third=3"));
    w.document().setCaption(2, "third=4");
    QCOMPARE(f.targetLines().at(2), QStringLiteral("third=4"));
    QCOMPARE(f.targetLines().at(0), QStringLiteral("first=0"));
    f.treeAndRows().DeleteLineEntry(0);
    QCOMPARE(f.targetLines().at(1), QStringLiteral("third=4"));
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), odd + "\r\nthird=4\r\n");
}

QTEST_MAIN(TestLineEntries)
#include "LineEntriesTest.moc"
