// Undo and redo in the real window, with the keys a user presses: Ctrl+Z takes each kind of
// command back (rows, check marks, colours, the tree's red nodes, the target text), Ctrl+Y and
// Ctrl+Shift+Z make it again; the Edit menu names the step and disables what cannot be done;
// the caption and Save follow the saved state; the log records both; a reload over unsaved
// changes is taken back too.
#include "ListGestures.h"

#include "core/TextFormat.h"

#include <QMenu>

using namespace vqtest;

namespace {

QByteArray File() {
    return "[PHP]\n"
           "engine = On\n"
           ";short_open_tag = Off\n"
           "precision = 14\n"
           "\n"
           "[Session]\n"
           "session.use_cookies = 1\n";
}

// Everything the window shows of the document, and the nodes drawn red.
QStringList Shown(MainWindowFixture& f) {
    QStringList shown = f.column(0) + f.column(1) + f.targetLines() + f.treeOutline();
    for (const bool checked : f.checked())
        shown << (checked ? "checked" : "unchecked");
    for (int row = 0; row < f.list()->model()->rowCount(); ++row)
        shown << f.list()->model()->index(row, 0).data(Qt::BackgroundRole).toString();
    QAbstractItemModel* tree = f.tree()->model();
    const auto red = [&](const QModelIndex& node) {
        if (node.data(Qt::ForegroundRole).isValid())
            shown << "red: " + node.data().toString();
    };
    for (int top = 0; top < tree->rowCount(); ++top) {
        const QModelIndex section = tree->index(top, 0);
        red(section);
        for (int child = 0; child < tree->rowCount(section); ++child)
            red(tree->index(child, 0, section));
    }
    shown << f.find<QWidget>("TabSheet1")->statusTip();
    return shown;
}

void Press(MainWindowFixture& f, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(f.list(), key, modifiers);
}

// The check box of a row, where a user clicks it.
QPoint CheckBoxPoint(MainWindowFixture& f, int row) {
    vq::ContentListView* list = f.list();
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualRect(list->model()->index(row, 0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list).center();
}

// The Edit menu's items, as the user finds them on opening it.
QAction* Item(MainWindowFixture& f, const char* name) {
    f.action("actUndo");  // the enabled states catch up first
    return f.find<QMenu>("mnuEdit")->findChild<QAction*>(QString::fromLatin1(name));
}

QStringList NewLog(MainWindowFixture& f, qsizetype from) { return f.logEntries().mid(from); }

using Command = std::function<void(MainWindowFixture&)>;

}  // namespace

Q_DECLARE_METATYPE(Command)

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void keysTakeBackAndRedo_data();
    void keysTakeBackAndRedo();
    void keysAfterLookingAtTheMenu();
    void nothingToUndoOrRedo();
    void savedStateFollowsUndo();
    void reloadOverChangesIsUndone();
};

