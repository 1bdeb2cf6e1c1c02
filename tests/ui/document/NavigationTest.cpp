// Between the views: a node chosen in the tree reveals its row (by click, Up and Down), Enter moves
// to the list, a node whose row is gone beeps; the Line panel follows the list's selection; each
// view names itself in the Message panel when it gets the focus; a double click on a row shows
// its line in the target text and edits it.
#include "ListGestures.h"

#include "core/document/DocumentTexts.h"
#include "ui/document/ViewTexts.h"

#include "ui/document/TargetTextView.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTreeView>

using namespace vqtest;

namespace {

const QByteArray kFile =
    "[Database]\r\nhost=local\r\n;port=3306\r\n\r\n[Paths]\r\nroot=/srv\r\nk1=1\r\nk2=2\r\n"
    "k3=3\r\nk4=4\r\nk5=5\r\n";

QString U(const char* text) { return QString::fromUtf8(text); }

void ClickNode(QTreeView* tree, const QModelIndex& node) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualRect(node).center());
}

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void clickOnNodeRevealsItsRow_data();
    void clickOnNodeRevealsItsRow();
    void upDownAndEnterInTheTree();
    void nodeWithoutRowBeeps();
    void linePanelFollowsTheSelection();
    void focusTexts();
    void doubleClickWithoutMirroringOnlyEdits();
    void doubleClickShowsTheLine_data();
    void doubleClickShowsTheLine();
    void caretPanel();
};

void TestNavigation::clickOnNodeRevealsItsRow_data() {
    QTest::addColumn<QList<int>>("path");  // child positions from the top
    QTest::addColumn<int>("row");
    QTest::newRow("second section") << QList<int>{1} << 4;
    QTest::newRow("a key") << QList<int>{0, 0} << 1;
    QTest::newRow("a commented key") << QList<int>{0, 1} << 2;
}

void TestNavigation::clickOnNodeRevealsItsRow() {
    QFETCH(QList<int>, path);
    QFETCH(int, row);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    QVERIFY(f.showActive());
    QTreeView* tree = f.tree();
    tree->setFocus();
    ClickRow(f, 7);
    ClickRow(f, 9, Qt::ControlModifier);
    tree->setFocus();
    QModelIndex node;
    for (int position : path) {
        node = tree->model()->index(position, 0, node);
        tree->expand(node.parent());
        ClickNode(tree, node);
    }
    QCOMPARE(f.selectedRows(), QList<int>{row});
    QCOMPARE(ListView(f)->currentIndex().row(), row);
    QVERIFY(tree->hasFocus());
}

void TestNavigation::upDownAndEnterInTheTree() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    QVERIFY(f.showActive());
    QTreeView* tree = f.tree();
    tree->setFocus();
    ClickNode(tree, tree->model()->index(0, 0));
    QCOMPARE(f.selectedRows(), QList<int>{0});
    QTest::keyClick(tree, Qt::Key_Down);  // into the open section: host=local
    QCOMPARE(f.selectedRows(), QList<int>{1});
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(f.selectedRows(), QList<int>{2});
    QTest::keyClick(tree, Qt::Key_Up);
    QCOMPARE(f.selectedRows(), QList<int>{1});
    QVERIFY(tree->hasFocus());
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_VERIFY(ListView(f)->hasFocus());
    QCOMPARE(f.selectedRows(), QList<int>{1});
}

// A node whose row was deleted is drawn red; choosing it beeps and clears the list's selection.
void TestNavigation::nodeWithoutRowBeeps() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    QVERIFY(f.showActive());
    ClickRow(f, 4);
    QVERIFY(Trigger(f, "actDelLine"));
    ClickRow(f, 0);
    QTreeView* tree = f.tree();
    const QModelIndex paths = tree->model()->index(1, 0);
    QCOMPARE(paths.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    f.platform.clearRecords();
    ClickNode(tree, paths);
    QCOMPARE(f.platform.beeps(), 1);
    QCOMPARE(f.selectedRows(), QList<int>{});
    QCOMPARE(f.message(), U(vq::texts::kRowGone));
    // A row still there is found again, though its index moved.
    tree->expand(paths);
    ClickNode(tree, tree->model()->index(0, 0, paths));
    QCOMPARE(f.selectedRows(), QList<int>{4});
    QCOMPARE(f.column(0).at(4), QString("root=/srv"));
}

