// The window's side of the settings file and the configuration dialog: what is read at start,
// written at close, and taken over from the dialog on OK.
#include "app/LocalPath.h"
#include "app/TfrmMain.h"
#include "document/RowModel.h"
#include "document/TargetTextBinder.h"
#include "settings/SettingsFile.h"
#include "settings/SignToolBar.h"
#include "settings/TextFont.h"
#include "settings/TfrmOption.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTreeView>

namespace vq {

namespace {

std::vector<std::string> Utf8(const QStringList& texts) {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(texts.size()));
    for (const QString& text : texts)
        out.push_back(text.toStdString());
    return out;
}

QStringList Texts(const std::vector<std::string>& utf8) {
    QStringList out;
    for (const std::string& text : utf8)
        out << QString::fromStdString(text);
    return out;
}

// The entry the box shows, as an index into its history; -1 for a text typed that is not in it.
int ShownIndex(const QComboBox* box) { return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive); }
}  // namespace

// The settings file holds text as the desktop writes it (UTF-8), whatever the document's encoding.
ProgramSettings TfrmMain::currentSettings() const {
    ProgramSettings s;
    s.recentCount = m_recent.count();
    s.defaultPattern = m_defaultPattern;
    s.autoExpand = m_autoExpand;
    s.font = m_textFont;
    s.recentFiles = m_recent.paths();
    s.remSigns = Utf8(m_signs->historyTexts(SignBox::Rem));
    s.splitSigns = Utf8(m_signs->historyTexts(SignBox::Split));
    s.titleSigns = Utf8(m_signs->historyTexts(SignBox::TitleSign));
    return s;
}

// Runs before the default pattern is applied and before a command-line file is opened. Junk in
// the file never stops the start: whatever cannot be read keeps its default.
bool TfrmMain::LoadSettings() {
    m_settingsPath = m_platform.settingsFilePath();
    ProgramSettings s = currentSettings();
    if (!m_settingsPath.isEmpty())
        LoadSettingsFile(LocalPath(m_settingsPath), s);
    m_recent.setCount(s.recentCount);
    m_defaultPattern = s.defaultPattern;
    m_textFont = s.font;
    applyTextFont();
    m_autoExpand = s.autoExpand;
    m_recent.assign(s.recentFiles);  // trimmed to the count only at the next open
    m_signs->setHistoryTexts(SignBox::Rem, Texts(s.remSigns));
    m_signs->setHistoryTexts(SignBox::Split, Texts(s.splitSigns));
    m_signs->setHistoryTexts(SignBox::TitleSign, Texts(s.titleSigns));
    return true;
}

// A file that cannot be written is reported once; the window closes all the same.
void TfrmMain::SaveSettings() {
    if (m_settingsPath.isEmpty())
        return;
    const std::string error = SaveSettingsFile(LocalPath(m_settingsPath), currentSettings());
    if (!error.empty())
        m_platform.showError(this, QString::fromStdString(error));
}

void TfrmMain::applyTextFont() {
    m_reContent->setFont(TextFont(m_textFont));
    if (const auto colour = WindowsColour(m_textFont.colour)) {
        QPalette palette = m_reContent->palette();
        palette.setColor(QPalette::Text, *colour);
        m_reContent->setPalette(palette);
    }
    // The character set picks the legacy encoding a file is shown in; what is on screen is
    // decoded again in the new one.
    if (LegacyCodecName(m_textFont.charset) != m_codec.legacyName()) {
        m_codec.setCharset(m_textFont.charset);
        m_textBinder->reload();
        m_rowModel->refreshAll();
        m_tvTopic->viewport()->update();
    }
}

void TfrmMain::actConfigurationExecute() {
    TfrmOption dialog(m_platform, this);
    OptionValues values;
    values.remSigns = m_signs->historyTexts(SignBox::Rem);
    values.splitSigns = m_signs->historyTexts(SignBox::Split);
    values.titleSigns = m_signs->historyTexts(SignBox::TitleSign);
    values.remIndex = ShownIndex(m_signs->box(SignBox::Rem));
    values.splitIndex = ShownIndex(m_signs->box(SignBox::Split));
    values.titleIndex = ShownIndex(m_signs->box(SignBox::TitleSign));
    values.font = TextFont(m_textFont);
    values.charset = m_textFont.charset;
    values.recentCount = m_recent.count();
    values.defaultPattern = m_defaultPattern;
    values.autoExpand = m_autoExpand;
    dialog.setValues(values);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const OptionValues chosen = dialog.values();
    // The histories change; the boxes' texts and the current signs stay as they were.
    m_signs->setHistoryTexts(SignBox::Rem, chosen.remSigns);
    m_signs->setHistoryTexts(SignBox::Split, chosen.splitSigns);
    m_signs->setHistoryTexts(SignBox::TitleSign, chosen.titleSigns);
    m_textFont = TextFontSetting(chosen.font, m_textFont);
    m_textFont.charset = chosen.charset;
    applyTextFont();
    if (dialog.clearRecent())
        m_recent.clear();
    m_recent.setCount(chosen.recentCount);
    m_recent.TrimRecentFiles();
    // The new default applies at the next start; the current pattern stays.
    if (chosen.defaultPattern >= 0)
        m_defaultPattern = chosen.defaultPattern;
    m_autoExpand = chosen.autoExpand;
}

}  // namespace vq
