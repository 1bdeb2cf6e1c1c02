#pragma once
// Runs this test program once more under valgrind, for the test functions given, and reports the
// uses of freed memory it finds. Tests that free and reuse windows call it to catch what a plain
// run would pass by luck.

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

struct ValgrindReport {
    QString skip;  // why it did not run; empty when it ran
    bool finished = false;
    int exitCode = -1;
    QStringList faults;  // each use of freed memory with the lines that follow it
};

inline ValgrindReport RunSelfUnderValgrind(const QStringList& testFunctions) {
    ValgrindReport report;
    if (qEnvironmentVariableIsSet("VQ_UNDER_VALGRIND")) {
        report.skip = QStringLiteral("already running under valgrind");
        return report;
    }
    const QString valgrind = QStandardPaths::findExecutable("valgrind");
    if (valgrind.isEmpty()) {
        report.skip = QStringLiteral("valgrind is not installed");
        return report;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VQ_UNDER_VALGRIND", "1");
    child.setProcessEnvironment(env);
    child.start(
        valgrind,
        QStringList{"--leak-check=no", "--error-exitcode=9", QCoreApplication::applicationFilePath()} + testFunctions);
    report.finished = child.waitForStarted() && child.waitForFinished(240000);
    report.exitCode = child.exitCode();
    const QStringList lines = QString::fromLocal8Bit(child.readAllStandardError()).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains("Invalid read") || lines[i].contains("Invalid write"))
            report.faults << lines.mid(i, 4).join('\n');
    return report;
}

// The checks every caller makes of a report, as QTest statements.
#define VERIFY_NO_USE_OF_FREED_MEMORY(report)                                                             \
    do {                                                                                                  \
        if (!(report).skip.isEmpty())                                                                     \
            QSKIP(qPrintable((report).skip));                                                             \
        QVERIFY((report).finished);                                                                       \
        QVERIFY2((report).faults.isEmpty(), qPrintable(QString("%1 uses of freed memory, the first:\n%2") \
                                                           .arg((report).faults.size())                   \
                                                           .arg((report).faults.value(0))));              \
        QCOMPARE((report).exitCode, 0);                                                                   \
    } while (false)
