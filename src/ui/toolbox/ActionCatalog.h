#pragma once

#include "core/Language.h"

#include <array>
#include <cstddef>

namespace vq {

// Every command of the main window. The menus, the tool bar and the pop-up menus share one
// action per command, addressed by this number.
enum class Act {
    // File
    NewIniFile,
    OpenIniFile,
    OpenSamples,
    Reload,
    OpenWithNotepad,
    Save,
    SaveAs,
    Exit,
    // Edit
    Undo,
    Redo,
    InsertLine,
    InsertLineDn,
    EditLine,
    UnRem,
    RemLine,
    RestoreLine,
    Restore,
    DelLine,
    // Tools
    Find,
    FindNext,
    SaveAll,
    SaveSel,
    SaveTree,
    RefreshTree,
    // Options and help
    Configuration,
    HelpTopic,
    Report,
    About,
    // Operation log and target text
    GotoLineByLog,
    CopyLogLine,
    RECopy,
    RESelAll,
    Count
};

inline constexpr std::size_t kActionCount = static_cast<std::size_t>(Act::Count);

// One command: its object name, caption, hint, shortcut and icon.
struct ActionInfo {
    Act id;
    const char* name;
    texts::Phrase caption;
    texts::Phrase hint;    // "" when the command has none
    const char* shortcut;  // QKeySequence texts, several separated by "; ", "" for none
    const char* icon;      // file name under :/icons, without ".svg"
};

// Every command the main window has, in the order of Act.
const std::array<ActionInfo, kActionCount>& ActionCatalog();

}  // namespace vq
