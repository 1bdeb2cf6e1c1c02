#include "core/extraction/Extraction.h"

#include "core/extraction/ExtractionTexts.h"
#include "core/document/TreeOrder.h"

#include <optional>

namespace vq {

namespace {

constexpr ExtractionTexts kTexts[] = {
    {texts::kCapSaveSel, texts::kHintSaveSel, texts::kConfirmSaveSel},
    {texts::kCapSaveTree, texts::kHintSaveTree, texts::kConfirmSaveTree},
    {texts::kCapSaveAll, texts::kHintSaveAll, texts::kConfirmSaveAll},
};

std::vector<size_t> CheckedRows(const Document& doc) {
    std::vector<size_t> rows;
    for (size_t i = 0, n = doc.rowCount(); i < n; ++i)
        if (doc.checked(i))
            rows.push_back(i);
    return rows;
}

ChosenLines TreeRows(const Document& doc) {
    ChosenLines chosen;
    const TopicTree& tree = doc.tree();
    chosen.rows.reserve(tree.nodeCount());
    ForEachNodeInTreeOrder(tree, [&](NodeId node, int) {
        const RowId row = tree.rowOf(node);
        const auto index = row == kNoRow ? std::nullopt : doc.indexOf(row);
        if (index)
            chosen.rows.push_back(*index);
        else
            ++chosen.invalidNodes;
    });
    return chosen;
}

}  // namespace

const ExtractionTexts& TextsOf(ExtractionKind kind) { return kTexts[static_cast<size_t>(kind)]; }

ChosenLines ChooseLines(const Document& doc, ExtractionKind kind) {
    switch (kind) {
    case ExtractionKind::Checked: return {CheckedRows(doc), 0};
    case ExtractionKind::Tree: return TreeRows(doc);
    case ExtractionKind::All: break;
    }
    ChosenLines all;
    all.rows.resize(doc.rowCount());
    for (size_t i = 0; i < all.rows.size(); ++i)
        all.rows[i] = i;
    return all;
}

ExtractionOutcome ExtractLines(Document& doc, ExtractionKind kind) {
    Document::ChangeBatch batch(doc);
    if (kind == ExtractionKind::All) {
        // The rows themselves become the text again: no line list to build.
        doc.replaceTargetByAllRows();
        doc.setTextMirrorsList(true, texts::kTextMirrorsList);
        return {doc.rowCount(), 0};
    }
    const ChosenLines chosen = ChooseLines(doc, kind);
    doc.replaceTargetByRows(chosen.rows);
    doc.setTextMirrorsList(false, FormatMessage(texts::kTextFromAction, {TextsOf(kind).caption}));
    return {chosen.rows.size(), chosen.invalidNodes};
}

std::string InvalidNodesMessage(size_t count) { return FormatMessage(texts::kInvalidTreeNodes, {count}); }

}  // namespace vq
