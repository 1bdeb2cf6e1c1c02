#include "ui/extraction/ExtractionController.h"

#include "ui/document/DocumentSession.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TreeAndRows.h"
#include "ui/toolbox/Platform.h"

#include "ui/toolbox/ActionTexts.h"

namespace vq {

ExtractionController::ExtractionController(const Context& context) : m_context(context) {}

void ExtractionController::bindActions(ActionTable& actions) {
    actions.bind(Act::SaveSel, this, &ExtractionController::actSaveSelExecute);
    actions.bind(Act::SaveTree, this, &ExtractionController::actSaveTreeExecute);
    actions.bind(Act::SaveAll, this, &ExtractionController::actSaveAllExecute);
    // The rules read the row count, which only a change of the document moves.
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(&m_context.session, &DocumentSession::stateChanged, &actions, request);
    connect(&m_context.session, &DocumentSession::targetChanged, &actions, request);
}

void ExtractionController::updateActions(const ActionTable& actions) const {
    const bool rows = m_context.session.document().rowCount() > 0;
    actions.setEnabled(Act::SaveSel, rows);
    actions.setEnabled(Act::SaveTree, rows);
    actions.setEnabled(Act::SaveAll, rows);
}

bool ExtractionController::Extract(ExtractionKind kind) {
    const ExtractionTexts& texts = TextsOf(kind);
    if (m_context.platform.confirmOkCancel(m_context.window, QString::fromUtf8(texts::kConfirmTitle),
                                           QString::fromUtf8(texts.confirmation)) != Platform::Answer::Ok)
        return false;

    ExtractionOutcome outcome;
    {
        // Extract all turns the mirroring on, which the rows' colours do not show, but the list
        // is told of every row; both views paint once.
        const PaintPause pause = m_context.rows.pauseRows();
        const PaintPause text({m_context.text});
        {
            const UndoHistory::Step step(m_context.session.history(), texts.caption);
            outcome = ExtractLines(m_context.session.document(), kind);
        }
        // After the first character, nothing selected: the status bar reads row 1, column 1.
        m_context.text->setCaretPosition(1);
    }
    if (outcome.invalidNodes > 0)
        m_context.platform.showMessage(m_context.window,
                                       QString::fromStdString(InvalidNodesMessage(outcome.invalidNodes)));
    return true;
}

}  // namespace vq
