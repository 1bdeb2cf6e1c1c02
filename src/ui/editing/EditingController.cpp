// The editing commands: their enabled rules, and the commands on the selected rows.
#include "ui/editing/EditingController.h"

#include "core/editing/CommentCommands.h"
#include "core/editing/DeleteRestore.h"
#include "core/editing/EditLines.h"
#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/PaintPause.h"
#include "ui/document/RowModel.h"
#include "ui/document/SelectedRowRuns.h"
#include "ui/document/TextCodec.h"
#include "ui/editing/TfrmInsert.h"
#include "ui/editing/TypedText.h"
#include "ui/settings/SignToolBar.h"
#include "ui/toolbox/Platform.h"

#include "core/editing/EditingTexts.h"
#include "ui/editing/EditDialogTexts.h"
#include "ui/toolbox/ActionTexts.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTimer>

namespace vq {

EditingController::EditingController(const Context& context)
    : m_context(context), m_frmInsert(new TfrmInsert(context.platform, context.window)) {
    // OK keeps the dialog open on text the document's encoding cannot hold.
    m_frmInsert->setCheck([this](const QString& text) { return typed(UnmarkCrs(text)).refusal; });
    ContentListView* list = m_context.list;
    list->installEventFilter(this);
    connect(m_context.session.rows(), &RowModel::captionEdited, this, &EditingController::lvContentEdited);
    connect(m_context.session.rows(), &RowModel::checkEdited, this, &EditingController::lvContentCheckEdited);
    list->horizontalHeader()->setSectionsClickable(true);
    connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this, &EditingController::lvContentColumnClick);
}

EditingController::~EditingController() = default;

void EditingController::bindActions(ActionTable& actions) {
    actions.bind(Act::Undo, this, &EditingController::actUndoExecute);
    actions.bind(Act::Redo, this, &EditingController::actRedoExecute);
    actions.bind(Act::RemLine, this, &EditingController::actRemLineExecute);
    actions.bind(Act::UnRem, this, &EditingController::actUnRemExecute);
    actions.bind(Act::InsertLine, this, &EditingController::actInsertLineExecute);
    actions.bind(Act::InsertLineDn, this, &EditingController::actInsertLineDnExecute);
    actions.bind(Act::EditLine, this, &EditingController::actEditLineExecute);
    actions.bind(Act::DelLine, this, &EditingController::actDelLineExecute);
    actions.bind(Act::RestoreLine, this, &EditingController::actRestoreLineExecute);
    actions.bind(Act::Restore, this, &EditingController::actRestoreExecute);

    // The rules read the selection, the rows' texts and the comment sign.
    const auto request = [&actions] { actions.requestUpdate(); };
    QAbstractItemModel* rows = m_context.session.rows();
    connect(m_context.list->selectionModel(), &QItemSelectionModel::selectionChanged, &actions, request);
    connect(rows, &QAbstractItemModel::modelReset, &actions, request);
    connect(rows, &QAbstractItemModel::rowsInserted, &actions, request);
    connect(rows, &QAbstractItemModel::rowsRemoved, &actions, request);
    connect(rows, &QAbstractItemModel::dataChanged, &actions, request);
    connect(m_context.signs.box(SignBox::Rem), &QComboBox::editTextChanged, &actions, request);
    // Undo and redo follow the history at once: Ctrl+Z and Ctrl+Shift+Z pressed one after the
    // other must find each other's result.
    connect(&m_context.session, &DocumentSession::historyChanged, &actions,
            [this, &actions] { updateHistoryActions(actions); });
}

void EditingController::updateHistoryActions(const ActionTable& actions) const {
    const UndoHistory& history = m_context.session.history();
    actions.setEnabled(Act::Undo, history.canUndo());
    actions[Act::Undo]->setText(QString::fromStdString(history.undoCaption()));
    actions.setEnabled(Act::Redo, history.canRedo());
    actions[Act::Redo]->setText(QString::fromStdString(history.redoCaption()));
}

void EditingController::updateActions(const ActionTable& actions) const {
    const Document& doc = m_context.session.document();
    updateHistoryActions(actions);
    const SelectedRowRuns selected = selection();
    const size_t count = selected.count();
    // One or two rows tell the comment rules all they need: with several, both are enabled.
    const std::vector<size_t> first = selected.front(2);
    const AnalysisSettings signs = documentSigns();
    actions.setEnabled(Act::RemLine, CanCommentRows(doc, signs, first));
    actions.setEnabled(Act::UnRem, CanUncommentRows(doc, signs, first));
    actions.setEnabled(Act::InsertLine, CanInsertLines(InsertWhere::Above, count));
    actions.setEnabled(Act::InsertLineDn, CanInsertLines(InsertWhere::Below, count));
    actions.setEnabled(Act::EditLine, CanEditLines(count));
    actions.setEnabled(Act::DelLine, CanDeleteRows(count));
    actions.setEnabled(Act::RestoreLine, CanRestoreRows(count));
    actions.setEnabled(Act::Restore, CanRestoreAllRows(doc.rowCount()));
}

