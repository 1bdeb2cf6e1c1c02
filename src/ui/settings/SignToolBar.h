#pragma once

#include "core/settings/SignPanel.h"

#include <QObject>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QToolBar;
class QToolButton;

namespace vq {

class Platform;
class TextCodec;

// Binds the tool bar's sign boxes, the begin/end, title-type and pattern menus, and the pattern
// items of the Options menu to the sign panel. Every handler passes the event on to the panel
// and then shows the panel's state again. The signs are the user's text (UTF-8); the codec only
// counts a title sign for the box's hint. A text the panel refuses (a sign that would be too
// long) beeps and the box shows its text from before.
class SignToolBar : public QObject {
    Q_OBJECT
public:
    SignToolBar(QWidget* window, const TextCodec& codec, Platform& platform);

    void addToolBarWidgets(QToolBar* toolBar);
    void addPatternItems(QMenu* menu, const char* prefix);
    void ApplyDefaultPattern(int defaultPattern);

    // The signs as the user typed them; the document session encodes them for each document.
    const AnalysisSettings& settings() const { return m_panel.settings(); }
    const SignPanel& panel() const { return m_panel; }
    QComboBox* box(SignBox box) const;
    // A box's history as the box shows it; setting it leaves the box's text and the signs alone.
    QStringList historyTexts(SignBox box) const;
    void setHistoryTexts(SignBox box, const QStringList& items);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* makeBox(const char* name, const char* hint, bool oneChar);
    QMenu* makeTitleTypeMenu();
    QMenu* makePatternMenu();
    QMenu* makeSignBeginEndMenu();
    void PatternClick(int pattern);
    void onTextChanged(SignBox box, const QString& text);
    static std::string bytesOf(const QString& text);
    static QString textOf(const std::string& sign);
    void refresh();

    QWidget* m_window;     // Not owned.
    Platform& m_platform;  // Not owned.
    SignPanel m_panel;
    bool m_refreshing = false;
    QComboBox* m_cboRem = nullptr;
    QComboBox* m_cboSplit = nullptr;
    QComboBox* m_cboTitleSign = nullptr;
    QAction* m_popSignBegin = nullptr;
    QAction* m_popSignEnd = nullptr;
    QAction* m_omitSpaces = nullptr;
    QList<QAction*> m_titleTypeItems;
    QList<QAction*> m_patternItems;  // popPtn0-3 and mnuPtn0-3
};

}  // namespace vq
