// The topic tree in the window: auto-expand, images by state, refresh; clicks on its viewport.
#include "MainWindowFixture.h"

#include "ui/document/TopicTreeModel.h"
#include "ui/document/TopicTreeView.h"

#include <QAction>
#include <QTest>

using namespace vqtest;

namespace {
const QByteArray kFile = "[Database]\r\nhost=local\r\n;port=3306\r\n\r\n[Paths]\r\nroot\r\n";
}

class TestTree : public QObject {
    Q_OBJECT
private slots:
    void selectingANodeOpensItAndClosesTheOneBefore();
    void clickBelowAnOpenBranchSelectsTheNode();
    void childlessSectionKeepsItsClosedImage();
    void autoExpandOff();
    void refreshChecksEveryActiveRowAgain();
    void refreshNeedsRows();
};

void TestTree::selectingANodeOpensItAndClosesTheOneBefore() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    auto* model = qobject_cast<vq::TopicTreeModel*>(f.tree()->model());
    QVERIFY(model);
    const QModelIndex database = model->index(0, 0);
    const QModelIndex paths = model->index(1, 0);
    // The analysis selects the first section, which opens it.
    QCOMPARE(f.tree()->currentIndex(), database);
    QVERIFY(f.tree()->isExpanded(database));
    QCOMPARE(model->imageOf(database), int(vq::NodeImage::SectionOpen));
    f.tree()->setCurrentIndex(paths);
    QVERIFY(f.tree()->isExpanded(paths));
    QVERIFY(!f.tree()->isExpanded(database));
    QCOMPARE(model->imageOf(database), int(vq::NodeImage::Section));
    QCOMPARE(model->imageOf(paths), int(vq::NodeImage::SectionOpen));
    // A child of the open section keeps its section open.
    f.tree()->setCurrentIndex(model->index(0, 0, paths));
    QVERIFY(f.tree()->isExpanded(paths));
    QCOMPARE(model->imageOf(model->index(0, 0, paths)), int(vq::NodeImage::Key));
    f.destroy();
}

static void Click(QTreeView* view, const QModelIndex& index) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
}

// With auto-expand, the branch selected before closes; the click must still land on the node the
// user clicked, which becomes the current and only selected node, and opens.
void TestTree::clickBelowAnOpenBranchSelectsTheNode() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    QTreeView* tree = f.tree();
    const QModelIndex database = tree->model()->index(0, 0);
    const QModelIndex paths = tree->model()->index(1, 0);
    QVERIFY(tree->isExpanded(database));
    Click(tree, paths);
    QCOMPARE(tree->currentIndex(), paths);
    QCOMPARE(tree->selectionModel()->selectedIndexes(), QModelIndexList{paths});
    QVERIFY(tree->isExpanded(paths));
    QVERIFY(!tree->isExpanded(database));
    // A child of the open section, then back up to the first section.
    Click(tree, tree->model()->index(0, 0, paths));
    QCOMPARE(tree->currentIndex(), tree->model()->index(0, 0, paths));
    QVERIFY(tree->isExpanded(paths));
    Click(tree, database);
    QCOMPARE(tree->currentIndex(), database);
    QCOMPARE(tree->selectionModel()->selectedIndexes(), QModelIndexList{database});
    QVERIFY(!tree->isExpanded(paths));
}

// A section without children cannot open: selected by the analysis or by a click, it keeps its
// closed image.
void TestTree::childlessSectionKeepsItsClosedImage() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[Empty]\r\n[Full]\r\nk=1\r\n")});
    f.show();
    QTreeView* tree = f.tree();
    auto* model = qobject_cast<vq::TopicTreeModel*>(tree->model());
    QVERIFY(model);
    const QModelIndex empty = model->index(0, 0);
    const QModelIndex full = model->index(1, 0);
    QCOMPARE(tree->currentIndex(), empty);
    QCOMPARE(model->imageOf(empty), int(vq::NodeImage::Section));
    Click(tree, full);
    QCOMPARE(model->imageOf(full), int(vq::NodeImage::SectionOpen));
    Click(tree, empty);
    QCOMPARE(tree->currentIndex(), empty);
    QCOMPARE(model->imageOf(empty), int(vq::NodeImage::Section));
    QCOMPARE(model->imageOf(full), int(vq::NodeImage::Section));
}

// Without auto-expand a click selects and opens nothing.
void TestTree::autoExpandOff() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", kFile)});
    f.show();
    auto* tree = f.find<vq::TopicTreeView>("tvTopic");
    QVERIFY(tree);
    tree->setAutoExpand(false);
    const QModelIndex database = tree->model()->index(0, 0);
    const QModelIndex paths = tree->model()->index(1, 0);
    Click(tree, paths);
    QCOMPARE(tree->currentIndex(), paths);
    QVERIFY(!tree->isExpanded(paths));
    QVERIFY(tree->isExpanded(database));  // opened by the analysis's selection, and left open
}

void TestTree::refreshChecksEveryActiveRowAgain() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", kFile)});
    vq::Document& doc = w.document();
    doc.setChecked(1, false);
    doc.setChecked(2, true);
    f.action("actRefreshTree")->trigger();
    QCOMPARE(f.checked(), (QList<bool>{true, true, false, false, true, true}));
    QCOMPARE(f.message(), QStringLiteral("处理完毕！"));
    f.destroy();
}

void TestTree::refreshNeedsRows() {
    MainWindowFixture f;
    f.start();
    QVERIFY(!f.action("actRefreshTree")->isEnabled());
    f.files().OpenDocument(f.writeFile("a.ini", kFile));
    QVERIFY(f.action("actRefreshTree")->isEnabled());
    f.files().OpenDocument(f.writeFile("empty.ini", {}));
    QVERIFY(!f.action("actRefreshTree")->isEnabled());
    QCOMPARE(f.tree()->model()->rowCount(), 0);
    f.destroy();
}

QTEST_MAIN(TestTree)
#include "TreeTest.moc"
