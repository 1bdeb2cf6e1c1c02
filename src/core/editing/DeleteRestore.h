#pragma once

// Deleting rows and taking changes back (actions actDelLine, actRestoreLine and actRestore).
// Rows are removed in one pass over the rows, however many go.

#include "core/editing/RowSelection.h"

#include <cstddef>

namespace vq {

class Document;

// actDelLineUpdate and actRestoreLineUpdate: at least one selected row.
inline bool CanDeleteRows(size_t selectedCount) { return selectedCount > 0; }
inline bool CanRestoreRows(size_t selectedCount) { return selectedCount > 0; }
// actRestoreUpdate: the list has a row.
inline bool CanRestoreAllRows(size_t rowCount) { return rowCount > 0; }

// Removes the selected rows, each logged with its index before the command and its text; framed
// when several rows are selected. One change batch. Returns the rows removed.
size_t DeleteRows(Document& doc, SelectedRows selected);

// Gives each selected edited row its text at load back (edited flag cleared, check mark kept) and
// removes each selected new row ("<<删除>>" before its text in the log); rows logged with their
// index before the command, framed when several rows are selected. One change batch. Returns
// the rows restored or removed.
size_t RestoreRows(Document& doc, SelectedRows selected);

// The same for every row, after the window's confirmation: new rows are logged "删除" with their
// index before the command, restored rows "恢复" with their index after it; always framed, with
// "<<共恢复了 n 行>>" as the summary. One change batch. Returns the rows restored or removed.
size_t RestoreAllRows(Document& doc);

}  // namespace vq
