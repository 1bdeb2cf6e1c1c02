// The window's table of actions: bound to handlers, and brought up to date in one pass however
// many changes asked for it.
#include "ui/toolbox/ActionTable.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <QWidget>

namespace {

// Counts what its slot was asked to do.
class Handler : public QObject {
    Q_OBJECT
public:
    int runs = 0;
public slots:
    void actSaveExecute() { ++runs; }
};

}  // namespace

class TestActions : public QObject {
    Q_OBJECT
private slots:
    void boundActionRunsItsSlot();
    void requestsJoinIntoOnePass_data();
    void requestsJoinIntoOnePass();
    void inputRunsAPendingPassFirst_data();
    void inputRunsAPendingPassFirst();
};

void TestActions::boundActionRunsItsSlot() {
    QWidget window;
    vq::ActionTable actions(&window);
    Handler handler;
    actions.bind(vq::Act::Save, &handler, &Handler::actSaveExecute);
    actions[vq::Act::Save]->trigger();
    QCOMPARE(handler.runs, 0);  // disabled: nothing happens
    actions.setEnabled(vq::Act::Save, true);
    actions[vq::Act::Save]->trigger();
    actions[vq::Act::SaveAs]->setEnabled(true);
    actions[vq::Act::SaveAs]->trigger();
    QCOMPARE(handler.runs, 1);
}

// However many changes ask for the pass while the program is busy, it runs once, when the
// program is idle again; a request after that pass asks for a new one.
void TestActions::requestsJoinIntoOnePass_data() {
    QTest::addColumn<int>("requests");
    QTest::newRow("one request") << 1;
    QTest::newRow("a burst of requests") << 10000;
}

void TestActions::requestsJoinIntoOnePass() {
    QFETCH(int, requests);
    QWidget window;
    vq::ActionTable actions(&window);
    int passes = 0;
    actions.setUpdatePass([&] { ++passes; });
    for (int i = 0; i < requests; ++i)
        actions.requestUpdate();
    QCOMPARE(passes, 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(passes, 1);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(passes, 1);
    actions.requestUpdate();
    QTRY_COMPARE(passes, 2);
}

// A click or key that comes before the program was idle finds the states brought up to date:
// the tool button of a command the pending pass enables takes the click.
void TestActions::inputRunsAPendingPassFirst_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click on its tool button") << false;
    QTest::newRow("its shortcut") << true;
}

void TestActions::inputRunsAPendingPassFirst() {
    QFETCH(bool, byKey);
    QWidget window;
    vq::ActionTable actions(&window);
    for (QAction* action : actions.all())
        window.addAction(action);
    Handler handler;
    actions.bind(vq::Act::Save, &handler, &Handler::actSaveExecute);
    auto* button = new QToolButton(&window);
    button->setDefaultAction(actions[vq::Act::Save]);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    actions.setUpdatePass([&] { actions.setEnabled(vq::Act::Save, true); });
    actions.requestUpdate();
    if (byKey)
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    else
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(handler.runs, 1);
}

QTEST_MAIN(TestActions)
#include "ActionsTest.moc"
