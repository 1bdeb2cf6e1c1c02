#pragma once

// The editing operations of the command line (--get, --set, --disable, --enable, --delete with
// --check, --diff and --json): the core makes the edits, this prints what they did.

#include "core/headless/FileEdit.h"

#include <string_view>

namespace vq::cli {

struct EditOutput {
    bool json = false;  // one JSON object instead of the values and the diff as text
};

// Runs the edits and prints: without --json the value of each --get on a line of its own and
// then the diff when asked; with --json one object on one line. A failure is said on `err`
// (and, with --json, in the object as "failed" and "msg"). Returns the exit status: 0 done,
// changed or not; 1 failed, nothing written.
int RunEdits(const FileEditRequest& request, const EditOutput& output, int out, int err);

// The name of an edit as the options and the JSON give it: "get", "set", ...
std::string_view ActionName(EditAction action);

}  // namespace vq::cli
