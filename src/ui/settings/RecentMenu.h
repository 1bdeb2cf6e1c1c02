#pragma once

#include "core/settings/RecentFiles.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vq {

class Platform;

// The submenu "最近使用的文件": ten items, N110 to N101, that offer the recent files each time
// the submenu opens. A click opens the file, or says that it is gone and drops it from the list.
class RecentMenu : public QObject {
    Q_OBJECT
public:
    using OpenPath = std::function<void(const QString&)>;

    // Adds the ten items to `menu`. `open` opens a path that exists (the window's open).
    RecentMenu(QMenu* menu, RecentFiles& recent, Platform& platform, QWidget* window, OpenPath open);

    QAction* item(int tag) const { return m_items.value(tag); }

public slots:
    void mnuRecentMenusClick();
    void ResetRecentMenu();
    void RecentItemClick(int tag);

private:
    RecentFiles& m_recent;  // Not owned.
    Platform& m_platform;   // Not owned.
    QWidget* m_window;      // Not owned: owns the messages.
    OpenPath m_open;
    QList<QAction*> m_items;
};

}  // namespace vq
