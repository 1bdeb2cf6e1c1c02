#include "core/document/LineTable.h"

#include <cstring>

namespace vq {

const std::shared_ptr<LineTable::Lines>& LineTable::noLines() {
    static const auto none = std::make_shared<Lines>();
    return none;
}

LineTable::LineTable() : m_s(noLines()) {}

LineSplitter::LineSplitter(ByteBuffer bytes) : m_lines(std::make_shared<LineTable::Lines>()) {
    m_lines->bytes = std::move(bytes);
    const std::string_view all = m_lines->bytes.view();
    m_lines->hasBom = StartsWithUtf8Bom(all);
    m_lines->docBreak = FirstBreak(all, LineBreak::CRLF);
    m_pos = all.data() + (m_lines->hasBom ? kUtf8Bom.size() : 0);
    m_end = all.data() + all.size();
}

size_t LineSplitter::countRemaining() const {
    size_t n = 0;
    for (const char* p = m_pos; p < m_end; ++n) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(m_end - p)));
        p = lf ? lf + 1 : m_end;
    }
    return n;
}

LineTable LineSplitter::finish() {
    m_lines->starts.push_back(static_cast<std::uint32_t>(m_end - m_lines->bytes.data()));
    return LineTable(std::move(m_lines));
}

}  // namespace vq
