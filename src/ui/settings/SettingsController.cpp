// The settings file and the configuration dialog: what is read at start, written at close, and
// taken over from the dialog on OK.
#include "ui/settings/SettingsController.h"

#include "core/settings/ProgramSettings.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsFile.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TopicTreeView.h"
#include "ui/settings/SignToolBar.h"
#include "ui/settings/TextFont.h"
#include "ui/settings/TfrmOption.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/Platform.h"

#include <QComboBox>

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
int ShownIndex(const QComboBox* box) {
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}
}  // namespace

SettingsController::SettingsController(const Context& context)
    : m_context(context), m_defaultPattern(kDefaultPatternSetting) {}

void SettingsController::bindActions(ActionTable& actions) {
    actions.bind(Act::Configuration, this, &SettingsController::actConfigurationExecute);
}

void SettingsController::updateActions(const ActionTable& actions) const {
    actions.setEnabled(Act::Configuration, true);
}

bool SettingsController::autoExpand() const { return m_context.tree->autoExpand(); }

// The settings file holds text as the desktop writes it (UTF-8), whatever the document's encoding.
ProgramSettings SettingsController::currentSettings() const {
    const RecentFiles& recent = m_context.recent;
    SignToolBar& signs = m_context.signs;
    ProgramSettings s;
    s.recentCount = recent.count();
    s.defaultPattern = m_defaultPattern;
    s.autoExpand = autoExpand();
    s.font = m_textFont;
    s.recentFiles = recent.paths();
    s.remSigns = Utf8(signs.historyTexts(SignBox::Rem));
    s.splitSigns = Utf8(signs.historyTexts(SignBox::Split));
    s.titleSigns = Utf8(signs.historyTexts(SignBox::TitleSign));
    s.language = m_language;
    return s;
}

// Runs before the default pattern is applied and before a command-line file is opened. Junk in
// the file never stops the start: whatever cannot be read keeps its default.
bool SettingsController::LoadSettings() {
    m_files = m_context.platform.settingsFiles();
    ProgramSettings s = currentSettings();
    if (!m_files.read.empty())
        LoadSettingsFile(m_files.read, s);
    RecentFiles& recent = m_context.recent;
    recent.setCount(s.recentCount);
    m_defaultPattern = s.defaultPattern;
    m_textFont = s.font;
    m_language = s.language;
    applyTextFont();
    m_context.tree->setAutoExpand(s.autoExpand);
    recent.assign(s.recentFiles);  // trimmed to the count only at the next open
    m_context.signs.setHistoryTexts(SignBox::Rem, Texts(s.remSigns));
    m_context.signs.setHistoryTexts(SignBox::Split, Texts(s.splitSigns));
    m_context.signs.setHistoryTexts(SignBox::TitleSign, Texts(s.titleSigns));
    return true;
}

// A file that cannot be written is reported, once for as long as it lasts; the window closes all
// the same.
void SettingsController::SaveSettings() {
    if (m_files.write.empty())
        return;
    const std::string message = SaveSettingsTellingOnce(m_files, currentSettings());
    if (!message.empty())
        m_context.platform.showError(m_context.window, ShownBytes(message));
}

void SettingsController::applyTextFont() {
    TargetTextView* text = m_context.text;
    text->setFont(TextFont(m_textFont));
    if (const auto colour = WindowsColour(m_textFont.colour)) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::Text, *colour);
        text->setPalette(palette);
    }
    // The character set picks the legacy encoding a file is shown in; what is on screen is
    // decoded again in the new one.
    if (m_context.session.setCharset(m_textFont.charset))
        m_context.tree->viewport()->update();
}

void SettingsController::actConfigurationExecute() {
    SignToolBar& signs = m_context.signs;
    RecentFiles& recent = m_context.recent;
    TfrmOption dialog(m_context.platform, m_context.window);
    OptionValues values;
    values.remSigns = signs.historyTexts(SignBox::Rem);
    values.splitSigns = signs.historyTexts(SignBox::Split);
    values.titleSigns = signs.historyTexts(SignBox::TitleSign);
    values.remIndex = ShownIndex(signs.box(SignBox::Rem));
    values.splitIndex = ShownIndex(signs.box(SignBox::Split));
    values.titleIndex = ShownIndex(signs.box(SignBox::TitleSign));
    values.font = TextFont(m_textFont);
    values.charset = m_textFont.charset;
    values.recentCount = recent.count();
    values.defaultPattern = m_defaultPattern;
    values.autoExpand = autoExpand();
    values.language = m_language == Language::English ? 1 : 0;
    dialog.setValues(values);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const OptionValues chosen = dialog.values();
    // The histories change; the boxes' texts and the current signs stay as they were.
    signs.setHistoryTexts(SignBox::Rem, chosen.remSigns);
    signs.setHistoryTexts(SignBox::Split, chosen.splitSigns);
    signs.setHistoryTexts(SignBox::TitleSign, chosen.titleSigns);
    m_textFont = TextFontSetting(chosen.font, m_textFont);
    m_textFont.charset = chosen.charset;
    applyTextFont();
    if (dialog.clearRecent())
        recent.clear();
    recent.setCount(chosen.recentCount);
    recent.TrimRecentFiles();
    // The new default applies at the next start; the current pattern stays.
    if (chosen.defaultPattern >= 0)
        m_defaultPattern = chosen.defaultPattern;
    m_context.tree->setAutoExpand(chosen.autoExpand);
    // Kept for the next start: this run goes on in its language.
    m_language = chosen.language == 1 ? Language::English : Language::Chinese;
}

}  // namespace vq
