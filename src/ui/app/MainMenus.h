#pragma once

#include "ui/toolbox/ActionTable.h"

#include <initializer_list>

class QAbstractScrollArea;
class QMenu;
class QMenuBar;
class QWidget;

namespace vq {

class SignToolBar;
class TargetTextView;

// A menu entry: the action it stands for and the item's own object name. An entry without an
// item name is a separator.
struct MenuEntry {
    Act action;
    const char* item;
};
inline constexpr MenuEntry kSeparator{Act::Count, nullptr};

// Adds items of their own names that show their actions' captions, images and states and run
// their actions.
void AddMenuItems(QMenu* menu, const ActionTable& actions, std::initializer_list<MenuEntry> entries);

// The main menu: File, Edit, Tools, Options (with the pattern items), Help. Returns the File
// menu's recent-file submenu, still empty.
QMenu* BuildMainMenu(QMenuBar* bar, const ActionTable& actions, SignToolBar& signs);

// A pop-up menu of its own name that opens on a right click in a view, and from the keyboard
// (the Menu key, Shift+F10) at the view's current item.
QMenu* AttachPopup(QWidget* window, QAbstractScrollArea* view, const char* name);

// The pop-up menus of the content list, the topic tree, the log and the target text; the target
// text's opens when the right button is released over it, or from the keyboard at its caret.
void BuildPopupMenus(QWidget* window, const ActionTable& actions, QAbstractScrollArea* list, QAbstractScrollArea* tree,
                     QAbstractScrollArea* log, TargetTextView* text);

}  // namespace vq
