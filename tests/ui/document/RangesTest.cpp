// The views follow a command's changes in ranges: one model signal per run of rows, one insert
// into the log per command, and the target text kept line for line.
#include "MainWindowFixture.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace vqtest;

namespace {

QByteArray NumberedFile(int rows, const char* lineBreak) {
    QByteArray out;
    for (int i = 0; i < rows; ++i)
        out += "key" + QByteArray::number(i) + "=" + QByteArray::number(i) + lineBreak;
    return out;
}

QStringList Numbered(const QList<int>& rows) {
    QStringList out;
    for (int i : rows)
        out << QStringLiteral("key%1=%1").arg(i);
    return out;
}

// The (first, last) pairs a model signal carried, in order.
QList<QPair<int, int>> Ranges(const QSignalSpy& spy) {
    QList<QPair<int, int>> out;
    for (const QList<QVariant>& call : spy)
        out << qMakePair(call.at(1).toInt(), call.at(2).toInt());
    return out;
}

}  // namespace

class TestRanges : public QObject {
    Q_OBJECT
private slots:
    void removedRunsAreOneSignalEach_data();
    void removedRunsAreOneSignalEach();
    void insertedRunIsOneSignal();
    void aCommandsLogEntriesAreOneInsert();
    void changedRowsAreRepaintedByRanges();
    void manyRunsAreOneResetAndTheListKeepsItsPlace();
    void manyChangedRunsAreOneSignal();
};

void TestRanges::removedRunsAreOneSignalEach_data() {
    QTest::addColumn<QByteArray>("lineBreak");
    QTest::addColumn<bool>("mirrors");
    QTest::newRow("CR LF, mirrored") << QByteArray("\r\n") << true;
    QTest::newRow("LF, mirrored") << QByteArray("\n") << true;
    QTest::newRow("after an extraction") << QByteArray("\n") << false;
}

void TestRanges::removedRunsAreOneSignalEach() {
    QFETCH(QByteArray, lineBreak);
    QFETCH(bool, mirrors);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(12, lineBreak.constData()))});
    f.show();
    if (!mirrors)
        w.document().setTextMirrorsList(false, "extracted");
    const QStringList textBefore = f.targetLines();
    QSignalSpy aboutToRemove(f.list()->model(), &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy removed(f.list()->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(f.list()->model(), &QAbstractItemModel::modelReset);

    const std::vector<size_t> selected{1, 2, 3, 6, 10, 11};
    w.document().removeRows(selected);

    // Runs from the top, each with the indexes of its moment.
    const QList<QPair<int, int>> want{{1, 3}, {3, 3}, {6, 7}};
    QCOMPARE(Ranges(aboutToRemove), want);
    QCOMPARE(Ranges(removed), want);
    QCOMPARE(reset.count(), 0);
    const QStringList rows = Numbered({0, 4, 5, 7, 8, 9});
    QCOMPARE(f.column(0), rows);
    QCOMPARE(f.targetLines(), mirrors ? rows + QStringList{QString()} : textBefore);
    QCOMPARE(w.document().modified(), mirrors);
    QCOMPARE(f.tree()->model()->rowCount(), 12);  // the nodes keep their places
}

void TestRanges::insertedRunIsOneSignal() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(3, "\n"))});
    f.show();
    QSignalSpy inserted(f.list()->model(), &QAbstractItemModel::rowsInserted);
    const vq::NewRow rows[] = {{"x=1", true}, {"; y", false}};
    w.document().insertRows(1, rows);
    QCOMPARE(Ranges(inserted), (QList<QPair<int, int>>{{1, 2}}));
    QCOMPARE(f.column(0), (QStringList{"key0=0", "x=1", "; y", "key1=1", "key2=2"}));
    QCOMPARE(f.column(1).mid(1, 2), (QStringList{"<<新建行>>", "<<新建行>>"}));
    QCOMPARE(f.checked().mid(1, 2), (QList<bool>{true, false}));
    QCOMPARE(f.targetLines(), (QStringList{"key0=0", "x=1", "; y", "key1=1", "key2=2", ""}));
}

