// The window's menus as lists of entries.
#include "ui/app/MainMenus.h"

#include "ui/document/TargetTextView.h"
#include "ui/settings/SignToolBar.h"

#include "ui/app/MainWindowTexts.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcutEvent>

namespace vq {

namespace {

// A menu item shows its command's keys, so the item holds them too. While the menu bar has the
// focus (Esc out of an open menu) the item's keys and the window's action both match, and Qt
// would run neither; they are the one command, so the keys run it. Watches the item and its
// command.
class OneCommandKeys : public QObject {
public:
    OneCommandKeys(QAction* item, QAction* command) : QObject(item), m_command(command) {
        item->installEventFilter(this);
        command->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        if (m_command && m_command->isEnabled())
            m_command->trigger();
        return true;
    }

private:
    QPointer<QAction> m_command;  // Not owned: the window's action.
};

QAction* AddMenuItem(QMenu* menu, QAction* target, const char* itemName) {
    auto* item = new QAction(target->icon(), target->text(), menu);
    item->setObjectName(itemName);
    item->setStatusTip(target->statusTip());
    item->setShortcut(target->shortcut());
    item->setShortcutContext(Qt::WidgetShortcut);  // the action itself owns the key
    item->setEnabled(target->isEnabled());
    item->setVisible(target->isVisible());
    QObject::connect(target, &QAction::changed, item, [item, target] {
        item->setEnabled(target->isEnabled());
        item->setVisible(target->isVisible());
        item->setText(target->text());
    });
    QObject::connect(item, &QAction::triggered, target, &QAction::trigger);
    if (!target->shortcuts().isEmpty())
        new OneCommandKeys(item, target);
    menu->addAction(item);
    return item;
}

QMenu* AddMenu(QMenuBar* bar, const char* title, const char* name) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    menu->setObjectName(name);
    return menu;
}

}  // namespace

void AddMenuItems(QMenu* menu, const ActionTable& actions, std::initializer_list<MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        if (entry.item)
            AddMenuItem(menu, actions[entry.action], entry.item);
        else
            menu->addSeparator();
    }
}

QMenu* BuildMainMenu(QMenuBar* bar, const ActionTable& actions, SignToolBar& signs) {
    bar->setObjectName("MainMenu");

    QMenu* file = AddMenu(bar, texts::kMenuFile, "mnuFile");
    file->menuAction()->setStatusTip(QString::fromUtf8(texts::kMenuFileHint));
    AddMenuItems(file, actions,
                 {
                     {Act::NewIniFile, "mnuNewIniFile"},
                     {Act::OpenIniFile, "mnuOpenIniFile"},
                     {Act::OpenSamples, "mnuOpenSamples"},
                 });
    QMenu* recent = file->addMenu(QString::fromUtf8(texts::kMenuRecent));
    recent->setObjectName("mnuRecentMenus");
    recent->menuAction()->setIcon(QIcon(QStringLiteral(":/icons/recentFile.svg")));
    file->addSeparator();
    AddMenuItems(file, actions,
                 {
                     {Act::Reload, "mnuReload"},
                     {Act::OpenWithNotepad, "mnuOpenWithNotepad"},
                     kSeparator,
                     {Act::Save, "mnuSave"},
                     {Act::SaveAs, "mnuSaveAs"},
                     kSeparator,
                     {Act::Exit, "mnuExit"},
                 });

    AddMenuItems(AddMenu(bar, texts::kMenuEdit, "mnuEdit"), actions,
                 {
                     {Act::Undo, "mnuUndo"},
                     {Act::Redo, "mnuRedo"},
                     kSeparator,
                     {Act::InsertLine, "mnuInsertLine"},
                     {Act::InsertLineDn, "mnuInsertLineDn"},
                     {Act::EditLine, "mnuEditLine"},
                     kSeparator,
                     {Act::UnRem, "mnuUnRem"},
                     {Act::RemLine, "N6"},
                     {Act::RestoreLine, "N12"},
                     {Act::Restore, "mnuRestore"},
                     kSeparator,
                     {Act::DelLine, "mnuDelLine"},
                 });

    AddMenuItems(AddMenu(bar, texts::kMenuTools, "mnuTools"), actions,
                 {
                     {Act::Find, "mnuFind"},
                     {Act::FindNext, "mnuFindNext"},
                     kSeparator,
                     {Act::SaveAll, "mnuSaveAll"},
                     {Act::SaveSel, "mnuSaveSel"},
                     {Act::SaveTree, "mnuSaveTree"},
                     kSeparator,
                     {Act::RefreshTree, "mnuRefreshTree"},
                 });

    QMenu* options = AddMenu(bar, texts::kMenuOptions, "mnuOptions");
    AddMenuItems(options, actions, {{Act::Configuration, "mnuConfiguration"}, kSeparator});
    signs.addPatternItems(options, "mnuPtn");

    AddMenuItems(AddMenu(bar, texts::kMenuHelp, "mnuHelp"), actions,
                 {
                     {Act::HelpTopic, "mnuHelpTopic"},
                     {Act::Report, "mnuReport"},
                     kSeparator,
                     {Act::About, "mnuAbout"},
                 });
    return recent;
}

