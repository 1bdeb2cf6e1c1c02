#pragma once

// Readable forms of what an analysis pass leaves behind, so a test compares whole values and a
// failure prints the expected and the actual form side by side.

#include "core/document/Document.h"

#include <string>
#include <vector>

namespace vq::test {

// One line per live node in tree order: two spaces per level, the node's text, its normal and
// selected image and the index of its row ("  host=local 2/2 r2"). "r-" marks a node without row.
std::string DumpTree(const Document& doc);

// One character per row: '1' checked, '0' unchecked.
std::string DumpChecks(const Document& doc);

// The rows whose record refers to a node, as "1 2 3"; a row whose node does not refer back to
// it is followed by "!".
std::string DumpRowNodes(const Document& doc);

// A document loaded from lines joined with "\n".
void LoadLines(Document& doc, const std::vector<std::string>& lines);

}  // namespace vq::test
