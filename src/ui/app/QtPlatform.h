#pragma once

#include "app/Platform.h"

#include <QElapsedTimer>

namespace vq {

// The desktop's own dialogs, message boxes and process start.
class QtPlatform : public Platform {
public:
    QtPlatform();
    void showMessage(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void beep() override;
    QString openFileName(QWidget* parent, const FileDialogSettings& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialogSettings& dialog) override;
    QString textEditor() override;
    StartResult startProgram(const QString& program, const QStringList& arguments) override;
    StartResult openDocument(const QString& path) override;
    void showHelp(const QString& page, const QString& topic) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    quint32 tickCount() override;
    QString settingsFilePath() override;

private:
    QElapsedTimer m_clock;
    QString m_lastSaveName;  // the save dialog keeps the name last chosen in it
};

// "Ini File(*.ini)" with "*.ini;*.inf" → "Ini File(*.ini) (*.ini *.inf)" for Qt's file dialogs.
QStringList QtFilterList(const FileDialogSettings& dialog);

}  // namespace vq
