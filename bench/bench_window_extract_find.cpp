// The extraction commands and a find in the real main window on a 1,000,000-line php.ini-like
// file, offscreen: each extraction (confirmed, the text refilled and painted) under 0.5 s, a find
// of a word near the end (the hit selected, its row revealed, painted) under 0.3 s.
#include "PhpIniLike.h"
#include "WindowBenchSupport.h"

#include "ui/app/TfrmMain.h"
#include "ui/document/TargetTextView.h"
#include "ui/extraction/ExtractionController.h"
#include "ui/files/FileController.h"
#include "ui/find/FindController.h"
#include "ui/find/FindDlg.h"
#include "ui/toolbox/Platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using vqbench::BenchPlatform;
using vqbench::ProcessUntilIdle;

constexpr int kLines = 1000000;
constexpr int kRuns = 5;

// The median of kRuns timings of `run`, in milliseconds; `check` must hold after every run.
double MedianMillis(const std::function<void()>& run, const std::function<bool()>& check, const char* what) {
    std::vector<double> millis;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ProcessUntilIdle();
        millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!check()) {
            std::fprintf(stderr, "%s: wrong result\n", what);
            return -1;
        }
    }
    std::sort(millis.begin(), millis.end());
    return millis[millis.size() / 2];
}

bool Report(const char* what, double ms, double limit) {
    const bool ok = ms >= 0 && ms < limit;
    std::printf("%-28s %8.1f ms   (limit %.0f ms)  %s\n", what, ms, limit, ok ? "ok" : "OVER");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // One line near the end holds the word searched for.
    std::string bytes = bench::PhpIniLike(kLines);
    const size_t at = bytes.rfind("\nkey_", bytes.size() - 3000);
    bytes[at + 1] = 'Z';  // "key_N = ..." becomes "Zey_N = ...", a word found once
    const QString word =
        QStringLiteral("Zey_") + QString::fromStdString(bytes.substr(at + 5, bytes.find(' ', at) - at - 5));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("php.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0)
        return 1;
    file.close();

    BenchPlatform platform;
    platform.okCancelAnswer = vq::Platform::Answer::Ok;
    vq::TfrmMain window(platform, {});
    window.show();
    window.files().OpenDocument(path);
    ProcessUntilIdle();
    vq::Document& doc = window.document();
    auto* text = window.findChild<vq::TargetTextView*>(QStringLiteral("reContent"));
    const auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("lvContent"));
    if (doc.rowCount() != static_cast<size_t>(kLines) || !text || !vqbench::WaitForListRows(list, kLines)) {
        std::fprintf(stderr, "the file did not reach the window: %zu rows\n", doc.rowCount());
        return 1;
    }
    std::printf("%d lines, %.1f MB, in the window (offscreen), median of %d runs\n", kLines,
                static_cast<double>(bytes.size()) / 1e6, kRuns);

    vq::ExtractionController& extraction = window.extraction();
    bool ok = true;
    size_t checkedLines = 0;
    ok &= Report("extract checked",
                 MedianMillis([&] { extraction.Extract(vq::ExtractionKind::Checked); },
                              [&] {
                                  checkedLines = doc.target().lineCount();
                                  return !doc.textMirrorsList() && checkedLines > 0 && checkedLines < doc.rowCount();
                              },
                              "extract checked"),
                 500);
    ok &= Report("extract tree",
                 MedianMillis([&] { extraction.Extract(vq::ExtractionKind::Tree); },
                              [&] { return !doc.textMirrorsList() && doc.target().lineCount() > 0; }, "extract tree"),
                 500);
    ok &= Report("extract all",
                 MedianMillis([&] { extraction.Extract(vq::ExtractionKind::All); },
                              [&] { return doc.textMirrorsList() && doc.target().lineCount() == doc.rowCount(); },
                              "extract all"),
                 500);

    // From the top, as after the extraction: the hit is ~100 lines before the end; its row is
    // revealed too, since the text mirrors the list again.
    vq::FindController& finder = window.finder();
    finder.findDialog()->setFindText(word);
    ok &= Report(
        "find a word near the end",
        MedianMillis(
            [&] {
                text->setCaretPosition(0);
                finder.FindNextInText();
            },
            [&] { return text->hasSelection() && text->selectedText() == word && text->caret().line > kLines - 200; },
            "find"),
        300);
    return ok ? 0 : 2;
}
