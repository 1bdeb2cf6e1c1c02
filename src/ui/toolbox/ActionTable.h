#pragma once

#include "ui/toolbox/ActionCatalog.h"

#include <QAction>
#include <QObject>

#include <array>
#include <functional>

class QWidget;

namespace vq {

// The main window's actions, one per command of the catalogue, addressed by Act. Every action
// starts disabled: a command is enabled only by the feature object that carries it out.
//
// The enabled states are brought up to date in one pass (the window's updateActions()). A feature
// object asks for that pass with requestUpdate() whenever something its rules read has changed;
// requests made while the program is busy are joined into one pass once it is idle again. A click
// or key that comes before that (a fast user, a test driver) runs the pass first, so a command is
// always invoked with the states of what the user sees: the rules are never read late.
class ActionTable : public QObject {
    Q_OBJECT
public:
    explicit ActionTable(QWidget* window);

    QAction* operator[](Act id) const { return m_actions[static_cast<std::size_t>(id)]; }
    const std::array<QAction*, kActionCount>& all() const { return m_actions; }

    // Connects an action to the slot that carries it out.
    template <typename Receiver>
    void bind(Act id, Receiver* receiver, void (Receiver::*execute)()) {
        QObject::connect((*this)[id], &QAction::triggered, receiver, execute);
    }
    void setEnabled(Act id, bool enabled) const;

    // What the update pass runs.
    void setUpdatePass(std::function<void()> pass) { m_pass = std::move(pass); }
    void requestUpdate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runPendingPass();

    std::array<QAction*, kActionCount> m_actions{};  // Not owned: children of the window.
    std::function<void()> m_pass;
    bool m_pending = false;
};

// A feature object that carries out commands: it connects its actions to its slots, and in
// every update pass sets the enabled state of each of its actions (the commands' Update rules).
class CommandSet {
public:
    virtual ~CommandSet() = default;
    virtual void bindActions(ActionTable& actions) = 0;
    virtual void updateActions(const ActionTable& actions) const = 0;
};

}  // namespace vq
