#pragma once

#include "ui/toolbox/ActionTable.h"

#include <QObject>
#include <QString>

class QTabWidget;
class QWidget;

namespace vq {

class DocumentSession;
class FileController;
class Platform;
class TargetTextView;

// The commands around the target text (copy, select all, the pages' hint) and
// those that hand work to programs outside the window: the usage report, the samples folder and
// the help page. The program never waits for those programs.
class ToolsController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;
        TargetTextView* text;
        QTabWidget* pages;      // pcPages
        FileController& files;  // the open dialog that "打开示例 ..." leads to
        Platform& platform;
        QWidget* window;  // the messages' parent
    };
    explicit ToolsController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // Where the report program, the samples and the help page are looked up: the executable's
    // folder unless set otherwise.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    QString programFile(const QString& name) const;

public slots:
    void actRECopyExecute();
    void actRESelAllExecute();
    void actReportExecute();
    void actOpenSamplesExecute();
    void actHelpTopicExecute();
    // The page control shows the hint of its active page.
    void pcPagesMouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Context m_context;  // Not owned, all of it.
    QString m_programFolder;
    QString m_shownPageHint;  // what the last move over the tabs showed
    bool m_pageHintShown = false;
};

}  // namespace vq
