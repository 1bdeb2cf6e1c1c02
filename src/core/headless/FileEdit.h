#pragma once

// The headless edits of one file: read it as the window opens it, apply the edits in order on
// its document, and write it once through the safe save, unless nothing changed. Texts come in
// and go out as UTF-8 and are put into the file's own encoding (a legacy code page, UTF-16).

#include "core/headless/KeyEdit.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/LegacyEncoding.h"

#include <string>
#include <vector>

namespace vq {

struct FileEditRequest {
    std::string path;
    bool standardInput = false;                         // read standard input instead; nothing is written then
    std::vector<KeyEdit> edits;                         // section, key and value in UTF-8
    AnalysisSettings settings;                          // signs in UTF-8
    LegacyCodePage codePage = LegacyCodePage::Gb18030;  // of a file that is not UTF-8
    bool check = false;                                 // write nothing, only tell
    bool diff = false;                                  // make the diff of what changes
};

struct EditDone {
    KeyEdit edit;          // as given
    KeyEditResult result;  // a value found, in UTF-8
};

struct FileEditResult {
    bool ok = false;
    std::string error;            // when not ok: the message; nothing was written
    std::vector<EditDone> edits;  // the edits made, up to and with the one that failed
    bool changed = false;         // the file's bytes differ (or would, with check)
    bool written = false;
    std::string diff;  // a unified diff in UTF-8, when asked and changed
};

FileEditResult EditFile(const FileEditRequest& request);

}  // namespace vq
