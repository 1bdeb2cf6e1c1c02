#include "ui/toolbox/QtPlatform.h"
#include "ui/toolbox/SoundPlayer.h"
#include "ui/toolbox/UiResources.h"

#include "core/TextFormat.h"
#include "core/about/WaveFile.h"
#include "core/files/FileAccess.h"
#include "core/settings/SettingsFile.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/TextEditorChoice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vq {

QtPlatform::QtPlatform() { m_clock.start(); }

QtPlatform::~QtPlatform() = default;

void QtPlatform::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

void QtPlatform::showError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

static Platform::Answer ToAnswer(int button) {
    switch (button) {
    case QMessageBox::Yes: return Platform::Answer::Yes;
    case QMessageBox::No: return Platform::Answer::No;
    case QMessageBox::Ok: return Platform::Answer::Ok;
    default: return Platform::Answer::Cancel;
    }
}

Platform::Answer QtPlatform::confirm(QWidget* parent, const QString& title, const QString& text) {
    return ToAnswer(QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes));
}

Platform::Answer QtPlatform::confirmOkCancel(QWidget* parent, const QString& title, const QString& text) {
    return ToAnswer(QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

Platform::Answer QtPlatform::askYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
    return ToAnswer(QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes));
}

// A plain message box of its own title: no icon.
Platform::Answer QtPlatform::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return ToAnswer(box.exec());
}

int QtPlatform::choose(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> made;
    for (int i = 0; i < buttons.size(); ++i)
        made << box.addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole : QMessageBox::ActionRole);
    if (made.isEmpty())
        return -1;
    box.setDefaultButton(static_cast<QPushButton*>(made.last()));
    box.setEscapeButton(made.last());
    box.exec();
    const int chosen = made.indexOf(box.clickedButton());
    return chosen < 0 ? static_cast<int>(made.size()) - 1 : chosen;
}

void QtPlatform::beep() { QApplication::beep(); }

QStringList QtFilterList(const FileDialogSettings& settings) {
    QStringList filters;
    for (const auto& [description, patterns] : settings.filters)
        filters << description + " (" + QString(patterns).replace(';', ' ') + ")";
    return filters;
}

// The chosen file as a URL: its path keeps the name's bytes, also where they are not UTF-8 (a
// desktop's own dialog can offer such a file; Qt's file names would have lost them).
static QString ChosenPath(const QFileDialog& dialog) {
    const QList<QUrl> urls = dialog.selectedUrls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        return PathOfUrl(urls.first());
    return dialog.selectedFiles().value(0);
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialogSettings& settings) {
    QFileDialog dialog(parent, settings.title, settings.initialFolder);
    dialog.setObjectName("OpenDlg");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(QtFilterList(settings));
    dialog.setOption(QFileDialog::HideNameFilterDetails);  // the descriptions name their patterns
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ChosenPath(dialog);
}

// Qt's dialog would add the default extension to every name without one, an existing "hosts"
// too, and then ask about "hosts.ini". So the extension is added here, to new names only, and
// the overwrite question is about the file that will be written. The dialog offers the name last
// chosen in it: in the folder asked for, or where it was chosen (the home folder at first).
QString QtPlatform::saveFileName(QWidget* parent, const FileDialogSettings& settings) {
    const bool ownFolder = !settings.initialFolder.isEmpty();
    QFileDialog dialog(parent, settings.title, ownFolder ? settings.initialFolder : QDir::homePath());
    dialog.setObjectName("SaveDlg");
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(QtFilterList(settings));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!m_lastSaveName.isEmpty())
        dialog.selectFile(ownFolder ? QFileInfo(m_lastSaveName).fileName() : m_lastSaveName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        const QString chosen = ChosenPath(dialog);
        if (chosen.isEmpty())
            return {};
        const QString path = SaveAsPath(chosen, settings.defaultSuffix);
        if (settings.confirmOverwrite && PathExists(path) && !confirmOverwrite(&dialog, settings.title, path))
            continue;
        m_lastSaveName = chosen;
        return path;
    }
}

bool QtPlatform::confirmOverwrite(QWidget* parent, const QString& title, const QString& path) {
    const QString name = ShownPath(path).section(QLatin1Char('/'), -1);
    const QString text = QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(name);
    return QMessageBox::warning(parent, title.isEmpty() ? QApplication::applicationDisplayName() : title, text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// The desktop entry of the default application for text/plain, as the desktop's own tool tells.
static QString DefaultTextEntry() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        query.kill();
        return {};
    }
    const QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char('/')))
        return {};
    QFile entry(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id));
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(entry.read(1 << 16));
}

