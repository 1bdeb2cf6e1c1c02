#include "core/document/DocumentLoading.h"

#include "core/document/LineTable.h"
#include "core/document/TreePass.h"
#include "core/files/ContentHash.h"
#include "core/files/FileAccess.h"
#include "core/files/FileErrorText.h"
#include "core/text/Utf16Text.h"
#include "core/document/DocumentTexts.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <thread>

#include <unistd.h>

namespace vq {

namespace {

constexpr size_t kUnloadNoticeRows = 2000;
constexpr size_t kShortLine = 16;

// The pass beside the split over all the bytes: the UTF-8 check of the text after a byte-order
// mark, and the hash of every byte, by which the file is later known to be unchanged. Inputs of a
// megabyte or more are checked on a thread of their own, piece by piece (each hashed while it is
// in the cache) so that a cancelled load does not wait for it. That thread first counts the lines
// when asked, so the progress texts' total costs the load no pass of its own.
class ByteCheck {
public:
    ByteCheck(std::string_view bytes, size_t bomSize, const std::atomic<bool>* cancel, bool countLines)
        : m_bytes(bytes), m_bomSize(bomSize), m_cancel(cancel) {
        if (bytes.size() >= kThreadFrom) {
            try {
                m_thread = std::thread([this, countLines] {
                    if (countLines)
                        count();
                    run();
                });
                return;
            } catch (const std::system_error&) {
                // No thread to be had: check here instead.
            }
        }
        run();
    }
    ~ByteCheck() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    ByteCheck(const ByteCheck&) = delete;
    ByteCheck& operator=(const ByteCheck&) = delete;

    bool valid() {
        wait();
        return m_valid;
    }
    std::uint64_t hash() {
        wait();
        return m_hash;
    }
    // The number of lines once counted.
    std::optional<size_t> lineCount() const {
        const size_t n = m_lines.load(std::memory_order_acquire);
        return n == SIZE_MAX ? std::nullopt : std::optional<size_t>(n);
    }

private:
    static constexpr size_t kThreadFrom = size_t{1} << 20;
    static constexpr size_t kPiece = size_t{1} << 20;

    void wait() {
        if (m_thread.joinable())
            m_thread.join();
    }

    // A piece ends before a byte that starts a character, so no character is split.
    void run() {
        ContentHash hash;
        hash.add(m_bytes.substr(0, m_bomSize));
        bool valid = true;
        size_t pos = m_bomSize;
        while (pos < m_bytes.size()) {
            if (m_stop || Cancelled(m_cancel))
                return;
            size_t end = std::min(m_bytes.size(), pos + kPiece);
            for (int k = 0; k < 3 && end < m_bytes.size() && (static_cast<unsigned char>(m_bytes[end]) & 0xC0) == 0x80;
                 ++k)
                ++end;
            const std::string_view piece = m_bytes.substr(pos, end - pos);
            valid = valid && IsValidUtf8(piece);
            hash.add(piece);
            pos = end;
        }
        m_valid = valid;
        m_hash = hash.value();
    }

    void count() {
        const std::string_view text = m_bytes.substr(m_bomSize);
        size_t n = 0;
        const char* p = text.data();
        const char* const end = p + text.size();
        while (p < end && !m_stop && !Cancelled(m_cancel)) {
            const char* pieceEnd = p + std::min(kPiece, static_cast<size_t>(end - p));
            while (const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(pieceEnd - p)))) {
                ++n;
                p = lf + 1;
            }
            p = pieceEnd;
        }
        if (p < end)
            return;  // stopped
        if (!text.empty() && text.back() != '\n')
            ++n;
        m_lines.store(n, std::memory_order_release);
    }

    std::string_view m_bytes;
    size_t m_bomSize;
    const std::atomic<bool>* m_cancel;
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_lines{SIZE_MAX};
    bool m_valid = false;
    std::uint64_t m_hash = 0;
    std::thread m_thread;
};

// What the pass decides about the rows while they are still being split: rows are numbered by
// their line.
struct SplitRows {
    std::vector<std::uint8_t>& flags;
    ChunkedArray<NodeId>& nodes;
    RowId rowId(size_t i) const { return static_cast<RowId>(i); }
    bool isLine(size_t) const { return true; }
    void setChecked(size_t i, bool checked) { flags[i] = checked ? RowTable::kChecked : 0; }
    void setNode(size_t i, NodeId node) { nodes[i] = node; }
};

LoadResult Failure(std::string error) {
    LoadResult result;
    result.status = LoadStatus::Failed;
    result.error = std::move(error);
    return result;
}

LoadResult Cancellation() {
    LoadResult result;
    result.status = LoadStatus::Cancelled;
    return result;
}

