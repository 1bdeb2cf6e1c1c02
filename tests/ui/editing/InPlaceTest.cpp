// Editing a row in place, as the user does it: a double click or Enter opens the editor on the
// first selected row, Enter confirms, Esc leaves no trace; texts that a row cannot hold are
// refused with a message. And the column-header clicks of the content list.
#include "ListGestures.h"

#include "core/document/DocumentTexts.h"
#include "core/editing/EditingTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QInputMethodEvent>

using namespace vqtest;

namespace {

QByteArray FiveRows() { return "[a]\r\nk1=1\nk2=2\r\n;k3=3\r\nk4=4\r\n"; }

QHeaderView* Header(MainWindowFixture& f) { return f.list()->horizontalHeader(); }

}  // namespace

class TestInPlace : public QObject {
    Q_OBJECT
private slots:
    void confirmedEdit_data();
    void confirmedEdit();
    void escapeLeavesNoTrace();
    void enterInTheListEditsFirstSelectedRow();
    void enterThatConfirmsDoesNotReopen();
    void onlyTheCaptionColumnIsEdited();
    void f2EditsTheFocusedRowsCaption();
    void secondClickOnTheCaption_data();
    void secondClickOnTheCaption();
    void loneCrShownAsAMark_data();
    void loneCrShownAsAMark();
    void refusals_data();
    void refusals();
    void newRowStaysNew();
    void columnHeaderClicks_data();
    void columnHeaderClicks();
};

// The row takes the text; it is marked edited and logged with its text before; its check mark
// and its line break stay.
void TestInPlace::confirmedEdit_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("entry");
    QTest::newRow("LF row") << 1 << "k1=11" << QByteArray("[a]\r\nk1=11\nk2=2\r\n;k3=3\r\nk4=4\r\n")
                            << "(2)编辑选定行(&E) ...: k1=1";
    // Marked and logged all the same, though the file does not change.
    QTest::newRow("unchanged text") << 2 << "k2=2" << FiveRows() << "(3)编辑选定行(&E) ...: k2=2";
    QTest::newRow("emptied") << 4 << "" << QByteArray("[a]\r\nk1=1\nk2=2\r\n;k3=3\r\n\r\n")
                             << "(5)编辑选定行(&E) ...: k4=4";
}

void TestInPlace::confirmedEdit() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    QFETCH(QString, entry);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    const bool checked = f.checked().at(row);
    DoubleClickRow(f, row);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!RowEditor(f));
    QCOMPARE(QByteArray::fromStdString(f.doc().saveBytes()), saved);
    QCOMPARE(f.logEntries().last(), entry);
    QVERIFY(f.doc().edited(row));
    QCOMPARE(f.checked().at(row), checked);
    QCOMPARE(f.doc().modified(), saved != FiveRows());
}

void TestInPlace::escapeLeavesNoTrace() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    DoubleClickRow(f, 1);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClicks(editor, "changed");
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!RowEditor(f));
    QCOMPARE(QByteArray::fromStdString(f.doc().saveBytes()), FiveRows());
    QCOMPARE(f.logEntries().size(), 1);
    QVERIFY(!f.doc().edited(1));
    QVERIFY(!f.doc().modified());
}

// Enter released in the list edits the first selected row, whichever row has the focus.
void TestInPlace::enterInTheListEditsFirstSelectedRow() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    SelectRows(f, {3, 1});
    QTest::keyClick(ListView(f), Qt::Key_Return);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("k1=1"));
    QTest::keyClick(editor, Qt::Key_Escape);
}

// The Enter that confirms the editor is released over the list: it must not open it again.
void TestInPlace::enterThatConfirmsDoesNotReopen() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    QVERIFY(f.showActive());
    DoubleClickRow(f, 2);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyPress(editor, Qt::Key_Return);
    QTRY_VERIFY(!RowEditor(f));
    QTRY_VERIFY(ListView(f)->hasFocus());
    QTest::keyRelease(ListView(f), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(!RowEditor(f));
}

void TestInPlace::onlyTheCaptionColumnIsEdited() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    const QModelIndex before = ListView(f)->model()->index(1, 1);
    QVERIFY(!(before.flags() & Qt::ItemIsEditable));
    QVERIFY(ListView(f)->model()->index(1, 0).flags() & Qt::ItemIsEditable);
    // A double click on column "修改前" edits the row's caption all the same.
    QAbstractItemView* list = ListView(f);
    DoubleClick(list->viewport(), list->visualRect(before).center());
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QVERIFY(editor->geometry().intersects(list->visualRect(list->model()->index(1, 0))));
    QTest::keyClick(editor, Qt::Key_Escape);
}

