#include "ui/document/RowModel.h"

#include "ui/document/ShownLine.h"

#include "core/document/DocumentTexts.h"
#include "ui/document/ViewTexts.h"

#include <algorithm>

namespace vq {

RowModel::RowModel(Document& document, const TextCodec& codec, QObject* parent)
    : QAbstractTableModel(parent), m_document(document), m_codec(codec),
      m_shown(static_cast<int>(document.rowCount())) {
    m_document.addListener(this);
}

RowModel::~RowModel() { m_document.removeListener(this); }

int RowModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_shown; }

int RowModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QColor RowModel::backgroundFor(const LineEntry& row) {
    if (row.record.newLine)
        return kNewRowBackground;
    if (row.record.edited)
        return kEditedRowBackground;
    return kRowBackground;
}

QColor RowModel::foregroundFor(const LineEntry& row) { return row.checked ? QColor(Qt::black) : kUncheckedText; }

QVariant RowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= m_document.rowCount())
        return {};
    const LineEntry& row = m_document.row(static_cast<size_t>(index.row()));
    switch (role) {
    case Qt::EditRole:
        // The editor starts from the text itself, its CRs marked: what it gives back is written
        // as it stands.
        if (index.column() == 0)
            return MarkCrs(m_codec.decode(row.caption));
        return {};
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        if (index.column() == 1 && row.record.newLine)
            return QString::fromUtf8(texts::kNewLineMark);
        const std::string_view text = index.column() == 0 ? row.caption : row.original;
        // A row shows the start of a very long line; the edit gets all of it.
        return m_codec.decodeShown(text, role == Qt::ToolTipRole ? kMaxTipChars : kMaxShownLineChars);
    }
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole: return backgroundFor(row);
    case Qt::ForegroundRole: return foregroundFor(row);
    default: return {};
    }
}

bool RowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0)
        return false;
    if (role == Qt::CheckStateRole) {
        emit checkEdited(index.row(), static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked);
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

void RowModel::emitChanged(Range r) {
    emit dataChanged(index(static_cast<int>(r.first), 0), index(static_cast<int>(r.last()), 1));
}

void RowModel::sendChanged() {
    for (const Range& r : m_batch.takeChanged())
        emitChanged(r);
}

void RowModel::rowsChanged(Range r) {
    if (m_resetting)
        return;
    if (m_batch.open())
        m_batch.changed(r);
    else
        emitChanged(r);
}

bool RowModel::resetInsteadOfRun() {
    if (m_resetting)
        return true;
    sendChanged();
    if (!m_batch.runTooCostly(m_document.rowCount()))
        return false;
    beginResetModel();
    m_resetting = true;
    return true;
}

void RowModel::rowRunsAhead(size_t runs) {
    if (m_resetting)
        return;
    sendChanged();
    if (!m_batch.runsTooCostly(runs, m_document.rowCount()))
        return;
    beginResetModel();
    m_resetting = true;
}

void RowModel::rowsAboutToBeInserted(Range r) {
    if (!resetInsteadOfRun())
        beginInsertRows({}, static_cast<int>(r.first), static_cast<int>(r.last()));
}

void RowModel::rowsInserted(Range r) {
    if (m_resetting)
        return;
    m_shown += static_cast<int>(r.count);
    endInsertRows();
}

void RowModel::rowsAboutToBeRemoved(Range r) {
    if (!resetInsteadOfRun())
        beginRemoveRows({}, static_cast<int>(r.first), static_cast<int>(r.last()));
}

void RowModel::rowsRemoved(Range r) {
    if (m_resetting)
        return;
    m_shown -= static_cast<int>(r.count);
    endRemoveRows();
}

// The document's own reset (a load, an unload) shows other rows: the views start afresh.
void RowModel::rowsAboutToBeReset() {
    m_batch.takeChanged();
    if (!m_resetting)
        beginResetModel();
}

void RowModel::rowsReset() {
    if (m_resetting)
        return;
    m_shown = static_cast<int>(m_document.rowCount());
    endResetModel();
}

void RowModel::changesEnd() {
    if (!m_resetting)
        sendChanged();
    m_batch.takeChanged();
    m_batch.end();
    if (m_resetting) {
        m_resetting = false;
        m_shown = static_cast<int>(m_document.rowCount());
        endResetModel();
        emit rowsRenumbered();
    }
}

}  // namespace vq
