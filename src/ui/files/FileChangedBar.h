#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace vq {

// The quiet bar above the views that says the file changed on disk, or is gone, while the window
// goes on as it was: nothing is replaced until the user asks. Hidden while there is nothing to
// say. Assistive tools read it as an alert with its text as its name.
class FileChangedBar : public QFrame {
    Q_OBJECT
public:
    explicit FileChangedBar(QWidget* parent = nullptr);

    // Someone else changed the file: the text, and the button that reloads it.
    void showChanged(const QString& text);
    // The file is gone: the text alone.
    void showMissing(const QString& text);
    void clear();
    QString text() const;
    bool offersReload() const;

signals:
    void reloadRequested();

private:
    void showText(const QString& text, bool reload);

    QLabel* m_text;
    QPushButton* m_reload;
};

}  // namespace vq
