#include "core/editing/DeleteRestore.h"

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"
#include "core/editing/CommandFrame.h"

#include <vector>

namespace vq {

size_t DeleteRows(Document& doc, SelectedRows selected) {
    RequireSelection(doc, selected);
    Document::ChangeBatch batch(doc);
    FramedCommand frame(doc, texts::kCapDelLine, texts::kWordDelete, selected.size());
    // Logged while the rows are still there: each with its index before the command.
    for (const size_t k : selected) {
        doc.addLogEntry(static_cast<int>(k), texts::kCapDelLine, doc.caption(k));
        frame.count();
    }
    doc.removeRows(selected);
    return frame.finish();
}

size_t RestoreRows(Document& doc, SelectedRows selected) {
    RequireSelection(doc, selected);
    Document::ChangeBatch batch(doc);
    FramedCommand frame(doc, texts::kCapRestoreLine, texts::kWordRestore, selected.size());
    // Rows keep their indexes until the new rows go, all at once, at the end.
    std::vector<size_t> newRows;
    for (const size_t k : selected) {
        if (doc.isNewRow(k)) {
            doc.addLogEntry(static_cast<int>(k), texts::kCapRestoreLine, texts::kRemovedNewRowMark, doc.caption(k));
            newRows.push_back(k);
            frame.count();
        } else if (doc.edited(k)) {
            doc.addLogEntry(static_cast<int>(k), texts::kCapRestoreLine, doc.caption(k));
            doc.setCaption(k, doc.original(k));
            doc.setEdited(k, false);
            frame.count();
        }
    }
    doc.removeRows(newRows);
    return frame.finish();
}

size_t RestoreAllRows(Document& doc) {
    Document::ChangeBatch batch(doc);
    doc.addLogEntry(kLogMarker, texts::kCapRestoreAll, texts::kOpStart, {});
    std::vector<size_t> newRows;
    size_t changed = 0;
    // k is a row's index now and before the command; k less the new rows above it is its index
    // once they are gone, which is what a restored row is logged with.
    for (size_t k = 0; k < doc.rowCount(); ++k) {
        if (doc.isNewRow(k)) {
            doc.addLogEntry(static_cast<int>(k), texts::kWordDelete, doc.caption(k));
            newRows.push_back(k);
            ++changed;
        } else if (doc.edited(k)) {
            doc.addLogEntry(static_cast<int>(k - newRows.size()), texts::kWordRestore, doc.caption(k));
            doc.setCaption(k, doc.original(k));
            doc.setEdited(k, false);
            ++changed;
        }
    }
    doc.removeRows(newRows);
    doc.addLogEntry(kLogSummary, FormatMessage(texts::kRestoreAllSummary, {changed}), {});
    doc.addLogEntry(kLogMarker, texts::kCapRestoreAll, texts::kOpEnd, {});
    return changed;
}

}  // namespace vq
