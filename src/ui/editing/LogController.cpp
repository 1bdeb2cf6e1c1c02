// The operation log's commands: go to an entry's row, copy an entry, and the hover texts.
#include "ui/editing/LogController.h"

#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/LogModel.h"
#include "ui/document/RowModel.h"
#include "ui/editing/LogView.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"

#include "ui/editing/EditDialogTexts.h"

#include <QApplication>
#include <QClipboard>

namespace vq {

LogController::LogController(const Context& context) : m_context(context) {
    connect(m_context.log, &LogView::gotoRequested, this, &LogController::actGotoLineByLogExecute);
    connect(m_context.log, &LogView::hovered, this, &LogController::lstLogMouseMove);
}

void LogController::bindActions(ActionTable& actions) {
    actions.bind(Act::GotoLineByLog, this, &LogController::actGotoLineByLogExecute);
    actions.bind(Act::CopyLogLine, this, &LogController::actCopyLogLineExecute);
    // Both follow the log's selection, which a reset of the log drops without a word.
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(m_context.log->selectionModel(), &QItemSelectionModel::selectionChanged, &actions, request);
    connect(m_context.log->model(), &QAbstractItemModel::modelReset, &actions, request);
    connect(m_context.log->model(), &QAbstractItemModel::rowsRemoved, &actions, request);
}

void LogController::updateActions(const ActionTable& actions) const {
    const bool selected = m_context.log->selectedEntry() >= 0;
    actions.setEnabled(Act::GotoLineByLog, selected);
    actions.setEnabled(Act::CopyLogLine, selected);
}

void LogController::actGotoLineByLogExecute() {
    const int entry = m_context.log->selectedEntry();
    if (entry < 0)
        return;
    const Document& document = m_context.session.document();
    const int row = document.log().row(static_cast<size_t>(entry));
    if (row < 0 || static_cast<size_t>(row) >= document.rowCount()) {
        m_context.platform.beep();
        if (m_context.list->selectionModel()->hasSelection())
            m_context.list->clearSelection();
        m_context.messages.show(QString::fromUtf8(texts::kLogRowMissing));
        return;
    }
    m_context.list->RevealLineEntry(row);
}

void LogController::actCopyLogLineExecute() {
    const int entry = m_context.log->selectedEntry();
    if (entry >= 0)
        QApplication::clipboard()->setText(m_context.session.log()->entryText(entry));
}

// Over an entry the Message panel shows its full text; over the empty part how to use the log.
void LogController::lstLogMouseMove(int entry) {
    if (entry >= 0)
        m_context.messages.show(m_context.session.log()->shownText(entry, kMaxTipChars));
    else
        m_context.messages.show(QString::fromUtf8(texts::kLogHoverEmpty));
}

}  // namespace vq
