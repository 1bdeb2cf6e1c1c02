// The tool-bar sign boxes and the pattern, title-type and begin/end menus, on the real window, as
// the user drives them: typing, leaving a box by a click or by Tab, choosing an entry.
#include "ListGestures.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

using namespace vqtest;

class TestSigns : public QObject {
    Q_OBJECT
private slots:
    void init() { restart(); }
    void cleanup() {
        m_f->destroy();
        m_f.reset();
    }
    void startsWithTheDefaultPattern();
    void patternsSetTheBoxes_data();
    void patternsSetTheBoxes();
    void bothPatternMenusMarkTheSamePattern();
    void spaceSignShowsWhole();
    void typingIsLimitedToOneCharacter();
    void leavingABoxAddsToItsHistory();
    void typedSignJoinsTheHistory_data();
    void typedSignJoinsTheHistory();
    void typingIsNotCompleted_data();
    void typingIsNotCompleted();
    void openingTheListDoesNotLeaveTheBox();
    void titleSignHintCountsBytes();
    void endSignEditedOnlyWithTypeFour();
    void newSignsTakeEffectAtTheNextRefresh();
    void signIsEncodedForEachDocument_data();
    void signIsEncodedForEachDocument();
    void spaceCountFormChosenFromTheHistory_data();
    void spaceCountFormChosenFromTheHistory();
    void overlongTypedSignIsRefused_data();
    void overlongTypedSignIsRefused();
    void overlongSignChosenFromTheHistoryIsRefused_data();
    void overlongSignChosenFromTheHistoryIsRefused();

private:
    // A new window, shown and active, started on a file of these bytes, or untitled.
    void restart(const QByteArray& file = {}) {
        if (m_f)
            m_f->destroy();
        m_f = std::make_unique<MainWindowFixture>();
        m_f->start(file.isNull() ? QStringList() : QStringList{m_f->writeFile("start.ini", file)});
        QVERIFY(m_f->showActive());
    }
    QComboBox* box(const char* name) { return m_f->find<QComboBox>(name); }
    QComboBox* box(const QString& name) { return box(name.toLatin1().constData()); }
    // Clicks into the box and replaces its text by typing.
    static void typeInto(QComboBox* box, const QString& text) {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(box->hasFocus());
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(box->lineEdit(), text);
    }
    // Text typed through an input method: one key event that carries only the text.
    static void typeText(QComboBox* box, const QString& text) {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(box->hasFocus());
        box->lineEdit()->selectAll();
        QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, text, Qt::NoModifier);
    }
    // Moves the focus away from the box: a click on the content list, or Tab.
    void leave(QComboBox* box, const QString& how = QStringLiteral("Tab")) {
        if (how == "click")
            QTest::mouseClick(m_f->list()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(!box->hasFocus());
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
    QTest::newRow("General") << "popPtn0"
                             << "1|_|"
                             << ";;;;;;"
                             << " " << 1 << true << true;
    QTest::newRow("*.ini") << "mnuPtn1"
                           << ";"
                           << ";;;;;;"
                           << ";" << 0 << false << false;
    QTest::newRow("php.ini") << "popPtn2"
                             << ";"
                             << ";;;;;;"
                             << ";" << 3 << true << false;
    QTest::newRow("httpd.conf") << "mnuPtn3"
                                << "#"
                                << "###"
                                << "#" << 1 << true << false;
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

// Pattern 0's comment sign, one blank, shows whole in its space-count form: the first and the last
// character of "1|_|" are in view.
void TestSigns::spaceSignShowsWhole() {
    QComboBox* shown = box("cboRem");
    ClickMenuItem(*m_f, "mnuOptions", "mnuPtn0");
    QCOMPARE(shown->currentText(), QString("1|_|"));
    QLineEdit* edit = shown->lineEdit();
    const int middle = edit->height() / 2;
    QCOMPARE(edit->cursorPositionAt(QPoint(2, middle)), 0);
    QCOMPARE(edit->cursorPositionAt(QPoint(edit->width() - 2, middle)), 4);
    // and the tool bar still has room for all of it in the window's first width
    QVERIFY(m_f->find<QToolBar>("ToolBar")->widgetForAction(item("actRefreshTree"))->isVisible());
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

// A blank box joins its history in its space-count form, once.
void TestSigns::leavingABoxAddsToItsHistory() {
    QComboBox* split = box("cboSplit");
    typeInto(split, " ");
    leave(split);
    QVERIFY(split->findText("1|_|") >= 0);
    const int count = split->count();
    QTest::mouseClick(split->lineEdit(), Qt::LeftButton);
    QTRY_VERIFY(split->hasFocus());
    leave(split, "click");
    QCOMPARE(split->count(), count);
    QCOMPARE(QString::fromStdString(settings().splitSign), QString(" "));
}

void TestSigns::typedSignJoinsTheHistory_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    for (const char* how : {"click", "Tab"}) {
        QTest::addRow("comment, %s", how) << "cboRem"
                                          << "!" << how;
        QTest::addRow("split, %s", how) << "cboSplit"
                                        << ":" << how;
        QTest::addRow("title, %s", how) << "cboTitleSign"
                                        << "@@@" << how;
    }
}

void TestSigns::typedSignJoinsTheHistory() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QComboBox* combo = this->box(box);
    const int before = combo->count();
    typeInto(combo, typed);
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->findText(typed), -1);
    leave(combo, how);
    QCOMPARE(combo->count(), before + 1);
    QCOMPARE(combo->itemText(combo->count() - 1), typed);
    QCOMPARE(combo->currentText(), typed);
}

