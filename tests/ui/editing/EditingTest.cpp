// The editing commands in the real window, driven as a user drives them: a whole session of
// comment, uncomment, insert, restore all, in-place and dialog edits, delete and restore, saved
// and compared byte for byte; the commands' enabled rules; the log blocks they write.
#include "ListGestures.h"

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"

#include <QTabBar>

using namespace vqtest;

namespace {

// A php.ini piece: CR LF breaks, one LF line, a blank line, and no break after the last line.
QByteArray SessionFile() {
    return "[PHP]\r\n"
           "engine = On\r\n"
           ";short_open_tag = Off\r\n"
           "precision = 14\n"
           "\r\n"
           "[Session]\r\n"
           "session.save_handler = files\r\n"
           ";session.save_path = \"/tmp\"\r\n"
           "session.use_cookies = 1";
}

QByteArray Expected(const char* name) {
    return MainWindowFixture::readBytes(QFINDTESTDATA(QString("expected/") + name));
}

QStringList Rows(const MainWindowFixture& f) { return f.column(0); }

}  // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void sessionSavesExpectedBytes();
    void enabledRules_data();
    void enabledRules();
    void commandAtOnceAfterTheSelectionChanged();
    void commentBlockInLog_data();
    void commentBlockInLog();
    void restoreAllAsksFirst();
    void deleteMovesTheFocusToTheNextRow_data();
    void deleteMovesTheFocusToTheNextRow();
    void insertIntoEmptyDocument();
    void selectAllIsOneRange();
};

