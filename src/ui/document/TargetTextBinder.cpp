#include "document/TargetTextBinder.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vq {

TargetTextBinder::TargetTextBinder(Document& document, const TextCodec& codec, QPlainTextEdit* view)
    : QObject(view), m_document(document), m_codec(codec), m_view(view) {
    m_document.addListener(this);
}

TargetTextBinder::~TargetTextBinder() { m_document.removeListener(this); }

void TargetTextBinder::targetReset() {
    const TargetText& target = m_document.target();
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

void TargetTextBinder::targetLineReplaced(size_t i) {
    QTextBlock block = m_view->document()->findBlockByNumber(static_cast<int>(i));
    if (!block.isValid())
        return targetReset();
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(m_codec.decodeLine(m_document.target().line(i)));
    emit changed();
}

// The view shows the lines joined by breaks, plus one empty block when the text ends with a
// break; an empty text is one empty block. Inserts and removals keep that shape.
void TargetTextBinder::targetLineInserted(size_t i) {
    const size_t lines = m_document.target().lineCount();
    if (lines == 1)
        return targetReset();
    QTextDocument* doc = m_view->document();
    QTextCursor cursor(doc);
    if (static_cast<int>(i) < doc->blockCount()) {
        cursor.setPosition(doc->findBlockByNumber(static_cast<int>(i)).position());
        cursor.insertText(m_codec.decodeLine(m_document.target().line(i)));
        cursor.insertBlock();
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(m_codec.decodeLine(m_document.target().line(i)));
    }
    emit changed();
}

void TargetTextBinder::targetLineRemoved(size_t i) {
    if (m_document.target().lineCount() == 0)
        return targetReset();
    QTextBlock block = m_view->document()->findBlockByNumber(static_cast<int>(i));
    if (!block.isValid())
        return targetReset();
    QTextCursor cursor(block);
    if (block.next().isValid()) {
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last line of a text without final break: remove the break before it instead.
        const QTextBlock previous = block.previous();
        cursor.setPosition(previous.position() + previous.length() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    emit changed();
}

}  // namespace vq
