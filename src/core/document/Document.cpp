#include "core/document/Document.h"

#include "core/document/DocumentLoading.h"
#include "core/document/DocumentTexts.h"

#include <algorithm>
#include <stdexcept>

namespace vq {

namespace {

// How many bytes at the end of a and b are the same.
size_t CommonEndLength(std::string_view a, std::string_view b) {
    const size_t most = std::min(a.size(), b.size());
    size_t n = 0;
    while (n < most && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

// Calls f(range) for each run of contiguous indexes; the indexes come in any order and may repeat.
template <typename F>
void ForEachRun(std::vector<std::uint32_t>& indexes, F&& f) {
    if (indexes.empty())
        return;
    if (!std::is_sorted(indexes.begin(), indexes.end()))
        std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    size_t first = indexes.front();
    size_t count = 1;
    for (size_t k = 1; k < indexes.size(); ++k) {
        if (indexes[k] == first + count) {
            ++count;
            continue;
        }
        f(Range{first, count});
        first = indexes[k];
        count = 1;
    }
    f(Range{first, count});
}

}  // namespace

Document::Document() : Document(std::make_unique<DocumentContent>()) {}

Document::Document(std::unique_ptr<DocumentContent> content) : m_c(std::move(content)), m_caption(texts::kAppTitle) {
    if (!m_c)
        m_c = std::make_unique<DocumentContent>();
}

Document::~Document() = default;

void Document::removeListener(DocumentListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

// --- batches ------------------------------------------------------------------------------------

void Document::beginChanges() { ++m_batchDepth; }

void Document::endChanges() {
    if (m_batchDepth > 1) {
        --m_batchDepth;
        return;
    }
    flushRowChanges();
    if (m_logPendingFrom < m_log.size()) {
        const Range added{m_logPendingFrom, m_log.size() - m_logPendingFrom};
        notify([&](DocumentListener& l) { l.logAppended(added); });
    }
    m_logPendingFrom = SIZE_MAX;
    if (m_stateChanged) {
        m_stateChanged = false;
        notify([](DocumentListener& l) { l.stateChanged(); });
    }
    const bool announced = m_batchAnnounced;
    m_batchAnnounced = false;
    m_batchDepth = 0;
    if (announced)
        for (auto* l : m_listeners)
            l->changesEnd();
}

void Document::flushRowChanges() {
    ForEachRun(m_changedRows, [&](Range r) { notify([&](DocumentListener& l) { l.rowsChanged(r); }); });
    ForEachRun(m_replacedLines, [&](Range r) { notify([&](DocumentListener& l) { l.targetLinesReplaced(r); }); });
    dropRowChanges();
}

// The lists of a command over a million rows are not kept for the next one.
void Document::dropRowChanges() {
    constexpr size_t kKeep = 4096;
    for (auto* list : {&m_changedRows, &m_replacedLines}) {
        list->clear();
        if (list->capacity() > kKeep)
            std::vector<std::uint32_t>().swap(*list);
    }
}

// A change of the target text marks the document Modified, and the caption gains its mark at
// the change from unchanged to changed. Changes made while loading do not count.
void Document::targetChanged() {
    if (m_record)
        m_record->m_changesTarget = true;
    if (m_loading)
        return;
    if (!m_modified)
        m_caption += texts::kModifiedMark;
    m_modified = true;
    markStateChanged();
}

// --- loading and unloading ------------------------------------------------------------------------

// Views reset around the swap, so none of them looks into the content while it changes hands.
void Document::swapContent(std::unique_ptr<DocumentContent>& content) {
    ChangeBatch batch(*this);
    dropRowChanges();
    ++m_revision;
    notify([](DocumentListener& l) { l.rowsAboutToBeReset(); });
    notify([](DocumentListener& l) { l.treeAboutToBeReset(); });
    m_c.swap(content);
    notify([](DocumentListener& l) { l.targetReset(); });
    notify([](DocumentListener& l) { l.rowsReset(); });
    notify([](DocumentListener& l) { l.treeReset(); });
    markStateChanged();
}

void Document::load(ByteBuffer bytes, const Progress& progress) {
    LoadOptions options;
    options.progress = progress;
    LoadResult loaded = OpenBytesIntoDocument(std::move(bytes), options);
    if (loaded.status != LoadStatus::Loaded)
        throw std::runtime_error(loaded.error);
    takeContentFrom(*loaded.document);
}

// While recording, the content given up goes into the record instead, so that the change can be
// taken back; `from` is left with an empty content.
void Document::takeContentFrom(Document& from) {
    std::unique_ptr<DocumentContent> content;
    content.swap(from.m_c);
    swapContent(content);
    if (m_record) {
        if (!m_record->empty())
            throw std::logic_error("a content taken over must be the first change of a record");
        m_record->m_ops.push_back(ChangeRecord::Op{ChangeRecord::OpKind::Content, 0, 1, 0});
        m_record->m_content = std::move(content);
        m_record->m_owner = m_c->serial;
        m_record->m_changesTarget = true;
        content = std::make_unique<DocumentContent>();
    }
    from.m_c = std::move(content);
}

void Document::clearViews() {
    auto empty = std::make_unique<DocumentContent>();
    swapContent(empty);
}

// --- topic tree ----------------------------------------------------------------------------------

TopicTree& Document::beginTreeRebuild() {
    flushRowChanges();
    notify([](DocumentListener& l) { l.treeAboutToBeReset(); });
    ++m_revision;
    if (m_record) {
        // The old tree and the rows' links to it go into the record whole: a refresh changes them all.
        m_record->m_ops.push_back(ChangeRecord::Op{ChangeRecord::OpKind::Tree, m_record->m_trees.size(), 1, 0});
        ChangeRecord::TreeState& old = m_record->m_trees.emplace_back();
        old.tree = std::move(m_c->tree);
        m_c->tree = TopicTree();
        m_c->rows.swapNodes(old.nodeOfId);
    }
    m_c->tree.beginBuild(m_c->lines);
    m_c->rows.clearNodes();
    return m_c->tree;
}

void Document::setRowAnalysis(size_t i, bool checked, NodeId node) {
    RowTable& rows = m_c->rows;
    const std::uint8_t flags = rows.flags(i);
    const auto marked =
        static_cast<std::uint8_t>(checked ? (flags | RowTable::kChecked) : (flags & ~RowTable::kChecked));
    if (marked != flags) {
        noteRowBefore(i);
        rows.setFlags(i, marked);
        noteRowAfter(i);
    }
    rows.setNode(rows.id(i), node);
}

void Document::endTreeRebuild() {
    ChangeBatch batch(*this);
    m_c->tree.finish();
    notify([](DocumentListener& l) { l.treeReset(); });
    if (rowCount() > 0)
        notify([&](DocumentListener& l) { l.rowsChanged(Range{0, rowCount()}); });
}

// --- operation log --------------------------------------------------------------------------------

void Document::addLogEntry(int row, std::string_view word, std::string_view note, std::string_view text) {
    ChangeBatch batch(*this);
    if (m_logPendingFrom == SIZE_MAX)
        m_logPendingFrom = m_log.size();
    // Most logged texts are a row's line as read, or its end, maybe after a comment sign: those are
    // kept as a reference to the line, so logging every row of a big file costs a few bytes a row.
    if (row >= 0 && static_cast<size_t>(row) < rowCount()) {
        const RowId id = m_c->rows.id(static_cast<size_t>(row));
        if (id < m_c->rows.loadedCount()) {
            const std::string_view line = m_c->lines.text(id);
            const size_t common = CommonEndLength(text, line);
            if (common > 0 && text.size() - common <= OperationLog::kMaxPrefix) {
                m_log.addLine(row, word, note, text.substr(0, text.size() - common), m_c->lines, id,
                              line.size() - common);
                return;
            }
        }
    }
    m_log.add(row, word, note, text);
}

void Document::clearLog() {
    ChangeBatch batch(*this);
    m_log.clear();
    m_logPendingFrom = SIZE_MAX;
    notify([](DocumentListener& l) { l.logCleared(); });
}

// --- document state ---------------------------------------------------------------------------------

void Document::setFileName(std::string name) {
    ChangeBatch batch(*this);
    m_fileName = std::move(name);
    m_untitled = false;
    markStateChanged();
}

void Document::setUntitled() {
    ChangeBatch batch(*this);
    m_fileName = texts::kUntitled;
    m_untitled = true;
    m_diskFile = {};
    markStateChanged();
}

void Document::setDiskFile(KnownFile file) {
    ChangeBatch batch(*this);
    m_diskFile = std::move(file);
    markStateChanged();
}

void Document::setModified(bool modified) {
    ChangeBatch batch(*this);
    m_modified = modified;
    markStateChanged();
}

void Document::showFileNameInCaption(bool named) {
    ChangeBatch batch(*this);
    m_caption = named ? std::string(texts::kCaptionPrefix) + m_fileName : std::string(texts::kAppTitle);
    markStateChanged();
}

}  // namespace vq
