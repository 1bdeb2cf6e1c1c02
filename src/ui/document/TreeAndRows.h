#pragma once

#include "ui/document/PaintPause.h"
#include "ui/toolbox/ActionTable.h"

#include <QObject>

namespace vq {

struct AnalysisSettings;
class ContentListView;
class DocumentSession;
class Platform;
class StatusMessages;
class TopicTreeView;

// The topic tree and the rows of the content list: the analysis pass as the window runs it, and
// the row operations other commands share (revealing and deleting a row).
class TreeAndRows : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TopicTreeView* tree;
        ContentListView* list;
        Platform& platform;
        StatusMessages& messages;
        const AnalysisSettings& signs;  // as the user typed them; the tool bar keeps them current
    };
    explicit TreeAndRows(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // Classifies every row, rebuilds the tree, then selects its first node.
    void BuildTopicTree();
    // After a tree built elsewhere (a load): selects its first node, as the analysis pass does.
    void selectFirstNode();
    void RevealLineEntry(int row);
    void DeleteLineEntry(int row);

    // Bulk changes of the rows (and of the tree) paint once, when the pause ends.
    PaintPause pauseRows() const;
    PaintPause pauseRowsAndTree() const;

public slots:
    void actRefreshTreeExecute();

private:
    Context m_context;  // Not owned, all of it.
};

}  // namespace vq
