#pragma once

#include "core/Language.h"
#include "core/settings/FontText.h"
#include "core/settings/SettingsFile.h"
#include "ui/toolbox/ActionTable.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vq {

class DocumentSession;
class Platform;
class RecentFiles;
struct ProgramSettings;
class SignToolBar;
class TargetTextView;
class TopicTreeView;

// The settings file and the configuration dialog: what is read at start, written at close, and
// taken over from the dialog on OK. It keeps the settings that have no other home (the default
// pattern, the target text's font); the others live where they act (the sign histories in the
// tool bar, the recent files, auto-expand in the tree).
class SettingsController : public QObject, public CommandSet {
    Q_OBJECT
public:
    struct Context {
        DocumentSession& session;  // its codec follows the character set
        SignToolBar& signs;
        RecentFiles& recent;
        TopicTreeView* tree;
        TargetTextView* text;  // shows the target text in the chosen font
        Platform& platform;
        QWidget* window;  // the dialogs' parent
    };
    explicit SettingsController(const Context& context);

    void bindActions(ActionTable& actions) override;
    void updateActions(const ActionTable& actions) const override;

    // Read once at start, before the default pattern is applied; written once at close.
    bool LoadSettings();
    void SaveSettings();

    int defaultPattern() const { return m_defaultPattern; }
    bool autoExpand() const;
    const FontSetting& textFont() const { return m_textFont; }

public slots:
    void actConfigurationExecute();

private:
    // The settings as they are now, in the form the settings file keeps them.
    ProgramSettings currentSettings() const;
    // Shows the target text in m_textFont and the document in its character set.
    void applyTextFont();

    Context m_context;  // Not owned, all of it.
    int m_defaultPattern;
    FontSetting m_textFont;                   // the target text's font and its character set
    Language m_language = Language::Chinese;  // as the settings file keeps it, for the next start
    SettingsFiles m_files;                    // none: this run keeps no settings file
};

}  // namespace vq