static bool Installed(const QString& program) {
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QStringList QtPlatform::textEditor() {
    EditorLookup lookup;
    lookup.visual = qEnvironmentVariable("VISUAL");
    lookup.editor = qEnvironmentVariable("EDITOR");
    lookup.installed = Installed;
    // The desktop's default is asked for only when the variables name no editor to take.
    lookup.defaultEntry = DefaultTextEntry();
    return ChooseTextEditor(lookup);
}

// QProcess would hand over a file name's bytes that are not UTF-8 as U+FFFD, and the editor would
// not find the document. Here every argument goes out as the bytes it stands for (LocalPath.h).
// The program runs as a grandchild in a session of its own, in `workingFolder` when one is given,
// so nobody waits for it; a pipe that closes on exec tells whether it started.
static bool StartDetached(const QString& executable, const QStringList& arguments, const QString& workingFolder) {
    const std::string folder = workingFolder.isEmpty() ? std::string() : LocalPath(workingFolder);
    std::vector<std::string> args{LocalPath(executable)};
    for (const QString& argument : arguments)
        args.push_back(LocalPath(argument));
    std::vector<char*> argv;
    for (std::string& argument : args)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::close(report[0]);
        const pid_t program = ::fork();
        if (program == 0) {
            ::setsid();
            if (folder.empty() || ::chdir(folder.c_str()) == 0)
                ::execv(argv[0], argv.data());
        }
        if (program <= 0) {  // the exec failed (in the program's process), or the fork did
            const int error = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(program == 0 ? 127 : 0);
    }
    ::close(report[1]);
    if (middle < 0) {
        ::close(report[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n = 0;
    while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return n == 0;
}

Platform::StartResult QtPlatform::startProgram(const QString& program, const QStringList& arguments,
                                               const QString& workingFolder) {
    QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty() && program.contains(QLatin1Char('/')) && QFileInfo(program).isExecutable())
        executable = program;
    if (executable.isEmpty())
        return StartResult::NotFound;
    return StartDetached(executable, arguments, workingFolder) ? StartResult::Started : StartResult::Failed;
}

Platform::StartResult QtPlatform::openDocument(const QString& path) {
    if (!PathExists(path))
        return StartResult::NotFound;
    const QUrl url = QUrl::fromEncoded("file://" + QByteArray::fromStdString(LocalPath(path)).toPercentEncoding("/"));
    return QDesktopServices::openUrl(url) ? StartResult::Started : StartResult::Failed;
}

Platform::StartResult QtPlatform::showHelp(const QString& page, const QString& topic) {
    if (!IsExistingFile(LocalPath(page)))
        return StartResult::NotFound;
    QUrl url = QUrl::fromEncoded("file://" + QByteArray::fromStdString(LocalPath(page)).toPercentEncoding("/"));
    url.setFragment(topic);
    return QDesktopServices::openUrl(url) ? StartResult::Started : StartResult::Failed;
}

bool QtPlatform::chooseFont(QWidget* parent, QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

const QtPlatform::SoundClip* QtPlatform::soundClip(const QString& name) {
    const QString key = name.toLower();
    if (const auto found = m_clips.constFind(key); found != m_clips.constEnd())
        return &found.value();
    InitUiResources();
    const QDir folder(":/sounds");
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
        if (file.completeBaseName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QFile in(file.filePath());
        if (!in.open(QIODevice::ReadOnly))
            return nullptr;
        const QByteArray bytes = in.readAll();
        const auto wave = about::ParseWave(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        if (!wave)
            return nullptr;
        SoundClip clip;
        clip.samples = bytes.mid(static_cast<qsizetype>(wave->dataOffset), static_cast<qsizetype>(wave->dataSize));
        clip.format.setSampleRate(wave->sampleRate);
        clip.format.setChannelCount(wave->channels);
        clip.format.setSampleFormat(wave->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        clip.durationMs = wave->durationMs();
        return &m_clips.insert(key, clip).value();
    }
    return nullptr;
}

int QtPlatform::soundLength(const QString& name) {
    const SoundClip* clip = soundClip(name);
    return clip ? clip->durationMs : -1;
}

void QtPlatform::playSound(const QString& name, bool wait) {
    const SoundClip* clip = soundClip(name);
    if (!clip)
        return;
    if (!m_sounds)
        m_sounds = std::make_unique<SoundPlayer>();
    m_sounds->play(clip->samples, clip->format, clip->durationMs, wait);
}

void QtPlatform::stopSound() {
    if (m_sounds)
        m_sounds->stop();
}

quint32 QtPlatform::tickCount() { return static_cast<quint32>(m_clock.elapsed()); }

// The same files the command line reads its language from; $HOME's bytes are kept, UTF-8 or not.
SettingsFiles QtPlatform::settingsFiles() { return LocateSettingsFiles(ProgramSettingsPlace()); }

}  // namespace vq