void TestEditing::sessionSavesExpectedBytes() {
    MainWindowFixture f;
    const QString file = f.writeFile("php.ini", SessionFile());
    f.start({file});
    f.show();

    // Comment two rows chosen with Ctrl.
    SelectRows(f, {1, 3});
    QVERIFY(Trigger(f, "actRemLine"));
    QCOMPARE(Rows(f).mid(1, 3), QStringList({";engine = On", ";short_open_tag = Off", ";precision = 14"}));

    // Uncomment one row.
    ClickRow(f, 7);
    QVERIFY(Trigger(f, "actUnRem"));
    QCOMPARE(Rows(f).at(7), QString("session.save_path = \"/tmp\""));

    // A line below the first row.
    ClickRow(f, 0);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"; added"});
        ClickOk(d);
    }));
    QCOMPARE(Rows(f).at(1), QString("; added"));
    QCOMPARE(f.column(1).at(1), QString::fromUtf8(vq::texts::kNewLineMark));

    // Restore all: Cancel keeps everything, OK takes every change back.
    const QStringList before = Rows(f);
    f.platform.queueConfirm(vq::Platform::Answer::Cancel);
    QVERIFY(Trigger(f, "actRestore"));
    QCOMPARE(Rows(f), before);
    f.platform.queueConfirm(vq::Platform::Answer::Ok);
    QVERIFY(Trigger(f, "actRestore"));
    QCOMPARE(f.doc().saveBytes(), SessionFile().toStdString());

    // Two lines above [Session].
    ClickRow(f, 5);
    QVERIFY(WithInsertDialog(f, "actInsertLine", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"extension=gd", "extension=zip"});
        ClickOk(d);
    }));

    // A framed title below the last row, of the pattern's title type.
    ClickRow(f, 10);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        auto* pages = DialogChild<QTabWidget>(d, "pcPages");
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, Qt::NoModifier, pages->tabBar()->tabRect(1).center());
        QCOMPARE(DialogChild<QComboBox>(d, "cboTitleType")->currentIndex(), 3);
        QVERIFY(DialogChild<QCheckBox>(d, "chkAddRem")->isChecked());
        QTest::keyClicks(DialogChild<QLineEdit>(d, "leTitle"), "Proxy");
        QTest::keyClick(DialogChild<QLineEdit>(d, "leTitle"), Qt::Key_Return);  // the default button
    }));
    QCOMPARE(Rows(f).mid(11), QStringList({";;;;;;", ";Proxy", ";;;;;;"}));

    // In place: typed and confirmed on one row, typed and abandoned with Esc on another.
    DoubleClickRow(f, 3);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "precision = 17");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(Rows(f).at(3), QString("precision = 17"));
    DoubleClickRow(f, 1);
    editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClicks(editor, "zzz");
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!RowEditor(f));
    QCOMPARE(Rows(f).at(1), QString("engine = On"));

    // The dialog edit of two rows into three.
    ClickRow(f, 8);
    ClickRow(f, 9, Qt::ShiftModifier);
    QVERIFY(WithInsertDialog(f, "actEditLine", [](vq::TfrmInsert& d) {
        auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
        QCOMPARE(text->toPlainText(), QString("session.save_handler = files\n;session.save_path = \"/tmp\""));
        QCOMPARE(d.windowTitle(), QString::fromUtf8(vq::texts::kCapEditLine));
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, "session.save_handler = redis");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, ";session.save_path = \"tcp://127.0.0.1\"");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "session.name = VQ");
        ClickOk(d);
    }));

    // Delete the blank row, then restore an inserted and an edited row.
    ClickRow(f, 4);
    QVERIFY(Trigger(f, "actDelLine"));
    SelectRows(f, {5, 7});
    QVERIFY(Trigger(f, "actRestoreLine"));

    // Comment from the list's pop-up menu.
    ClickRow(f, 1);
    QAction* popupItem = f.find<QAction>("N10");
    QVERIFY(popupItem && popupItem->isEnabled());
    popupItem->trigger();

    const QString path = f.path("saved.ini");
    f.platform.queueSaveFileName(path);
    QVERIFY(Trigger(f, "actSaveAs"));
    QCOMPARE(MainWindowFixture::readBytes(path), Expected("session.ini"));

    const QString open = f.logEntries().first();
    QCOMPARE(f.logEntries(), QStringList({
                                 open,
                                 "(0)注释选定行(&R): <<操作开始>>",
                                 "(2)注释选定行(&R): engine = On",
                                 "(4)注释选定行(&R): precision = 14",
                                 "(-1)<<选择 2 行，注释 2 行>>",
                                 "(0)注释选定行(&R): <<操作结束>>",
                                 "(8)取消注释(&C): ;session.save_path = \"/tmp\"",
                                 "(2)向下插入项(&D) ...: ; added",
                                 "(0)恢复所有行(&O) ...: <<操作开始>>",
                                 "(2)删除: ; added",
                                 "(2)恢复: ;engine = On",
                                 "(4)恢复: ;precision = 14",
                                 "(8)恢复: session.save_path = \"/tmp\"",
                                 "(-1)<<共恢复了 4 行>>",
                                 "(0)恢复所有行(&O) ...: <<操作结束>>",
                                 "(6)向上插入项(&U) ...: extension=gd",
                                 "(7)向上插入项(&U) ...: extension=zip",
                                 "(12)向下插入项(&D) ...: ;;;;;;",
                                 "(13)向下插入项(&D) ...: ;Proxy",
                                 "(14)向下插入项(&D) ...: ;;;;;;",
                                 "(4)编辑选定行(&E) ...: precision = 14",
                                 "(9)编辑选定行(&E) ...: session.save_handler = redis",
                                 "(10)编辑选定行(&E) ...: ;session.save_path = \"tcp://127.0.0.1\"",
                                 "(11)编辑选定行(&E) ...: session.name = VQ",
                                 "(5)删除选定行(&T)",
                                 "(0)恢复选定行(&L): <<操作开始>>",
                                 "(6)恢复选定行(&L): <<删除>>extension=zip",
                                 "(8)恢复选定行(&L): session.save_handler = redis",
                                 "(-1)<<选择 2 行，恢复 2 行>>",
                                 "(0)恢复选定行(&L): <<操作结束>>",
                                 "(2)注释选定行(&R): engine = On",
                             }));
    QVERIFY(f.platform.messages().isEmpty());
}

