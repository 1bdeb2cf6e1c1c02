#pragma once

#include "core/editing/EditLines.h"
#include "core/editing/InsertLines.h"
#include "core/editing/RowText.h"
#include "ui/toolbox/ActionTable.h"

#include <QObject>

#include <optional>
#include <string>
#include <vector>

namespace vq {

struct AnalysisSettings;
class ContentListView;
class DocumentSession;
class Navigation;
class Platform;
class SelectedRowRuns;
class SignToolBar;
class TfrmInsert;
struct TypedText;

// The editing commands on the content list's rows: comment and uncomment, insert lines and
// titles, edit in place and in the dialog, delete, restore the selected rows and restore all,
// the user's check-box clicks; undo and redo of every step; and the list's column-header clicks.
// It gathers the selection, shows the dialogs and leaves the rest to the editing routines of the
// core, each command one step of the session's history.
class EditingController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        ContentListView* list;
        Navigation& navigation;
        SignToolBar& signs;  // the signs as the user typed them
        Platform& platform;
        QWidget* window;  // the dialogs' parent
    };
    explicit EditingController(const Context& context);
    ~EditingController() override;

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // The insert dialog, made once and kept for the window's life.
    TfrmInsert& insertDialog() { return *m_frmInsert; }

public slots:
    void actUndoExecute();
    void actRedoExecute();
    void actRemLineExecute();
    void actUnRemExecute();
    void actInsertLineExecute();
    void actInsertLineDnExecute();
    void actEditLineExecute();
    void actDelLineExecute();
    void actRestoreLineExecute();
    void actRestoreExecute();
    // The in-place edit of row `row` was confirmed with this text.
    void lvContentEdited(int row, const QString& text);
    // The user set or cleared row `row`'s check box.
    void lvContentCheckEdited(int row, bool checked);
    void lvContentKeyUp(int key);
    void lvContentColumnClick(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateHistoryActions(const ActionTable& actions) const;
    AnalysisSettings documentSigns() const;
    SelectedRowRuns selection() const;
    // What the user typed, in the document's encoding.
    TypedText typed(const QString& text) const;
    // A row's text as the editors show it.
    QString editorText(size_t row) const;
    // What an editor gives back for a row in the document's encoding: the row's bytes as they
    // are when the text is the one it showed, else the text with its marks as CRs.
    TypedText rowBytes(const QString& text, std::optional<size_t> row) const;
    std::optional<size_t> focusedRow() const;
    void insertLinesAt(InsertWhere where);
    // Brings a row an undo or redo touched into view.
    void showRow(std::optional<size_t> row);
    // InsertLines without inserting: shows the dialog under the caption and, when it was
    // confirmed, gives its final lines in the document's encoding.
    // In an edit, `block` is the rows the lines replace: a line left as it was shown keeps its row's bytes.
    std::optional<std::vector<std::string>> dialogLines(const char* caption,
                                                        std::optional<EditBlock> block = std::nullopt);
    QString dialogBlockText(size_t start, size_t end) const;
    static QString ErrorText(EditError error);
    void refuse(EditError error);
    void refuseLater(const QString& message);

    Context m_context;         // Not owned, all of it.
    TfrmInsert* m_frmInsert;   // Not owned: a child of the window.
    bool m_enterDown = false;  // Enter went down in the list itself, not in its editor
};

}  // namespace vq
