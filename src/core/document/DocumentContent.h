#pragma once

#include "core/document/LineTable.h"
#include "core/document/RowTable.h"
#include "core/document/TextStore.h"
#include "core/document/TopicTree.h"
#include "core/text/Utf16Text.h"

#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vq {

// How the document's bytes are shown and how typed text is encoded.
enum class TextEncoding { Utf8, Legacy };

// One line of a target text that no longer follows the rows (after an extraction): a line of
// the file or a text of the store, with the break it is written with.
struct TargetLine {
    std::uint32_t ref = 0;  // the line number, or the TextId when ownText
    bool ownText = false;
    LineBreak lineBreak = LineBreak::CRLF;
};

// A number no other content of this run has.
inline std::uint64_t NextContentSerial() {
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

// Everything a load makes: the file's lines, the rows, the texts set since, the tree and the
// target text. A Document holds one and swaps in another in one step when a file is opened.
struct DocumentContent {
    LineTable lines;
    TextStore store;
    RowTable rows;
    TopicTree tree;
    // While the target text mirrors the rows line for line it is the rows themselves and has no
    // storage of its own; otherwise these are its lines.
    bool targetIsRows = true;
    std::vector<TargetLine> targetLines;
    bool targetEndsWithBreak = true;
    TextEncoding encoding = TextEncoding::Utf8;
    // How the file holds its text: as these bytes, or as UTF-16 that Save writes back.
    FileForm form = FileForm::Bytes;
    // Tells contents apart: a record of changes names the content whose texts it holds.
    const std::uint64_t serial = NextContentSerial();

    DocumentContent() = default;
    DocumentContent(const DocumentContent&) = delete;
    DocumentContent& operator=(const DocumentContent&) = delete;

    std::string_view caption(size_t i) const {
        const std::uint8_t flags = rows.flags(i);
        const RowId id = rows.id(i);
        return (flags & RowTable::kOwnText) ? store.view(rows.ownText(id)) : lines.text(id);
    }
    std::string_view original(size_t i) const {
        const RowId id = rows.id(i);
        return id < rows.loadedCount() ? lines.text(id) : std::string_view();
    }
    // The break a row's line is written with: its own for a row read from the file, else the
    // document's.
    LineBreak rowBreak(size_t i) const {
        const RowId id = rows.id(i);
        return id < rows.loadedCount() ? lines.lineBreak(id) : lines.docBreak();
    }
    std::string_view targetText(const TargetLine& line) const {
        return line.ownText ? store.view(line.ref) : lines.text(line.ref);
    }
    // A target line that refers to row i's current text.
    TargetLine targetLineOf(size_t i) {
        TargetLine line;
        line.lineBreak = rowBreak(i);
        if (rows.flags(i) & RowTable::kOwnText) {
            line.ownText = true;
            line.ref = rows.ownText(rows.id(i));
            store.retain(line.ref);
        } else {
            line.ref = rows.id(i);
        }
        return line;
    }
    void releaseTargetLines() {
        for (const TargetLine& line : targetLines)
            if (line.ownText)
                store.release(line.ref);
        std::vector<TargetLine>().swap(targetLines);
    }
    size_t memoryBytes() const {
        return lines.memoryBytes() + store.memoryBytes() + rows.memoryBytes() + tree.memoryBytes() +
               targetLines.capacity() * sizeof(TargetLine);
    }
};

}  // namespace vq
