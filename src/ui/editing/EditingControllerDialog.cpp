// Inserting lines and titles, and the dialog edit of a block of rows, through the insert dialog.
#include "ui/editing/EditingController.h"

#include "core/editing/EditLines.h"
#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/PaintPause.h"
#include "ui/document/SelectedRowRuns.h"
#include "ui/editing/TfrmInsert.h"
#include "ui/editing/TypedText.h"
#include "ui/settings/SignToolBar.h"

#include "core/Texts.h"

namespace vq {

void EditingController::actInsertLineExecute() { insertLinesAt(InsertWhere::Above); }

void EditingController::actInsertLineDnExecute() { insertLinesAt(InsertWhere::Below); }

void EditingController::insertLinesAt(InsertWhere where) {
    if (!CanInsertLines(where, selection().count()))
        return;
    m_frmInsert->clearText();
    const size_t position = InsertPosition(where, focusedRow());
    const std::string_view caption = InsertCaption(where);
    const auto lines = dialogLines(caption.data());
    if (!lines || lines->empty())
        return;
    Document& doc = m_context.session.document();
    const PaintPause pause{m_context.list};
    EditError error = EditError::None;
    {
        UndoHistory::Step step(m_context.session.history(), caption);
        error = InsertLines(doc, documentSigns(), std::min(position, doc.rowCount()), *lines, caption);
    }
    refuse(error);
}

std::optional<std::vector<std::string>> EditingController::dialogLines(const char* caption) {
    if (!m_frmInsert->execute(QString::fromUtf8(caption), TitleTypeIndex(m_context.signs.settings().titleType)))
        return std::nullopt;
    // The dialog took only what the document's encoding holds.
    const std::string text = typed(m_frmInsert->text()).bytes.value_or(std::string());
    const std::string title = typed(m_frmInsert->title()).bytes.value_or(std::string());
    InsertDialogValues values;
    values.page = m_frmInsert->insertPage() == TfrmInsert::TitlePage ? InsertPage::Title : InsertPage::Plain;
    values.text = text;
    values.allRem = m_frmInsert->allRem();
    values.titleTypeIndex = m_frmInsert->titleTypeIndex();
    values.title = title;
    values.addRem = m_frmInsert->addRem();
    return DialogLines(documentSigns(), values);
}

QString EditingController::dialogBlockText(size_t start, size_t end) const {
    const Document& doc = m_context.session.document();
    const TextCodec& codec = m_context.session.codec();
    QString text;
    for (size_t row = start; row <= end; ++row) {
        if (row > start)
            text += QLatin1Char('\n');
        text += codec.decode(doc.caption(row));
    }
    return text;
}

// The run of selected rows around the focused row is shown as lines; the confirmed lines replace
// it, with rows removed from its top or added below it when their number changed.
void EditingController::actEditLineExecute() {
    const std::vector<size_t> rows = selection().indexes();
    const std::optional<EditBlock> block = DialogEditBlock(rows, focusedRow());
    if (!block)
        return;
    m_frmInsert->setText(dialogBlockText(block->start, block->end));
    m_frmInsert->showPlainPage();
    const auto lines = dialogLines(texts::kCapEditLine);
    if (!lines)
        return;
    Document& doc = m_context.session.document();
    if (block->end >= doc.rowCount())
        return;
    const PaintPause pause{m_context.list};
    EditError error = EditError::None;
    {
        UndoHistory::Step step(m_context.session.history(), texts::kCapEditLine);
        error = ApplyDialogEdit(doc, documentSigns(), *block, *lines);
    }
    refuse(error);
}

}  // namespace vq
