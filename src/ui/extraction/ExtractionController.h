#pragma once

#include "core/extraction/Extraction.h"
#include "ui/toolbox/ActionTable.h"

#include <QObject>

class QWidget;

namespace vq {

class DocumentSession;
class Platform;
class TargetTextView;
class TreeAndRows;

// "提取钩选项", "提取目录树" and "提取所有": after the user confirms, the target text takes the
// chosen rows' lines, and the caret stands after its first character.
class ExtractionController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TargetTextView* text;
        TreeAndRows& rows;  // the rows' view pauses painting while the text is refilled
        Platform& platform;
        QWidget* window;  // the questions' parent
    };
    explicit ExtractionController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // One extraction as the command runs it; false when the user did not confirm.
    bool Extract(ExtractionKind kind);

public slots:
    void actSaveSelExecute() { Extract(ExtractionKind::Checked); }
    void actSaveTreeExecute() { Extract(ExtractionKind::Tree); }
    void actSaveAllExecute() { Extract(ExtractionKind::All); }

private:
    Context m_context;  // Not owned, all of it.
};

}  // namespace vq