void TestRanges::aCommandsLogEntriesAreOneInsert() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(200, "\n"))});
    f.show();
    QSignalSpy inserted(f.log()->model(), &QAbstractItemModel::rowsInserted);
    {
        vq::Document::ChangeBatch batch(w.document());
        for (int i = 0; i < 150; ++i)
            w.document().addLogEntry(i, "删除选定行(&T)", "key=1");
    }
    QCOMPARE(Ranges(inserted), (QList<QPair<int, int>>{{1, 150}}));
    QCOMPARE(f.logEntries().size(), 151);
    QCOMPARE(f.logEntries().last(), QStringLiteral("(150)删除选定行(&T): key=1"));
    // The one scroll brings the newest entry into view.
    QTRY_VERIFY(f.log()->viewport()->rect().intersects(f.log()->visualRect(f.log()->model()->index(150, 0))));
}

void TestRanges::changedRowsAreRepaintedByRanges() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(20, "\n"))});
    f.show();
    QSignalSpy changed(f.list()->model(), &QAbstractItemModel::dataChanged);
    {
        vq::Document::ChangeBatch batch(w.document());
        for (size_t i : {4, 5, 6, 12}) {
            w.document().setCaption(i, std::string(";").append(w.document().caption(i)));
            w.document().setChecked(i, false);
        }
    }
    QList<QPair<int, int>> rows;
    for (const QList<QVariant>& call : changed)
        rows << qMakePair(call.at(0).toModelIndex().row(), call.at(1).toModelIndex().row());
    QCOMPARE(rows, (QList<QPair<int, int>>{{4, 6}, {12, 12}}));
    QCOMPARE(f.targetLines().mid(4, 3), (QStringList{";key4=4", ";key5=5", ";key6=6"}));
    QCOMPARE(f.checked().mid(3, 4), (QList<bool>{true, false, false, false}));
}

// Removing every other row of thousands is one reset, not thousands of removals; the list stays
// scrolled where it was and every view shows the rows that are left.
void TestRanges::manyRunsAreOneResetAndTheListKeepsItsPlace() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(6000, "\n"))});
    f.show();
    f.list()->verticalScrollBar()->setValue(f.list()->verticalScrollBar()->maximum() / 4);
    const int scrolled = f.list()->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    QSignalSpy removed(f.list()->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(f.list()->model(), &QAbstractItemModel::modelReset);
    std::vector<size_t> everyOther;
    for (size_t i = 0; i < 6000; i += 2)
        everyOther.push_back(i);
    {
        vq::Document::ChangeBatch batch(w.document());
        w.document().removeRows(everyOther);
    }
    QCOMPARE(reset.count(), 1);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(f.list()->model()->rowCount(), 3000);
    QCOMPARE(f.column(0).mid(0, 3), Numbered({1, 3, 5}));
    QCOMPARE(f.targetLines().mid(2997), (QStringList{"key5995=5995", "key5997=5997", "key5999=5999", ""}));
    QCoreApplication::processEvents();
    QCOMPARE(f.list()->verticalScrollBar()->value(), scrolled);
}

// Past a thousand runs of changed rows, one signal around them all repaints them.
void TestRanges::manyChangedRunsAreOneSignal() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({f.writeFile("a.ini", NumberedFile(5000, "\n"))});
    f.show();
    QSignalSpy changed(f.list()->model(), &QAbstractItemModel::dataChanged);
    {
        vq::Document::ChangeBatch batch(w.document());
        for (size_t i = 10; i < 5000; i += 3)
            w.document().setChecked(i, false);
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 10);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 4999 - (4999 - 10) % 3);
    QCOMPARE(f.checked().mid(9, 4), (QList<bool>{true, false, true, true}));
}

QTEST_MAIN(TestRanges)
#include "RangesTest.moc"