// Which commands a selection allows, with the php.ini pattern (";" comments).
void TestEditing::enabledRules_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");
    const QStringList always{"actInsertLineDn", "actRestore"};
    const QStringList rowCommands{"actInsertLine", "actEditLine", "actDelLine", "actRestoreLine"};
    QTest::newRow("one key line") << QList<int>{1} << QStringList{"actRemLine"} + rowCommands + always
                                  << QStringList{"actUnRem"};
    QTest::newRow("one comment") << QList<int>{2} << QStringList{"actUnRem"} + rowCommands + always
                                 << QStringList{"actRemLine"};
    QTest::newRow("two comments") << QList<int>{2, 7} << QStringList{"actRemLine", "actUnRem"} + rowCommands + always
                                  << QStringList{};
    QTest::newRow("nothing selected") << QList<int>{} << always << QStringList{"actRemLine", "actUnRem"} + rowCommands;
}

void TestEditing::enabledRules() {
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    MainWindowFixture f;
    f.start({f.writeFile("php.ini", SessionFile())});
    f.show();
    ListView(f)->clearSelection();
    bool first = true;
    for (int row : rows) {
        ClickRow(f, row, first ? Qt::NoModifier : Qt::ControlModifier);
        first = false;
    }
    for (const QString& name : enabled)
        QVERIFY2(f.action(name.toLatin1())->isEnabled(), qPrintable(name));
    for (const QString& name : disabled)
        QVERIFY2(!f.action(name.toLatin1())->isEnabled(), qPrintable(name));
}

// A command chosen at once after the selection changed, before the program was idle, follows
// that selection: nine rows, the first a comment, commented from the Edit menu.
void TestEditing::commandAtOnceAfterTheSelectionChanged() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[s]\r\n;c=0\r\n" + Join(Lines(8)))});
    f.show();
    ClickRow(f, 1);
    QVERIFY(!f.action("actRemLine")->isEnabled());  // a comment alone
    ClickRow(f, 9, Qt::ShiftModifier);
    ClickMenuItem(f, "mnuEdit", "N6");
    QTRY_COMPARE(Rows(f).mid(1),
                 QStringList({";c=0", ";k0=0", ";k1=1", ";k2=2", ";k3=3", ";k4=4", ";k5=5", ";k6=6", ";k7=7"}));
    QCOMPARE(f.logEntries().last(), QString("(0)注释选定行(&R): <<操作结束>>"));
}

// A command over several rows frames its entries; over one row it writes the entry alone.
void TestEditing::commentBlockInLog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<bool>>("checked");
    QTest::newRow("comment three, one a comment already")
        << "actRemLine" << QList<int>{1, 2, 3}
        << QStringList{"(0)注释选定行(&R): <<操作开始>>", "(2)注释选定行(&R): engine = On",
                       "(4)注释选定行(&R): precision = 14", "(-1)<<选择 3 行，注释 2 行>>",
                       "(0)注释选定行(&R): <<操作结束>>"}
        << QList<bool>{false, false, false};
    QTest::newRow("comment one") << "actRemLine" << QList<int>{3} << QStringList{"(4)注释选定行(&R): precision = 14"}
                                 << QList<bool>{false};
    QTest::newRow("uncomment two, one without a sign")
        << "actUnRem" << QList<int>{2, 3}
        << QStringList{"(0)取消注释(&C): <<操作开始>>", "(3)取消注释(&C): ;short_open_tag = Off",
                       "(-1)<<选择 2 行，取消注释 1 行>>", "(0)取消注释(&C): <<操作结束>>"}
        << QList<bool>{true, true};
    QTest::newRow("delete two") << "actDelLine" << QList<int>{4, 6}
                                << QStringList{"(0)删除选定行(&T): <<操作开始>>", "(5)删除选定行(&T)",
                                               "(7)删除选定行(&T): session.save_handler = files",
                                               "(-1)<<选择 2 行，删除 2 行>>", "(0)删除选定行(&T): <<操作结束>>"}
                                << QList<bool>{};
}

