#pragma once

namespace vq {

// Makes Qt's accessibility read the items of menus and of the menu bar through an object of ours,
// which carries out a screen reader's Press a moment later instead of at once: a command that
// opens a modal dialog would otherwise hold the screen reader's call until the dialog closes.
// Safe to call more than once.
void InstallMenuItemAccessibility();

}  // namespace vq
