// Find and find next in the real window: the dialog typed into and clicked, F3, the wrap-around
// question, the options, the row a hit leads to, and the find box's limit.
#include "MainWindowFixture.h"

#include "ui/document/TargetTextView.h"
#include "ui/document/TextFinder.h"
#include "ui/extraction/ExtractionController.h"
#include "ui/find/CandidateLines.h"
#include "ui/find/FindController.h"
#include "ui/find/FindDlg.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QString kTitle = QStringLiteral("查找失败");

QString Question(const QString& what) { return QStringLiteral("找不到 \"%1\" !\n是否要从头开始查找?").arg(what); }

// The text view's selection as "line:column+length", or "line:column" for a bare caret.
QString Selection(const vq::TargetTextView* view) {
    const vq::TextPoint start = view->selectionStartPoint();
    QString out = QStringLiteral("%1:%2").arg(start.line).arg(start.column);
    if (view->hasSelection())
        out += QStringLiteral("+%1").arg(view->selectionLength());
    return out;
}

class FindWindow : public MainWindowFixture {
public:
    // The window, shown and active, with these lines open.
    explicit FindWindow(const QStringList& lines, const QByteArray& bytes = {}) {
        start();
        files().OpenDocument(writeFile("find.ini", bytes.isEmpty() ? Join(lines) : bytes));
        if (!showActive())
            qWarning("the main window did not become active");
    }
    vq::TargetTextView* view() const { return find<vq::TargetTextView>("reContent"); }
    QAbstractItemView* rows() const { return find<QAbstractItemView>("lvContent"); }
    vq::FindDlg* dialog() const { return find<vq::FindDlg>("FindDlg"); }
    QLineEdit* edit() const { return dialog()->findChild<QLineEdit*>("edtFindText"); }

    void ctrlF() { QTest::keyClick(&window(), Qt::Key_F, Qt::ControlModifier); }
    void f3() { QTest::keyClick(&window(), Qt::Key_F3); }

    // Ctrl+F, then the user types the text, sets the options and clicks the find button.
    void findFromDialog(const QString& text, bool matchCase = false, bool wholeWord = false) {
        ctrlF();
        QVERIFY(dialog() && dialog()->isVisible());
        QLineEdit* box = edit();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        setOption("chkMatchCase", matchCase);
        setOption("chkWholeWord", wholeWord);
        QTest::mouseClick(dialog()->findChild<QPushButton*>("btnFindNext"), Qt::LeftButton);
    }
    void setOption(const char* name, bool on) {
        auto* box = dialog()->findChild<QCheckBox*>(name);
        if (box->isChecked() != on)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QCOMPARE(box->isChecked(), on);
    }
    void selectRow(int row) {
        rows()->selectionModel()->select(rows()->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QStringList questions() const {
        QStringList out;
        for (const auto& shown : platform.shown())
            if (shown.kind == ScriptedPlatform::Kind::YesNo)
                out << shown.title + "|" + shown.text;
        return out;
    }
};

}  // namespace

class TestFind : public QObject {
    Q_OBJECT
private slots:
    void dialogThenF3_data();
    void dialogThenF3();
    void wrapAround_data();
    void wrapAround();
    void emptyTextAsksUntilNo();
    void options_data();
    void options();
    void hitSelectsItsRow();
    void afterExtractionOnlyText();
    void ctrlFTakesSelection_data();
    void ctrlFTakesSelection();
    void typingStopsAtLimit();
    void f3WithoutTextOpensDialog();
    void hitBringsTextPageForward();
    void enabledByRows();
    void candidatesFindWhatTheViewFinds_data();
    void candidatesFindWhatTheViewFinds();
};

// The dialog runs one search and closes; F3 goes on from the end of each hit, so hits never
// overlap.
void TestFind::dialogThenF3_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("hits");  // after the dialog, then after each F3
    QTest::newRow("three lines") << QStringList{"[a]", "x=alpha", "y=alpha alpha", "z=Alpha"} << "alpha"
                                 << QStringList{"1:2+5", "2:2+5", "2:8+5", "3:2+5"};
    QTest::newRow("no overlap") << QStringList{"aaaa"} << "aa" << QStringList{"0:0+2", "0:2+2"};
    QTest::newRow("across a break") << QStringList{"ab", "cd"} << "b\ncd" << QStringList{"0:1+4"};
}