LoadResult Open(ByteBuffer bytes, const LoadOptions& o) {
    auto content = std::make_unique<DocumentContent>();
    const std::string_view all = bytes.view();  // the block stays where it is when the buffer moves
    const bool bom = StartsWithUtf8Bom(all);
    // The splitter owns the bytes from here; the check is made after it so that, on every way
    // out, the check's thread has stopped before the bytes go.
    LineSplitter splitter(std::move(bytes));
    ByteCheck check(all, bom ? kUtf8Bom.size() : 0, o.cancel, o.progress.tick && o.progress.show);

    // A row's flag byte for every line: room for the lines a file of this size has when they are
    // as short as config lines get, so the array rarely grows and never twice.
    std::vector<std::uint8_t> flags;
    flags.reserve(all.size() / kShortLine + 1);
    ChunkedArray<NodeId> nodes;
    SplitRows rows{flags, nodes};
    std::optional<TreePass<SplitRows>> pass;
    if (o.analysis) {
        content->tree.beginBuild(splitter.table());
        pass.emplace(content->tree, *o.analysis, rows);
    }
    ProgressPacer pacer(o.progress, o.analysis ? texts::kBuildingTree : texts::kLoadingRows);
    size_t total = 0;  // counted only when a progress text needs it
    std::string_view line;
    for (size_t i = 0; splitter.next(line); ++i) {
        if (Cancelled(o.cancel))
            return Cancellation();
        pacer.step(
            i, [&] { return total ? total : (total = check.lineCount().value_or(i + 1 + splitter.countRemaining())); });
        flags.push_back(0);
        if (pass) {
            nodes.push_back(kNoNode);
            pass->feed(i, line);
        }
    }
    if (flags.capacity() > flags.size() + flags.size() / 8)
        flags.shrink_to_fit();

    content->lines = splitter.finish();
    content->rows.assignLoaded(std::move(flags));
    if (o.analysis) {
        content->tree.finish();
        content->rows.assignNodes(std::move(nodes));
    }
    content->targetEndsWithBreak = content->lines.endsWithBreak();
    const bool valid = check.valid();
    if (Cancelled(o.cancel))
        return Cancellation();
    content->encoding = bom || valid ? TextEncoding::Utf8 : TextEncoding::Legacy;
    o.progress.message(texts::kDone);

    LoadResult result;
    result.status = LoadStatus::Loaded;
    result.document = std::make_unique<Document>(std::move(content));
    result.hash = check.hash();
    return result;
}

}  // namespace

LoadResult OpenBytesIntoDocument(ByteBuffer bytes, const LoadOptions& options) {
    if (bytes.size() > LineTable::kMaxBytes)
        return Failure(texts::kFileTooLarge);
    try {
        return Open(std::move(bytes), options);
    } catch (const std::bad_alloc&) {
        LoadResult result = Failure(texts::kRowsFailed);
        result.outOfMemory = true;
        return result;
    } catch (const std::exception&) {
        // Out of memory or a failing progress panel: nothing half-made is kept.
        return Failure(texts::kRowsFailed);
    }
}

namespace {

// A UTF-16 file is worked on as UTF-8; any other file as it is, without a copy.
LoadResult OpenFileBytes(BytesResult read, const LoadOptions& options) {
    FileForm form = FileForm::Bytes;
    std::optional<std::uint64_t> fileHash;  // when the bytes opened are not the file's
    const std::string_view bytes = read.bytes.view();
    if (StartsWithUtf16Mark(bytes)) {
        ShownText shown = FromFileBytes(std::string(bytes));
        if (shown.form != FileForm::Bytes) {
            form = shown.form;
            fileHash = HashBytes(bytes);
            read.bytes = ByteBuffer::adopt(std::move(shown.bytes));
        }
    }
    LoadResult result = OpenBytesIntoDocument(std::move(read.bytes), options);
    result.form = form;
    result.file = std::move(read.file);
    result.file.hash = fileHash.value_or(result.hash);
    return result;
}

}  // namespace

LoadResult ReadFileIntoDocument(const std::string& path, const LoadOptions& options) {
    BytesResult read = ReadFileBytes(path, LineTable::kMaxBytes, options.cancel, options.streams);
    if (read.cancelled)
        return Cancellation();
    if (!read.ok)
        return Failure(OpenErrorMessage(options.shownPath.empty() ? path : options.shownPath, read.error));
    return OpenFileBytes(std::move(read), options);
}

LoadResult ReadStandardInputIntoDocument(const LoadOptions& options) {
    BytesResult read = ReadDescriptorBytes(STDIN_FILENO, LineTable::kMaxBytes);
    if (!read.ok)
        return Failure(std::string(texts::kReadStdinFailed) + "\n" + ReasonText(read.error));
    return OpenFileBytes(std::move(read), options);
}

void UnloadDocument(Document& doc, const Progress& progress) {
    Document::ChangeBatch batch(doc);
    if (doc.rowCount() > kUnloadNoticeRows)
        progress.message(texts::kUnloading);
    doc.clearViews();
    progress.message(texts::kDone);
    doc.setModified(false);
    doc.setUntitled();
    doc.showFileNameInCaption(false);
}

}  // namespace vq
