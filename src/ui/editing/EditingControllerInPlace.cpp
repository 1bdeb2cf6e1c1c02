// Editing a row in place, Enter in the list, and the column-header clicks.
#include "ui/editing/EditingController.h"

#include "core/editing/EditLines.h"
#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/Navigation.h"
#include "ui/editing/TypedText.h"

#include "core/editing/EditingTexts.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace vq {

// The row takes the typed text in the document's encoding, or nothing changes and the user is
// told why.
void EditingController::lvContentEdited(int row, const QString& text) {
    Document& doc = m_context.session.document();
    if (row < 0 || static_cast<size_t>(row) >= doc.rowCount())
        return;
    const TypedText bytes = rowBytes(text, static_cast<size_t>(row));
    if (!bytes.bytes) {
        refuseLater(bytes.refusal);
        return;
    }
    EditError error = EditError::None;
    {
        UndoHistory::Step step(m_context.session.history(), texts::kCapEditLine);
        error = EditRowInPlace(doc, static_cast<size_t>(row), *bytes.bytes);
    }
    if (error != EditError::None)
        refuseLater(ErrorText(error));
}

// A click on a row's check box: a step of its own, which the log does not record.
void EditingController::lvContentCheckEdited(int row, bool checked) {
    Document& doc = m_context.session.document();
    if (row < 0 || static_cast<size_t>(row) >= doc.rowCount())
        return;
    UndoHistory::Step step(m_context.session.history(), checked ? texts::kCapCheckRow : texts::kCapUncheckRow);
    doc.setChecked(static_cast<size_t>(row), checked);
}

// Enter released in the list edits the first selected row, as a double click does. Only a press
// made while the list had the focus counts: the Enter that confirms the editor reaches the list
// too, the press passed on by the editor and the release once the editor has gone.
bool EditingController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_context.list && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (event->type() == QEvent::KeyPress) {
            m_enterDown = enter && m_context.list->hasFocus();
        } else if (enter && !key->isAutoRepeat() && m_enterDown) {
            m_enterDown = false;
            lvContentKeyUp(key->key());
        }
    }
    return QObject::eventFilter(watched, event);
}

void EditingController::lvContentKeyUp(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        m_context.navigation.lvContentDblClick();
}

void EditingController::lvContentColumnClick(int column) {
    QHeaderView* header = m_context.list->horizontalHeader();
    const ColumnWidths now = ColumnClickWidths(column, m_context.list->viewport()->width(),
                                               {header->sectionSize(0), header->sectionSize(1)});
    header->resizeSection(0, now.after);
    header->resizeSection(1, now.before);
}

}  // namespace vq
