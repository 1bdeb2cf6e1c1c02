#pragma once

#include <QTreeView>

namespace vq {

// The topic tree `tvTopic`: read-only, no lines, indent 19, whole rows, the selection shown
// without the focus. With auto-expand on, the node that becomes current opens and the branches
// the current node was in before close.
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

private:
    bool m_autoExpand = true;
};

}  // namespace vq
