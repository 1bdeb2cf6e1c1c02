#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

namespace vq {

class TopicTreeView;

// What a screen reader reads of the topic tree: the nodes nested as in the tree, so that a node's
// level is the number of nodes above it; a node with children is expandable and expanded or
// collapsed, and its Toggle action opens or closes it. The header the tree hides is no part of it.
// Node objects exist only once a client asks for them.
class TopicTreeAccessible : public QAccessibleWidget {
public:
    explicit TopicTreeAccessible(TopicTreeView* view);
    ~TopicTreeAccessible() override;

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The object of the node at `index`; the tree itself for the root.
    QAccessibleInterface* nodeFor(const QModelIndex& index) const;
    // The tree was built anew: every node object goes.
    void dropNodes();
    // The node became current: while the tree has the focus, the focus follows it.
    void currentNodeChanged(const QModelIndex& index);
    void nodeExpandedChanged(const QModelIndex& index, bool expanded);

private:
    TopicTreeView* view() const;

    mutable QHash<QPersistentModelIndex, QAccessible::Id> m_nodes;
};

// Makes Qt's accessibility use TopicTreeAccessible for the topic tree; safe to call more than once.
void InstallTopicTreeAccessibility();

}  // namespace vq