void TestEditing::commentBlockInLog() {
    QFETCH(QString, action);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, entries);
    QFETCH(QList<bool>, checked);
    MainWindowFixture f;
    f.start({f.writeFile("php.ini", SessionFile())});
    f.show();
    const qsizetype logged = f.logEntries().size();
    bool first = true;
    for (int row : rows) {
        ClickRow(f, row, first ? Qt::NoModifier : Qt::ControlModifier);
        first = false;
    }
    QVERIFY(Trigger(f, action.toLatin1()));
    QCOMPARE(f.logEntries().mid(logged), entries);
    for (int i = 0; i < checked.size(); ++i)
        QCOMPARE(f.checked().at(rows[i]), checked[i]);
    QVERIFY(f.doc().modified());
}

// After 删除选定行 the row that took the place of the deleted ones is the selected row with the
// keyboard focus, the last row when they were the last; no frame is left on the row above them.
void TestEditing::deleteMovesTheFocusToTheNextRow_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("focused");
    QTest::newRow("rows 3 to 5 of 9") << 3 << 5 << 3;
    QTest::newRow("the last two rows") << 7 << 8 << 6;
}

void TestEditing::deleteMovesTheFocusToTheNextRow() {
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, focused);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", Join(Lines(9)))});
    QVERIFY(f.showActive());
    ClickRow(f, first);
    ClickRow(f, last, Qt::ShiftModifier);
    ClickMenuItem(f, "mnuEdit", "mnuDelLine");
    QTRY_COMPARE(Rows(f).size(), 9 - (last - first + 1));
    QCOMPARE(ListView(f)->currentIndex().row(), focused);
    QCOMPARE(f.selectedRows(), QList<int>{focused});
    if (focused > 0)
        QVERIFY(FocusMarkOfRow(f, focused - 1).isEmpty());
    QVERIFY(!FocusMarkOfRow(f, focused).isEmpty());
}

void TestEditing::restoreAllAsksFirst() {
    MainWindowFixture f;
    f.start({f.writeFile("php.ini", SessionFile())});
    f.show();
    QVERIFY(Trigger(f, "actRestore"));  // no answer queued: Cancel
    const auto& asked = f.platform.shown().last();
    QCOMPARE(asked.kind, ScriptedPlatform::Kind::Confirm);
    QCOMPARE(asked.title, QString("Confirm"));
    QCOMPARE(asked.text, QString::fromUtf8("确定要\"恢复所有行\"吗?"));
    QCOMPARE(f.logEntries().size(), 1);
    // Without changes it still writes its frame, with nothing restored.
    f.platform.queueConfirm(vq::Platform::Answer::Ok);
    QVERIFY(Trigger(f, "actRestore"));
    QCOMPARE(f.logEntries().mid(1), QStringList({"(0)恢复所有行(&O) ...: <<操作开始>>", "(-1)<<共恢复了 0 行>>",
                                                 "(0)恢复所有行(&O) ...: <<操作结束>>"}));
}

// After New only "insert below" is possible; the lines become the first rows and the text.
void TestEditing::insertIntoEmptyDocument() {
    MainWindowFixture f;
    f.start();
    f.show();
    QVERIFY(!f.action("actInsertLine")->isEnabled());
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"[a]", "", "k=1"});
        ClickOk(d);
    }));
    QCOMPARE(Rows(f), QStringList({"[a]", "", "k=1"}));
    QCOMPARE(f.checked(), QList<bool>({true, true, true}));
    QCOMPARE(f.doc().saveBytes(), std::string("[a]\r\n\r\nk=1\r\n"));
}

// Select all, then comment: every row, from one selection range.
void TestEditing::selectAllIsOneRange() {
    MainWindowFixture f;
    f.start({f.writeFile("php.ini", SessionFile())});
    f.show();
    ListView(f)->setFocus();
    QTest::keyClick(ListView(f), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(ListView(f)->selectionModel()->selection().size(), 1);
    QVERIFY(Trigger(f, "actRemLine"));
    QCOMPARE(f.logEntries().last(), QString("(0)注释选定行(&R): <<操作结束>>"));
    QCOMPARE(f.logEntries().at(f.logEntries().size() - 2), QString("(-1)<<选择 9 行，注释 7 行>>"));
}

QTEST_MAIN(TestEditing)
#include "EditingTest.moc"
