#include "core/document/LineTable.h"

#include <cstring>

namespace vq {

const std::shared_ptr<LineTable::Lines>& LineTable::noLines() {
    static const auto none = std::make_shared<Lines>();
    return none;
}

LineTable::LineTable() : m_s(noLines()) {}

std::shared_ptr<LineTable::Lines> LineSplitter::take(ByteBuffer bytes) {
    auto lines = std::make_shared<LineTable::Lines>();
    lines->bytes = std::move(bytes);
    lines->hasBom = StartsWithUtf8Bom(lines->bytes.view());
    lines->docBreak = FirstBreak(lines->bytes.view(), LineBreak::CRLF);
    return lines;
}

LineSplitter::LineSplitter(ByteBuffer bytes)
    : m_lines(take(std::move(bytes))), m_cursor(m_lines->bytes.view().substr(m_lines->hasBom ? kUtf8Bom.size() : 0)) {}

size_t LineSplitter::countRemaining() const {
    size_t n = 0;
    for (const char* p = m_cursor.position(); p < m_cursor.end(); ++n) {
        const char* lf = FindLineFeed(p, m_cursor.end());
        p = lf ? lf + 1 : m_cursor.end();
    }
    return n;
}

LineTable LineSplitter::finish() {
    m_lines->starts.push_back(static_cast<std::uint32_t>(m_cursor.end() - m_lines->bytes.data()));
    return LineTable(std::move(m_lines));
}

}  // namespace vq