void TestUndo::keysTakeBackAndRedo_data() {
    QTest::addColumn<Command>("prepare");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("step");
    const Command nothing = [](MainWindowFixture&) {};
    QTest::newRow("comment") << nothing << Command([](MainWindowFixture& f) {
        SelectRows(f, {1, 3});
        QVERIFY(Trigger(f, "actRemLine"));
    }) << "注释选定行";
    QTest::newRow("delete, nodes red") << nothing << Command([](MainWindowFixture& f) {
        SelectRows(f, {1, 6});
        QVERIFY(Trigger(f, "actDelLine"));
    }) << "删除选定行";
    QTest::newRow("check box") << nothing << Command([](MainWindowFixture& f) {
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxPoint(f, 1));
        QCOMPARE(f.checked().at(1), false);
    }) << "取消钩选";
    QTest::newRow("edit in place") << nothing << Command([](MainWindowFixture& f) {
        DoubleClickRow(f, 3);
        QLineEdit* editor = OpenedRowEditor(f);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "precision = 17");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(f.column(0).at(3), QString("precision = 17"));
    }) << "编辑选定行";
    QTest::newRow("insert below") << nothing << Command([](MainWindowFixture& f) {
        ClickRow(f, 0);
        QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
            TypePlainLines(d, {"; added", "extension=gd"});
            ClickOk(d);
        }));
    }) << "向下插入项";
    QTest::newRow("dialog edit") << nothing << Command([](MainWindowFixture& f) {
        SelectRows(f, {6});
        QVERIFY(WithInsertDialog(f, "actEditLine", [](vq::TfrmInsert& d) {
            auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
            QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(text, ";session.use_cookies = 0");
            ClickOk(d);
        }));
    }) << "编辑选定行";
    QTest::newRow("extract checked") << nothing << Command([](MainWindowFixture& f) {
        f.platform.queueConfirm(vq::Platform::Answer::Ok);
        QVERIFY(Trigger(f, "actSaveSel"));
    }) << "提取钩选项";
    QTest::newRow("refresh") << Command([](MainWindowFixture& f) {
        SelectRows(f, {2});
        QVERIFY(Trigger(f, "actUnRem"));
        SelectRows(f, {5});
        QVERIFY(Trigger(f, "actDelLine"));
    }) << Command([](MainWindowFixture& f) { QVERIFY(Trigger(f, "actRefreshTree")); })
                             << "刷新目录树";
    QTest::newRow("restore all") << Command([](MainWindowFixture& f) {
        SelectRows(f, {1, 3});
        QVERIFY(Trigger(f, "actRemLine"));
    }) << Command([](MainWindowFixture& f) {
        f.platform.queueConfirm(vq::Platform::Answer::Ok);
        QVERIFY(Trigger(f, "actRestore"));
    }) << "恢复所有行";
}

void TestUndo::keysTakeBackAndRedo() {
    QFETCH(Command, prepare);
    QFETCH(Command, command);
    QFETCH(QString, step);
    MainWindowFixture f;
    const QString path = f.writeFile("php.ini", File());
    vq::TfrmMain& w = f.start({path});
    QVERIFY(f.showActive());
    prepare(f);
    const QStringList before = Shown(f);
    const QString title = w.windowTitle();
    const bool saveBefore = f.action("actSave")->isEnabled();
    command(f);
    // A closed dialog gives the window its activation back; the offscreen platform leaves that to us.
    w.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    const QStringList after = Shown(f);
    QVERIFY(after != before);
    QCOMPARE(Item(f, "mnuUndo")->text(), "撤销 " + step);
    QVERIFY(Item(f, "mnuUndo")->isEnabled());
    QVERIFY(!Item(f, "mnuRedo")->isEnabled());
    const QString titleAfter = w.windowTitle();

    f.list()->setFocus();
    qsizetype logged = f.logEntries().size();
    Press(f, Qt::Key_Z);
    QCOMPARE(Shown(f), before);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(f.action("actSave")->isEnabled(), saveBefore);
    QCOMPARE(Item(f, "mnuRedo")->text(), "重做 " + step);
    QVERIFY(Item(f, "mnuRedo")->isEnabled());
    QStringList entries = NewLog(f, logged);
    QVERIFY2(!entries.isEmpty() && entries.first().contains("撤销 " + step), qPrintable(entries.join('\n')));

    logged = f.logEntries().size();
    Press(f, Qt::Key_Y);
    QCOMPARE(Shown(f), after);
    QCOMPARE(w.windowTitle(), titleAfter);
    QVERIFY(!Item(f, "mnuRedo")->isEnabled());
    entries = NewLog(f, logged);
    QVERIFY2(!entries.isEmpty() && entries.first().contains("重做 " + step), qPrintable(entries.join('\n')));

    Press(f, Qt::Key_Z);
    QCOMPARE(Shown(f), before);
    Press(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Shown(f), after);
}