void TestFind::dialogThenF3() {
    QFETCH(QStringList, lines);
    QFETCH(QString, what);
    QFETCH(QStringList, hits);
    FindWindow w(lines);
    QStringList seen;
    if (what.contains('\n')) {
        // A find text with a break comes from a selection; the box cannot be typed into with one.
        w.view()->setSelection(vq::TextPoint{0, 1}, vq::TextPoint{1, 2});
        w.ctrlF();
        QCOMPARE(w.edit()->text(), what);
        w.view()->setCaretPosition(0);
        QTest::mouseClick(w.dialog()->findChild<QPushButton*>("btnFindNext"), Qt::LeftButton);
    } else {
        w.findFromDialog(what);
    }
    QVERIFY(!w.dialog()->isVisible());
    seen << Selection(w.view());
    for (int i = 1; i < hits.size(); ++i) {
        w.f3();
        seen << Selection(w.view());
    }
    QCOMPARE(seen, hits);
    QVERIFY(w.questions().isEmpty());
    QVERIFY(w.view()->hasFocus());
}

// Past the last hit: Yes starts again from the top, No leaves the caret where the search began.
void TestFind::wrapAround_data() {
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("after");
    QTest::newRow("no") << QList<Answer>{Answer::No} << "2:6";
    QTest::newRow("yes") << QList<Answer>{Answer::Yes} << "0:0+4";
}

void TestFind::wrapAround() {
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, after);
    FindWindow w({"beta=1", "x=2", "y=beta"});
    w.findFromDialog("beta");
    QCOMPARE(Selection(w.view()), QStringLiteral("0:0+4"));
    w.f3();
    QCOMPARE(Selection(w.view()), QStringLiteral("2:2+4"));
    for (Answer a : answers)
        w.platform.queueYesNo(a);
    w.f3();
    QCOMPARE(w.questions(), QStringList{kTitle + "|" + Question("beta")});
    QCOMPARE(Selection(w.view()), after);
}

// An empty target text with rows: every search asks, and Yes asks again until No.
void TestFind::emptyTextAsksUntilNo() {
    FindWindow w({"; only", "; comments"});
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveSelExecute();
    QVERIFY(w.doc().target().empty());
    QVERIFY(w.action("actFind")->isEnabled());
    w.platform.queueYesNo(Answer::Yes);
    w.platform.queueYesNo(Answer::Yes);
    w.platform.queueYesNo(Answer::No);
    w.findFromDialog("x");
    QCOMPARE(w.questions().size(), 3);
    QCOMPARE(w.questions().last(), kTitle + "|" + Question("x"));
    QCOMPARE(Selection(w.view()), QStringLiteral("0:0"));
}

void TestFind::options_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QString>("hit");  // empty: not found
    const QStringList engine{"x=1", "engine=On"};
    QTest::newRow("capitals find small letters") << engine << "ENGINE" << false << false << "1:0+6";
    QTest::newRow("match case refuses them") << engine << "ENGINE" << true << false << "";
    QTest::newRow("match case finds the same") << engine << "engine" << true << false << "1:0+6";
    QTest::newRow("start of a word") << engine << "eng" << false << false << "1:0+3";
    QTest::newRow("whole word refuses a start") << engine << "eng" << false << true << "";
    QTest::newRow("whole word skips a longer word")
        << QStringList{"engine_x=1", "engine = 2"} << "engine" << false << true << "1:0+6";
    QTest::newRow("whole word and case") << QStringList{"On=1", "x=on", "y=ON"} << "ON" << true << true << "2:2+2";
}

void TestFind::options() {
    QFETCH(QStringList, lines);
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(QString, hit);
    FindWindow w(lines);
    w.view()->setCaretPosition(1);  // past a hit at the very start, which no case here wants
    w.findFromDialog(what, matchCase, wholeWord);
    if (hit.isEmpty()) {
        QCOMPARE(w.questions(), QStringList{kTitle + "|" + Question(what)});
        QVERIFY(!w.view()->hasSelection());
    } else {
        QVERIFY(w.questions().isEmpty());
        QCOMPARE(Selection(w.view()), hit);
    }
    // The options stay for F3.
    w.f3();
    QCOMPARE(w.dialog()->matchCase(), matchCase);
    QCOMPARE(w.dialog()->wholeWord(), wholeWord);
}

