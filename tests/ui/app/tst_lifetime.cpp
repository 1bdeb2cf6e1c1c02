// The window's life from start to destruction: nothing may touch the document after it is gone,
// and nothing the window made outlives it.
// The check runs the window's whole life once more under valgrind, which sees every read and
// write of freed memory.
#include "MainWindowFixture.h"

#include "document/RowModel.h"
#include "document/TopicTreeModel.h"
#include "editing/LogModel.h"

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
    const QList<QObject*> made = {f.list(), f.tree(), f.text(), f.log(), &w.session(),
                                  w.session().rows(), w.session().tree(), w.session().log()};
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
    if (qEnvironmentVariableIsSet("VQ_UNDER_VALGRIND"))
        QSKIP("already running under valgrind");
    const QString valgrind = QStandardPaths::findExecutable("valgrind");
    if (valgrind.isEmpty())
        QSKIP("valgrind is not installed");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VQ_UNDER_VALGRIND", "1");
    child.setProcessEnvironment(env);
    child.start(valgrind, {"--leak-check=no", "--error-exitcode=9", QCoreApplication::applicationFilePath(),
                           "windowLife:" + row});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForFinished(240000));
    const QStringList report = QString::fromLocal8Bit(child.readAllStandardError()).split('\n');
    QStringList faults;
    for (qsizetype i = 0; i < report.size(); ++i) {
        if (report[i].contains("Invalid read") || report[i].contains("Invalid write")) {
            faults << report.mid(i, 4).join('\n');
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QString("%1 uses of freed memory, the first:\n%2").arg(faults.size()).arg(faults.value(0))));
    QCOMPARE(child.exitCode(), 0);
}

QTEST_MAIN(TestLifetime)
#include "tst_lifetime.moc"
