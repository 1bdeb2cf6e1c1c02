#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace vq {

class Platform;

// The insert dialog "插入文本": free text on the page "普通" (one row per line), or a title framed
// by the title signs on the page "标题". The window makes it once and reuses it, so the title,
// both check boxes and the active page stay as the user left them; each command clears or fills
// the text box and presets the title type. The edit command shows the selected rows in it.
class TfrmInsert : public QDialog {
    Q_OBJECT
public:
    enum Page { PlainPage = 0, TitlePage = 1 };

    TfrmInsert(Platform& platform, QWidget* parent);

    // Decides whether OK may close the dialog: given what the active page makes rows from (the
    // text box or the title), the reason it cannot be taken, or an empty text. A refusal is
    // shown and the dialog stays open with everything the user typed.
    using Check = std::function<QString(const QString& typed)>;
    void setCheck(Check check) { m_check = std::move(check); }

    // Shows the dialog modally under this caption, the title-type box preset to `titleType`;
    // true when it was closed with OK.
    bool execute(const QString& caption, int titleType);

    void clearText();
    void setText(const QString& text);
    QString text() const;
    // Makes the page "普通" the active one (the edit command shows its rows there).
    void showPlainPage();

    // What the controls hold.
    Page insertPage() const { return m_insertPage; }
    int titleTypeIndex() const;
    QString title() const;
    bool addRem() const;
    bool allRem() const;

public slots:
    void pcPagesChange(int index);
    // OK: closes the dialog unless the check refuses what was typed.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QWidget* makePages();
    QWidget* makeTitlePage();
    QWidget* makeButtonPanel();

    Platform& m_platform;  // Not owned.
    Check m_check;
    Page m_insertPage = PlainPage;

    QTabWidget* m_pcPages = nullptr;
    QPlainTextEdit* m_mmText = nullptr;
    QComboBox* m_cboTitleType = nullptr;
    QLineEdit* m_leTitle = nullptr;
    QCheckBox* m_chkAddRem = nullptr;
    QCheckBox* m_chkAllRem = nullptr;
};

}  // namespace vq
