#include "document/TargetTextBinder.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vq {

TargetTextBinder::TargetTextBinder(Document& document, const TextCodec& codec, QPlainTextEdit* view)
    : m_document(document), m_codec(codec), m_view(view) {
    m_document.addListener(this);
}

TargetTextBinder::~TargetTextBinder() { m_document.removeListener(this); }

void TargetTextBinder::targetReset() {
    if (!m_view)
        return;
    const TargetText target = m_document.target();
    const size_t n = target.lineCount();
    QString text;
    if (n > 0) {
        // Decode the lines in one pass over the bytes they share where possible.
        size_t bytes = 0;
        for (size_t i = 0; i < n; ++i)
            bytes += target.line(i).size() + 1;
        text.reserve(static_cast<qsizetype>(bytes));
        for (size_t i = 0; i < n; ++i) {
            if (i > 0)
                text += QChar('\n');
            text += m_codec.decodeLine(target.line(i));
        }
        if (target.endsWithBreak())
            text += QChar('\n');
    }
    m_view->setPlainText(text);
    m_view->moveCursor(QTextCursor::Start);
    emit changed();
}

QString TargetTextBinder::decodedLines(Range r) const {
    const TargetText target = m_document.target();
    QString text;
    for (size_t i = r.first; i <= r.last(); ++i) {
        if (i > r.first)
            text += QChar('\n');
        text += m_codec.decodeLine(target.line(i));
    }
    return text;
}

void TargetTextBinder::targetLinesReplaced(Range r) {
    if (!m_view)
        return;
    QTextDocument* doc = m_view->document();
    const QTextBlock first = doc->findBlockByNumber(static_cast<int>(r.first));
    const QTextBlock last = doc->findBlockByNumber(static_cast<int>(r.last()));
    if (!first.isValid() || !last.isValid())
        return targetReset();
    QTextCursor cursor(doc);
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(decodedLines(r));
    emit changed();
}

// The view shows the lines joined by breaks, plus one empty block when the text ends with a
// break; an empty text is one empty block. Inserts and removals keep that shape.
void TargetTextBinder::targetLinesInserted(Range r) {
    if (!m_view)
        return;
    if (m_document.target().lineCount() == r.count)
        return targetReset();
    QTextDocument* doc = m_view->document();
    QTextCursor cursor(doc);
    const QTextBlock at = doc->findBlockByNumber(static_cast<int>(r.first));
    if (at.isValid()) {
        cursor.setPosition(at.position());
        cursor.insertText(decodedLines(r) + QChar('\n'));
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QChar('\n') + decodedLines(r));
    }
    emit changed();
}

void TargetTextBinder::targetLinesRemoved(Range r) {
    if (!m_view)
        return;
    if (m_document.target().lineCount() == 0)
        return targetReset();
    QTextDocument* doc = m_view->document();
    const QTextBlock first = doc->findBlockByNumber(static_cast<int>(r.first));
    const QTextBlock last = doc->findBlockByNumber(static_cast<int>(r.last()));
    if (!first.isValid() || !last.isValid())
        return targetReset();
    QTextCursor cursor(doc);
    if (last.next().isValid()) {
        cursor.setPosition(first.position());
        cursor.setPosition(last.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last lines of a text without final break: remove the break before them instead.
        const QTextBlock previous = first.previous();
        cursor.setPosition(previous.position() + previous.length() - 1);
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    emit changed();
}

}  // namespace vq
