#include "ui/toolbox/TextEditorChoice.h"

#include <QFileInfo>

namespace vq {

namespace {

// Editors that draw in a terminal: started on their own they have none to draw in.
bool NeedsTerminal(const QString& program) {
    static const QStringList kTerminalEditors = {"vi",  "vim",   "nvim", "view",      "nano",  "pico",  "ed",     "ex",
                                                 "joe", "jed",   "jove", "mg",        "ne",    "micro", "mcedit", "kak",
                                                 "hx",  "helix", "zile", "emacs-nox", "elvis", "vis"};
    return kTerminalEditors.contains(QFileInfo(program).fileName());
}

// The words of an environment variable's command, when it names an installed graphical program.
QStringList GraphicalCommand(const QString& line, const EditorLookup& lookup) {
    QStringList words = SplitCommandLine(line);
    if (words.isEmpty() || NeedsTerminal(words.first()) || !lookup.installed(words.first()))
        return {};
    return words;
}

}  // namespace

QStringList SplitCommandLine(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\\') && quote == QLatin1Char('"') && i + 1 < line.size())
                word += line.at(++i);
            else
                word += c;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            inWord = true;
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line.at(++i);
            inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QStringList DesktopEntryCommand(const QString& entry) {
    QString exec;
    bool terminal = false;
    bool inEntry = false;
    for (const QString& raw : entry.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("Terminal"))
            terminal = value == QLatin1String("true");
    }
    if (terminal)
        return {};
    QStringList command;
    for (const QString& word : SplitCommandLine(exec)) {
        // %f, %F, %u, %U and the like stand for the files, %% for a percent sign.
        if (word.size() == 2 && word.at(0) == QLatin1Char('%') && word.at(1) != QLatin1Char('%'))
            continue;
        command << QString(word).replace(QLatin1String("%%"), QLatin1String("%"));
    }
    return command;
}

QStringList ChooseTextEditor(const EditorLookup& lookup) {
    for (const QString& variable : {lookup.visual, lookup.editor})
        if (const QStringList command = GraphicalCommand(variable, lookup); !command.isEmpty())
            return command;
    if (const QStringList command = DesktopEntryCommand(lookup.defaultEntry);
        !command.isEmpty() && lookup.installed(command.first()))
        return command;
    static const QStringList kEditors = {"gedit", "gnome-text-editor", "kate",   "kwrite", "mousepad", "pluma",
                                         "xed",   "featherpad",        "leafpad"};
    for (const QString& editor : kEditors)
        if (lookup.installed(editor))
            return {editor};
    return {kEditors.first()};
}

}  // namespace vq
