// The insert dialog as the user works it: the title types, forcing lines to comments, what the
// dialog keeps between uses, Esc, text the document's encoding cannot hold; and the dialog edit
// of a block of selected rows.
#include "ListGestures.h"

#include <QTextCursor>

#include "core/document/DocumentTexts.h"
#include "ui/editing/EditDialogTexts.h"

#include <QInputMethodEvent>
#include <QTabBar>

using namespace vqtest;

namespace {

QByteArray TenRows() { return "[a]\r\nk1=1\r\nk2=2\r\nk3=3\r\nk4=4\r\nk5=5\r\nk6=6\r\nk7=7\r\nk8=8\r\nk9=9\r\n"; }

void ShowPage(vq::TfrmInsert& d, int page) {
    QTabBar* bar = DialogChild<QTabWidget>(d, "pcPages")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
}

// Types text as an input method commits it: whole characters, emoji included.
void Commit(QWidget* widget, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

// The title signs "####" and "[end]" with title type 4 on the tool bar.
void UseEndSign(MainWindowFixture& f) {
    f.action("popTitleSign4")->trigger();
    f.action("popSignBegin")->trigger();
    f.find<QComboBox>("cboTitleSign")->setEditText("####");
    f.action("popSignEnd")->trigger();
    f.find<QComboBox>("cboTitleSign")->setEditText("[end]");
}

}  // namespace

class TestInsert : public QObject {
    Q_OBJECT
private slots:
    void titleTypes_data();
    void titleTypes();
    void forceComment();
    void forceCommentCaptionOnOneLine();
    void dialogKeepsItsContents();
    void escapeAndCancelChangeNothing();
    void refusesWhatTheEncodingCannotHold();
    void typedTextInTheDocumentsEncoding();
    void dialogEdit_data();
    void dialogEdit();
    void dialogEditOfNewRowKeepsItNew();
    void dialogEditShowsALoneCrAsAMark_data();
    void dialogEditShowsALoneCrAsAMark();
};

void TestInsert::titleTypes_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("addRem");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("0 no title: nothing") << 0 << "Proxy" << true << QStringList{};
    QTest::newRow("1 sign and title on one line") << 1 << "Proxy" << true << QStringList{"####Proxy"};
    QTest::newRow("1 with an empty title") << 1 << "" << true << QStringList{"####"};
    QTest::newRow("2 sign line, then the title") << 2 << "Proxy" << true << QStringList{"####", ";Proxy"};
    QTest::newRow("2 without the comment sign") << 2 << "Proxy" << false << QStringList{"####", "Proxy"};
    QTest::newRow("3 the same sign around") << 3 << "Proxy" << true << QStringList{"####", ";Proxy", "####"};
    QTest::newRow("3 a comment title keeps its sign") << 3 << ";Proxy" << true << QStringList{"####", ";Proxy", "####"};
    QTest::newRow("4 begin and end signs") << 4 << "Proxy" << true << QStringList{"####", ";Proxy", "[end]"};
}

// Inserted below row 0 from the title page, with the title type chosen in the dialog.
void TestInsert::titleTypes() {
    QFETCH(int, type);
    QFETCH(QString, title);
    QFETCH(bool, addRem);
    QFETCH(QStringList, rows);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    UseEndSign(f);
    ClickRow(f, 0);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [&](vq::TfrmInsert& d) {
        ShowPage(d, 1);
        QVERIFY(!DialogChild<QCheckBox>(d, "chkAllRem")->isEnabled());
        DialogChild<QComboBox>(d, "cboTitleType")->setCurrentIndex(type);
        QTest::keyClicks(DialogChild<QLineEdit>(d, "leTitle"), title);
        if (DialogChild<QCheckBox>(d, "chkAddRem")->isChecked() != addRem)
            Toggle(DialogChild<QCheckBox>(d, "chkAddRem"));
        ClickOk(d);
    }));
    QCOMPARE(f.column(0).mid(1, rows.size()), rows);
    QCOMPARE(f.column(0).size(), 10 + rows.size());
    // Under the comment sign ";" a sign line "####" is no comment: it is checked.
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(f.checked().at(1 + i), !rows[i].startsWith(';'));
        QCOMPARE(f.column(1).at(1 + i), QString::fromUtf8(vq::texts::kNewLineMark));
    }
    QCOMPARE(f.logEntries().size(), 1 + rows.size());
}

