#include "core/document/TreeBuilder.h"

#include "core/document/TreePass.h"
#include "core/document/DocumentTexts.h"

namespace vq {

namespace {

// The pass over the rows of an open document: check marks and node links go straight to the
// document's rows.
struct DocumentRows {
    Document& doc;
    RowId rowId(size_t i) const { return doc.rowId(i); }
    bool isLine(size_t i) const { return doc.captionIsLine(i); }
    void setChecked(size_t i, bool checked) { doc.setRowAnalysis(i, checked, kNoNode); }
    void setNode(size_t i, NodeId node) { doc.setRowNode(i, node); }
};

}  // namespace

// A node of a row whose caption is its line as read takes its text from that line; the tree copies
// any other text, so a later edit of a row leaves its node's text alone.
bool BuildTopicTree(Document& doc, const AnalysisSettings& s, const Progress& progress, std::string* error) {
    Document::ChangeBatch batch(doc);
    TopicTree& tree = doc.beginTreeRebuild();
    bool ok = true;
    try {
        DocumentRows rows{doc};
        TreePass<DocumentRows> pass(tree, s, rows);
        const size_t n = doc.rowCount();
        ProgressPacer pacer(progress, texts::kBuildingTree);
        for (size_t i = 0; i < n; ++i) {
            pacer.step(i, n);
            pass.feed(i, doc.caption(i));
        }
    } catch (...) {
        // Whatever went wrong, the nodes made so far stay and the user is told.
        ok = false;
    }
    doc.endTreeRebuild();
    progress.message(texts::kDone);
    if (!ok && error)
        *error = texts::kTitleSettingsError;
    return ok;
}

}  // namespace vq
