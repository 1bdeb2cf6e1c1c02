#include "document/Document.h"

#include <algorithm>

namespace vq {

Document::Document() : m_caption(texts::kAppTitle) {}

void Document::removeListener(DocumentListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

std::optional<size_t> Document::indexOf(RowId id) const {
    if (id == kNoRow || id >= m_nextId)
        return std::nullopt;
    if (m_indexDirty) {
        m_indexOfId.assign(m_nextId, kNoRow);
        for (size_t i = 0; i < m_rows.size(); ++i)
            m_indexOfId[m_rows[i].id] = static_cast<std::uint32_t>(i);
        m_indexDirty = false;
    }
    const std::uint32_t index = id < m_indexOfId.size() ? m_indexOfId[id] : kNoRow;
    if (index == kNoRow)
        return std::nullopt;
    return index;
}

void Document::insertRow(size_t k, std::string text) {
    LineEntry entry;
    entry.id = m_nextId++;
    entry.record.newLine = 1;
    entry.caption = m_store.keep(std::move(text));
    notify([&](DocumentListener& l) { l.rowAboutToBeInserted(k); });
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(k), entry);
    m_indexDirty = true;
    notify([&](DocumentListener& l) { l.rowInserted(k); });
    if (m_mirrors && k <= m_target.lineCount()) {
        m_target.insert(k, entry.caption);
        notify([&](DocumentListener& l) { l.targetLineInserted(k); });
        targetChanged();
    }
}

void Document::setCaption(size_t i, std::string text) {
    if (m_rows[i].caption == text)
        return;
    setCaptionView(i, m_store.keep(std::move(text)));
}

void Document::setCaptionView(size_t i, std::string_view text) {
    m_rows[i].caption = text;
    notify([&](DocumentListener& l) { l.rowsChanged(i, i); });
    if (m_mirrors && i < m_target.lineCount()) {
        m_target.replace(i, text);
        notify([&](DocumentListener& l) { l.targetLineReplaced(i); });
        targetChanged();
    }
}

void Document::setChecked(size_t i, bool checked) {
    if (m_rows[i].checked == checked)
        return;
    m_rows[i].checked = checked;
    notify([&](DocumentListener& l) { l.rowsChanged(i, i); });
}

void Document::setEdited(size_t i, bool edited) {
    m_rows[i].record.edited = edited ? 1 : 0;
    notify([&](DocumentListener& l) { l.rowsChanged(i, i); });
}

void Document::detachNode(const LineEntry& row) {
    if (row.record.node == kNoNode)
        return;
    m_tree.clearRow(row.record.node);
    notify([&](DocumentListener& l) { l.treeNodeChanged(row.record.node); });
}

void Document::deleteRow(size_t i) {
    notify([&](DocumentListener& l) { l.rowAboutToBeRemoved(i); });
    detachNode(m_rows[i]);
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(i));
    m_indexDirty = true;
    notify([&](DocumentListener& l) { l.rowRemoved(i); });
    if (m_mirrors && i < m_target.lineCount()) {
        m_target.remove(i);
        notify([&](DocumentListener& l) { l.targetLineRemoved(i); });
        targetChanged();
    }
}

void Document::replaceTarget(const std::vector<std::string_view>& lines) {
    SplitText split;
    split.texts = lines;
    split.breaks.assign(lines.size(), m_target.defaultBreak());
    split.endsWithBreak = true;
    m_target.assign(std::move(split), m_target.defaultBreak());
    notify([](DocumentListener& l) { l.targetReset(); });
    targetChanged();
}

std::string Document::saveBytes() const {
    std::string bytes = m_target.bytes();
    if (m_hasBom)
        bytes.insert(0, kUtf8Bom);
    return bytes;
}

