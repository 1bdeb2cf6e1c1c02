#pragma once

#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"

#include <QFont>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace vqtest {

// A platform whose user is a script: every question takes the next queued answer, every dialog
// the next queued path, and everything the program shows or starts is recorded for the test.
class ScriptedPlatform : public vq::Platform {
public:
    using Answer = vq::Platform::Answer;
    using StartResult = vq::Platform::StartResult;

    enum class Kind { Message, Error, Confirm, YesNoCancel, YesNo, Choice };

    // One message box or question as the program showed it.
    struct Shown {
        Kind kind;
        QString title;  // empty for plain messages and errors
        QString text;
        Answer answer = Answer::Ok;
        QStringList buttons;  // of a choice
        int choice = -1;      // the index of the button a choice took
    };

    // A sound the program played: its name and whether it waited for the end.
    struct Sound {
        QString name;
        bool wait = false;
        bool operator==(const Sound&) const = default;
    };

    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    // --- the script -----------------------------------------------------------------------------
    // Answers are taken in order; an empty queue answers Cancel (the question is still recorded).
    void queueConfirm(Answer answer) { m_confirmAnswers.enqueue(answer); }
    void queueYesNoCancel(Answer answer) { m_yesNoCancelAnswers.enqueue(answer); }
    // Yes/No questions answer No when nothing is queued.
    void queueYesNo(Answer answer) { m_yesNoAnswers.enqueue(answer); }
    // Questions with buttons of their own take the button of this caption; with nothing queued,
    // or a caption the question does not offer, they take the last button, as Esc would.
    void queueChoice(const QString& button) { m_choices.enqueue(button); }
    // Fonts are taken in order; an empty queue means the font dialog was cancelled.
    void queueFont(const QFont& font) { m_fonts.enqueue(font); }
    // Paths are taken in order; an empty queue or an empty path means the dialog was cancelled.
    void queueOpenFileName(const QString& path) { m_openPaths.enqueue(path); }
    void queueSaveFileName(const QString& path) { m_savePaths.enqueue(path); }
    void setStartResult(StartResult result) { m_startResult = result; }
    // What showing the help page gives; Started unless set.
    void setHelpResult(StartResult result) { m_helpResult = result; }
    // The text editor's command: the program, then its own arguments.
    void setTextEditor(const QStringList& command) { m_textEditor = command; }
    // The settings file the window reads at start and writes at close.
    void setSettingsFilePath(const QString& path) {
        const std::string bytes = vq::LocalPath(path);
        m_settingsFiles = {bytes, bytes, {}};
    }
    // Where it reads them, writes them and notes a failure to write them that it has told.
    void setSettingsFiles(const vq::SettingsFiles& files) { m_settingsFiles = files; }

    // The clock: it stands still unless the test moves it, or moves by `step` after every read.
    // A load reads it on its own thread; set it up before the load starts.
    void setTickStep(quint32 step) { m_tickStep = step; }
    void advanceTicks(quint32 ms) { m_tick += ms; }
    void setTick(quint32 ms) { m_tick = ms; }
    // Runs after every read of the clock, on the thread that read it (for example to record the
    // status bar's text, or to slow a load down).
    void setTickHook(std::function<void()> hook) { m_tickHook = std::move(hook); }
    // The memory the program may still allocate; by default what the system says.
    void setAllocatableBytes(std::uint64_t bytes) { m_allocatable = bytes; }

    // --- what happened --------------------------------------------------------------------------
    const QList<Shown>& shown() const { return m_shown; }
    // Texts of the plain message boxes and error boxes, in the order shown.
    QStringList messages() const;
    QStringList errors() const;
    QStringList questions() const;  // texts of confirmations and Yes/No/Cancel boxes
    QList<Shown> choices() const;   // the questions with buttons of their own
    int beeps() const { return m_beeps; }
    const QList<Started>& started() const { return m_started; }
    const QStringList& openedDocuments() const { return m_openedDocuments; }
    const QStringList& helpShown() const { return m_helpShown; }  // "page#topic"
    int openDialogs() const { return m_openDialogs; }
    int saveDialogs() const { return m_saveDialogs; }
    const QList<vq::FileDialogSettings>& saveDialogSettings() const { return m_saveSettings; }
    const QList<vq::FileDialogSettings>& openDialogSettings() const { return m_openSettings; }
    int tickReads() const { return m_tickReads.load(); }
    const QList<Sound>& sounds() const { return m_sounds; }
    int soundStops() const { return m_soundStops; }
    // Runs while a sound plays (before playSound returns), for a test to act during it.
    void setSoundHook(std::function<void(const Sound&)> hook) { m_soundHook = std::move(hook); }
    // Forgets everything recorded so far (the script stays).
    void clearRecords();

    // --- vq::Platform ---------------------------------------------------------------------------
    void showMessage(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& title, const QString& text) override;
    // Takes its answers from the confirmations' queue; a Yes there counts as OK.
    Answer confirmOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    void beep() override { ++m_beeps; }
    QString openFileName(QWidget* parent, const vq::FileDialogSettings& dialog) override;
    QString saveFileName(QWidget* parent, const vq::FileDialogSettings& dialog) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons) override;
    QStringList textEditor() override { return m_textEditor; }
    StartResult openDocument(const QString& path) override;
    StartResult showHelp(const QString& page, const QString& topic) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    StartResult startProgram(const QString& program, const QStringList& arguments,
                             const QString& workingFolder = {}) override;
    void playSound(const QString& name, bool wait) override;
    void stopSound() override { ++m_soundStops; }
    quint32 tickCount() override;
    std::uint64_t allocatableBytes() override { return m_allocatable ? *m_allocatable : vq::AllocatableBytes(); }
    vq::SettingsFiles settingsFiles() override { return m_settingsFiles; }

private:
    QQueue<Answer> m_confirmAnswers;
    QQueue<Answer> m_yesNoCancelAnswers;
    QQueue<Answer> m_yesNoAnswers;
    QQueue<QString> m_choices;
    QQueue<QFont> m_fonts;
    QQueue<QString> m_openPaths;
    QQueue<QString> m_savePaths;
    StartResult m_startResult = StartResult::Started;
    StartResult m_helpResult = StartResult::Started;
    QStringList m_textEditor{QStringLiteral("mousepad")};
    vq::SettingsFiles m_settingsFiles;

    std::atomic<quint32> m_tick{1000};
    std::atomic<quint32> m_tickStep{0};
    std::function<void()> m_tickHook;

    QList<Shown> m_shown;
    QList<Started> m_started;
    QList<Sound> m_sounds;
    int m_soundStops = 0;
    std::function<void(const Sound&)> m_soundHook;
    QStringList m_openedDocuments;
    QStringList m_helpShown;
    QList<vq::FileDialogSettings> m_openSettings;
    QList<vq::FileDialogSettings> m_saveSettings;
    int m_beeps = 0;
    int m_openDialogs = 0;
    int m_saveDialogs = 0;
    std::atomic<int> m_tickReads{0};
    std::optional<std::uint64_t> m_allocatable;
};

}  // namespace vqtest
