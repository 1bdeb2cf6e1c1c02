#pragma once

#include "core/document/OpenLimit.h"
#include "core/settings/SettingsFile.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

class QFont;
class QWidget;

namespace vq {

// A file dialog's fixed settings.
struct FileDialogSettings {
    QString title;                             // empty: the platform's default
    QVector<QPair<QString, QString>> filters;  // (description, patterns separated by ';')
    QString defaultSuffix;
    QString initialFolder;  // empty: the platform's choice
    bool confirmOverwrite = false;
};

// Everything the program asks of the desktop goes through here, so tests can drive the real
// main window with scripted answers.
class Platform {
public:
    enum class Answer { Yes, No, Cancel, Ok };
    enum class StartResult { Started, NotFound, Failed };

    virtual ~Platform() = default;

    // A plain message box with one OK button, titled with the application title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // The default error box for an error that ended a command.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A confirmation with a question icon and Yes/No/Cancel buttons.
    virtual Answer confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // A confirmation with a question icon and OK/Cancel buttons: Ok or Cancel.
    virtual Answer confirmOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message box with a title of its own and Yes/No/Cancel buttons.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message box with a title of its own, Yes/No buttons and no icon.
    virtual Answer askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question (question icon, a title of its own) with buttons of its own, in order: the index
    // of the button chosen. The last button is the safe one: it is the default, and Esc or
    // closing the box choose it.
    virtual int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons) = 0;
    virtual void beep() = 0;

    // The chosen path as a path text (LocalPath.h: its bytes kept), or an empty string when the
    // user cancelled. The save dialog gives the path that will be written: the default suffix
    // added only to a new name without one (SaveAsPath), and the overwrite question asked about
    // that file.
    virtual QString openFileName(QWidget* parent, const FileDialogSettings& dialog) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogSettings& dialog) = 0;

    // The desktop's plain-text editor as a command: the program, then its own arguments (the
    // file goes after them). See ChooseTextEditor for the order it is looked for in.
    virtual QStringList textEditor() = 0;
    // Starts a program without waiting for it, in `workingFolder` (empty: this program's own).
    virtual StartResult startProgram(const QString& program, const QStringList& arguments,
                                     const QString& workingFolder = {}) = 0;

    // Opens a document or folder with the desktop's program for it, without waiting.
    virtual StartResult openDocument(const QString& path) = 0;
    // Shows a topic of the program's help page (an HTML page with one anchor per topic) in the
    // desktop's browser, without waiting: NotFound when the page is missing, Failed when no
    // browser took it.
    virtual StartResult showHelp(const QString& page, const QString& topic) = 0;
    // The font dialog, starting from `font`; false when the user cancelled.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;

    // Plays one of the program's own sounds, looked up by name ignoring case; a sound started
    // while another plays replaces it. With `wait` it returns when the sound has ended, and after
    // no longer than the sound lasts; without a sound device nothing plays and nothing hangs.
    virtual void playSound(const QString& name, bool wait) = 0;
    // Stops a sound that plays.
    virtual void stopSound() = 0;

    // Milliseconds since some fixed moment; wraps around. Called from the thread that loads a
    // file too, so it must be safe to call from any thread.
    virtual quint32 tickCount() = 0;

    // Bytes of memory the program can still get: what a file to open is measured against.
    virtual std::uint64_t allocatableBytes() { return AllocatableBytes(); }

    // Where the settings are read at start and written at close; empty when this run keeps none.
    virtual SettingsFiles settingsFiles() { return {}; }
};

}  // namespace vq
