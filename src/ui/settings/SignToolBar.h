#pragma once

#include "settings/SignPanel.h"

#include <QObject>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QToolBar;
class QToolButton;

namespace vq {

class TextCodec;

// Binds the tool bar's sign boxes, the begin/end, title-type and pattern menus, and the pattern
// items of the Options menu to the sign panel. Every handler passes the event on to the panel
// and then shows the panel's state again.
class SignToolBar : public QObject {
    Q_OBJECT
public:
    SignToolBar(QWidget* window, const TextCodec& codec);

    void addToolBarWidgets(QToolBar* toolBar);
    void addPatternItems(QMenu* menu, const char* prefix);
    void ApplyDefaultPattern(int defaultPattern);

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
    std::string bytesOf(const QString& text) const;
    QString textOf(const std::string& bytes) const;
    void refresh();

    QWidget* m_window;         // Not owned.
    const TextCodec& m_codec;  // Not owned.
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
