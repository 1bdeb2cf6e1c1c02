#pragma once

#include "core/document/Document.h"
#include "ui/document/RangeBatch.h"
#include "ui/document/TextCodec.h"

#include <QAbstractTableModel>
#include <QColor>

namespace vq {

// Row colours of the content list. Every row has both its background and its text colour, so the
// list reads the same under every colour scheme.
inline const QColor kRowBackground(255, 255, 255);
inline const QColor kNewRowBackground(166, 202, 240);     // sky blue
inline const QColor kEditedRowBackground(192, 220, 192);  // money green
inline const QColor kUncheckedText(0, 128, 128);          // teal

// The most characters of a row, node or log entry that an info tip shows; the rest is "…".
inline constexpr qsizetype kMaxTipChars = 2000;

// Presents the document's rows to the content list: column 0 the current text with its check
// box, column 1 the text at load.
//
// A command's changes reach the views in few signals: one dataChanged per run of changed rows
// (one around them all when there are very many), one insert or removal per run, and a single
// reset when a command inserts or removes rows in more runs than the views can follow at a fair
// cost (deleting every other row of a million).

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

    // The background and text colour a row is drawn with.
    static QColor backgroundFor(const LineEntry& row);
    static QColor foregroundFor(const LineEntry& row);

    // Called after the document's encoding changed.
    void refreshAll();

signals:
    // The user typed a new caption in place (column 0).
    void captionEdited(int row, const QString& text);
    // The user set or cleared a row's check box.
    void checkEdited(int row, bool checked);
    // One command inserted or removed rows in so many runs that the views were reset: the rows
    // they showed are still there, only renumbered, so a view keeps its place.
    void rowsRenumbered();

private:
    void changesBegin() override { m_batch.begin(); }
    void changesEnd() override;
    void rowsAboutToBeReset() override;
    void rowsReset() override;
    void rowsAboutToBeInserted(Range r) override;
    void rowsInserted(Range) override;
    void rowsAboutToBeRemoved(Range r) override;
    void rowsRemoved(Range) override;
    void rowRunsAhead(size_t runs) override;
    void rowsChanged(Range r) override;
    // Sends the changed rows collected so far.
    void sendChanged();
    void emitChanged(Range r);
    // True when the views are reset instead of told of this run (and of every run after it).
    bool resetInsteadOfRun();

    Document& m_document;      // Not owned.
    const TextCodec& m_codec;  // Not owned.
    RangeBatch m_batch;
    bool m_resetting = false;  // a reset runs until the command ends
    int m_shown = 0;           // the rows the views know
};

}  // namespace vq
