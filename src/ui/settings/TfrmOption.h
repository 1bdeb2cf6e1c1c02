#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace vq {

class Platform;

// What the configuration dialog edits: copies of the window's settings.
struct OptionValues {
    QStringList remSigns;  // the three sign histories, each with the index the box shows
    QStringList splitSigns;
    QStringList titleSigns;
    int remIndex = -1;
    int splitIndex = -1;
    int titleIndex = -1;
    QFont font;  // the target text's font
    int charset = 134;
    int recentCount = 5;
    int defaultPattern = 2;
    bool autoExpand = true;
    int language = 0;  // the index in texts::kLanguageNames: 0 Chinese, 1 English
};

// The configuration dialog "配置". It works on copies; the window takes the results over only
// when the dialog ends with OK. Nothing in it is written to the settings file.
class TfrmOption : public QDialog {
    Q_OBJECT
public:
    TfrmOption(Platform& platform, QWidget* parent);

    void setValues(const OptionValues& values);
    OptionValues values() const;
    // "[ 清除 ]" was pressed: the recent-file list is to be emptied.
    bool clearRecent() const { return m_clearRecent; }

public slots:
    void sbClearRecentClick() { m_clearRecent = true; }
    void sbSetFontClick();
    void sbDelRemClick();
    void sbDelSplitClick();
    void sbDelTitleClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QWidget* makeGeneralGroup();
    QWidget* makeSignsGroup();
    QWidget* makePatternGroup();
    QWidget* makeFontRows();
    QWidget* makeLanguageRow();
    QComboBox* makeSignBox(const char* name);
    // Deletes the item the box shows unless it is one of the first `protectedCount` (built-in)
    // items or no item at all; a refused deletion beeps.
    void deleteSign(QComboBox* box, size_t protectedCount);
    void showFont(const QFont& font);

    Platform& m_platform;  // Not owned.
    bool m_clearRecent = false;
    QFont m_font;
    int m_charset = 134;

    QLineEdit* m_leRecent = nullptr;
    QSpinBox* m_upDownRecent = nullptr;
    QComboBox* m_cboRem = nullptr;
    QComboBox* m_cboSplit = nullptr;
    QComboBox* m_cboTitle = nullptr;
    QButtonGroup* m_rgPattern = nullptr;
    QCheckBox* m_chkAutoExpand = nullptr;
    QLineEdit* m_leFontName = nullptr;
    QLineEdit* m_leFontSize = nullptr;
    QComboBox* m_cboLanguage = nullptr;
};

}  // namespace vq