// "将每行强迫为注释": every line that is not a comment gets the sign; a blank line becomes the sign.
void TestInsert::forceComment() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    ClickRow(f, 2);
    QVERIFY(WithInsertDialog(f, "actInsertLine", [](vq::TfrmInsert& d) {
        ShowPage(d, 0);
        QVERIFY(DialogChild<QCheckBox>(d, "chkAllRem")->isEnabled());
        Toggle(DialogChild<QCheckBox>(d, "chkAllRem"));
        TypePlainLines(d, {"x=1", "", ";y=2"});
        ClickOk(d);
    }));
    QCOMPARE(f.column(0).mid(2, 4), QStringList({";x=1", ";", ";y=2", "k2=2"}));
    QCOMPARE(f.checked().mid(2, 3), QList<bool>({false, false, false}));
    QCOMPARE(f.logEntries().mid(1),
             QStringList({"(3)向上插入项(&U) ...: ;x=1", "(4)向上插入项(&U) ...: ;", "(5)向上插入项(&U) ...: ;y=2"}));
}

// The check box's caption "将每行强迫为注释" stands whole on one line beside the text box.
void TestInsert::forceCommentCaptionOnOneLine() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    ClickRow(f, 2);
    QVERIFY(WithInsertDialog(f, "actInsertLine", [](vq::TfrmInsert& d) {
        auto* box = DialogChild<QCheckBox>(d, "chkAllRem");
        QCOMPARE(box->text(), QString::fromUtf8(vq::texts::kInsertAllRem));
        QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(QString::number(box->width())));
        QVERIFY(box->height() < 2 * box->fontMetrics().height());
        ClickCancel(d);
    }));
}

// The dialog is made once: the title, the check boxes and the page stay as the user left them;
// each command empties the text box and presets the title type from the tool bar.
void TestInsert::dialogKeepsItsContents() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    ClickRow(f, 1);
    vq::TfrmInsert* first = nullptr;
    QVERIFY(WithInsertDialog(f, "actInsertLine", [&](vq::TfrmInsert& d) {
        first = &d;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("向上插入项(&U) ..."));
        QTest::keyClicks(DialogChild<QPlainTextEdit>(d, "mmText"), "typed");
        Toggle(DialogChild<QCheckBox>(d, "chkAllRem"));
        ShowPage(d, 1);
        QTest::keyClicks(DialogChild<QLineEdit>(d, "leTitle"), "Kept");
        Toggle(DialogChild<QCheckBox>(d, "chkAddRem"));
        DialogChild<QComboBox>(d, "cboTitleType")->setCurrentIndex(1);
        ClickCancel(d);
    }));
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [&](vq::TfrmInsert& d) {
        QCOMPARE(&d, first);
        QCOMPARE(d.windowTitle(), QString::fromUtf8("向下插入项(&D) ..."));
        QCOMPARE(DialogChild<QPlainTextEdit>(d, "mmText")->toPlainText(), QString());
        QCOMPARE(DialogChild<QTabWidget>(d, "pcPages")->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), DialogChild<QLineEdit>(d, "leTitle"));
        QCOMPARE(DialogChild<QLineEdit>(d, "leTitle")->text(), QString("Kept"));
        QVERIFY(!DialogChild<QCheckBox>(d, "chkAddRem")->isChecked());
        QVERIFY(DialogChild<QCheckBox>(d, "chkAllRem")->isChecked());
        QCOMPARE(DialogChild<QComboBox>(d, "cboTitleType")->currentIndex(), 3);  // php.ini's title type
        ClickCancel(d);
    }));
    QCOMPARE(f.column(0).size(), 10);
}

void TestInsert::escapeAndCancelChangeNothing() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    ClickRow(f, 3);
    for (const bool escape : {true, false}) {
        QVERIFY(WithInsertDialog(f, "actInsertLine", [escape](vq::TfrmInsert& d) {
            TypePlainLines(d, {"x=1", "y=2"});
            if (escape)
                QTest::keyClick(DialogChild<QPlainTextEdit>(d, "mmText"), Qt::Key_Escape);
            else
                ClickCancel(d);
            QVERIFY(!d.isVisible());
        }));
    }
    QCOMPARE(f.column(0).size(), 10);
    QCOMPARE(f.logEntries().size(), 1);
    QVERIFY(!f.doc().modified());
}

