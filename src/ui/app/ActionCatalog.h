#pragma once

namespace vq {

// One command of the main window: its object name, caption, hint, shortcut and icon. The menus,
// the tool bar and the pop-up menus share the action built from it.
struct ActionInfo {
    const char* name;
    const char* caption;
    const char* hint;      // "" when the command has none
    const char* shortcut;  // a QKeySequence text, "" for none
    const char* icon;      // file name under :/icons, without ".svg"
};

// Every command the main window has.
const ActionInfo* ActionCatalog(int* count);

}  // namespace vq