// While the text mirrors the list, a hit on line 10 selects row 10, the only selected row, in view.
void TestFind::hitSelectsItsRow() {
    QStringList lines = Lines(400);
    lines[9] = "needle=10";
    lines[300] = "needle=301";
    FindWindow w(lines);
    w.selectRow(2);
    w.findFromDialog("needle");
    QCOMPARE(Selection(w.view()), QStringLiteral("9:0+6"));
    QCOMPARE(w.selectedRows(), QList<int>{9});
    w.f3();
    QCOMPARE(Selection(w.view()), QStringLiteral("300:0+6"));
    QCOMPARE(w.selectedRows(), QList<int>{300});
    const QRect row = w.rows()->visualRect(w.rows()->model()->index(300, 0));
    QVERIFY(w.rows()->viewport()->rect().contains(row.center()));
    QCOMPARE(w.rows()->currentIndex().row(), 300);
}

// After "提取钩选项" the text's lines are not the rows': a hit selects text only. A search from the
// dialog leaves no row selected, F3 keeps the selection the list had.
void TestFind::afterExtractionOnlyText() {
    FindWindow w({"alpha=1", "; alpha", "beta=alpha", "gamma=3"});
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveSelExecute();
    QCOMPARE(Selection(w.view()), QStringLiteral("0:1"));
    w.selectRow(3);
    // The caret stands after the first character, so the hit at the very start comes last.
    w.findFromDialog("alpha");
    QCOMPARE(Selection(w.view()), QStringLiteral("1:5+5"));  // "beta=alpha" is line 1 of the text
    QCOMPARE(w.selectedRows(), QList<int>{});
    w.selectRow(3);
    w.platform.queueYesNo(Answer::Yes);
    w.f3();
    QCOMPARE(w.questions().size(), 1);
    QCOMPARE(Selection(w.view()), QStringLiteral("0:0+5"));
    QCOMPARE(w.selectedRows(), QList<int>{3});
    // Extract all mirrors again, and a hit leads to its row once more.
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveAllExecute();
    w.f3();
    QCOMPARE(Selection(w.view()), QStringLiteral("1:2+5"));
    QCOMPARE(w.selectedRows(), QList<int>{1});
}

// Ctrl+F puts the selection into the box, at most 255 bytes of the document's encoding, never
// part of a character.
void TestFind::ctrlFTakesSelection_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("columns");  // selected on line 0 from its start; -1: nothing selected
    QTest::addColumn<QString>("expected");
    const QString e2 = QString(300, QChar(0xE9));  // é, two bytes in UTF-8
    QTest::newRow("a word") << Join({"key=value"}) << 3 << "key";
    QTest::newRow("nothing selected") << Join({"key=value"}) << -1 << "";
    QTest::newRow("exactly 255 bytes") << Join({QString(255, 'a') + "="}) << 255 << QString(255, 'a');
    QTest::newRow("256 single bytes") << Join({QString(300, 'a')}) << 300 << QString(255, 'a');
    QTest::newRow("two-byte letters") << Join({e2}) << 300 << QString(127, QChar(0xE9));
    QString emoji = "a";
    for (int i = 0; i < 100; ++i)
        emoji += QString::fromUtf8("\xF0\x9F\x98\x80");  // four bytes, two UTF-16 units
    QString cutEmoji = "a";
    for (int i = 0; i < 63; ++i)
        cutEmoji += QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("four-byte characters") << Join({emoji}) << int(emoji.size()) << cutEmoji;
    QTest::newRow("legacy Chinese") << Gb18030(QString(200, QChar(0x4E2D)) + "\r\n") << 200
                                    << QString(127, QChar(0x4E2D));
}

void TestFind::ctrlFTakesSelection() {
    QFETCH(QByteArray, file);
    QFETCH(int, columns);
    QFETCH(QString, expected);
    FindWindow w({}, file);
    if (columns >= 0)
        w.view()->setSelection(vq::TextPoint{0, 0}, vq::TextPoint{0, columns});
    w.ctrlF();
    QVERIFY(w.dialog()->isVisible());
    QCOMPARE(w.edit()->text(), expected);
    QCOMPARE(w.message(), QStringLiteral("按 F3 键,查找下一个"));
}

void TestFind::typingStopsAtLimit() {
    FindWindow w({"k=1"});
    w.ctrlF();
    QTest::keyClicks(w.edit(), QString(300, 'b'));
    QCOMPARE(w.edit()->text(), QString(255, 'b'));
}

