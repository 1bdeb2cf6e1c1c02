#include "document/LinePositionIndex.h"

#include "document/TextLineSource.h"

#include <algorithm>

namespace vq {

void LinePositionIndex::setSource(const TextLineSource* source) {
    m_source = source;
    invalidateFrom(0);
}

void LinePositionIndex::invalidateFrom(qsizetype line) {
    // The checkpoint of a line at or before `line` still holds: only what follows it changed.
    const size_t keep = static_cast<size_t>(std::max<qsizetype>(line, 0) / kLinesPerCheckpoint + 1);
    if (m_checkpoints.size() > keep)
        m_checkpoints.resize(keep);
    m_characterCount = -1;
}

qsizetype LinePositionIndex::lineCount() const {
    const qsizetype n = m_source ? m_source->lineCount() : 0;
    return std::max<qsizetype>(n, 1);
}

qsizetype LinePositionIndex::lineLength(qsizetype line) const {
    if (!m_source || m_source->lineCount() == 0)
        return 0;
    return m_source->lineLength(line);
}

void LinePositionIndex::extendTo(size_t checkpoints) {
    if (m_checkpoints.empty())
        m_checkpoints.push_back(0);
    const qsizetype lines = lineCount();
    while (m_checkpoints.size() < checkpoints) {
        const qsizetype first = static_cast<qsizetype>(m_checkpoints.size() - 1) * kLinesPerCheckpoint;
        const qsizetype next = first + kLinesPerCheckpoint;
        if (next >= lines)
            return;
        qsizetype position = m_checkpoints.back();
        for (qsizetype i = first; i < next; ++i)
            position += lineLength(i) + 1;
        m_checkpoints.push_back(position);
    }
}

qsizetype LinePositionIndex::positionOfLine(qsizetype line) {
    line = std::clamp<qsizetype>(line, 0, lineCount() - 1);
    const size_t block = static_cast<size_t>(line / kLinesPerCheckpoint);
    extendTo(block + 1);
    qsizetype position = m_checkpoints[block];
    for (qsizetype i = static_cast<qsizetype>(block) * kLinesPerCheckpoint; i < line; ++i)
        position += lineLength(i) + 1;
    return position;
}

qsizetype LinePositionIndex::positionOf(TextPoint point) {
    const qsizetype line = std::clamp<qsizetype>(point.line, 0, lineCount() - 1);
    const qsizetype column = std::clamp<qsizetype>(point.column, 0, lineLength(line));
    return positionOfLine(line) + column;
}

TextPoint LinePositionIndex::pointAt(qsizetype position) {
    position = std::max<qsizetype>(position, 0);
    const qsizetype lines = lineCount();
    // Find the last checkpoint at or before the position, filling checkpoints only as far as needed.
    if (m_checkpoints.empty())
        m_checkpoints.push_back(0);
    while (m_checkpoints.back() <= position &&
           static_cast<qsizetype>(m_checkpoints.size()) * kLinesPerCheckpoint < lines)
        extendTo(m_checkpoints.size() + 1);
    const auto after = std::upper_bound(m_checkpoints.begin(), m_checkpoints.end(), position);
    const size_t block = static_cast<size_t>(after - m_checkpoints.begin()) - 1;
    qsizetype line = static_cast<qsizetype>(block) * kLinesPerCheckpoint;
    qsizetype start = m_checkpoints[block];
    for (;; ++line) {
        const qsizetype length = lineLength(line);
        if (position <= start + length || line == lines - 1)
            return {line, std::min(position - start, length)};
        start += length + 1;
    }
}

qsizetype LinePositionIndex::characterCount() {
    if (m_characterCount < 0) {
        const qsizetype last = lineCount() - 1;
        m_characterCount = positionOfLine(last) + lineLength(last);
    }
    return m_characterCount;
}

}  // namespace vq
