#include "ui/find/FindController.h"

#include "ui/document/DocumentSession.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TextFinder.h"
#include "ui/document/TreeAndRows.h"
#include "ui/find/CandidateLines.h"
#include "ui/find/FindDlg.h"
#include "ui/find/FindText.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"
#include "ui/toolbox/UiTexts.h"

#include "ui/find/FindTexts.h"

#include <QAbstractItemView>
#include <QTabWidget>

namespace vq {

FindController::FindController(const Context& context) : m_context(context) {}

FindController::~FindController() = default;

void FindController::bindActions(ActionTable& actions) {
    actions.bind(Act::Find, this, &FindController::actFindExecute);
    actions.bind(Act::FindNext, this, &FindController::actFindNextExecute);
    const auto request = [&actions] { actions.requestUpdate(); };
    connect(&m_context.session, &DocumentSession::stateChanged, &actions, request);
    connect(&m_context.session, &DocumentSession::targetChanged, &actions, request);
}

// Both follow the rows, not the target text: an empty text with rows can still be searched.
void FindController::updateActions(const ActionTable& actions) const {
    const bool rows = m_context.session.document().rowCount() > 0;
    actions.setEnabled(Act::Find, rows);
    actions.setEnabled(Act::FindNext, rows);
}

FindDlg* FindController::findDialog() {
    if (!m_dialog) {
        m_dialog = new FindDlg([this](const QString& text) { return limitFindText(text); }, m_context.window);
        connect(m_dialog, &FindDlg::findRequested, this, &FindController::FindDlgFind);
    }
    return m_dialog;
}

QString FindController::limitFindText(const QString& text) const {
    const TextCodec& codec = m_context.session.codec();
    return CutToBytes(text, kMaxFindTextBytes, [&codec](QStringView character) -> qsizetype {
        const QString c = character.toString();
        if (const auto bytes = codec.encode(c))
            return static_cast<qsizetype>(bytes->size());
        return c.toUtf8().size();  // a character the encoding lacks weighs what it would in UTF-8
    });
}

// Only the selection's first characters can end up in the find box, so no more than those are
// read, line by line: a whole text selected costs no more than a word.
QString FindController::selectedFindText() const {
    const TargetTextView* view = m_context.text;
    if (!view->hasSelection())
        return {};
    const TextPoint end = view->selectionEndPoint();
    QString text;
    for (TextPoint at = view->selectionStartPoint(); text.size() < kMaxFindTextBytes; at = {at.line + 1, 0}) {
        const qsizetype room = kMaxFindTextBytes - text.size();
        const qsizetype stop = at.line < end.line ? view->lineLength(at.line) : end.column;
        text += view->textBetween(at, {at.line, std::min(stop, at.column + room)});
        if (at.line >= end.line || text.size() >= kMaxFindTextBytes)
            break;
        text += QLatin1Char('\n');
    }
    return text;
}

void FindController::ShowFindDialog() {
    m_context.messages.show(QString::fromUtf8(texts::kFindNextHint));
    FindDlg* dialog = findDialog();
    dialog->setFindText(selectedFindText());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void FindController::actFindNextExecute() {
    if (m_dialog && !m_dialog->findText().isEmpty())
        FindNextInText();
    else
        ShowFindDialog();
}

void FindController::FindDlgFind() {
    findDialog()->close();
    m_context.list->clearSelection();
    FindNextInText();
}

bool FindController::FindNextInText() {
    FindDlg* dialog = findDialog();
    const QString what = dialog->findText();
    if (what.isEmpty())
        return false;
    TargetTextView* view = m_context.text;
    const CandidateLines lines(view->source(), m_context.session.document(), m_context.session.codec(), what,
                               dialog->matchCase());
    // Points, not positions: a hit far down costs no count of the characters before it.
    const TextPoint start = view->selectionEndPoint();
    TextPoint from = start;
    for (;;) {
        if (const auto hit = FindInLines(&lines, what, from, dialog->matchCase(), dialog->wholeWord())) {
            showHit(hit->point, what);
            return true;
        }
        const Platform::Answer again = m_context.platform.askYesNo(
            m_context.window, QString::fromUtf8(texts::kFindFailedTitle), FormatMessageQ(texts::kFindFailed, what));
        if (again != Platform::Answer::Yes) {
            // Declined: the caret goes back where this search began, with nothing selected.
            view->setCaret(start);
            return false;
        }
        from = TextPoint{};
        view->setCaret(from);
    }
}

void FindController::showHit(TextPoint at, const QString& what) {
    TargetTextView* view = m_context.text;
    // A hit on a page behind the log would be selected unseen.
    for (QWidget* w = view; w; w = w->parentWidget()) {
        if (const int page = m_context.pages->indexOf(w); page >= 0) {
            m_context.pages->setCurrentIndex(page);
            break;
        }
    }
    view->setFocus();
    // The hit is as long as the find text; a break in it ends a line.
    const qsizetype breaks = what.count(QLatin1Char('\n'));
    const qsizetype lastPart = what.size() - (what.lastIndexOf(QLatin1Char('\n')) + 1);
    const TextPoint end =
        breaks == 0 ? TextPoint{at.line, at.column + what.size()} : TextPoint{at.line + breaks, lastPart};
    view->setSelection(at, end);
    const Document& document = m_context.session.document();
    if (document.textMirrorsList() && static_cast<size_t>(at.line) < document.rowCount())
        m_context.rows.RevealLineEntry(static_cast<int>(at.line));
}

}  // namespace vq
