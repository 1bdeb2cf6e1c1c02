#pragma once

#include <QListView>

namespace vq {

// The operation log `lstLog`: one fixed-height entry per line, single selection, no search by
// typing. It keeps its newest entry in view, also when entries come while its page is hidden,
// and tells what the user asks of it.
class LogView : public QListView {
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    // The entry the user selected, or -1.
    int selectedEntry() const;

signals:
    // A double click anywhere in the log, or Enter released in it: go to the selected entry's row.
    void gotoRequested();
    // The pointer moved over an entry, or over the empty part of the log (-1).
    void hovered(int entry);

protected:
    void keyboardSearch(const QString&) override {}
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    bool m_newestOutOfView = false;  // entries came while the log was hidden
};

}  // namespace vq
