#pragma once

#include "Progress.h"
#include "document/DocumentListener.h"
#include "document/LineEntry.h"
#include "document/TargetText.h"
#include "document/TextStore.h"
#include "document/TopicTree.h"
#include "editing/OperationLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// How the document's bytes are shown and how typed text is encoded.
enum class TextEncoding { Utf8, Legacy };

// The open document: its rows, the target text that Save writes, the topic tree, the operation
// log, and the state that says what the window caption shows. The views follow it through
// DocumentListener; they hold no copy of their own.
class Document {
public:
    Document();

    void addListener(DocumentListener* listener) { m_listeners.push_back(listener); }  // Not owned.
    void removeListener(DocumentListener* listener);

    // --- rows -------------------------------------------------------------------------------
    size_t rowCount() const { return m_rows.size(); }
    const LineEntry& row(size_t i) const { return m_rows[i]; }
    std::string_view caption(size_t i) const { return m_rows[i].caption; }
    std::optional<size_t> indexOf(RowId id) const;

    // Inserts a row the user made at index k; mirrored into the target text.
    void insertRow(size_t k, std::string text);
    // Sets a row's current text; mirrored into the target text.
    void setCaption(size_t i, std::string text);
    void setChecked(size_t i, bool checked);
    void setEdited(size_t i, bool edited);
    // Deletes row i; mirrored. Its tree node, if any, loses its row reference.
    void deleteRow(size_t i);

    // --- target text ------------------------------------------------------------------------
    const TargetText& target() const { return m_target; }
    // Replaces the whole target text by these lines (each ends with the document's break).
    void replaceTarget(const std::vector<std::string_view>& lines);
    // The bytes Save writes: the kept byte-order mark, then the target text.
    std::string saveBytes() const;

    // --- loading and unloading --------------------------------------------------------------
    // Fills the target text and one row per line from a file's bytes. Mirroring is off while
    // the rows are made.
    void load(std::string bytes, const Progress& progress);
    // Empties target text, rows and tree, in that order, so node references are cleared while
    // the nodes still exist.
    void clearViews();

    // --- topic tree --------------------------------------------------------------------------
    const TopicTree& tree() const { return m_tree; }
    // The analysis pass rebuilds the tree between these two calls; rows are reported changed once.
    TopicTree& beginTreeRebuild();
    void setRowAnalysis(size_t i, bool checked, NodeId node);
    void setRowNode(size_t i, NodeId node) { m_rows[i].record.node = node; }
    void endTreeRebuild();
    // Keeps a row's text as a node's text for as long as the document lives.
    std::string_view keepText(std::string text) { return m_store.keep(std::move(text)); }

    // --- operation log ------------------------------------------------------------------------
    const OperationLog& log() const { return m_log; }
    void addLogEntry(int row, std::string_view word, std::string_view text);
    void clearLog();

    // --- document state ---------------------------------------------------------------------
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string name);
    bool modified() const { return m_modified; }
    void setModified(bool modified);
    bool loading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    bool textMirrorsList() const { return m_mirrors; }
    void setTextMirrorsList(bool mirrors, std::string targetHint);
    const std::string& targetHint() const { return m_targetHint; }
    const std::string& windowCaption() const { return m_caption; }
    // "Varnoquil-" + FileName, or "Varnoquil" alone when `named` is false.
    void showFileNameInCaption(bool named = true);
    bool isUntitled() const;
    TextEncoding encoding() const { return m_encoding; }
    bool hasBom() const { return m_hasBom; }

private:
    template <typename F>
    void notify(F&& f) {
        for (auto* l : m_listeners)
            f(*l);
    }
    void targetChanged();
    void setCaptionView(size_t i, std::string_view text);
    void detachNode(const LineEntry& row);

    std::vector<DocumentListener*> m_listeners;
    TextStore m_store;
    std::vector<LineEntry> m_rows;
    TargetText m_target;
    TopicTree m_tree;
    OperationLog m_log;

    RowId m_nextId = 0;
    mutable std::vector<std::uint32_t> m_indexOfId;  // rebuilt lazily after inserts and deletes
    mutable bool m_indexDirty = false;

    std::string m_fileName;
    std::string m_caption;
    std::string m_targetHint;
    bool m_modified = false;
    bool m_loading = false;
    bool m_mirrors = true;
    bool m_hasBom = false;
    TextEncoding m_encoding = TextEncoding::Utf8;
};

}  // namespace vq