AnalysisSettings EditingController::documentSigns() const {
    return m_context.session.settingsForDocument(m_context.signs.settings());
}

TypedText EditingController::typed(const QString& text) const {
    return EncodeTyped(m_context.session.codec(), m_context.session.document().encoding(), text);
}

QString EditingController::editorText(size_t row) const {
    return MarkCrs(m_context.session.codec().decode(m_context.session.document().caption(row)));
}

TypedText EditingController::rowBytes(const QString& text, std::optional<size_t> row) const {
    const Document& doc = m_context.session.document();
    if (row && *row < doc.rowCount() && text == editorText(*row))
        return {std::string(doc.caption(*row)), {}};
    return typed(UnmarkCrs(text));
}

SelectedRowRuns EditingController::selection() const { return SelectedRowRuns(m_context.list->selectionModel()); }

std::optional<size_t> EditingController::focusedRow() const {
    const QModelIndex current = m_context.list->selectionModel()->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return static_cast<size_t>(current.row());
}

// Each command checks its own rule again: a key or menu may trigger it before the enabled
// states caught up with the last change.

void EditingController::actRemLineExecute() {
    Document& doc = m_context.session.document();
    const AnalysisSettings signs = documentSigns();
    const std::vector<size_t> rows = selection().indexes();
    if (!CanCommentRows(doc, signs, rows))
        return;
    const PaintPause pause{m_context.list};
    const UndoHistory::Step step(m_context.session.history(), texts::kCapRemLine);
    CommentRows(doc, signs, rows);
}

void EditingController::actUnRemExecute() {
    Document& doc = m_context.session.document();
    const AnalysisSettings signs = documentSigns();
    const std::vector<size_t> rows = selection().indexes();
    if (!CanUncommentRows(doc, signs, rows))
        return;
    const PaintPause pause{m_context.list};
    const UndoHistory::Step step(m_context.session.history(), texts::kCapUnRem);
    UncommentRows(doc, signs, rows);
}

// The row that takes the place of the deleted ones (the last row when they were the last) is
// selected and has the focus, as in a file manager: the focus does not fall back on the row above.
void EditingController::actDelLineExecute() {
    const std::vector<size_t> rows = selection().indexes();
    if (!CanDeleteRows(rows.size()))
        return;
    Document& doc = m_context.session.document();
    {
        const PaintPause pause{m_context.list};
        const UndoHistory::Step step(m_context.session.history(), texts::kCapDelLine);
        DeleteRows(doc, rows);
    }
    if (doc.rowCount() == 0)
        return;
    const QModelIndex next =
        m_context.list->model()->index(static_cast<int>(std::min(rows.front(), doc.rowCount() - 1)), 0);
    m_context.list->selectionModel()->setCurrentIndex(next,
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void EditingController::actRestoreLineExecute() {
    const std::vector<size_t> rows = selection().indexes();
    if (!CanRestoreRows(rows.size()))
        return;
    const PaintPause pause{m_context.list};
    const UndoHistory::Step step(m_context.session.history(), texts::kCapRestoreLine);
    RestoreRows(m_context.session.document(), rows);
}

void EditingController::actRestoreExecute() {
    Document& doc = m_context.session.document();
    if (!CanRestoreAllRows(doc.rowCount()))
        return;
    if (m_context.platform.confirmOkCancel(m_context.window, QString::fromUtf8(texts::kConfirmTitle),
                                           QString::fromUtf8(texts::kRestoreAllQuestion)) != Platform::Answer::Ok)
        return;
    const PaintPause pause{m_context.list};
    const UndoHistory::Step step(m_context.session.history(), texts::kCapRestoreAll);
    RestoreAllRows(doc);
}

// The list keeps its selection; the first row the step touched comes into view.
void EditingController::actUndoExecute() {
    const PaintPause pause{m_context.list};
    showRow(m_context.session.history().undo().firstRow);
}

void EditingController::actRedoExecute() {
    const PaintPause pause{m_context.list};
    showRow(m_context.session.history().redo().firstRow);
}

void EditingController::showRow(std::optional<size_t> row) {
    if (!row)
        return;
    m_context.list->scrollTo(m_context.session.rows()->index(static_cast<int>(*row), 0));
}

QString EditingController::ErrorText(EditError error) {
    const std::string_view text = EditErrorText(error);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void EditingController::refuse(EditError error) {
    if (error != EditError::None)
        m_context.platform.showMessage(m_context.window, ErrorText(error));
}

// A refusal met while the list still closes its editor is shown once the editor is gone.
void EditingController::refuseLater(const QString& message) {
    QTimer::singleShot(0, this, [this, message] { m_context.platform.showMessage(m_context.window, message); });
}

}  // namespace vq
