#pragma once

// Reading a file and analysing it in its code page: the one way the window, the command line and
// the headless edits open a file, with one error policy. Every failure ends the open with nothing
// half-made and a text to show: the open's error and its reason, the message for memory that ran
// out (with the file's size), or the analysis' failure.

#include "core/Progress.h"
#include "core/document/DocumentLoading.h"
#include "core/files/FileAccess.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/LegacyEncoding.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace vq {

struct OpenRequest {
    std::string path;       // as the file system takes it; "-" reads standard input
    std::string shownPath;  // the same for messages (UTF-8); the path when empty
    // The signs as typed (UTF-8), and the code page a document that is not UTF-8 is read in.
    AnalysisSettings signs;
    LegacyCodePage codePage = LegacyCodePage::Gb18030;
    Streams streams = Streams::Refused;
    std::uint64_t size = 0;  // as measured before the open, for the memory message; else as read
    Progress progress;
    const std::atomic<bool>* cancel = nullptr;
};

// Loaded: the document, analysed under the signs as its own bytes. Cancelled. Failed: `error` is
// set, and `outOfMemory` tells the memory message from the others.
LoadResult OpenAndAnalyse(const OpenRequest& request);

}  // namespace vq
