// The three extraction commands in the real window: the confirmation, what reaches the target
// text, the caret, the page hint, the mirroring afterwards and the invalid-node message.
#include "MainWindowFixture.h"

#include "ui/document/TargetTextView.h"
#include "ui/extraction/ExtractionController.h"

#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vqtest;
using Answer = vq::Platform::Answer;

namespace {

const QStringList kLines = {
    "[PHP]",                  // 0  section, checked
    ";;;;;;",                 // 1
    "; Paths part",           // 2  title
    ";;;;;;",                 // 3
    "engine = On",            // 4  key, checked
    ";short_open_tag = Off",  // 5  commented key
    "",                       // 6
    "[Database]",             // 7  section, checked
    "host=local",             // 8  key, checked
    "note without sign",      // 9  checked, a key too under this pattern
};

const QString kSame = QStringLiteral("当前文本内容与列表相同");

QStringList TextLines(const vq::TargetTextView* view) {
    QStringList out;
    for (qsizetype i = 0; i < view->lineCount(); ++i)
        out << view->lineText(i);
    return out;
}

class ExtractWindow : public MainWindowFixture {
public:
    ExtractWindow() {
        start();
        files().OpenDocument(writeFile("x.ini", Join(kLines, "\r\n", false)));
    }
    vq::TargetTextView* view() const { return find<vq::TargetTextView>("reContent"); }
    QString pageHint() const { return find<QWidget>("TabSheet1")->statusTip(); }
    // The command as the user gives it: a click on its tool button, the answer queued.
    void click(const char* actionName, Answer answer) {
        platform.queueConfirm(answer);
        auto* bar = find<QToolBar>("ToolBar");
        QWidget* button = bar->widgetForAction(action(actionName));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

}  // namespace

class TestExtraction : public QObject {
    Q_OBJECT
private slots:
    void extract_data();
    void extract();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void invalidNodesAreCounted();
    void mirroringOffThenOn();
    void enabledByRows();
};

void TestExtraction::extract_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("lines");  // the text view's lines, the empty one after the last break too
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("mirrors");
    QTest::newRow("checked") << "actSaveSel"
                             << "确定要\"提取钩选项\"吗?"
                             << QStringList{"[PHP]", "engine = On", "[Database]", "host=local", "note without sign", ""}
                             << "当前文本内容为上次操作:提取钩选项(&S) ..." << false;
    QTest::newRow("tree") << "actSaveTree"
                          << "确定要\"提取目录树\"吗?"
                          << QStringList{"[PHP]",      "; Paths part", "engine = On",       ";short_open_tag = Off",
                                         "[Database]", "host=local",   "note without sign", ""}
                          << "当前文本内容为上次操作:提取目录树(&D) ..." << false;
    QStringList all = kLines;
    all << "";  // the last line gains a break
    QTest::newRow("all") << "actSaveAll"
                         << "确定要\"提取所有项\"吗?" << all << kSame << true;
}

void TestExtraction::extract() {
    QFETCH(QString, action);
    QFETCH(QString, question);
    QFETCH(QStringList, lines);
    QFETCH(QString, hint);
    QFETCH(bool, mirrors);
    ExtractWindow w;
    w.show();
    w.click(action.toLatin1().constData(), Answer::Ok);
    QCOMPARE(w.platform.shown().size(), 1);
    QCOMPARE(w.platform.shown().first().title, QStringLiteral("Confirm"));
    QCOMPARE(w.platform.shown().first().text, question);
    QCOMPARE(TextLines(w.view()), lines);
    // After the first character, nothing selected: row 1, column 1 in the status bar.
    QCOMPARE(w.view()->caret(), (vq::TextPoint{0, 1}));
    QVERIFY(!w.view()->hasSelection());
    QCOMPARE(w.pageHint(), hint);
    QCOMPARE(w.doc().textMirrorsList(), mirrors);
    QVERIFY(w.doc().modified());
    QVERIFY(w.window().windowTitle().endsWith(" *"));
    QVERIFY(w.action("actSave")->isEnabled());
    QVERIFY(w.platform.messages().isEmpty());
}

void TestExtraction::cancelChangesNothing_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");
    QTest::newRow("checked") << "actSaveSel" << int(Answer::Cancel);
    QTest::newRow("tree") << "actSaveTree" << int(Answer::Cancel);
    QTest::newRow("all") << "actSaveAll" << int(Answer::Cancel);
}

void TestExtraction::cancelChangesNothing() {
    QFETCH(QString, action);
    QFETCH(int, answer);
    ExtractWindow w;
    w.show();
    w.view()->setCaretPosition(5);
    const QStringList before = TextLines(w.view());
    w.click(action.toLatin1().constData(), Answer(answer));
    QCOMPARE(w.platform.shown().size(), 1);
    QCOMPARE(TextLines(w.view()), before);
    QCOMPARE(w.view()->caretPosition(), qsizetype{5});
    QCOMPARE(w.pageHint(), kSame);
    QVERIFY(w.doc().textMirrorsList());
    QVERIFY(!w.doc().modified());
    QVERIFY(!w.action("actSave")->isEnabled());
}

// Two deleted rows with tree nodes: the tree extraction reports them once, after the text is
// filled with the remaining nodes' lines.
void TestExtraction::invalidNodesAreCounted() {
    ExtractWindow w;
    w.treeAndRows().DeleteLineEntry(8);  // host=local
    w.treeAndRows().DeleteLineEntry(4);  // engine = On
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveTreeExecute();
    QCOMPARE(w.platform.messages(), QStringList{"目录树有 2 项无效！"});
    QCOMPARE(TextLines(w.view()),
             (QStringList{"[PHP]", "; Paths part", ";short_open_tag = Off", "[Database]", "note without sign", ""}));
    QCOMPARE(w.view()->caret(), (vq::TextPoint{0, 1}));
}

// After "提取钩选项" edits reach only the rows; "提取所有" brings them into the text, and later
// edits follow again.
void TestExtraction::mirroringOffThenOn() {
    ExtractWindow w;
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveSelExecute();
    const QStringList extracted = TextLines(w.view());
    w.doc().setCaption(4, "engine = Off");
    w.treeAndRows().DeleteLineEntry(0);
    QCOMPARE(TextLines(w.view()), extracted);
    w.platform.queueConfirm(Answer::Ok);
    w.window().extraction().actSaveAllExecute();
    QCOMPARE(TextLines(w.view()).at(3), QStringLiteral("engine = Off"));
    QCOMPARE(TextLines(w.view()).size(), kLines.size());  // nine rows and the empty last line
    QCOMPARE(w.pageHint(), kSame);
    w.doc().setCaption(0, "; edited");
    QCOMPARE(TextLines(w.view()).at(0), QStringLiteral("; edited"));
}

void TestExtraction::enabledByRows() {
    MainWindowFixture f;
    f.start();
    for (const char* name : {"actSaveSel", "actSaveTree", "actSaveAll"})
        QVERIFY2(!f.action(name)->isEnabled(), name);
    f.files().OpenDocument(f.writeFile("one.ini", Join({"k=1"})));
    for (const char* name : {"actSaveSel", "actSaveTree", "actSaveAll"})
        QVERIFY2(f.action(name)->isEnabled(), name);
}

QTEST_MAIN(TestExtraction)
#include "ExtractionTest.moc"