// What the user types stays as typed: no box completes it from its history.
void TestSigns::typingIsNotCompleted_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::newRow("four semicolons") << "cboTitleSign"
                                     << ";;;;";
    QTest::newRow("three semicolons, an entry of its own") << "cboTitleSign"
                                                           << ";;;";
    QTest::newRow("two hashes") << "cboTitleSign"
                                << "##";
    QTest::newRow("comment sign") << "cboRem"
                                  << "#";
}

void TestSigns::typingIsNotCompleted() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QComboBox* combo = this->box(box);
    typeInto(combo, typed);
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->lineEdit()->selectedText(), QString());
    leave(combo);
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(QString::fromStdString(box == "cboRem" ? settings().remSign : settings().titleBeginSign), typed);
}

// Dropping a box's list down does not leave the box: nothing joins the history until the user
// moves on.
void TestSigns::openingTheListDoesNotLeaveTheBox() {
    QComboBox* title = box("cboTitleSign");
    typeInto(title, "%%");
    const int before = title->count();
    QTest::keyClick(title, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(title->view()->isVisible());
    QCOMPARE(title->count(), before);
    QTest::keyClick(title->view(), Qt::Key_Escape);
    QTRY_VERIFY(!title->view()->isVisible());
    QCOMPARE(title->count(), before);
    leave(title);
    QCOMPARE(title->count(), before + 1);
}

// The hint counts the title sign in bytes of the legacy code page: two for a Chinese character,
// whatever document is open.
void TestSigns::titleSignHintCountsBytes() {
    QComboBox* title = box("cboTitleSign");
    typeInto(title, ";;;;");
    QCOMPARE(title->toolTip(), QString("开始标志(当前字数:4)"));
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString(";;;;"));
    typeInto(title, "3|_|");
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), QString("   "));
    QCOMPARE(title->toolTip(), QString("开始标志(当前字数:3)"));
    typeText(title, QStringLiteral("标题"));
    QCOMPARE(title->toolTip(), QString("开始标志(当前字数:4)"));
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
    restart("# c\r\n;x=1\r\nk=2\r\n");
    QCOMPARE(m_f->checked(), (QList<bool>{true, false, true}));  // php.ini: ";" comments
    item("popPtn3")->trigger();                                  // httpd.conf: "#" comments
    QCOMPARE(m_f->checked(), (QList<bool>{true, false, true}));  // unchanged until a refresh
    m_f->action("actRefreshTree")->trigger();
    QCOMPARE(m_f->checked(), (QList<bool>{false, true, true}));
}

// A sign is the text the user typed; each document is analysed with it in its own encoding.
void TestSigns::signIsEncodedForEachDocument_data() {
    QTest::addColumn<bool>("typedInGbk");  // else typed in an untitled (UTF-8) document
    QTest::addColumn<bool>("openGbk");
    QTest::newRow("typed untitled, GBK file") << false << true;
    QTest::newRow("typed in a GBK file, UTF-8 file") << true << false;
    QTest::newRow("typed untitled, UTF-8 file") << false << false;
    QTest::newRow("typed in a GBK file, GBK file") << true << true;
}

