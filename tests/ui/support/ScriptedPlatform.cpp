#include "ScriptedPlatform.h"

namespace vqtest {

QStringList ScriptedPlatform::messages() const {
    QStringList out;
    for (const Shown& s : m_shown)
        if (s.kind == Kind::Message)
            out << s.text;
    return out;
}

QStringList ScriptedPlatform::errors() const {
    QStringList out;
    for (const Shown& s : m_shown)
        if (s.kind == Kind::Error)
            out << s.text;
    return out;
}

QStringList ScriptedPlatform::questions() const {
    QStringList out;
    for (const Shown& s : m_shown)
        if (s.kind == Kind::Confirm || s.kind == Kind::YesNoCancel || s.kind == Kind::YesNo)
            out << s.text;
    return out;
}

QList<ScriptedPlatform::Shown> ScriptedPlatform::choices() const {
    QList<Shown> out;
    for (const Shown& s : m_shown)
        if (s.kind == Kind::Choice)
            out << s;
    return out;
}

void ScriptedPlatform::clearRecords() {
    m_shown.clear();
    m_started.clear();
    m_sounds.clear();
    m_soundStops = 0;
    m_openSettings.clear();
    m_saveSettings.clear();
    m_beeps = 0;
    m_openDialogs = 0;
    m_saveDialogs = 0;
    m_tickReads = 0;
}

void ScriptedPlatform::showMessage(QWidget*, const QString& text) {
    m_shown.append({Kind::Message, {}, text, Answer::Ok, {}, -1});
}

void ScriptedPlatform::showError(QWidget*, const QString& text) {
    m_shown.append({Kind::Error, {}, text, Answer::Ok, {}, -1});
}

ScriptedPlatform::Answer ScriptedPlatform::confirm(QWidget*, const QString& title, const QString& text) {
    const Answer answer = m_confirmAnswers.isEmpty() ? Answer::Cancel : m_confirmAnswers.dequeue();
    m_shown.append({Kind::Confirm, title, text, answer, {}, -1});
    return answer;
}

ScriptedPlatform::Answer ScriptedPlatform::confirmOkCancel(QWidget*, const QString& title, const QString& text) {
    Answer answer = m_confirmAnswers.isEmpty() ? Answer::Cancel : m_confirmAnswers.dequeue();
    if (answer == Answer::Yes)
        answer = Answer::Ok;
    else if (answer != Answer::Ok)
        answer = Answer::Cancel;
    m_shown.append({Kind::Confirm, title, text, answer, {}, -1});
    return answer;
}

ScriptedPlatform::StartResult ScriptedPlatform::showHelp(const QString& page, const QString& topic) {
    m_helpShown << page + "#" + topic;
    return m_helpResult;
}

ScriptedPlatform::Answer ScriptedPlatform::askYesNoCancel(QWidget*, const QString& title, const QString& text) {
    const Answer answer = m_yesNoCancelAnswers.isEmpty() ? Answer::Cancel : m_yesNoCancelAnswers.dequeue();
    m_shown.append({Kind::YesNoCancel, title, text, answer, {}, -1});
    return answer;
}

int ScriptedPlatform::choose(QWidget*, const QString& title, const QString& text, const QStringList& buttons) {
    const QString wanted = m_choices.isEmpty() ? QString() : m_choices.dequeue();
    const int index = buttons.contains(wanted) ? static_cast<int>(buttons.indexOf(wanted)) : buttons.size() - 1;
    m_shown.append({Kind::Choice, title, text, Answer::Ok, buttons, index});
    return index;
}

ScriptedPlatform::Answer ScriptedPlatform::askYesNo(QWidget*, const QString& title, const QString& text) {
    const Answer answer = m_yesNoAnswers.isEmpty() ? Answer::No : m_yesNoAnswers.dequeue();
    m_shown.append({Kind::YesNo, title, text, answer, {}, -1});
    return answer;
}

ScriptedPlatform::StartResult ScriptedPlatform::openDocument(const QString& path) {
    m_openedDocuments << path;
    return m_startResult;
}

bool ScriptedPlatform::chooseFont(QWidget*, QFont& font) {
    if (m_fonts.isEmpty())
        return false;
    font = m_fonts.dequeue();
    return true;
}

QString ScriptedPlatform::openFileName(QWidget*, const vq::FileDialogSettings& dialog) {
    ++m_openDialogs;
    m_openSettings.append(dialog);
    return m_openPaths.isEmpty() ? QString() : m_openPaths.dequeue();
}

QString ScriptedPlatform::saveFileName(QWidget*, const vq::FileDialogSettings& dialog) {
    ++m_saveDialogs;
    m_saveSettings.append(dialog);
    return m_savePaths.isEmpty() ? QString() : m_savePaths.dequeue();
}

ScriptedPlatform::StartResult ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments,
                                                             const QString& workingFolder) {
    m_started.append({program, arguments, workingFolder});
    return m_startResult;
}

void ScriptedPlatform::playSound(const QString& name, bool wait) {
    m_sounds.append({name, wait});
    if (m_soundHook)
        m_soundHook(m_sounds.last());
}

quint32 ScriptedPlatform::tickCount() {
    ++m_tickReads;
    const quint32 now = m_tick.fetch_add(m_tickStep);
    if (m_tickHook)
        m_tickHook();
    return now;
}

}  // namespace vqtest
