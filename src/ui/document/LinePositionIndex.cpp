#include "ui/document/LinePositionIndex.h"

#include "ui/document/TextLineSource.h"

#include <algorithm>
#include <cstdlib>

namespace vq {

void LinePositionIndex::setSource(const TextLineSource* source) {
    m_source = source;
    invalidateFrom(0);
}

void LinePositionIndex::invalidateFrom(qsizetype line) {
    // What is known of the lines before `line` still holds. Line `line` itself may be gone.
    const size_t keep = line > 0 ? static_cast<size_t>((line - 1) / kLinesPerCheckpoint + 1) : 1;
    if (m_checkpoints.size() > keep)
        m_checkpoints.resize(keep);
    if (m_recent.line >= line)
        m_recent = {};
    m_characterCount = -1;
}

void LinePositionIndex::remember(qsizetype line, qsizetype position) { m_recent = {line, position}; }

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

LinePositionIndex::LineStart LinePositionIndex::nearestKnown(qsizetype line) {
    const size_t block = static_cast<size_t>(line / kLinesPerCheckpoint);
    const qsizetype checkpointLine = static_cast<qsizetype>(block) * kLinesPerCheckpoint;
    const qsizetype recentDistance = m_recent.line >= 0 ? std::abs(m_recent.line - line) : kLinesPerCheckpoint;
    // The recent line wins when it is near and the checkpoint is not known yet or is further.
    if (recentDistance < kLinesPerCheckpoint &&
        (block >= m_checkpoints.size() || recentDistance < line - checkpointLine))
        return m_recent;
    extendTo(block + 1);
    return {checkpointLine, m_checkpoints[block]};
}

qsizetype LinePositionIndex::positionOfLine(qsizetype line) {
    line = std::clamp<qsizetype>(line, 0, lineCount() - 1);
    const LineStart known = nearestKnown(line);
    qsizetype position = known.position;
    for (qsizetype i = known.line; i < line; ++i)
        position += lineLength(i) + 1;
    for (qsizetype i = known.line - 1; i >= line; --i)
        position -= lineLength(i) + 1;
    m_recent = {line, position};
    return position;
}

qsizetype LinePositionIndex::positionOf(TextPoint point) {
    const qsizetype line = std::clamp<qsizetype>(point.line, 0, lineCount() - 1);
    const qsizetype column = std::clamp<qsizetype>(point.column, 0, lineLength(line));
    return positionOfLine(line) + column;
}

bool LinePositionIndex::walkToPosition(LineStart from, qsizetype position, TextPoint& point, LineStart& reached) const {
    const qsizetype lines = lineCount();
    qsizetype line = from.line;
    qsizetype start = from.position;
    for (qsizetype steps = 0; steps < kLinesPerCheckpoint; ++steps) {
        if (position < start) {
            if (line == 0)
                return false;
            --line;
            start -= lineLength(line) + 1;
            continue;
        }
        const qsizetype length = lineLength(line);
        if (position <= start + length || line == lines - 1) {
            point = {line, std::min(position - start, length)};
            reached = {line, start};
            return true;
        }
        start += length + 1;
        ++line;
    }
    return false;
}

TextPoint LinePositionIndex::pointAt(qsizetype position) {
    position = std::max<qsizetype>(position, 0);
    TextPoint point;
    LineStart reached;
    if (m_recent.line >= 0 && walkToPosition(m_recent, position, point, reached)) {
        m_recent = reached;
        return point;
    }
    const qsizetype lines = lineCount();
    // Find the last checkpoint at or before the position, filling checkpoints only as far as needed.
    if (m_checkpoints.empty())
        m_checkpoints.push_back(0);
    while (m_checkpoints.back() <= position &&
           static_cast<qsizetype>(m_checkpoints.size()) * kLinesPerCheckpoint < lines)
        extendTo(m_checkpoints.size() + 1);
    const auto after = std::upper_bound(m_checkpoints.begin(), m_checkpoints.end(), position);
    const size_t block = static_cast<size_t>(after - m_checkpoints.begin()) - 1;
    // A block holds kLinesPerCheckpoint lines and the position lies in it (or past the text's end).
    walkToPosition({static_cast<qsizetype>(block) * kLinesPerCheckpoint, m_checkpoints[block]}, position, point,
                   reached);
    m_recent = reached;
    return point;
}

qsizetype LinePositionIndex::characterCount() {
    if (m_characterCount < 0) {
        const qsizetype last = lineCount() - 1;
        m_characterCount = positionOfLine(last) + lineLength(last);
    }
    return m_characterCount;
}

}  // namespace vq
