#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

namespace vq {

// The topic tree `tvTopic`: read-only, no lines, indent 19, whole rows, the selection shown
// without the focus. With auto-expand on, the node that becomes current opens and the branches
// the current node was in before close. A click moves the current node first and closes the old
// branches only when it is done, so the rows do not move under the mouse while it is pressed.
class TopicTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TopicTreeView(QWidget* parent = nullptr);

    void setAutoExpand(bool on) { m_autoExpand = on; }
    bool autoExpand() const { return m_autoExpand; }
    // Makes the first top-level node current, if there is one.
    void selectFirstNode();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void reset() override;
    // The selection is read from the nodes when asked; the tree's own events would name nodes by
    // their place among the shown rows, which the tree's accessible objects do not use.
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void closeOldBranches();
    void tellExpanded(const QModelIndex& index, bool expanded);

    bool m_autoExpand = true;
    bool m_mouseDown = false;
    QList<QPersistentModelIndex> m_toClose;  // branches to close once the click is done
};

}  // namespace vq
