// The tool-bar sign boxes and the pattern, title-type and begin/end menus, on the real window.
#include "MainWindowFixture.h"

#include "settings/SignToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace vqtest;

class TestSigns : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_f = std::make_unique<MainWindowFixture>();
        m_f->start();
        m_f->show();
    }
    void cleanup() {
        m_f->destroy();
        m_f.reset();
    }
    void startsWithTheDefaultPattern();
    void patternsSetTheBoxes_data();
    void patternsSetTheBoxes();
    void bothPatternMenusMarkTheSamePattern();
    void typingIsLimitedToOneCharacter();
    void leavingABoxAddsToItsHistory();
    void titleSignHintCountsBytes();
    void endSignEditedOnlyWithTypeFour();
    void newSignsTakeEffectAtTheNextRefresh();

private:
    QComboBox* box(const char* name) { return m_f->find<QComboBox>(name); }
    // Leaves a box as a click elsewhere would.
    static void leave(QComboBox* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(box->lineEdit(), &out);
    }
    QAction* item(const char* name) { return m_f->find<QAction>(name); }
    const vq::AnalysisSettings& settings() { return m_f->window().signToolBar().settings(); }
    std::unique_ptr<MainWindowFixture> m_f;
};

void TestSigns::startsWithTheDefaultPattern() {
    QVERIFY(item("mnuPtn2")->isChecked());
    QVERIFY(item("popPtn2")->isChecked());
    QCOMPARE(settings().titleType, vq::TitleType::SameSignAround);
    QVERIFY(item("popTitleSign3")->isChecked());
}

void TestSigns::patternsSetTheBoxes_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("remText");
    QTest::addColumn<QString>("titleText");
    QTest::addColumn<QString>("remSign");
    QTest::addColumn<int>("titleType");
    QTest::addColumn<bool>("titleBoxEnabled");
    QTest::addColumn<bool>("omitSpaces");
    QTest::newRow("General") << "popPtn0" << "1|_|" << ";;;;;;" << " " << 1 << true << true;
    QTest::newRow("*.ini") << "mnuPtn1" << ";" << ";;;;;;" << ";" << 0 << false << false;
    QTest::newRow("php.ini") << "popPtn2" << ";" << ";;;;;;" << ";" << 3 << true << false;
    QTest::newRow("httpd.conf") << "mnuPtn3" << "#" << "###" << "#" << 1 << true << false;
}

void TestSigns::patternsSetTheBoxes() {
    QFETCH(QString, item);
    QFETCH(QString, remText);
    QFETCH(QString, titleText);
    QFETCH(QString, remSign);
    QFETCH(int, titleType);
    QFETCH(bool, titleBoxEnabled);
    QFETCH(bool, omitSpaces);
    this->item(item.toLatin1().constData())->trigger();
    QCOMPARE(box("cboRem")->currentText(), remText);
    QCOMPARE(box("cboSplit")->currentText(), QString("="));
    QCOMPARE(box("cboTitleSign")->currentText(), titleText);
    QCOMPARE(QString::fromStdString(settings().remSign), remSign);
    QCOMPARE(vq::TitleTypeIndex(settings().titleType), titleType);
    QCOMPARE(box("cboTitleSign")->isEnabled(), titleBoxEnabled);
    QCOMPARE(box("cboTitleSign")->palette().color(QPalette::Base),
             titleBoxEnabled ? QColor(Qt::white) : QColor(192, 192, 192));
    QCOMPARE(this->item("popSignBegin")->isEnabled(), titleBoxEnabled);
    QCOMPARE(this->item("mnuOmmitTitleSignSpace")->isChecked(), omitSpaces);
}

void TestSigns::bothPatternMenusMarkTheSamePattern() {
    item("popPtn3")->trigger();
    QVERIFY(item("mnuPtn3")->isChecked());
    QVERIFY(!item("mnuPtn2")->isChecked());
    item("mnuPtn0")->trigger();
    QVERIFY(item("popPtn0")->isChecked());
    QVERIFY(!item("popPtn3")->isChecked());
}

void TestSigns::typingIsLimitedToOneCharacter() {
    QComboBox* rem = box("cboRem");
    rem->lineEdit()->selectAll();
    QTest::keyClicks(rem->lineEdit(), "#x");
    QCOMPARE(rem->currentText(), QString("#"));
    QCOMPARE(QString::fromStdString(settings().remSign), QString("#"));
    rem->lineEdit()->selectAll();
    QTest::keyClick(rem->lineEdit(), Qt::Key_Space);
    QCOMPARE(QString::fromStdString(settings().remSign), QString(" "));
}

void TestSigns::leavingABoxAddsToItsHistory() {
    QComboBox* split = box("cboSplit");
    split->setFocus();
    split->lineEdit()->selectAll();
    QTest::keyClicks(split->lineEdit(), ":");
    QCOMPARE(split->findText(":"), -1);
    leave(split);
    QVERIFY(split->findText(":") >= 0);
    // Leaving a blank box adds its space-count form, once.
    split->lineEdit()->selectAll();
    QTest::keyClick(split->lineEdit(), Qt::Key_Space);
    leave(split);
    QVERIFY(split->findText("1|_|") >= 0);
    const int count = split->count();
    leave(split);
    QCOMPARE(split->count(), count);
    QCOMPARE(QString::fromStdString(settings().splitSign), QString(" "));
}

void TestSigns::titleSignHintCountsBytes() {
    QComboBox* title = box("cboTitleSign");
    title->setEditText(";;;;");
    QCOMPARE(title->toolTip(), QString("开始标志(当前字数:4)"));
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString(";;;;"));
    title->setEditText("3|_|");
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString("   "));
}

void TestSigns::endSignEditedOnlyWithTypeFour() {
    item("popTitleSign4")->trigger();
    QVERIFY(item("popSignEnd")->isEnabled());
    item("popSignEnd")->trigger();
    box("cboTitleSign")->setEditText("######");
    QCOMPARE(QString::fromStdString(settings().titleEndSign), QString("######"));
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString(";;;;;;"));
    item("popTitleSign3")->trigger();
    QVERIFY(item("popSignBegin")->isChecked());
    QVERIFY(!item("popSignEnd")->isEnabled());
    QCOMPARE(box("cboTitleSign")->currentText(), QString("######"));
    box("cboTitleSign")->setEditText(";;;");
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString(";;;"));
    QCOMPARE(QString::fromStdString(settings().titleEndSign), QString("######"));
}

void TestSigns::newSignsTakeEffectAtTheNextRefresh() {
    m_f->destroy();
    m_f = std::make_unique<MainWindowFixture>();
    m_f->start({m_f->writeFile("a.conf", "# c\r\n;x=1\r\nk=2\r\n")});
    QCOMPARE(m_f->checked(), (QList<bool>{true, false, true}));  // php.ini: ";" comments
    item("popPtn3")->trigger();                                    // httpd.conf: "#" comments
    QCOMPARE(m_f->checked(), (QList<bool>{true, false, true}));  // unchanged until a refresh
    m_f->action("actRefreshTree")->trigger();
    QCOMPARE(m_f->checked(), (QList<bool>{false, true, true}));
}

QTEST_MAIN(TestSigns)
#include "tst_signs.moc"
