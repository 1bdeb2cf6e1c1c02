#pragma once

#include <QObject>
#include <QTimer>

class QProgressBar;
class QShortcut;
class QStatusBar;
class QToolButton;
class QWidget;

namespace vq {

// The status bar's part in a load: a progress bar with a cancel button beside it, shown when the
// load takes longer than a moment, and Esc, which stops the load from its start.
class LoadIndicator : public QObject {
    Q_OBJECT
public:
    // How long a load runs before the bar appears.
    static constexpr int kMomentMs = 400;

    LoadIndicator(QStatusBar* bar, QWidget* window);

    // A load started: Esc stops it from now on, and the bar appears after a moment. The bar
    // shows no amount until the first count.
    void begin();
    void setCount(qint64 done, qint64 total);
    // The load ended: the bar and the button go, Esc is the views' again.
    void end();

signals:
    // The user pressed Esc or the cancel button.
    void cancelRequested();

private:
    void appear();

    QWidget* m_window;              // Not owned.
    QProgressBar* m_bar;            // Not owned: the status bar's.
    QToolButton* m_cancel;          // Not owned: the status bar's.
    QShortcut* m_escape = nullptr;  // only while a load runs
    QTimer m_moment;
};

}  // namespace vq
