#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vq {

// What the choice of the desktop's text editor reads of the desktop.
struct EditorLookup {
    QString visual;  // $VISUAL
    QString editor;  // $EDITOR
    // The desktop entry of the default application for text/plain, as its text; empty for none.
    QString defaultEntry;
    // Whether the program (a name looked up on the search path, or a path) can be started.
    std::function<bool(const QString& program)> installed;
};

// The desktop's plain-text editor as a command: the program, then its own arguments; the file to
// open goes after them. In order: $VISUAL, then $EDITOR, each when it names an installed graphical
// program (an editor that needs a terminal would have none); then the desktop's default
// application for text/plain; then the first installed of a short list of desktop editors, or
// the list's first when none is (the not-found message then names it).
QStringList ChooseTextEditor(const EditorLookup& lookup);

// A command line's words: separated by blanks, each as a shell would take it from double or
// single quotes and backslashes.
QStringList SplitCommandLine(const QString& line);

// The command of a desktop entry (its Exec key in [Desktop Entry]) without the codes that stand
// for the files; empty for an entry that runs in a terminal or has no command.
QStringList DesktopEntryCommand(const QString& entry);

}  // namespace vq
