#include "document/LineTable.h"

#include <cstring>

namespace vq {

LineSplitter::LineSplitter(ByteBuffer bytes) {
    m_table.m_bytes = std::move(bytes);
    const std::string_view all = m_table.m_bytes.view();
    m_table.m_hasBom = StartsWithUtf8Bom(all);
    m_table.m_docBreak = FirstBreak(all, LineBreak::CRLF);
    m_pos = all.data() + (m_table.m_hasBom ? kUtf8Bom.size() : 0);
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
    m_table.m_starts.push_back(static_cast<std::uint32_t>(m_end - m_table.m_bytes.data()));
    return std::move(m_table);
}

}  // namespace vq
