#pragma once

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"
#include "core/document/Document.h"

#include <cstddef>
#include <string_view>

namespace vq {

// The log frame of a command over the selected rows: with several rows selected, a start marker
// when the command begins and, when it ends, the summary "<<选择 n 行，word m 行>>" and the end
// marker; with one row, nothing around its row entry. Construct it inside the command's change
// batch, count each row entry written, and finish() it. A command left by an exception writes no
// summary.
class FramedCommand {
public:
    FramedCommand(Document& doc, std::string_view caption, std::string_view word, size_t selected)
        : m_doc(doc), m_caption(caption), m_word(word), m_selected(selected) {
        if (m_selected > 1)
            m_doc.addLogEntry(kLogMarker, m_caption, texts::kOpStart, {});
    }
    // Writes the summary and the end marker; returns the rows counted.
    size_t finish() {
        if (m_selected > 1) {
            m_doc.addLogEntry(kLogSummary, FormatMessage(texts::kSelectionSummary, {m_selected, m_word, m_changed}),
                              {});
            m_doc.addLogEntry(kLogMarker, m_caption, texts::kOpEnd, {});
        }
        return m_changed;
    }
    FramedCommand(const FramedCommand&) = delete;
    FramedCommand& operator=(const FramedCommand&) = delete;

    void count() { ++m_changed; }

private:
    Document& m_doc;
    std::string_view m_caption;
    std::string_view m_word;
    size_t m_selected;
    size_t m_changed = 0;
};

}  // namespace vq
