#pragma once

// What the editing tests set up and compare: a document made of given rows, and its rows, target
// text and log read back whole as strings.

#include "core/document/Document.h"
#include "core/settings/AnalysisSettings.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vq::test {

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
std::vector<std::string> LogEntries(const Document& doc);
std::vector<std::string> TargetLines(const Document& doc);

AnalysisSettings Signs(std::string remSign = ";");

// Everything a view hears, in order, as short strings ("rows 2+3", "log 0+5").
struct Recorder : DocumentListener {
    std::vector<std::string> events;
    void changesBegin() override { events.push_back("begin"); }
    void changesEnd() override { events.push_back("end"); }
    void rowsAboutToBeInserted(Range r) override { events.push_back("insertRows? " + Of(r)); }
    void rowsInserted(Range r) override { events.push_back("insertRows " + Of(r)); }
    void rowsAboutToBeRemoved(Range r) override { events.push_back("removeRows? " + Of(r)); }
    void rowsRemoved(Range r) override { events.push_back("removeRows " + Of(r)); }
    void rowsChanged(Range r) override { events.push_back("rows " + Of(r)); }
    void targetReset() override { events.push_back("targetReset"); }
    void targetLinesReplaced(Range r) override { events.push_back("lines " + Of(r)); }
    void targetLinesInserted(Range r) override { events.push_back("insertLines " + Of(r)); }
    void targetLinesRemoved(Range r) override { events.push_back("removeLines " + Of(r)); }
    void logAppended(Range r) override { events.push_back("log " + Of(r)); }
    void stateChanged() override { events.push_back("state"); }

    static std::string Of(Range r) { return std::to_string(r.first) + "+" + std::to_string(r.count); }
};

}  // namespace vq::test
