#pragma once

// Extraction: the target text takes the lines of the checked rows, of the topic tree's rows or
// of all rows, and Save then writes those. The window's commands and the command line share
// this; asking the user first and placing the caret are the window's part.

#include "core/Language.h"
#include "core/document/Document.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vq {

enum class ExtractionKind : std::uint8_t {
    Checked,  // "提取钩选项": the checked rows, first to last
    Tree,     // "提取目录树": the rows of the tree's nodes, in tree order
    All,      // "提取所有": every row; the target text follows the rows again
};

// The action's own texts: its caption (also named in the page hint), hint and confirmation.
struct ExtractionTexts {
    texts::Phrase caption;
    texts::Phrase hint;
    texts::Phrase confirmation;
};
const ExtractionTexts& TextsOf(ExtractionKind kind);

struct ChosenLines {
    std::vector<size_t> rows;  // the rows whose current texts are written, in order
    size_t invalidNodes = 0;   // tree nodes whose row has been deleted since the tree was built
};

// The rows an extraction takes. For Tree, each live node counts once, before its children; a
// node whose row is gone gives no line and counts as invalid.
ChosenLines ChooseLines(const Document& doc, ExtractionKind kind);

struct ExtractionOutcome {
    size_t lines = 0;         // lines in the target text now
    size_t invalidNodes = 0;  // to report with InvalidNodesMessage when above 0
};

// Replaces the target text as the command does once confirmed, in one change batch: the chosen
// rows' current texts, each ending with the break its line was read with (an inserted row and a
// last line read without a break take the document's), the last line too. Checked and Tree end
// the mirroring and set the page hint "当前文本内容为上次操作:" + caption; All makes the target text
// follow the rows again with the hint "当前文本内容与列表相同". A change of the target text, so the
// document becomes Modified (unless Loading is set).
ExtractionOutcome ExtractLines(Document& doc, ExtractionKind kind);

// "目录树有 %d 项无效！" with the count.
std::string InvalidNodesMessage(size_t count);

}  // namespace vq
