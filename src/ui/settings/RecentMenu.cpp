#include "ui/settings/RecentMenu.h"

#include "core/files/FileAccess.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/UiTexts.h"
#include "core/files/FileTexts.h"
#include "ui/settings/OptionTexts.h"

#include <QAction>
#include <QMenu>

namespace vq {

namespace {
constexpr const char* kItemNames[RecentFiles::kMaxRecent] = {"N110", "N22", "N31", "N41", "N51",
                                                             "N61",  "N71", "N81", "N91", "N101"};

// A path as a menu caption: "&" would otherwise be taken for a mnemonic.
QString Caption(const std::string& path) { return ShownBytes(path).replace('&', QStringLiteral("&&")); }
}  // namespace

RecentMenu::RecentMenu(QMenu* menu, RecentFiles& recent, Platform& platform, QWidget* window, OpenPath open)
    : QObject(menu), m_recent(recent), m_platform(platform), m_window(window), m_open(std::move(open)) {
    for (int i = 0; i < RecentFiles::kMaxRecent; ++i) {
        QAction* item = menu->addAction(QString::number(i + 1));
        item->setObjectName(kItemNames[i]);
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, item] { RecentItemClick(item->data().toInt()); });
        m_items.append(item);
    }
    connect(menu, &QMenu::aboutToShow, this, &RecentMenu::mnuRecentMenusClick);
    ResetRecentMenu();
}

// Only "<<无>>" shows; the first item is never hidden.
void RecentMenu::ResetRecentMenu() {
    m_items.first()->setText(QString::fromUtf8(texts::kRecentNone));
    m_items.first()->setData(0);
    m_items.first()->setVisible(true);
    for (int i = 1; i < m_items.size(); ++i)
        m_items[i]->setVisible(false);
}

void RecentMenu::mnuRecentMenusClick() {
    ResetRecentMenu();
    const auto& paths = m_recent.paths();
    for (int i = 0; i < static_cast<int>(paths.size()) && i < m_items.size(); ++i) {
        m_items[i]->setText(Caption(paths[static_cast<size_t>(i)]));
        m_items[i]->setData(i);
        m_items[i]->setVisible(true);
    }
}

void RecentMenu::RecentItemClick(int tag) {
    if (tag < 0 || static_cast<size_t>(tag) >= m_recent.size()) {
        m_platform.beep();
        return;
    }
    const QString path = PathText(m_recent.paths()[static_cast<size_t>(tag)]);
    if (IsExistingFile(LocalPath(path))) {
        m_open(path);
        return;
    }
    m_platform.showMessage(m_window, FormatMessageQ(texts::kFileMissing, ShownPath(path)));
    m_recent.remove(static_cast<size_t>(tag));
}

}  // namespace vq
