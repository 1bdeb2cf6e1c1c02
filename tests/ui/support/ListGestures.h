#pragma once

// What a user does to the content list and the insert dialog, as real mouse and key events.

#include "MainWindowFixture.h"

#include "ui/editing/TfrmInsert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace vqtest {

inline QAbstractItemView* ListView(MainWindowFixture& f) { return f.find<QAbstractItemView>("lvContent"); }

// The middle of a row's caption: away from its check box.
inline QPoint RowPoint(MainWindowFixture& f, int row) {
    QAbstractItemView* list = ListView(f);
    list->scrollTo(list->model()->index(row, 0));
    return list->visualRect(list->model()->index(row, 0)).center() + QPoint(20, 0);
}

inline void ClickRow(MainWindowFixture& f, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseClick(ListView(f)->viewport(), Qt::LeftButton, modifiers, RowPoint(f, row));
}

// Clicks the first row, then Ctrl-clicks the others.
inline void SelectRows(MainWindowFixture& f, std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
        ClickRow(f, row, first ? Qt::NoModifier : Qt::ControlModifier);
        first = false;
    }
}

// As the window system delivers a double click: press and release, then the double click in
// place of the second press, and its release.
inline void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

inline void DoubleClickRow(MainWindowFixture& f, int row) { DoubleClick(ListView(f)->viewport(), RowPoint(f, row)); }

// The in-place editor of the content list while it is open, else null.
inline QLineEdit* RowEditor(MainWindowFixture& f) {
    auto* editor = ListView(f)->viewport()->findChild<QLineEdit*>();
    return editor && editor->isVisible() ? editor : nullptr;
}

// The in-place editor once it has opened.
inline QLineEdit* OpenedRowEditor(MainWindowFixture& f) {
    return QTest::qWaitFor([&] { return RowEditor(f) != nullptr; }) ? RowEditor(f) : nullptr;
}

// A click on the menu's title in the menu bar, then one on its item, with nothing in between: as
// fast as a user who knows where the item is.
inline void ClickMenuItem(MainWindowFixture& f, const char* menuName, const char* itemName) {
    QMenuBar* bar = f.window().menuBar();
    auto* menu = f.find<QMenu>(menuName);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    auto* item = menu->findChild<QAction*>(QString::fromLatin1(itemName));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
}

// Where the keyboard focus marks the row: the bounding box of the row's pixels that differ between
// the list drawn with the focus and drawn after the focus went to the tree; empty when the focus
// leaves no mark on the row. The list has the focus again afterwards.
inline QRect FocusMarkOfRow(MainWindowFixture& f, int row) {
    QAbstractItemView* list = ListView(f);
    const QRect rowRect =
        list->visualRect(list->model()->index(row, 0)).united(list->visualRect(list->model()->index(row, 1)));
    list->setFocus();
    const QImage focused = list->viewport()->grab().toImage();
    f.tree()->setFocus();
    const QImage unfocused = list->viewport()->grab().toImage();
    list->setFocus();
    const qreal ratio = focused.devicePixelRatio();
    QRect mark;
    for (int y = rowRect.top(); y <= rowRect.bottom(); ++y)
        for (int x = rowRect.left(); x <= rowRect.right(); ++x)
            if (focused.pixel(QPoint(x, y) * ratio) != unfocused.pixel(QPoint(x, y) * ratio))
                mark |= QRect(x, y, 1, 1);
    return mark;
}

// Triggers the action once the enabled states are up to date; false when it is disabled.
inline bool Trigger(MainWindowFixture& f, const char* action) {
    QAction* a = f.action(action);
    if (!a || !a->isEnabled())
        return false;
    a->trigger();
    return true;
}

// What the user does in the insert dialog; it runs inside the dialog's own event loop.
using DialogAct = std::function<void(vq::TfrmInsert&)>;

template <typename T>
T* DialogChild(vq::TfrmInsert& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

inline void TypePlainLines(vq::TfrmInsert& dialog, const QStringList& lines) {
    auto* text = DialogChild<QPlainTextEdit>(dialog, "mmText");
    QTest::mouseClick(dialog.findChild<QTabWidget*>("pcPages")->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      dialog.findChild<QTabWidget*>("pcPages")->tabBar()->tabRect(0).center());
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, lines[i]);
    }
}

// A click on the box itself: a check box reacts only to clicks on its box and caption.
inline void Toggle(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

inline void ClickOk(vq::TfrmInsert& dialog) {
    QTest::mouseClick(DialogChild<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
}

inline void ClickCancel(vq::TfrmInsert& dialog) {
    QTest::mouseClick(DialogChild<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
}

// Triggers the action and lets `act` work the insert dialog it opens; false when the action was
// disabled or no insert dialog came up.
inline bool WithInsertDialog(MainWindowFixture& f, const char* action, DialogAct act) {
    QAction* a = f.action(action);
    if (!a || !a->isEnabled())
        return false;
    // Shared, and the act copied: a dialog that never comes leaves the wait running after we return.
    auto shown = std::make_shared<bool>(false);
    OnNextModal([shown, act](QWidget* modal) {
        auto* dialog = qobject_cast<vq::TfrmInsert*>(modal);
        if (!dialog)
            return;
        *shown = true;
        act(*dialog);
        if (dialog->isVisible())  // a refusal keeps it open: the user gives up
            dialog->reject();
    });
    a->trigger();
    return *shown;
}

}  // namespace vqtest
