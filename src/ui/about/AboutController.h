#pragma once

#include "ui/toolbox/ActionTable.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace vq {

class Platform;
class TAboutBox;

// The About command: each use opens a new About box, owned by the main window and shown without
// making it modal.
class AboutController : public QObject, public CommandSet {
    Q_OBJECT
public:
    AboutController(QWidget* window, Platform& platform, QObject* parent = nullptr);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // The box opened last, while it is open.
    TAboutBox* aboutBox() const;

public slots:
    void actAboutExecute();

private:
    QWidget* m_window;     // Not owned.
    Platform& m_platform;  // Not owned.
    QPointer<TAboutBox> m_aboutBox;
};

}  // namespace vq
