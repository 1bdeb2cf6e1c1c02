#pragma once

#include "ui/toolbox/Platform.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>

#include <memory>

namespace vq {

class SoundPlayer;

// The desktop's own dialogs, message boxes and process start.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    void showMessage(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& title, const QString& text) override;
    Answer confirmOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    int choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons) override;
    void beep() override;
    QString openFileName(QWidget* parent, const FileDialogSettings& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialogSettings& dialog) override;
    QStringList textEditor() override;
    StartResult startProgram(const QString& program, const QStringList& arguments,
                             const QString& workingFolder = {}) override;
    StartResult openDocument(const QString& path) override;
    StartResult showHelp(const QString& page, const QString& topic) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    void playSound(const QString& name, bool wait) override;
    void stopSound() override;
    quint32 tickCount() override;
    SettingsFiles settingsFiles() override;

    // How long the program's sound of that name lasts in milliseconds; -1 when there is none.
    int soundLength(const QString& name);

private:
    // Asks whether the existing file may be replaced, in the words of Qt's own file dialog.
    bool confirmOverwrite(QWidget* parent, const QString& title, const QString& path);

    struct SoundClip {
        QByteArray samples;
        QAudioFormat format;
        int durationMs = 0;
    };
    // The sound of that name from the program's resources, read once; null when there is none.
    const SoundClip* soundClip(const QString& name);

    QHash<QString, SoundClip> m_clips;      // by lower-case name
    std::unique_ptr<SoundPlayer> m_sounds;  // started with the first sound
    QElapsedTimer m_clock;
    QString m_lastSaveName;  // the save dialog keeps the name last chosen in it
};

// "Ini File(*.ini)" with "*.ini;*.inf" → "Ini File(*.ini) (*.ini *.inf)" for Qt's file dialogs.
QStringList QtFilterList(const FileDialogSettings& dialog);

}  // namespace vq
