#pragma once

#include "core/document/Document.h"
#include "ui/document/TextCodec.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QSet>

#include <vector>

namespace vq {

inline const QColor kRowlessNodeText(255, 0, 0);

// Presents the document's topic tree. Sections and titles show their open image while expanded;
// a node whose row was deleted is drawn red on white, whatever the colour scheme.
class TopicTreeModel : public QAbstractItemModel, public DocumentListener {
    Q_OBJECT
public:
    TopicTreeModel(Document& document, const TextCodec& codec, QObject* parent = nullptr);
    ~TopicTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A node without children can never open: the tree is rebuilt whole, never added to.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    NodeId nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(NodeId node) const;
    // The image number a node shows now (0-5).
    int imageOf(const QModelIndex& index) const;

    // The tree view tells the model when a node opens or closes; a node without children stays
    // closed.
    void setExpanded(const QModelIndex& index, bool expanded);

    static const QIcon& treeImage(int image);

private:
    void treeAboutToBeReset() override;
    void treeReset() override { endResetModel(); }
    // Nodes that lost their rows are repainted once the command ends.
    void treeNodesLostRows(std::span<const NodeId> nodes) override;
    void treeNodesFoundRows(std::span<const NodeId> nodes) override { treeNodesLostRows(nodes); }
    void changesBegin() override { m_inBatch = true; }
    void changesEnd() override;
    void sendLostRows();

    Document& m_document;      // Not owned.
    const TextCodec& m_codec;  // Not owned.
    QSet<NodeId> m_expanded;
    bool m_inBatch = false;
    std::vector<NodeId> m_lostRows;  // nodes that lost or found their rows, not yet repainted
};

}  // namespace vq
