// The window's life from start to destruction: nothing may touch the document after it is gone,
// and nothing the window made outlives it.
// The check runs the window's whole life once more under valgrind, which sees every read and
// write of freed memory.
#include "MainWindowFixture.h"
#include "UnderValgrind.h"

#include "ui/document/LogModel.h"
#include "ui/document/RowModel.h"
#include "ui/document/TopicTreeModel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace vqtest;

class TestLifetime : public QObject {
    Q_OBJECT
private slots:
    void noUseOfFreedMemory_data();
    void noUseOfFreedMemory();
    void windowLife_data();
    void windowLife();
};

// A whole life: start (with or without a file), some changes, then destruction.
void TestLifetime::windowLife_data() {
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<bool>("closeFirst");
    QTest::newRow("file, closed, then destroyed") << true << true;
    QTest::newRow("untitled, destroyed") << false << false;
    QTest::newRow("file, destroyed") << true << false;
}

void TestLifetime::windowLife() {
    QFETCH(bool, withFile);
    QFETCH(bool, closeFirst);
    MainWindowFixture f;
    QStringList args;
    if (withFile)
        args << f.writeFile("life.ini", "[a]\r\nb=1\r\n;c=2\r\n");
    vq::TfrmMain& w = f.start(args);
    f.show();
    w.document().insertRow(0, "x=1");
    w.document().addLogEntry(0, "w", "t");
    if (withFile)
        f.treeAndRows().DeleteLineEntry(2);
    if (closeFirst) {
        f.platform.queueConfirm(vq::Platform::Answer::No);
        QVERIFY(w.close());
    }
    // Everything the window made goes with it: the views, the models and the session.
    const QList<QObject*> made = {f.list(),     f.tree(),           f.text(),           f.log(),
                                  &w.session(), w.session().rows(), w.session().tree(), w.session().log()};
    QList<QPointer<QObject>> parts;
    for (QObject* part : made)
        parts << QPointer<QObject>(part);
    for (const QPointer<QObject>& part : parts)
        QVERIFY(part);
    // Destroyed as it is: a window still on screen takes its views down with it.
    f.destroyAsIs();
    for (const QPointer<QObject>& part : parts)
        QVERIFY2(!part, "a part of the window outlived it");
}

void TestLifetime::noUseOfFreedMemory_data() {
    QTest::addColumn<QString>("row");
    QTest::newRow("file, closed, then destroyed") << "file, closed, then destroyed";
    QTest::newRow("untitled, destroyed") << "untitled, destroyed";
}

void TestLifetime::noUseOfFreedMemory() {
    QFETCH(QString, row);
    const ValgrindReport report = RunSelfUnderValgrind({"windowLife:" + row});
    VERIFY_NO_USE_OF_FREED_MEMORY(report);
}

QTEST_MAIN(TestLifetime)
#include "LifetimeTest.moc"