// F2, the list's own key for it, edits the caption of the row with the focus, also when the
// focus is on its column "修改前".
void TestInPlace::f2EditsTheFocusedRowsCaption() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    QAbstractItemView* list = ListView(f);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(3, 1)).center());
    QTest::keyClick(list, Qt::Key_F2);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString(";k3=3"));
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!RowEditor(f));
    QCOMPARE(f.doc().caption(3), std::string("k3=3"));
    QCOMPARE(f.logEntries().last(), QStringLiteral("(4)编辑选定行(&E) ...: ;k3=3"));
}

// A click on the caption of the row that is already the only selected one starts its edit, once
// the time for a double click has passed; a click elsewhere, or with other rows selected, does
// not.
void TestInPlace::secondClickOnTheCaption_data() {
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("edits");
    QTest::newRow("on the caption") << "caption" << true;
    QTest::newRow("on the check box") << "check box" << false;
    QTest::newRow("on column 修改前") << "column 1" << false;
    QTest::newRow("with two rows selected") << "two rows" << false;
    QTest::newRow("followed by a key") << "key" << false;
}

void TestInPlace::secondClickOnTheCaption() {
    QFETCH(QString, second);
    QFETCH(bool, edits);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    QAbstractItemView* list = ListView(f);
    ClickRow(f, 2);
    const QList<bool> checked = f.checked();
    const QRect caption = list->visualRect(list->model()->index(2, 0));
    if (second == "caption") {
        ClickRow(f, 2);
    } else if (second == "check box") {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(caption.left() + 8, caption.center().y()));
    } else if (second == "column 1") {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(2, 1)).center());
    } else if (second == "two rows") {
        ClickRow(f, 4, Qt::ControlModifier);
        ClickRow(f, 2);  // leaves row 2 the only selected one, as a first click would
    } else if (second == "key") {
        ClickRow(f, 2);
        QTest::keyClick(list, Qt::Key_Down);
    }
    if (edits) {
        QLineEdit* editor = OpenedRowEditor(f);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("k2=2"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!RowEditor(f));
        QCOMPARE(f.logEntries().size(), 1);
    } else {
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QVERIFY(!RowEditor(f));
        QCOMPARE(f.checked().at(2), second == "check box" ? !checked.at(2) : checked.at(2));
    }
}

// A lone CR in a row's text is one mark "↵" in the editor, on one line: Enter without a change
// leaves the row's bytes, and the mark, kept or typed, goes back as the CR. A row that holds the
// mark itself as a character keeps it when its text was not changed.
void TestInPlace::loneCrShownAsAMark_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");  // at the end of the text; empty: Enter at once
    QTest::addColumn<QByteArray>("saved");
    const QString mark = QStringLiteral("\u21B5");
    QTest::newRow("unchanged") << QByteArray("[a]\na=1\rb=2\nc=3\n") << "a=1" + mark + "b=2"
                               << "" << QByteArray("[a]\na=1\rb=2\nc=3\n");
    QTest::newRow("typed after it") << QByteArray("[a]\na=1\rb=2\nc=3\n") << "a=1" + mark + "b=2"
                                    << ";x" << QByteArray("[a]\na=1\rb=2;x\nc=3\n");
    QTest::newRow("a mark typed") << QByteArray("[a]\na=1\nc=3\n") << "a=1" << mark + "b"
                                  << QByteArray("[a]\na=1\rb\nc=3\n");
    // The CR at the end is kept by the CR LF after it.
    QTest::newRow("a mark typed at the end")
        << QByteArray("[a]\na=1\nc=3\n") << "a=1" << mark << QByteArray("[a]\na=1\r\r\nc=3\n");
    QTest::newRow("GBK file, unchanged") << Gb18030("[中]\r\n键=值\r注释\r\n")
                                         << QString::fromUtf8("键=值") + mark + "注释"
                                         << "" << Gb18030("[中]\r\n键=值\r注释\r\n");
    QTest::newRow("GBK file, typed after it")
        << Gb18030("[中]\r\n键=值\r注释\r\n") << QString::fromUtf8("键=值") + mark + "注释" << QString::fromUtf8("一")
        << Gb18030("[中]\r\n键=值\r注释一\r\n");
    QTest::newRow("the mark as a character, unchanged")
        << QByteArray("[a]\na=\xE2\x86\xB5\n") << "a=" + mark << "" << QByteArray("[a]\na=\xE2\x86\xB5\n");
}

