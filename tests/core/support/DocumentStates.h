#pragma once

// Documents made for a test, and a document read back whole as texts: its rows, its target text
// and its log, so that a test compares whole values and a failure shows both side by side.

#include "core/document/Document.h"
#include "core/settings/AnalysisSettings.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq::test {

// A document as the window has it after opening a file of these bytes: read and analysed the way
// the program does it, mirroring, unmodified, with "/a.ini" in the caption.
std::unique_ptr<Document> Opened(const std::string& bytes, const AnalysisSettings& analysis = {});

// The state a row starts a test with.
struct RowSetup {
    std::string text;
    bool checked = false;
    bool edited = false;
    bool isNew = false;
    std::string original = {};  // for an edited row read from the file: its text at load, `text` its current one
};

// A document as after an open of these rows (LF breaks), then brought into the given states:
// mirroring, not modified, empty log. New rows are inserted where they stand.
std::unique_ptr<Document> MakeDocument(const std::vector<RowSetup>& rows);
// A document read from these bytes, as they are.
std::unique_ptr<Document> MakeDocument(std::string_view bytes);

// Shorthands for a table: "key=1" (unchecked), "key=1 +c" (checked).
std::vector<RowSetup> Plain(std::initializer_list<std::string_view> texts);

// Each row as "text|original|flags": flags are c (checked), e (edited), n (new) or "-", and a
// new row's original is shown as the list shows it, "<<新建行>>".
std::vector<std::string> RowStates(const Document& doc);
std::vector<std::string> Captions(const Document& doc);
std::vector<std::string> TargetLines(const Document& doc);
std::vector<std::string> LogEntries(const Document& doc);

// The signs of the editing tests: this comment sign, title signs ";;;;;;" and "######".
AnalysisSettings Signs(std::string remSign = ";");

}  // namespace vq::test
