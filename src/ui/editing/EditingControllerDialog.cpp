// Inserting lines and titles, and the dialog edit of a block of rows, through the insert dialog.
#include "ui/editing/EditingController.h"

#include "core/editing/EditLines.h"
#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/PaintPause.h"
#include "ui/document/SelectedRowRuns.h"
#include "ui/document/TextCodec.h"
#include "ui/editing/TfrmInsert.h"
#include "ui/editing/TypedText.h"
#include "ui/settings/SignToolBar.h"

#include "core/editing/EditingTexts.h"

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

// The row that line `line` of `lines` replaces in an edit of `block` (ApplyDialogEdit: with fewer
// lines than rows, the rows from the top go), if any.
static std::optional<size_t> ReplacedRow(const EditBlock& block, size_t line, size_t lines) {
    const size_t rows = block.count();
    const size_t gone = rows > lines ? rows - lines : 0;
    if (gone + line >= rows)
        return std::nullopt;
    return block.start + gone + line;
}

std::optional<std::vector<std::string>> EditingController::dialogLines(const char* caption,
                                                                       std::optional<EditBlock> block) {
    if (!m_frmInsert->execute(QString::fromUtf8(caption), TitleTypeIndex(m_context.signs.settings().titleType)))
        return std::nullopt;
    // Line by line, as the dialog took them: in the document's encoding (nothing else passes its
    // check), a line left as shown in its row's bytes.
    const QString all = m_frmInsert->text();
    QStringList shown = all.isEmpty() ? QStringList() : all.split(QLatin1Char('\n'));
    if (all.endsWith(QLatin1Char('\n')))
        shown.pop_back();  // a final break starts no line
    std::string text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const auto row =
            block ? ReplacedRow(*block, static_cast<size_t>(i), static_cast<size_t>(shown.size())) : std::nullopt;
        text += rowBytes(shown[i], row).bytes.value_or(std::string()) + '\n';
    }
    const std::string title = typed(UnmarkCrs(m_frmInsert->title())).bytes.value_or(std::string());
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
    QString text;
    for (size_t row = start; row <= end; ++row) {
        if (row > start)
            text += QLatin1Char('\n');
        text += editorText(row);
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
    const auto lines = dialogLines(texts::kCapEditLine, block);
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