// The user opens the Edit menu to read what Ctrl+Z would take back, leaves it with Esc (the menu
// bar keeps the focus) and presses the keys.
void TestUndo::keysAfterLookingAtTheMenu() {
    MainWindowFixture f;
    const QString path = f.writeFile("php.ini", File());
    f.start({path});
    QVERIFY(f.showActive());
    SelectRows(f, {1});
    QVERIFY(Trigger(f, "actRemLine"));
    QTest::keyClick(&f.window(), Qt::Key_E, Qt::AltModifier);
    auto* menu = f.find<QMenu>("mnuEdit");
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(Item(f, "mnuUndo")->text(), QString("撤销 注释选定行"));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.column(0).at(1), QString("engine = On"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(f.column(0).at(1), QString(";engine = On"));
}

// A new document, and a document taken back to where it was opened: nothing to undo or redo.
void TestUndo::nothingToUndoOrRedo() {
    MainWindowFixture f;
    f.start();
    QVERIFY(f.showActive());
    QCOMPARE(Item(f, "mnuUndo")->text(), QString("撤销"));
    QVERIFY(!Item(f, "mnuUndo")->isEnabled());
    QCOMPARE(Item(f, "mnuRedo")->text(), QString("重做"));
    QVERIFY(!Item(f, "mnuRedo")->isEnabled());
    const qsizetype logged = f.logEntries().size();
    Press(f, Qt::Key_Z);
    Press(f, Qt::Key_Y);
    QCOMPARE(f.logEntries().size(), logged);

    const QString path = f.writeFile("php.ini", File());
    f.files().OpenDocument(path);
    SelectRows(f, {1});
    QVERIFY(Trigger(f, "actRemLine"));
    QVERIFY(Item(f, "mnuUndo")->isEnabled());
    f.platform.queueConfirm(vq::Platform::Answer::No);
    f.files().OpenDocument(path);  // the file again, the change dropped: a new history
    QVERIFY(!Item(f, "mnuUndo")->isEnabled());
}

// Saved after a comment: undo marks the document changed, redo back at the saved state clears it.
void TestUndo::savedStateFollowsUndo() {
    MainWindowFixture f;
    const QString path = f.writeFile("php.ini", File());
    vq::TfrmMain& w = f.start({path});
    QVERIFY(f.showActive());
    SelectRows(f, {1});
    QVERIFY(Trigger(f, "actRemLine"));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    Press(f, Qt::Key_Z);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!f.action("actSave")->isEnabled());
    Press(f, Qt::Key_Y);
    QVERIFY(f.action("actSave")->isEnabled());
    Press(f, Qt::Key_S);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QCOMPARE(MainWindowFixture::readBytes(path), QByteArray(File()).replace("engine", ";engine"));

    Press(f, Qt::Key_Z);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QVERIFY(f.action("actSave")->isEnabled());
    Press(f, Qt::Key_Y);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(!f.action("actSave")->isEnabled());
}

// "No" to the save question drops the changes for the file on disk; Ctrl+Z brings them back.
void TestUndo::reloadOverChangesIsUndone() {
    MainWindowFixture f;
    const QString path = f.writeFile("php.ini", File());
    vq::TfrmMain& w = f.start({path});
    QVERIFY(f.showActive());
    SelectRows(f, {1, 3});
    QVERIFY(Trigger(f, "actRemLine"));
    const QStringList changed = Shown(f);
    f.writeFile("php.ini", "[PHP]\nengine = Off\n");
    f.platform.queueConfirm(vq::Platform::Answer::No);
    QVERIFY(Trigger(f, "actReload"));
    f.waitForLoad();
    QCOMPARE(f.column(0), QStringList({"[PHP]", "engine = Off"}));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QCOMPARE(Item(f, "mnuUndo")->text(), QString("撤销 重载本文件"));

    const qsizetype logged = f.logEntries().size();
    Press(f, Qt::Key_Z);
    QCOMPARE(Shown(f), changed);
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QVERIFY(f.action("actSave")->isEnabled());
    QCOMPARE(NewLog(f, logged), QStringList({"(0)撤销 重载本文件: <<操作开始>>", "(-1)<<共撤销了 7 行>>",
                                             "(0)撤销 重载本文件: <<操作结束>>"}));
    QVERIFY(!Item(f, "mnuUndo")->isEnabled());
    Press(f, Qt::Key_Y);
    QCOMPARE(f.column(0), QStringList({"[PHP]", "engine = Off"}));
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
}

QTEST_MAIN(TestUndo)
#include "UndoTest.moc"
