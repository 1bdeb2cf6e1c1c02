#include "ui/document/TextFinder.h"

#include "ui/document/TextLineSource.h"

#include <QStringList>

namespace vq {

bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

namespace {

bool WordBoundaryBefore(const QString& line, qsizetype column) {
    return column == 0 || !IsWordCharacter(line.at(column - 1));
}

bool WordBoundaryAfter(const QString& line, qsizetype column) {
    return column >= line.size() || !IsWordCharacter(line.at(column));
}

// A hit of a text without break in one line, at or after `column`.
qsizetype FindInLine(const QString& line, const QString& text, qsizetype column, Qt::CaseSensitivity cs,
                     bool wholeWord) {
    for (qsizetype at = line.indexOf(text, column, cs); at >= 0; at = line.indexOf(text, at + 1, cs)) {
        if (!wholeWord || (WordBoundaryBefore(line, at) && WordBoundaryAfter(line, at + text.size())))
            return at;
    }
    return -1;
}

// A hit of a text with breaks that begins in line `first`, at or after `column`: the line ends
// with the first part, the lines between are the middle parts, the last part starts a line.
qsizetype FindAcrossLines(const TextLineSource& source, const QStringList& parts, qsizetype first,
                          const QString& firstLine, qsizetype column, Qt::CaseSensitivity cs, bool wholeWord) {
    const qsizetype lines = source.lineCount();
    const qsizetype last = first + parts.size() - 1;
    if (last >= lines)
        return -1;
    const qsizetype at = firstLine.size() - parts.front().size();
    if (at < column || !firstLine.endsWith(parts.front(), cs))
        return -1;
    if (wholeWord && !WordBoundaryBefore(firstLine, at))
        return -1;
    for (qsizetype k = 1; k + 1 < parts.size(); ++k) {
        if (source.lineText(first + k).compare(parts.at(k), cs) != 0)
            return -1;
    }
    const QString lastLine = source.lineText(last);
    if (!lastLine.startsWith(parts.back(), cs))
        return -1;
    if (wholeWord && !WordBoundaryAfter(lastLine, parts.back().size()))
        return -1;
    return at;
}

}  // namespace

std::optional<TextHit> FindInLines(const TextLineSource* source, const QString& text, TextPoint from, bool matchCase,
                                   bool wholeWord) {
    if (!source || text.isEmpty() || source->lineCount() == 0)
        return std::nullopt;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringList parts = text.split(QLatin1Char('\n'));
    const qsizetype lines = source->lineCount();
    // Distance from the start of the search to the start of the line being searched.
    qsizetype lineStart = -from.column;
    qsizetype column = from.column;
    for (qsizetype line = std::max<qsizetype>(from.line, 0); line < lines; ++line) {
        const QString lineText = source->lineText(line);
        const qsizetype at = parts.size() == 1 ? FindInLine(lineText, text, column, cs, wholeWord)
                                               : FindAcrossLines(*source, parts, line, lineText, column, cs, wholeWord);
        if (at >= 0)
            return TextHit{{line, at}, lineStart + at};
        lineStart += lineText.size() + 1;
        column = 0;
    }
    return std::nullopt;
}

}  // namespace vq