QMenu* AttachPopup(QWidget* window, QAbstractScrollArea* view, const char* name) {
    auto* menu = new QMenu(window);
    menu->setObjectName(name);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                     [menu, view](const QPoint& p) { menu->popup(view->viewport()->mapToGlobal(p)); });
    return menu;
}

void BuildPopupMenus(QWidget* window, const ActionTable& actions, QAbstractScrollArea* list, QAbstractScrollArea* tree,
                     QAbstractScrollArea* log, TargetTextView* text) {
    AddMenuItems(AttachPopup(window, list, "PopupMenu_ListView"), actions,
                 {
                     {Act::InsertLine, "mnuInsertLine1"},
                     {Act::InsertLineDn, "mnuInsertLineDn2"},
                     {Act::EditLine, "mnuEditLine1"},
                     kSeparator,
                     {Act::UnRem, "mnuUnRem1"},
                     {Act::RemLine, "N10"},
                     {Act::RestoreLine, "N13"},
                     kSeparator,
                     {Act::DelLine, "mnuDelLine1"},
                 });

    // The tree's own commands: built again from the rows, and extracted into the target text.
    AddMenuItems(AttachPopup(window, tree, "PopupMenu_Tree"), actions,
                 {{Act::RefreshTree, "mnuRefreshTree1"}, {Act::SaveTree, "mnuSaveTree1"}});

    QMenu* popupLog = AttachPopup(window, log, "PopupMenu_Log");
    AddMenuItems(popupLog, actions, {{Act::GotoLineByLog, "N16"}, {Act::CopyLogLine, "N17"}});
    QAction* gotoItem = popupLog->actions().first();
    QFont bold = gotoItem->font();
    bold.setBold(true);
    gotoItem->setFont(bold);  // the default item
    popupLog->setDefaultAction(gotoItem);

    auto* popupText = new QMenu(window);
    popupText->setObjectName("PopupMenu_RE");
    const auto open = [popupText](const QPoint& globalPos) { popupText->popup(globalPos); };
    QObject::connect(text, &TargetTextView::rightButtonReleased, popupText, open);
    QObject::connect(text, &TargetTextView::menuKeyPressed, popupText, open);
    AddMenuItems(popupText, actions,
                 {
                     {Act::RECopy, "mnuRECopy"},
                     {Act::RESelAll, "mnuRESelAll"},
                     kSeparator,
                     {Act::Save, "mnuRESave"},
                     {Act::SaveAs, "mnuRESaveAs"},
                     kSeparator,
                     {Act::OpenIniFile, "mnuREOpen"},
                 });
}

}  // namespace vq