void Document::load(std::string bytes, const Progress& progress) {
    m_mirrors = false;
    m_hasBom = StartsWithUtf8Bom(bytes);
    std::string_view all = m_store.keep(std::move(bytes));
    if (m_hasBom)
        all.remove_prefix(kUtf8Bom.size());
    m_encoding = (m_hasBom || IsValidUtf8(all)) ? TextEncoding::Utf8 : TextEncoding::Legacy;

    const LineBreak docBreak = FirstBreak(all, LineBreak::CRLF);
    m_target.assign(SplitIntoLines(all, docBreak), docBreak);
    notify([](DocumentListener& l) { l.targetReset(); });

    const size_t n = m_target.lineCount();
    notify([](DocumentListener& l) { l.rowsAboutToBeReset(); });
    m_rows.clear();
    m_rows.reserve(n);
    ProgressPacer pacer(progress, texts::kLoadingRows);
    try {
        for (size_t i = 0; i < n; ++i) {
            pacer.step(i, n);
            LineEntry entry;
            entry.caption = entry.original = m_target.line(i);
            entry.id = m_nextId++;
            m_rows.push_back(entry);
        }
    } catch (...) {
        // The rows made so far stay; the views must still hear that the batch ended.
        m_indexDirty = true;
        notify([](DocumentListener& l) { l.rowsReset(); });
        throw;
    }
    m_indexDirty = true;
    notify([](DocumentListener& l) { l.rowsReset(); });
    progress.message(texts::kDone);
}

void Document::clearViews() {
    m_target.clear(LineBreak::CRLF);
    notify([](DocumentListener& l) { l.targetReset(); });
    notify([](DocumentListener& l) { l.rowsAboutToBeReset(); });
    m_rows.clear();
    m_indexOfId.clear();
    m_indexDirty = false;
    m_nextId = 0;
    notify([](DocumentListener& l) { l.rowsReset(); });
    notify([](DocumentListener& l) { l.treeAboutToBeReset(); });
    m_tree.clear();
    notify([](DocumentListener& l) { l.treeReset(); });
    // Everything that looked into the store is gone now.
    m_store.clear();
    m_hasBom = false;
    m_encoding = TextEncoding::Utf8;
}

TopicTree& Document::beginTreeRebuild() {
    notify([](DocumentListener& l) { l.treeAboutToBeReset(); });
    m_tree.clear();
    for (auto& row : m_rows)
        row.record.node = kNoNode;
    return m_tree;
}

void Document::setRowAnalysis(size_t i, bool checked, NodeId node) {
    m_rows[i].checked = checked;
    m_rows[i].record.node = node;
}

void Document::endTreeRebuild() {
    notify([](DocumentListener& l) { l.treeReset(); });
    if (!m_rows.empty())
        notify([&](DocumentListener& l) { l.rowsChanged(0, m_rows.size() - 1); });
}

void Document::addLogEntry(int row, std::string_view word, std::string_view text) {
    m_log.add(row, word, text);
    notify([](DocumentListener& l) { l.logAppended(); });
}

void Document::clearLog() {
    m_log.clear();
    notify([](DocumentListener& l) { l.logCleared(); });
}

void Document::setFileName(std::string name) {
    m_fileName = std::move(name);
    notify([](DocumentListener& l) { l.stateChanged(); });
}

void Document::setModified(bool modified) {
    m_modified = modified;
    notify([](DocumentListener& l) { l.stateChanged(); });
}

void Document::setTextMirrorsList(bool mirrors, std::string targetHint) {
    m_mirrors = mirrors;
    if (!targetHint.empty())
        m_targetHint = std::move(targetHint);
    notify([](DocumentListener& l) { l.stateChanged(); });
}

void Document::showFileNameInCaption(bool named) {
    m_caption = named ? std::string(texts::kCaptionPrefix) + m_fileName : std::string(texts::kAppTitle);
    notify([](DocumentListener& l) { l.stateChanged(); });
}

bool Document::isUntitled() const { return m_fileName == texts::kUntitled; }

// A change of the target text marks the document Modified, and the caption gains its mark at
// the change from unchanged to changed. Changes made while loading do not count.
void Document::targetChanged() {
    if (m_loading)
        return;
    if (!m_modified)
        m_caption += texts::kModifiedMark;
    m_modified = true;
    notify([](DocumentListener& l) { l.stateChanged(); });
}

}  // namespace vq
