#pragma once

#include <deque>
#include <string>
#include <string_view>

namespace vq {

// Owns the bytes that rows, target-text lines and tree nodes look at. A loaded file is kept as one
// buffer, so rows and lines of an unchanged file share it instead of each holding a copy; every
// text set later is kept here too. Views stay valid until clear().
class TextStore {
public:
    std::string_view keep(std::string text) {
        if (text.empty())
            return {};
        m_texts.push_back(std::move(text));
        return m_texts.back();
    }
    void clear() { m_texts.clear(); }

private:
    std::deque<std::string> m_texts;
};

}  // namespace vq