void TestInPlace::loneCrShownAsAMark() {
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    MainWindowFixture f;
    const QString path = f.writeFile("a.ini", file);
    f.start({path});
    QVERIFY(f.showActive());
    QCOMPARE(f.column(0).at(1), shown);
    const int rows = f.list()->model()->rowCount();
    ClickRow(f, 1);
    QTest::keyClick(ListView(f), Qt::Key_F2);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QCOMPARE(editor->text(), shown);
    QTest::keyClick(editor, Qt::Key_End);
    // Characters without a key of their own come as an input method gives them: text only.
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, editor, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!RowEditor(f));
    QCOMPARE(QByteArray::fromStdString(f.doc().saveBytes()), saved);
    QCOMPARE(f.list()->model()->rowCount(), rows);
}

// A row never holds a line break, and a legacy file only takes what its code page holds: the
// edit is refused with a message and nothing changes.
void TestInPlace::refusals_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::newRow("line break") << FiveRows() << "k1=1\nk9=9" << QString::fromUtf8(vq::texts::kLineBreakInRow);
    QTest::newRow("emoji in a GBK file")
        << Gb18030("[中]\r\n键=1\r\n") << QString::fromUtf8("键=\xF0\x9F\x98\x80")
        << QString::fromUtf8("本文件的编码无法保存字符 \"\xF0\x9F\x98\x80\" (U+1F600)，未作任何修改。");
    QTest::newRow("CJK extension B in a GBK file")
        << Gb18030("[中]\r\n键=1\r\n") << QString::fromUtf8("键=\xF0\xA0\x80\x80")
        << QString::fromUtf8("本文件的编码无法保存字符 \"\xF0\xA0\x80\x80\" (U+20000)，未作任何修改。");
}

void TestInPlace::refusals() {
    QFETCH(QByteArray, file);
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", file)});
    f.show();
    const std::string before = f.doc().saveBytes();
    DoubleClickRow(f, 1);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->text(), pasted);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.platform.messages(), QStringList(message));
    QCOMPARE(f.doc().saveBytes(), before);
    QCOMPARE(f.logEntries().size(), 1);
    QVERIFY(!f.doc().edited(1));
}

void TestInPlace::newRowStaysNew() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    ClickRow(f, 0);
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"n=1"});
        ClickOk(d);
    }));
    DoubleClickRow(f, 1);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, "2");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.column(0).at(1), QString("n=12"));
    QCOMPARE(f.column(1).at(1), QString::fromUtf8(vq::texts::kNewLineMark));
    QVERIFY(!f.doc().edited(1));
    QCOMPARE(f.logEntries().last(), QString("(2)编辑选定行(&E) ...: n=1"));
}

// Clicks on a header switch that column between two widths; the other column takes the rest.
// The list starts with "修改后" at two thirds of its width W, as the window's resize left it.
void TestInPlace::columnHeaderClicks_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("after");  // width of "修改后" after each click: "2/3", "W-50" or "50"
    QTest::newRow("修改后 three times") << QList<int>{0, 0, 0} << QStringList{"W-50", "2/3", "W-50"};
    QTest::newRow("修改前 three times") << QList<int>{1, 1, 1} << QStringList{"50", "W-50", "50"};
    QTest::newRow("修改前 once 修改后 collapsed it") << QList<int>{0, 1} << QStringList{"W-50", "50"};
    QTest::newRow("修改后 once 修改前 collapsed it") << QList<int>{1, 0} << QStringList{"50", "2/3"};
}

void TestInPlace::columnHeaderClicks() {
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, after);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", FiveRows())});
    f.show();
    QHeaderView* header = Header(f);
    const int w = ListView(f)->viewport()->width();
    QVERIFY(w > 200);
    QCOMPARE(header->sectionSize(0), w * 2 / 3);
    for (int i = 0; i < clicks.size(); ++i) {
        const int x = header->sectionViewportPosition(clicks[i]) + header->sectionSize(clicks[i]) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
        const int expected = after[i] == "2/3" ? w * 2 / 3 : after[i] == "50" ? 50 : w - 50;
        QCOMPARE(header->sectionSize(0), expected);
        QCOMPARE(header->sectionSize(1), w - expected);
    }
    // A collapsed column stays collapsed when the list changes size.
    if (header->sectionSize(0) != 50 && header->sectionSize(1) != 50)
        return;
    const int collapsed = header->sectionSize(0) == 50 ? 0 : 1;
    f.window().resize(f.window().width() + 120, f.window().height());
    QTRY_COMPARE(header->sectionSize(1 - collapsed), ListView(f)->viewport()->width() - 50);
    QCOMPARE(header->sectionSize(collapsed), 50);
}

QTEST_MAIN(TestInPlace)
#include "InPlaceTest.moc"
