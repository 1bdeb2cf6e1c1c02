// A row of the content list whose text is cut off shows its full text as a tip; a row shown
// whole shows none.
#include "MainWindowFixture.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

using namespace vqtest;

class TestInfoTip : public QObject {
    Q_OBJECT
private slots:
    void tipOnlyForCutText_data();
    void tipOnlyForCutText();
};

void TestInfoTip::tipOnlyForCutText_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("tipShown");
    QTest::newRow("short line") << QByteArray("k=v") << false;
    QTest::newRow("long line") << QByteArray("long_key = ") + QByteArray(300, 'x') << true;
}

void TestInfoTip::tipOnlyForCutText() {
    QFETCH(QByteArray, line);
    QFETCH(bool, tipShown);
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", line + "\r\n")});
    f.show();
    QToolTip::hideText();
    vq::ContentListView* list = f.list();
    const QRect cell = list->visualRect(list->model()->index(0, 0));
    QHelpEvent help(QEvent::ToolTip, cell.center(), list->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(list->viewport(), &help);
    if (tipShown) {
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString::fromUtf8(line));
    } else {
        QVERIFY(!QToolTip::isVisible());
    }
    f.destroy();
}

QTEST_MAIN(TestInfoTip)
#include "InfoTipTest.moc"
