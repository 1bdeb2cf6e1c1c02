#pragma once

#include "files/TextLines.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// The text that Save writes: lines, each with its own line break, and whether the last line ends
// with one. Line texts are views owned by the document's TextStore.
class TargetText {
public:
    size_t lineCount() const { return m_texts.size(); }
    bool empty() const { return m_texts.empty(); }
    std::string_view line(size_t i) const { return m_texts[i]; }
    LineBreak lineBreak(size_t i) const { return m_breaks[i]; }
    bool endsWithBreak() const { return m_endsWithBreak; }
    LineBreak defaultBreak() const { return m_defaultBreak; }

    void assign(SplitText split, LineBreak defaultBreak);
    void clear(LineBreak defaultBreak);
    void replace(size_t i, std::string_view text) { m_texts[i] = text; }
    void insert(size_t i, std::string_view text);
    void remove(size_t i);

    // The bytes Save writes (without any byte-order mark).
    std::string bytes() const { return JoinLines(m_texts, m_breaks, m_endsWithBreak); }

private:
    std::vector<std::string_view> m_texts;
    std::vector<LineBreak> m_breaks;
    bool m_endsWithBreak = true;
    LineBreak m_defaultBreak = LineBreak::CRLF;
};

}  // namespace vq
