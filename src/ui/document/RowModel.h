#pragma once

#include "document/Document.h"
#include "document/TextCodec.h"

#include <QAbstractTableModel>
#include <QColor>

namespace vq {

// Row colours of the content list.
inline const QColor kNewRowBackground(166, 202, 240);     // sky blue
inline const QColor kEditedRowBackground(192, 220, 192);  // money green
inline const QColor kUncheckedText(0, 128, 128);          // teal

// Presents the document's rows to the content list: column 0 the current text with its check
// box, column 1 the text at load.
class RowModel : public QAbstractTableModel, public DocumentListener {
    Q_OBJECT
public:
    RowModel(Document& document, const TextCodec& codec, QObject* parent = nullptr);
    ~RowModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The background and text colour a row is drawn with; invalid means the list's own.
    static QColor backgroundFor(const LineEntry& row);
    static QColor foregroundFor(const LineEntry& row);

    // Called after the document's encoding changed.
    void refreshAll();

signals:
    // The user typed a new caption in place (column 0).
    void captionEdited(int row, const QString& text);

private:
    void rowsAboutToBeReset() override { beginResetModel(); }
    void rowsReset() override { endResetModel(); }
    void rowsAboutToBeInserted(Range r) override;
    void rowsInserted(Range) override { endInsertRows(); }
    void rowsAboutToBeRemoved(Range r) override;
    void rowsRemoved(Range) override { endRemoveRows(); }
    void rowsChanged(Range r) override;

    Document& m_document;     // Not owned.
    const TextCodec& m_codec; // Not owned.
};

}  // namespace vq
