#pragma once

#include "core/Progress.h"
#include "core/document/Document.h"
#include "core/settings/AnalysisSettings.h"

#include <string>

namespace vq {

// The analysis pass: classifies every row under the settings, checks or unchecks it, and
// rebuilds the topic tree from scratch (sections at the top, titles under their section, key
// and commented key lines under the nearest section or title). Progress texts come at most
// every 100 ms, and "done" at the end.
// If the walk fails part-way it stops there and keeps the partial tree; the rows after the
// failure keep their checked state and have no node. It then returns false and puts the text
// the user is shown into `error`. Selecting a node is left to the view.
bool BuildTopicTree(Document& doc, const AnalysisSettings& s, const Progress& progress, std::string* error = nullptr);

}  // namespace vq