// A GBK file cannot hold an emoji: OK names it and keeps the dialog open with the text; nothing is
// inserted, nothing written as "?".
void TestInsert::refusesWhatTheEncodingCannotHold() {
    MainWindowFixture f;
    f.start({f.writeFile("gbk.ini", Gb18030("[中文]\r\n键=值\r\n"))});
    f.show();
    ClickRow(f, 1);
    bool stayedOpen = false;
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [&](vq::TfrmInsert& d) {
        auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
        QTest::keyClicks(text, "a=");
        Commit(text, QString::fromUtf8("\xF0\x9F\x98\x80"));  // 😀
        ClickOk(d);
        stayedOpen = d.isVisible() && text->toPlainText() == QString::fromUtf8("a=\xF0\x9F\x98\x80");
        ClickCancel(d);
    }));
    QVERIFY(stayedOpen);
    QCOMPARE(f.platform.messages(),
             QStringList(QString::fromUtf8("本文件的编码无法保存字符 \"\xF0\x9F\x98\x80\" (U+1F600)，未作任何修改。")));
    QCOMPARE(f.column(0).size(), 2);
    QCOMPARE(f.logEntries().size(), 1);
}

// Chinese text typed into a GBK file is written in GBK.
void TestInsert::typedTextInTheDocumentsEncoding() {
    MainWindowFixture f;
    f.start({f.writeFile("gbk.ini", Gb18030("[中文]\r\n键=值\r\n"))});
    f.show();
    ClickRow(f, 1);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        Commit(DialogChild<QPlainTextEdit>(d, "mmText"), QString::fromUtf8("名=张三"));
        ClickOk(d);
    }));
    QCOMPARE(QByteArray::fromStdString(f.doc().saveBytes()), Gb18030("[中文]\r\n键=值\r\n名=张三\r\n"));
}

// Rows chosen with Ctrl-clicks in order (the last click is the focused row; a row clicked twice
// ends focused but not selected), the lines typed in the dialog, the rows after it.
void TestInsert::dialogEdit_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("three rows into two: the top row goes")
        << QList<int>{2, 4, 3} << "k2=2\nk3=3\nk4=4" << QStringList{"a=1", "b=2"}
        << QStringList{"[a]", "k1=1", "a=1", "b=2", "k5=5"}
        << QStringList{"(3)编辑选定行(&E) ...: a=1", "(4)编辑选定行(&E) ...: b=2"};
    QTest::newRow("three rows into five: two new rows below")
        << QList<int>{2, 4, 3} << "k2=2\nk3=3\nk4=4" << QStringList{"a", "b", "c", "d", "e"}
        << QStringList{"[a]", "k1=1", "a", "b", "c", "d", "e", "k5=5"}
        << QStringList{"(3)编辑选定行(&E) ...: a", "(4)编辑选定行(&E) ...: b", "(5)编辑选定行(&E) ...: c",
                       "(6)编辑选定行(&E) ...: d", "(7)编辑选定行(&E) ...: e"};
    QTest::newRow("two runs: only the focused one")
        << QList<int>{2, 5} << "k5=5" << QStringList{"x=5"} << QStringList{"[a]", "k1=1", "k2=2", "k3=3", "k4=4", "x=5"}
        << QStringList{"(6)编辑选定行(&E) ...: x=5"};
    QTest::newRow("focused row not selected: the first selected row")
        << QList<int>{2, 3, 7, 7} << "k2=2\nk3=3" << QStringList{"y=2", "y=3"}
        << QStringList{"[a]", "k1=1", "y=2", "y=3", "k4=4"}
        << QStringList{"(3)编辑选定行(&E) ...: y=2", "(4)编辑选定行(&E) ...: y=3"};
    QTest::newRow("no lines: the block goes without an entry")
        << QList<int>{2, 3} << "k2=2\nk3=3" << QStringList{} << QStringList{"[a]", "k1=1", "k4=4", "k5=5"}
        << QStringList{};
}

