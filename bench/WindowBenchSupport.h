#pragma once
// What the window benchmarks share: a silent platform, a way to let the window finish, and the
// window with a generated file open.

#include "PhpIniLike.h"

#include "ui/app/TfrmMain.h"
#include "ui/files/FileController.h"
#include "ui/toolbox/Platform.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>

namespace vqbench {

// A user who loads the very large file anyway and drops any changes; everything else is silent.
class BenchPlatform : public vq::Platform {
public:
    BenchPlatform() { m_clock.start(); }
    void showMessage(QWidget*, const QString&) override {}
    void showError(QWidget*, const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    Answer confirm(QWidget*, const QString&, const QString&) override { return Answer::No; }
    Answer confirmOkCancel(QWidget*, const QString&, const QString&) override { return okCancelAnswer; }
    Answer askYesNoCancel(QWidget*, const QString&, const QString&) override { return Answer::No; }
    Answer askYesNo(QWidget*, const QString&, const QString&) override { return Answer::No; }
    int choose(QWidget*, const QString&, const QString&, const QStringList& buttons) override {
        return static_cast<int>(buttons.size()) - 1;
    }
    void beep() override {}
    QString openFileName(QWidget*, const vq::FileDialogSettings&) override { return {}; }
    QString saveFileName(QWidget*, const vq::FileDialogSettings&) override { return {}; }
    QStringList textEditor() override { return {QStringLiteral("true")}; }
    StartResult startProgram(const QString&, const QStringList&, const QString&) override {
        return StartResult::Failed;
    }
    StartResult openDocument(const QString&) override { return StartResult::Failed; }
    StartResult showHelp(const QString&, const QString&) override { return StartResult::Failed; }
    bool chooseFont(QWidget*, QFont&) override { return false; }
    void playSound(const QString&, bool) override {}
    void stopSound() override {}
    quint32 tickCount() override { return static_cast<quint32>(m_clock.elapsed()); }

    // What the OK/Cancel questions (the extractions') are answered.
    Answer okCancelAnswer = Answer::Cancel;

private:
    QElapsedTimer m_clock;
};

// Lets the window finish what a command posted (layouts, paints) until nothing is left.
inline void ProcessUntilIdle() {
    for (int round = 0; round < 3; ++round) {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// Runs the event loop until the list shows `rows` rows, for at most ten seconds; false when it
// did not.
inline bool WaitForListRows(const QAbstractItemView* list, int rows) {
    QElapsedTimer waited;
    waited.start();
    while (list->model()->rowCount() < rows && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return list->model()->rowCount() == rows;
}

// The main window with a generated php.ini-like file open and every row in its list.
struct OpenedPhpIniWindow {
    QTemporaryDir dir;
    BenchPlatform platform;
    std::unique_ptr<vq::TfrmMain> window;
    QAbstractItemView* list = nullptr;

    bool open(int lines) {
        const QString path = dir.filePath(QStringLiteral("php.ini"));
        QFile file(path);
        const std::string bytes = bench::PhpIniLike(lines);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            return false;
        file.close();
        window = std::make_unique<vq::TfrmMain>(platform, QStringList{});
        window->show();
        ProcessUntilIdle();
        window->files().OpenDocument(path);
        ProcessUntilIdle();
        list = window->findChild<QAbstractItemView*>(QStringLiteral("lvContent"));
        return window->document().rowCount() == static_cast<size_t>(lines) && WaitForListRows(list, lines);
    }
    vq::Document& doc() { return window->document(); }
};

}  // namespace vqbench
