#include "ui/document/TopicTreeModel.h"

#include "ui/document/RowModel.h"
#include "ui/document/ShownLine.h"

#include <array>

namespace vq {

TopicTreeModel::TopicTreeModel(Document& document, const TextCodec& codec, QObject* parent)
    : QAbstractItemModel(parent), m_document(document), m_codec(codec) {
    m_document.addListener(this);
}

TopicTreeModel::~TopicTreeModel() { m_document.removeListener(this); }

const QIcon& TopicTreeModel::treeImage(int image) {
    static const std::array<QIcon, 6> images = {QIcon(":/tree/section.svg"),      QIcon(":/tree/title.svg"),
                                                QIcon(":/tree/key.svg"),          QIcon(":/tree/commented-key.svg"),
                                                QIcon(":/tree/section-open.svg"), QIcon(":/tree/title-open.svg")};
    return images[static_cast<size_t>(image < 0 || image > 5 ? 2 : image)];
}

NodeId TopicTreeModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<NodeId>(index.internalId()) : kNoNode;
}

QModelIndex TopicTreeModel::indexOf(NodeId node) const {
    if (node == kNoNode)
        return {};
    return createIndex(m_document.tree().positionOf(node), 0, static_cast<quintptr>(node));
}

QModelIndex TopicTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const auto& children = m_document.tree().children(nodeOf(parent));
    if (column != 0 || row < 0 || static_cast<size_t>(row) >= children.size())
        return {};
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<size_t>(row)]));
}

QModelIndex TopicTreeModel::parent(const QModelIndex& child) const {
    const NodeId id = nodeOf(child);
    if (id == kNoNode)
        return {};
    return indexOf(m_document.tree().parentOf(id));
}

int TopicTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(m_document.tree().children(nodeOf(parent)).size());
}

int TopicTreeModel::columnCount(const QModelIndex&) const { return 1; }

int TopicTreeModel::imageOf(const QModelIndex& index) const {
    const NodeId id = nodeOf(index);
    if (id == kNoNode)
        return -1;
    return static_cast<int>(ImageForState(m_document.tree().node(id).image, m_expanded.contains(id)));
}

QVariant TopicTreeModel::data(const QModelIndex& index, int role) const {
    const NodeId id = nodeOf(index);
    if (id == kNoNode)
        return {};
    const TopicNode& node = m_document.tree().node(id);
    switch (role) {
    case Qt::DisplayRole: return m_codec.decodeShown(node.text, kMaxShownLineChars);
    case Qt::ToolTipRole: return m_codec.decodeShown(node.text, kMaxTipChars);
    case Qt::DecorationRole: return treeImage(imageOf(index));
    case Qt::ForegroundRole: return node.row == kNoRow ? QVariant(kRowlessNodeText) : QVariant();
    case Qt::BackgroundRole: return node.row == kNoRow ? QVariant(QColor(Qt::white)) : QVariant();
    default: return {};
    }
}

Qt::ItemFlags TopicTreeModel::flags(const QModelIndex& index) const {
    const NodeId id = nodeOf(index);
    if (id == kNoNode)
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_document.tree().children(id).empty())
        f |= Qt::ItemNeverHasChildren;
    return f;
}

void TopicTreeModel::setExpanded(const QModelIndex& index, bool expanded) {
    const NodeId id = nodeOf(index);
    if (id == kNoNode || m_document.tree().children(id).empty())
        return;
    if (expanded)
        m_expanded.insert(id);
    else
        m_expanded.remove(id);
    emit dataChanged(index, index, {Qt::DecorationRole});
}

void TopicTreeModel::treeAboutToBeReset() {
    m_lostRows.clear();
    beginResetModel();
    m_expanded.clear();
}

void TopicTreeModel::treeNodesLostRows(std::span<const NodeId> nodes) {
    m_lostRows.insert(m_lostRows.end(), nodes.begin(), nodes.end());
    if (!m_inBatch)
        sendLostRows();
}

void TopicTreeModel::changesEnd() {
    m_inBatch = false;
    sendLostRows();
}

// Past a few nodes, one signal over the top-level nodes repaints the view at once; a signal per
// node costs the tree view a search through its shown nodes each.
void TopicTreeModel::sendLostRows() {
    constexpr size_t kNodesOneByOne = 32;
    std::vector<NodeId> nodes;
    nodes.swap(m_lostRows);
    if (nodes.size() > kNodesOneByOne) {
        const int top = rowCount();
        if (top > 0)
            emit dataChanged(index(0, 0), index(top - 1, 0), {Qt::ForegroundRole, Qt::BackgroundRole});
        return;
    }
    for (const NodeId node : nodes) {
        const QModelIndex i = indexOf(node);
        if (i.isValid())
            emit dataChanged(i, i, {Qt::ForegroundRole, Qt::BackgroundRole});
    }
}

}  // namespace vq