void TestInsert::dialogEdit() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, shown);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, log);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    for (int i = 0; i < clicks.size(); ++i)
        ClickRow(f, clicks[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    QVERIFY(WithInsertDialog(f, "actEditLine", [&](vq::TfrmInsert& d) {
        auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
        QCOMPARE(DialogChild<QTabWidget>(d, "pcPages")->currentIndex(), 0);
        QCOMPARE(text->toPlainText(), shown);
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Delete);
        TypePlainLines(d, lines);
        ClickOk(d);
    }));
    QCOMPARE(f.column(0).mid(0, rows.size()), rows);
    QCOMPARE(f.logEntries().mid(1), log);
}

// Editing an inserted row keeps it new: sky blue and "<<新建行>>", the edited flag clear; a line
// made a comment or blank loses its check mark.
void TestInsert::dialogEditOfNewRowKeepsItNew() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", TenRows())});
    f.show();
    ClickRow(f, 0);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"n=1", "n=2"});
        ClickOk(d);
    }));
    ClickRow(f, 1);
    ClickRow(f, 3, Qt::ShiftModifier);  // two new rows and k1=1
    QVERIFY(WithInsertDialog(f, "actEditLine", [](vq::TfrmInsert& d) {
        auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
        text->selectAll();
        QTest::keyClick(text, Qt::Key_Delete);
        TypePlainLines(d, {";n=1", "", "k1=1"});
        ClickOk(d);
    }));
    QCOMPARE(f.column(0).mid(1, 3), QStringList({";n=1", "", "k1=1"}));
    QCOMPARE(f.checked().mid(1, 3), QList<bool>({false, false, true}));
    for (int row : {1, 2}) {
        QVERIFY(f.doc().isNewRow(row));
        QVERIFY(!f.doc().edited(row));
        QCOMPARE(f.column(1).at(row), QString::fromUtf8(vq::texts::kNewLineMark));
    }
    QVERIFY(f.doc().edited(3));
}

// A row with a lone CR in its text opens in the edit dialog as one line, the CR shown as the mark
// "↵"; OK without a change leaves every byte, and a line removed from the top leaves the line
// below it as it was, though that line holds the mark itself as a character. A line the user
// changed takes every mark in it as a CR.
void TestInsert::dialogEditShowsALoneCrAsAMark_data() {
    QTest::addColumn<QString>("edit");  // what the user does in the text box
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("OK at once") << "" << QByteArray("[a]\na=1\rb=2\n;c=\xE2\x86\xB5\nd=4\n");
    QTest::newRow("typed at the end") << "end" << QByteArray("[a]\na=1\rb=2\n;c=\rx\nd=4\n");
    QTest::newRow("the first line removed") << "first" << QByteArray("[a]\n;c=\xE2\x86\xB5\nd=4\n");
}

void TestInsert::dialogEditShowsALoneCrAsAMark() {
    QFETCH(QString, edit);
    QFETCH(QByteArray, saved);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[a]\na=1\rb=2\n;c=\xE2\x86\xB5\nd=4\n")});  // row 2 holds the mark itself
    QVERIFY(f.showActive());
    ClickRow(f, 1);
    ClickRow(f, 2, Qt::ShiftModifier);
    const QString mark = QStringLiteral("\u21B5");
    QString shown;
    int blocks = 0;
    QVERIFY(WithInsertDialog(f, "actEditLine", [&](vq::TfrmInsert& d) {
        auto* text = DialogChild<QPlainTextEdit>(d, "mmText");
        shown = text->toPlainText();
        blocks = text->blockCount();
        if (edit == "end") {
            text->moveCursor(QTextCursor::End);
            QTest::keyClicks(text, "x");
        } else if (edit == "first") {
            text->moveCursor(QTextCursor::Start);
            QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClick(text, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(text, Qt::Key_Delete);
        }
        ClickOk(d);
    }));
    QCOMPARE(shown, "a=1" + mark + "b=2\n;c=" + mark);
    QCOMPARE(blocks, 2);
    QCOMPARE(QByteArray::fromStdString(f.doc().saveBytes()), saved);
}

QTEST_MAIN(TestInsert)
#include "InsertTest.moc"
