// The content list as the keyboard and the mouse move through many rows: the focused row, the
// selected rows and what is painted where.
#include "ListGestures.h"
#include "MainWindowFixture.h"
#include "PaintedColours.h"

#include <QScrollBar>
#include <QTest>

#include <cstdlib>

using namespace vqtest;

class TestContentList : public QObject {
    Q_OBJECT
private slots:
    void keysMoveTheFocusedRow_data();
    void keysMoveTheFocusedRow();
    void farRowsPaintedWhereTheyLie();
};

namespace {

constexpr int kRows = 1000;
constexpr int kStart = 500;

int SelectedRows(const vq::ContentListView* list) {
    int rows = 0;
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        rows += range.height();
    return rows;
}

}  // namespace

// From a clicked row in the middle. A page is as many whole rows as the list shows; Shift extends
// the selection from the clicked row, Ctrl moves the focus alone.
void TestContentList::keysMoveTheFocusedRow_data() {
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<int>("row");  // the focused row is this plus `pages` pages
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("selected");  // -1: from the clicked row to the focused one
    QTest::addColumn<bool>("focusSelected");
    using K = QKeyCombination;
    const K shiftDown(Qt::ShiftModifier, Qt::Key_Down);
    QTest::newRow("down") << QList<K>{K(Qt::Key_Down)} << kStart + 1 << 0 << 1 << true;
    QTest::newRow("up twice") << QList<K>{K(Qt::Key_Up), K(Qt::Key_Up)} << kStart - 2 << 0 << 1 << true;
    QTest::newRow("ctrl+end") << QList<K>{K(Qt::ControlModifier, Qt::Key_End)} << kRows - 1 << 0 << 1 << false;
    QTest::newRow("ctrl+home") << QList<K>{K(Qt::ControlModifier, Qt::Key_Home)} << 0 << 0 << 1 << false;
    QTest::newRow("home stays in the row") << QList<K>{K(Qt::Key_Home)} << kStart << 0 << 1 << true;
    QTest::newRow("page down") << QList<K>{K(Qt::Key_PageDown)} << kStart << 1 << 1 << true;
    QTest::newRow("page up twice") << QList<K>{K(Qt::Key_PageUp), K(Qt::Key_PageUp)} << kStart << -2 << 1 << true;
    QTest::newRow("shift+down three times")
        << QList<K>{shiftDown, shiftDown, shiftDown} << kStart + 3 << 0 << 4 << true;
    QTest::newRow("shift+page up") << QList<K>{K(Qt::ShiftModifier, Qt::Key_PageUp)} << kStart << -1 << -1 << true;
    QTest::newRow("shift+page down") << QList<K>{K(Qt::ShiftModifier, Qt::Key_PageDown)} << kStart << 1 << -1 << true;
    QTest::newRow("ctrl+down") << QList<K>{K(Qt::ControlModifier, Qt::Key_Down)} << kStart + 1 << 0 << 1 << false;
}

void TestContentList::keysMoveTheFocusedRow() {
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(int, row);
    QFETCH(int, pages);
    QFETCH(int, selected);
    QFETCH(bool, focusSelected);
    MainWindowFixture f;
    f.start({f.writeFile("many.ini", Join(Lines(kRows)))});
    QVERIFY(f.showActive());
    vq::ContentListView* list = f.list();
    ClickRow(f, kStart);
    row += pages * (list->viewport()->height() / list->rowHeight());
    for (QKeyCombination key : keys)
        QTest::keyClick(list, key.key(), key.keyboardModifiers());
    QCOMPARE(list->currentIndex().row(), row);
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    QCOMPARE(SelectedRows(list), selected == -1 ? std::abs(row - kStart) + 1 : selected);
    QCOMPARE(list->selectionModel()->isRowSelected(row), focusSelected);
}

// Far down a long list, the rows are painted at their places: the last row's caption after
// Ctrl+End, in the selection colour after select-all, which selects every row in one range.
void TestContentList::farRowsPaintedWhereTheyLie() {
    constexpr int rows = 200000;
    MainWindowFixture f;
    f.platform.queueYesNoCancel(ScriptedPlatform::Answer::No);  // a file this large: open it here all the same
    f.start({f.writeFile("long.ini", Join(Lines(rows)))});
    QCOMPARE(f.list()->model()->rowCount(), rows);
    QVERIFY(f.showActive());
    vq::ContentListView* list = f.list();
    ClickRow(f, 0);
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    const QModelIndex last = list->model()->index(rows - 1, 0);
    QCOMPARE(list->visualRect(last).bottom(), list->viewport()->height() - 1);
    const QRect caption = list->visualRect(last).adjusted(22, 1, 0, -1);
    QCOMPARE(list->indexAt(caption.center()), last);
    QVERIFY(!list->indexAt(caption.center() + QPoint(0, list->rowHeight())).isValid());
    QVERIFY(TextContrast(list->viewport()->grab().toImage(), caption) > 3.0);

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list->selectionModel()->selection().size(), 1);
    QCOMPARE(SelectedRows(list), rows);
    const QImage image = list->viewport()->grab().toImage();
    const QRect before = list->visualRect(list->model()->index(rows - 2, 1));
    const QPoint probe(before.right() - 3, before.center().y());
    QCOMPARE(image.pixelColor(probe * image.devicePixelRatio()), list->palette().color(QPalette::Highlight));
}

QTEST_MAIN(TestContentList)
#include "ContentListTest.moc"
