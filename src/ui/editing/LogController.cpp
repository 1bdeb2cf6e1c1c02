// The operation log's commands: go to an entry's row, copy an entry, and the hover texts.
#include "app/TfrmMain.h"
#include "app/UiTexts.h"
#include "document/RowModel.h"
#include "editing/LogModel.h"

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QTreeView>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

void TfrmMain::actGotoLineByLogExecute() {
    const QModelIndexList selected = m_lstLog->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int row = RowOfLogEntry(m_document.log().entry(static_cast<size_t>(selected.first().row())).head);
    if (row < 0 || row >= m_rowModel->rowCount()) {
        m_platform.beep();
        if (m_lvContent->selectionModel()->hasSelection())
            m_lvContent->clearSelection();
        showMessage(U(texts::kLogRowMissing));
        return;
    }
    RevealLineEntry(row);
}

void TfrmMain::actCopyLogLineExecute() {
    const QModelIndexList selected = m_lstLog->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(m_logModel->entryText(selected.first().row()));
}

// Over an entry the Message panel shows its full text; over the empty part how to use the log.
void TfrmMain::lstLogMouseMove(const QPoint& pos) {
    const QModelIndex index = m_lstLog->indexAt(pos);
    if (index.isValid())
        ShowApplicationHint(m_logModel->entryText(index.row()));
    else
        showMessage(U(texts::kLogHoverEmpty));
}

}  // namespace vq
