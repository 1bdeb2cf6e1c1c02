#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vq {

// The modeless find dialog: the find text, match case and whole word. The search always runs
// downward, so the direction is shown but cannot be changed. The dialog keeps its text and
// options when it is closed; the main window owns it for its whole life.
class FindDlg : public QDialog {
    Q_OBJECT
public:
    // `limit` cuts a find text to what the dialog may hold; it is applied to every text set or
    // typed.
    FindDlg(std::function<QString(const QString&)> limit, QWidget* parent);

    QString findText() const;
    void setFindText(const QString& text);
    bool matchCase() const;
    bool wholeWord() const;

signals:
    // The user pressed the find button (or Enter) with a find text.
    void findRequested();

private:
    void textEdited();

    std::function<QString(const QString&)> m_limit;
    QLineEdit* m_text = nullptr;  // Not owned: children of the dialog.
    QCheckBox* m_wholeWord = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_find = nullptr;
};

}  // namespace vq
