#include "document/TargetText.h"

namespace vq {

void TargetText::assign(SplitText split, LineBreak defaultBreak) {
    m_texts = std::move(split.texts);
    m_breaks = std::move(split.breaks);
    m_endsWithBreak = split.endsWithBreak;
    m_defaultBreak = defaultBreak;
}

void TargetText::clear(LineBreak defaultBreak) {
    m_texts.clear();
    m_breaks.clear();
    m_endsWithBreak = true;
    m_defaultBreak = defaultBreak;
}

// A new line takes the document's break. Whether the text ends with a break is a property of the
// text, not of its last line: appending to a file without a final break keeps it without one.
void TargetText::insert(size_t i, std::string_view text) {
    m_texts.insert(m_texts.begin() + static_cast<std::ptrdiff_t>(i), text);
    m_breaks.insert(m_breaks.begin() + static_cast<std::ptrdiff_t>(i), m_defaultBreak);
}

void TargetText::remove(size_t i) {
    m_texts.erase(m_texts.begin() + static_cast<std::ptrdiff_t>(i));
    m_breaks.erase(m_breaks.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace vq