// F3 with an empty find text opens the dialog instead of searching; the dialog comes to the
// front again on Ctrl+F while open.
void TestFind::f3WithoutTextOpensDialog() {
    FindWindow w({"k=1"});
    w.f3();
    QVERIFY(w.dialog() && w.dialog()->isVisible());
    QVERIFY(w.questions().isEmpty());
    QVERIFY(!w.dialog()->findChild<QPushButton*>("btnFindNext")->isEnabled());
    w.ctrlF();
    QCOMPARE(w.window().findChildren<vq::FindDlg*>().size(), 1);
}

// A hit is shown: the target text's page comes to the front and the text takes the focus.
void TestFind::hitBringsTextPageForward() {
    FindWindow w({"a=1", "b=2"});
    auto* pages = w.find<QTabWidget>("pcPages");
    w.findFromDialog("b");
    pages->setCurrentIndex(1);
    w.view()->setCaretPosition(0);
    w.f3();
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(w.view()->hasFocus());
    QCOMPARE(Selection(w.view()), QStringLiteral("1:0+1"));
}

void TestFind::enabledByRows() {
    MainWindowFixture f;
    f.start();
    QCOMPARE(f.doc().rowCount(), size_t{0});
    QVERIFY(!f.action("actFind")->isEnabled());
    QVERIFY(!f.action("actFindNext")->isEnabled());
    f.files().OpenDocument(f.writeFile("e.ini", Join({"k=1"})));
    QVERIFY(f.action("actFind")->isEnabled());
    QVERIFY(f.action("actFindNext")->isEnabled());
}

// Ruling lines out by their bytes never loses a hit: every hit over the shown lines is found,
// at the same place, over the candidate lines, whatever the encoding, case or odd characters.
void TestFind::candidatesFindWhatTheViewFinds_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    const QByteArray utf8 = Join({"Key=1", "x=key", QString::fromUtf8("k\u00e9y=\u212a"), "KEY_2=kEy", "\tkey"});
    for (bool matchCase : {false, true}) {
        const char* suffix = matchCase ? " (case)" : "";
        QTest::newRow(qPrintable(QString("ascii word") + suffix)) << utf8 << "key" << matchCase;
        QTest::newRow(qPrintable(QString("kelvin sign") + suffix)) << utf8 << "=k" << matchCase;
        QTest::newRow(qPrintable(QString("accented") + suffix)) << utf8 << QString::fromUtf8("K\u00c9Y") << matchCase;
        QTest::newRow(qPrintable(QString("legacy Chinese") + suffix))
            << Gb18030(QString::fromUtf8("\u4e2d\u6587=1\r\nkey=\u4e2d\r\nAB\u4e2dab\r\n")) << "ab" << matchCase;
        QTest::newRow(qPrintable(QString("legacy trail bytes") + suffix))
            << Gb18030(QString::fromUtf8("\u4e2d\u6587@\r\n@\r\n")) << "@" << matchCase;
        QTest::newRow(qPrintable(QString("lone CR shown as a symbol") + suffix))
            << QByteArray("a\rb=1\r\nab\r\n") << QString::fromUtf8("a\u21b5b") << matchCase;
        QTest::newRow(qPrintable(QString("across a break") + suffix)) << utf8 << "1\nx" << matchCase;
    }
}

void TestFind::candidatesFindWhatTheViewFinds() {
    QFETCH(QByteArray, file);
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    FindWindow w({}, file);
    const vq::TextLineSource* shown = w.view()->source();
    const vq::CandidateLines candidates(shown, w.doc(), w.window().session().codec(), what, matchCase);
    const auto allHits = [&](const vq::TextLineSource* lines) {
        QStringList hits;
        vq::TextPoint from;
        while (const auto hit = vq::FindInLines(lines, what, from, matchCase, false)) {
            hits << QStringLiteral("%1:%2").arg(hit->point.line).arg(hit->point.column);
            from = {hit->point.line, hit->point.column + 1};
        }
        return hits;
    };
    const QStringList expected = allHits(shown);
    QVERIFY(matchCase || !expected.isEmpty());  // every case has hits without match case
    QCOMPARE(allHits(&candidates), expected);
}

QTEST_MAIN(TestFind)
#include "FindTest.moc"
