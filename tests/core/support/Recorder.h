#pragma once

// Everything a view of a document hears, in order, as short texts: "begin", "rows 2+3" (a range
// of three rows from row 2), "lines 0+1", "log 5+2", "state", "end".

#include "core/document/DocumentListener.h"

#include <span>
#include <string>
#include <vector>

namespace vq::test {

struct Recorder : DocumentListener {
    std::vector<std::string> events;

    void changesBegin() override { events.emplace_back("begin"); }
    void changesEnd() override { events.emplace_back("end"); }
    void rowsAboutToBeReset() override { events.emplace_back("resetRows?"); }
    void rowsReset() override { events.emplace_back("resetRows"); }
    void rowsAboutToBeInserted(Range r) override { add("insertRows?", r); }
    void rowsInserted(Range r) override { add("insertRows", r); }
    void rowsAboutToBeRemoved(Range r) override { add("removeRows?", r); }
    void rowsRemoved(Range r) override { add("removeRows", r); }
    void rowsChanged(Range r) override { add("rows", r); }
    void targetReset() override { events.emplace_back("targetReset"); }
    void targetLinesReplaced(Range r) override { add("lines", r); }
    void targetLinesInserted(Range r) override { add("insertLines", r); }
    void targetLinesRemoved(Range r) override { add("removeLines", r); }
    void treeAboutToBeReset() override { events.emplace_back("resetTree?"); }
    void treeReset() override { events.emplace_back("resetTree"); }
    void treeNodesLostRows(std::span<const NodeId> nodes) override {
        std::string event("nodesLostRows");
        for (const NodeId n : nodes)
            event.append(" ").append(std::to_string(n));
        events.push_back(std::move(event));
    }
    void logAppended(Range r) override { add("log", r); }
    void logCleared() override { events.emplace_back("logCleared"); }
    void stateChanged() override { events.emplace_back("state"); }

private:
    void add(const char* what, Range r) {
        std::string event(what);
        event.append(" ").append(std::to_string(r.first)).append("+").append(std::to_string(r.count));
        events.push_back(std::move(event));
    }
};

}  // namespace vq::test
