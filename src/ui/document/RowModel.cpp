#include "document/RowModel.h"

#include "Texts.h"

namespace vq {

RowModel::RowModel(Document& document, const TextCodec& codec, QObject* parent)
    : QAbstractTableModel(parent), m_document(document), m_codec(codec) {
    m_document.addListener(this);
}

RowModel::~RowModel() { m_document.removeListener(this); }

int RowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_document.rowCount());
}

int RowModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QColor RowModel::backgroundFor(const LineEntry& row) {
    if (row.record.newLine)
        return kNewRowBackground;
    if (row.record.edited)
        return kEditedRowBackground;
    return {};
}

QColor RowModel::foregroundFor(const LineEntry& row) { return row.checked ? QColor(Qt::black) : kUncheckedText; }

QVariant RowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_document.rowCount())
        return {};
    const LineEntry& row = m_document.row(static_cast<size_t>(index.row()));
    switch (role) {
    case Qt::EditRole:
        // The editor starts from the text itself: what it gives back is written as it stands.
        if (index.column() == 0)
            return m_codec.decode(row.caption);
        return {};
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (index.column() == 0)
            return m_codec.decodeLine(row.caption);
        return row.record.newLine ? QString::fromUtf8(texts::kNewLineMark) : m_codec.decodeLine(row.original);
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole: {
        const QColor c = backgroundFor(row);
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::ForegroundRole:
        return foregroundFor(row);
    default:
        return {};
    }
}

bool RowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0)
        return false;
    if (role == Qt::CheckStateRole) {
        m_document.setChecked(static_cast<size_t>(index.row()),
                              static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole) {
        emit captionEdited(index.row(), value.toString());
        return true;
    }
    return false;
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return QString::fromUtf8(section == 0 ? texts::kColumnAfter : texts::kColumnBefore);
}

Qt::ItemFlags RowModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    return f;
}

void RowModel::refreshAll() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 1));
}

void RowModel::rowsAboutToBeInserted(Range r) {
    beginInsertRows({}, static_cast<int>(r.first), static_cast<int>(r.last()));
}

void RowModel::rowsAboutToBeRemoved(Range r) {
    beginRemoveRows({}, static_cast<int>(r.first), static_cast<int>(r.last()));
}

void RowModel::rowsChanged(Range r) {
    emit dataChanged(index(static_cast<int>(r.first), 0), index(static_cast<int>(r.last()), 1));
}

}  // namespace vq
