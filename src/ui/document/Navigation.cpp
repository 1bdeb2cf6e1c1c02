// From the tree to the list, from the list to the target text, and the status bar's panels.
#include "ui/document/Navigation.h"

#include "ui/document/ContentListView.h"
#include "ui/document/DocumentSession.h"
#include "ui/document/SelectedRowRuns.h"
#include "ui/document/TargetTextView.h"
#include "ui/document/TopicTreeModel.h"
#include "ui/document/TopicTreeView.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/StatusMessages.h"
#include "ui/toolbox/UiTexts.h"
#include "core/document/DocumentTexts.h"
#include "ui/document/ViewTexts.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>

namespace vq {

Navigation::Navigation(const Context& context) : m_context(context) {
    TopicTreeView* tree = m_context.tree;
    connect(tree, &QAbstractItemView::clicked, this, &Navigation::tvTopicClick);
    connect(tree, &QAbstractItemView::doubleClicked, this, &Navigation::tvTopicDblClick);
    tree->installEventFilter(this);

    ContentListView* list = m_context.list;
    connect(list, &QAbstractItemView::doubleClicked, this, &Navigation::lvContentDblClick);
    list->installEventFilter(this);
    // The list's model stays for the window's life; its selection model with it.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Navigation::listSelectionChanged);

    if (TargetTextView* text = m_context.text) {
        connect(text, &TargetTextView::selectionChanged, this, &Navigation::reContentSelectionChange);
        text->installEventFilter(this);
        reContentSelectionChange();
    }
}

// The focus text of each view while the focus moves between the window's controls. The window
// losing the focus to another window or to a menu, or closing, is no move: the Message panel
// keeps what it shows.
static bool MovesWithinWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Key releases in the tree, and the focus texts of the three views.
bool Navigation::eventFilter(QObject* watched, QEvent* event) {
    const bool isTree = watched == m_context.tree;
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isTree && !key->isAutoRepeat())
            tvTopicKeyUp(key->key());
        break;
    }
    case QEvent::FocusIn:
        if (MovesWithinWindow(event)) {
            const char* text = isTree                      ? texts::kFocusTree
                               : watched == m_context.list ? texts::kFocusList
                                                           : texts::kFocusText;
            m_context.messages.show(QString::fromUtf8(text));
        }
        break;
    case QEvent::FocusOut:
        if (MovesWithinWindow(event))
            m_context.messages.show(QStringLiteral(" "));
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void Navigation::tvTopicKeyUp(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: tvTopicDblClick(); break;
    case Qt::Key_Up:
    case Qt::Key_Down: tvTopicClick(); break;
    default: break;
    }
}

// The selected node's row becomes the list's single selected row; the focus stays in the tree.
// A node whose row was deleted since the tree was built leads nowhere.
void Navigation::tvTopicClick() {
    const QModelIndexList selected = m_context.tree->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const Document& document = m_context.session.document();
    const NodeId node = m_context.session.tree()->nodeOf(selected.first());
    const RowId id = node == kNoNode ? kNoRow : document.tree().rowOf(node);
    const std::optional<size_t> row = id == kNoRow ? std::nullopt : document.indexOf(id);
    if (row) {
        m_context.list->RevealLineEntry(static_cast<int>(*row));
        return;
    }
    m_context.platform.beep();
    if (m_context.list->selectionModel()->hasSelection())
        m_context.list->clearSelection();
    m_context.messages.show(QString::fromUtf8(texts::kRowGone));
}

void Navigation::tvTopicDblClick() {
    if (m_context.tree->selectionModel()->hasSelection())
        m_context.list->setFocus(Qt::OtherFocusReason);
}

// The first selected row's line is selected in the target text (while the text mirrors the list)
// and shown, then the row is edited in place.
void Navigation::lvContentDblClick() {
    const std::optional<size_t> row = SelectedRowRuns(m_context.list->selectionModel()).first();
    if (!row)
        return;
    if (m_context.session.document().textMirrorsList())
        showLineOfRow(*row);
    const QModelIndex caption = m_context.list->model()->index(static_cast<int>(*row), 0);
    m_context.list->setFocus(Qt::OtherFocusReason);
    m_context.list->edit(caption);
}

qsizetype Navigation::SelectionLength(qsizetype lineLength, qsizetype fitW, qsizetype fitT, qsizetype fitI) {
    if (lineLength <= fitW)
        return lineLength;
    if (lineLength >= fitT)
        return fitT;
    if (lineLength >= fitI)
        return fitI;
    return fitW;
}

// The view counts characters, so the line's length is counted in characters too; a line that
// fits is selected with its break.
void Navigation::showLineOfRow(size_t row) {
    TargetTextView* text = m_context.text;
    if (text && static_cast<qsizetype>(row) < text->lineCount()) {
        const QFontMetrics metrics(text->font());
        const int width = text->viewport()->width();
        const auto fit = [&](QChar c) {
            const int w = metrics.horizontalAdvance(c);
            return static_cast<qsizetype>(w > 0 ? width / w : 0);
        };
        const qsizetype line = static_cast<qsizetype>(row);
        const qsizetype length = text->lineLength(line);
        const qsizetype n = SelectionLength(length, fit('W'), fit('t'), fit('i'));
        text->selectLine(line, n >= length ? -1 : n);
    }
    m_context.pages->setCurrentIndex(0);
}

void Navigation::lvContentSelectItem(int row) {
    m_context.linePanel->setText(FormatMessageQ(texts::kLinePanel, row + 1));
}

// The row whose selection changed: the focused row when it is one of them, else the last row
// of the change.
void Navigation::listSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    const QModelIndex current = m_context.list->selectionModel()->currentIndex();
    if (current.isValid() && (selected.contains(current) || deselected.contains(current)))
        lvContentSelectItem(current.row());
    else if (!selected.isEmpty())
        lvContentSelectItem(selected.last().bottom());
    else if (!deselected.isEmpty())
        lvContentSelectItem(deselected.last().bottom());
}

void Navigation::reContentSelectionChange() {
    const TextPoint start = m_context.text->selectionStartPoint();
    m_context.caretPanel->setText(FormatMessageQ(texts::kCaretPanel, static_cast<long long>(start.line + 1),
                                                 static_cast<long long>(start.column)));
}

}  // namespace vq
