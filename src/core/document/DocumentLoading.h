#pragma once

// Opening a file's bytes into a new document, and unloading one: the sequences the window runs,
// callable without a window and from a worker thread. They share nothing mutable between calls,
// so loads on several threads do not meet.

#include "core/Progress.h"
#include "core/document/Document.h"
#include "core/files/FileAccess.h"
#include "core/files/KnownFile.h"
#include "core/settings/AnalysisSettings.h"
#include "core/text/ByteBuffer.h"
#include "core/text/Utf16Text.h"

#include <atomic>
#include <memory>
#include <string>

namespace vq {

enum class LoadStatus { Loaded, Cancelled, Failed };

struct LoadOptions {
    // With settings, the lines are classified and the tree is built in the same pass that splits
    // them; without, the rows are made unchecked and without tree.
    const AnalysisSettings* analysis = nullptr;
    // Texts "... line i of n" at most every 100 ms (the loading or the tree text), then "done".
    // Called on the thread that loads.
    Progress progress;
    // Set by another thread to stop the load; checked for every line.
    const std::atomic<bool>* cancel = nullptr;
    // Whether a path may name a fifo or a terminal, read to its end (ReadFileIntoDocument only).
    Streams streams = Streams::Refused;
    // The path as messages name it (UTF-8); the path itself when empty (ReadFileIntoDocument only).
    std::string shownPath;
};

struct LoadResult {
    LoadStatus status = LoadStatus::Failed;
    // The new document when Loaded: rows, target text (mirroring the rows), tree and encoding;
    // no log entry, FileName empty, not Modified. Move its content into the window's document
    // with Document::takeContentFrom, on the thread that owns that one.
    std::unique_ptr<Document> document;
    std::string error;         // the text to show when Failed
    bool outOfMemory = false;  // Failed because memory ran out part-way
    // How the file's bytes relate to the document's: a UTF-16 file is opened as UTF-8 and is
    // saved back in its own form (ReadFileIntoDocument only).
    FileForm form = FileForm::Bytes;
    // The hash of the bytes opened (ContentHash), made in the load's own pass over them.
    std::uint64_t hash = 0;
    // The file read (ReadFileIntoDocument only): its status before the read, the links on its
    // way and the hash of its bytes as they are on disk; what a save checks against.
    KnownFile file;
};

// Splits the bytes into rows and, with settings, classifies them and builds the tree, all in one
// pass; the UTF-8 check runs beside it on a second thread. A cancelled or failed load leaves
// nothing behind.
LoadResult OpenBytesIntoDocument(ByteBuffer bytes, const LoadOptions& options);

// Reads the file (without zero-filling a buffer first) and opens its bytes as above; a UTF-16
// file as UTF-8. A file that cannot be read fails with the open error's text.
LoadResult ReadFileIntoDocument(const std::string& path, const LoadOptions& options);

// The same for standard input, read from where it stands to its end; a failed read gives
// "读取标准输入失败！" and the reason.
LoadResult ReadStandardInputIntoDocument(const LoadOptions& options);

// Empties target text, rows and tree, with "unloading" (for more than 2000 rows) and "done" in
// the Message panel; then the document is unmodified, "Untitled", and the caption "Varnoquil".
// The log stays. Asking about unsaved changes is the caller's part.
void UnloadDocument(Document& doc, const Progress& progress);

}  // namespace vq
