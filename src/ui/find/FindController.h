#pragma once

#include "ui/document/TextPoint.h"
#include "ui/toolbox/ActionTable.h"

#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QTabWidget;
class QWidget;

namespace vq {

class DocumentSession;
class FindDlg;
class Platform;
class StatusMessages;
class TargetTextView;
class TreeAndRows;

// Find and find next in the target text, the text that Save writes. The search runs forward
// from the end of the selection and offers to start again from the top; while the text mirrors
// the list, a hit's line also selects its row. All places are the text view's, so the search
// range, the selected hit and the hit's line agree. A search works in the view's (line, column)
// points, so a hit at the end of a long text costs no count of the characters before it.
class FindController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TargetTextView* text;
        QAbstractItemView* list;  // the content list, whose selection a search from the dialog clears
        TreeAndRows& rows;        // reveals a hit's row
        QTabWidget* pages;        // the target text's page comes to the front for a hit
        Platform& platform;
        StatusMessages& messages;
        QWidget* window;  // the find dialog's and the questions' parent
    };
    explicit FindController(const Context& context);
    ~FindController() override;

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // The find dialog, made on first use; it keeps its text and options for F3.
    FindDlg* findDialog();
    // Fills the dialog with the selected text and shows it, or brings it to the front.
    void ShowFindDialog();
    // One search from the end of the selection, with the wrap-around question when nothing more
    // is found; true when a hit is selected.
    bool FindNextInText();
    // The longest start of `text` the find box holds: 255 bytes in the document's encoding.
    QString limitFindText(const QString& text) const;

public slots:
    void actFindExecute() { ShowFindDialog(); }
    void actFindNextExecute();
    // The dialog's find button: one search, then the dialog closes; later searches are F3's.
    void FindDlgFind();

private:
    QString selectedFindText() const;
    void showHit(TextPoint at, const QString& what);

    Context m_context;           // Not owned, all of it.
    QPointer<FindDlg> m_dialog;  // Not owned: a child of the window.
};

}  // namespace vq
