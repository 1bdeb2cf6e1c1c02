#pragma once

#include "ui/toolbox/ActionTable.h"

#include <QObject>

namespace vq {

class ContentListView;
class DocumentSession;
class LogView;
class Platform;
class StatusMessages;

// The operation log's commands: go from an entry to its row, copy an entry; and what the Message
// panel says while the pointer is over the log.
class LogController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        LogView* log;
        ContentListView* list;
        Platform& platform;
        StatusMessages& messages;
    };
    explicit LogController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

public slots:
    void actGotoLineByLogExecute();
    void actCopyLogLineExecute();

private:
    void lstLogMouseMove(int entry);

    Context m_context;  // Not owned, all of it.
};

}  // namespace vq
