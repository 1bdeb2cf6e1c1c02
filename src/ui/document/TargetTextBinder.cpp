#include "ui/document/TargetTextBinder.h"

#include "ui/document/TargetTextView.h"

#include <algorithm>

namespace vq {

TargetTextBinder::TargetTextBinder(Document& document, const TextCodec& codec, TargetTextView* view)
    : m_document(document), m_source(document, codec), m_view(view) {
    m_document.addListener(this);
    if (m_view)
        m_view->setSource(&m_source);
}

TargetTextBinder::~TargetTextBinder() {
    m_document.removeListener(this);
    if (m_view)
        m_view->setSource(nullptr);
}

// A command's changes reach the view as one change: it lays out and repaints once.
void TargetTextBinder::changesBegin() {
    m_inBatch = true;
    if (m_view)
        m_view->beginChanges();
}

void TargetTextBinder::changesEnd() {
    m_inBatch = false;
    flushReplaced();
    if (m_view)
        m_view->endChanges();
}

void TargetTextBinder::targetReset() {
    m_replacedFirst = m_replacedEnd = 0;
    m_source.reset();
    if (m_view)
        m_view->resetLines();
}

void TargetTextBinder::targetLinesReplaced(Range r) {
    m_source.linesChanged(r);
    if (m_replacedFirst == m_replacedEnd) {
        m_replacedFirst = r.first;
        m_replacedEnd = r.first + r.count;
    } else {
        m_replacedFirst = std::min(m_replacedFirst, r.first);
        m_replacedEnd = std::max(m_replacedEnd, r.first + r.count);
    }
    // Outside a command's batch nothing else would pass the change on.
    if (!m_inBatch)
        flushReplaced();
}

void TargetTextBinder::flushReplaced() {
    if (m_replacedFirst == m_replacedEnd)
        return;
    const auto first = static_cast<qsizetype>(m_replacedFirst);
    const auto count = static_cast<qsizetype>(m_replacedEnd - m_replacedFirst);
    m_replacedFirst = m_replacedEnd = 0;
    if (m_view)
        m_view->linesReplaced(first, count);
}

// The view shows an empty text as one empty line and a text ending with a break with one more,
// empty line; a change to or from no line at all is shown whole.
void TargetTextBinder::targetLinesInserted(Range r) {
    flushReplaced();
    m_source.linesChanged(r);
    if (!m_view)
        return;
    if (m_document.target().lineCount() == r.count)
        m_view->resetLines();
    else
        m_view->linesInserted(static_cast<qsizetype>(r.first), static_cast<qsizetype>(r.count));
}

void TargetTextBinder::targetLinesRemoved(Range r) {
    flushReplaced();
    m_source.linesRemoved();
    if (!m_view)
        return;
    if (m_document.target().lineCount() == 0)
        m_view->resetLines();
    else
        m_view->linesRemoved(static_cast<qsizetype>(r.first), static_cast<qsizetype>(r.count));
}

}  // namespace vq