void TestNavigation::linePanelFollowsTheSelection() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    ClickRow(f, 9);
    QCOMPARE(f.panel("pnlLine")->text(), QString("Line:10"));
    ClickRow(f, 2, Qt::ControlModifier);
    QCOMPARE(f.panel("pnlLine")->text(), QString("Line:3"));
    ClickRow(f, 2, Qt::ControlModifier);  // unselected: still the row that changed
    QCOMPARE(f.panel("pnlLine")->text(), QString("Line:3"));
}

void TestNavigation::focusTexts() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    QVERIFY(f.showActive());
    f.tree()->setFocus();
    QTRY_COMPARE(f.message(), U(vq::texts::kFocusTree));
    ListView(f)->setFocus();
    QTRY_COMPARE(f.message(), U(vq::texts::kFocusList));
    f.text()->setFocus();
    QTRY_COMPARE(f.message(), U(vq::texts::kFocusText));
    f.log()->setFocus();  // a view without a focus text of its own
    QTRY_COMPARE(f.message(), QString(" "));
}

// After an extraction of some rows the target text no longer mirrors the list: a double click
// only edits.
void TestNavigation::doubleClickWithoutMirroringOnlyEdits() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    const std::vector<size_t> extracted{0, 4};
    f.doc().replaceTargetByRows(extracted);
    QVERIFY(!f.doc().textMirrorsList());
    auto* pages = f.find<QTabWidget>("pcPages");
    pages->setCurrentIndex(1);
    DoubleClickRow(f, 1);
    QVERIFY(OpenedRowEditor(f));
    QCOMPARE(pages->currentIndex(), 1);
}

// A double click selects the row's line in the target text (a line that fits with its break, of
// a longer one as much as the view shows), brings the page "目标文本" to the front and opens the
// editor on the row.
void TestNavigation::doubleClickShowsTheLine_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("wholeLine");
    QTest::newRow("first row") << 0 << true;
    QTest::newRow("a row further down") << 5 << true;
    QTest::newRow("a line wider than the view") << 11 << false;
    QTest::newRow("the last line, without a break after it") << 12 << true;
}

void TestNavigation::doubleClickShowsTheLine() {
    QFETCH(int, row);
    QFETCH(bool, wholeLine);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile + "long=" + QByteArray(2000, 'x') + "\r\nlast=1")});
    f.show();
    auto* pages = f.find<QTabWidget>("pcPages");
    pages->setCurrentIndex(1);
    vq::TargetTextView* text = f.text();
    DoubleClickRow(f, row);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QCOMPARE(editor->text(), f.column(0).at(row));
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(text->selectionStartPoint(), (vq::TextPoint{row, 0}));
    const qsizetype length = text->lineLength(row);
    const bool last = row == text->lineCount() - 1;
    if (wholeLine) {
        QCOMPARE(text->selectionLength(), length + (last ? 0 : 1));
    } else {
        // As many characters as the view's width holds of the letter "t".
        const int fit = text->viewport()->width() / QFontMetrics(text->font()).horizontalAdvance(QLatin1Char('t'));
        QCOMPARE(text->selectionLength(), qsizetype(fit));
        QCOMPARE(text->selectionEndPoint().line, qsizetype(row));
    }
    QCOMPARE(f.panel("pnlCaret")->text(), QString("Row:%1 Col:0").arg(row + 1));
    QTest::keyClick(editor, Qt::Key_Escape);
}

// The Caret panel shows where the selection starts: line from 1, column from 0.
void TestNavigation::caretPanel() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    QCOMPARE(f.panel("pnlCaret")->text(), QString("Row:1 Col:0"));
    f.text()->setSelection(vq::TextPoint{2, 5}, vq::TextPoint{1, 3});
    QCOMPARE(f.panel("pnlCaret")->text(), QString("Row:2 Col:3"));
}

QTEST_MAIN(TestNavigation)
#include "NavigationTest.moc"