void TestSigns::signIsEncodedForEachDocument() {
    QFETCH(bool, typedInGbk);
    QFETCH(bool, openGbk);
    // php.ini titles: the sign line above and below the title.
    const QString text = QStringLiteral("[节]\r\n＃＃\r\n标题\r\n＃＃\r\n键=1\r\n");
    if (typedInGbk)
        restart(Gb18030(QStringLiteral("[甲]\r\n")));
    QComboBox* title = box("cboTitleSign");
    typeText(title, QStringLiteral("＃＃"));
    QCOMPARE(title->currentText(), QStringLiteral("＃＃"));
    leave(title);
    m_f->files().OpenDocument(m_f->writeFile("second.ini", openGbk ? Gb18030(text) : text.toUtf8()));
    QCOMPARE(m_f->column(0).at(1), QStringLiteral("＃＃"));
    // The first sign line is a key line of its own; the second closes the title.
    QCOMPARE(m_f->treeOutline(), (QStringList{"[节]", "  ＃＃", "  标题", "    键=1"}));
    QCOMPARE(title->currentText(), QStringLiteral("＃＃"));
    QVERIFY(title->findText(QStringLiteral("＃＃")) >= 0);
}

// An emptied box is kept in its history as "0|_|"; choosing that entry later gives the blank sign.
void TestSigns::spaceCountFormChosenFromTheHistory_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("comment") << "cboRem";
    QTest::newRow("split") << "cboSplit";
}

void TestSigns::spaceCountFormChosenFromTheHistory() {
    QFETCH(QString, box);
    QComboBox* combo = this->box(box);
    typeInto(combo, QString());
    leave(combo);
    QCOMPARE(combo->itemText(combo->count() - 1), QStringLiteral("0|_|"));
    // Another sign, then the entry chosen from the list with the keyboard.
    typeInto(combo, "$");
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_End);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentText(), QStringLiteral("0|_|"));
    QCOMPARE(QString::fromStdString(box == "cboRem" ? settings().remSign : settings().splitSign), QStringLiteral(" "));
}

// A sign of more than 255 bytes is refused with the beep as it is typed, without being made: the
// box and the sign keep the text before the keystroke.
void TestSigns::overlongTypedSignIsRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("sign");  // the title sign afterwards
    QTest::newRow("two billion spaces") << "2000000000|_|" << 1 << "2000000000|_";
    QTest::newRow("256 spaces") << "256|_|" << 1 << "256|_";
    QTest::newRow("255 spaces") << "255|_|" << 0 << QString(255, ' ');
    QTest::newRow("256 letters") << QString(256, 'x') << 1 << QString(255, 'x');
    QTest::newRow("255 letters") << QString(255, 'x') << 0 << QString(255, 'x');
    // Bytes count, not characters: 86 Chinese characters are 258 bytes of UTF-8.
    QTest::newRow("86 Chinese characters") << QString(86, QChar(0x6807)) << 1 << QString(85, QChar(0x6807));
}

void TestSigns::overlongTypedSignIsRefused() {
    QFETCH(QString, typed);
    QFETCH(int, beeps);
    QFETCH(QString, sign);
    QComboBox* combo = box("cboTitleSign");
    typeInto(combo, QString());
    // One key press per character; a character without a key of its own comes as an input
    // method sends it, a key event that carries only its text.
    for (const QChar c : typed) {
        if (c.unicode() < 0x80)
            QTest::keyClick(combo->lineEdit(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(m_f->platform.beeps(), beeps);
    QCOMPARE(QString::fromStdString(settings().titleBeginSign), sign);
    QCOMPARE(combo->currentText(), beeps ? typed.chopped(1) : typed);
}

void TestSigns::overlongSignChosenFromTheHistoryIsRefused_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("comment") << "cboRem";
    QTest::newRow("split") << "cboSplit";
    QTest::newRow("title") << "cboTitleSign";
}

// A hand-edited settings file may hold such an entry; choosing it changes nothing but beeps.
void TestSigns::overlongSignChosenFromTheHistoryIsRefused() {
    QFETCH(QString, box);
    const vq::SignBox which = box == "cboRem"     ? vq::SignBox::Rem
                              : box == "cboSplit" ? vq::SignBox::Split
                                                  : vq::SignBox::TitleSign;
    vq::SignToolBar& signs = m_f->window().signToolBar();
    signs.setHistoryTexts(which, signs.historyTexts(which) << "2000000000|_|");
    QComboBox* combo = this->box(box);
    const QString before = combo->currentText();
    const vq::AnalysisSettings settingsBefore = settings();
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QTRY_VERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_End);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(m_f->platform.beeps(), 1);
    QCOMPARE(combo->currentText(), before);
    QCOMPARE(settings().remSign, settingsBefore.remSign);
    QCOMPARE(settings().splitSign, settingsBefore.splitSign);
    QCOMPARE(settings().titleBeginSign, settingsBefore.titleBeginSign);
}

QTEST_MAIN(TestSigns)
#include "SignsTest.moc"
