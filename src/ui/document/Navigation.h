#pragma once

#include <QObject>

class QItemSelection;
class QLabel;
class QTabWidget;

namespace vq {

class ContentListView;
class DocumentSession;
class Platform;
class StatusMessages;
class TargetTextView;
class TopicTreeView;

// The links between the three views: a node chosen in the tree reveals its row, a double click
// (or Enter) on a row shows its line in the target text and edits the row in place, the status
// bar follows the list's selection and the target text's caret, and each view says what it is
// for when it gets the focus.
class Navigation : public QObject {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TopicTreeView* tree;
        ContentListView* list;
        TargetTextView* text;  // null while the window has no target text view of its own
        QTabWidget* pages;
        QLabel* linePanel;
        QLabel* caretPanel;
        Platform& platform;
        StatusMessages& messages;
    };
    explicit Navigation(const Context& context);

    // How many characters of a line of `lineLength` the target text selects when its row is
    // double-clicked, given how many of the widest, the narrowest and a thin letter fit across
    // the view. All of a line that fits, else about as much of it as the view shows.
    static qsizetype SelectionLength(qsizetype lineLength, qsizetype fitW, qsizetype fitT, qsizetype fitI);

public slots:
    void tvTopicClick();
    void tvTopicDblClick();
    void tvTopicKeyUp(int key);
    void lvContentDblClick();
    void lvContentSelectItem(int row);
    void reContentSelectionChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLineOfRow(size_t row);
    void listSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

    Context m_context;  // Not owned, all of it.
};

}  // namespace vq
