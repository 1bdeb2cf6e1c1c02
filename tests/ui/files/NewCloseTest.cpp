// New, open over a changed document, and closing: the question the user is asked and what each
// answer does, the unload's texts, and changes that do not count.
#include "OpenSaveCases.h"

#include "ui/document/TopicTreeModel.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <unistd.h>

class TestNewClose : public QObject {
    Q_OBJECT
private slots:
    void saveQuestionOnNew_data();
    void saveQuestionOnNew();
    void saveQuestionOnOpen_data();
    void saveQuestionOnOpen();
    void changeWhileLoadingNotCounted();
    void closing_data();
    void closing();
    void closeCancelled();
};

// New on a changed document asks to save: Yes saves first, No drops the changes, Cancel keeps all.
void TestNewClose::saveQuestionOnNew_data() {
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("savePath");  // what the save dialog answers, for an untitled document
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("written");
    QTest::newRow("file, Yes") << false << Answer::Yes << QString() << true << true;
    QTest::newRow("file, No") << false << Answer::No << QString() << true << false;
    QTest::newRow("file, Cancel") << false << Answer::Cancel << QString() << false << false;
    QTest::newRow("untitled, Yes, dialog cancelled") << true << Answer::Yes << QString() << false << false;
    QTest::newRow("untitled, Yes, path chosen") << true << Answer::Yes << QString("new.ini") << true << true;
}

void TestNewClose::saveQuestionOnNew() {
    QFETCH(bool, untitled);
    QFETCH(Answer, answer);
    QFETCH(QString, savePath);
    QFETCH(bool, replaced);
    QFETCH(bool, written);
    MainWindowFixture f;
    const QString path = f.writeFile("doc.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start(untitled ? QStringList() : QStringList{path});
    if (untitled)
        w.document().insertRow(0, "typed=1");
    else
        w.document().setCaption(8, "host=changed");
    const QString before = w.windowTitle();
    f.platform.queueConfirm(answer);
    if (!savePath.isEmpty())
        f.platform.queueSaveFileName(f.path(savePath));

    const bool ok = f.files().NewDocument();
    QCOMPARE(ok, replaced);
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(f.platform.shown().first().title, QStringLiteral("Confirm"));
    if (untitled) {
        QCOMPARE(f.platform.saveDialogs(), 1);
        if (written)
            QCOMPARE(MainWindowFixture::readBytes(f.path(savePath)), QByteArray("typed=1\r\n"));
    } else {
        QStringList expected = kPhpLines;
        if (written)
            expected[8] = "host=changed";
        QCOMPARE(MainWindowFixture::readBytes(path), Join(expected));
    }
    if (replaced) {
        QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil-Untitled"));
        QCOMPARE(f.list()->model()->rowCount(), 0);
        QCOMPARE(f.tree()->model()->rowCount(), 0);
        QCOMPARE(f.targetText(), QString());
        QCOMPARE(f.logEntries(), QStringList());
        QVERIFY(!w.document().modified());
        // The new document is not changed: New asks nothing the second time.
        QVERIFY(f.files().NewDocument());
        QCOMPARE(f.platform.questions().size(), 1);
    } else {
        QCOMPARE(w.windowTitle(), before);
        QVERIFY(w.document().modified());
        QVERIFY(f.list()->model()->rowCount() > 0);
    }
}

// Opening over a changed document asks the same question; Cancel keeps the old document.
void TestNewClose::saveQuestionOnOpen_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Yes") << Answer::Yes << true;
    QTest::newRow("No") << Answer::No << true;
    QTest::newRow("Cancel") << Answer::Cancel << false;
}

void TestNewClose::saveQuestionOnOpen() {
    QFETCH(Answer, answer);
    QFETCH(bool, opened);
    MainWindowFixture f;
    const QString first = f.writeFile("first.ini", Join(kPhpLines));
    const QString second = f.writeFile("second.ini", Join({"[Second]", "x=1"}));
    vq::TfrmMain& w = f.start({first});
    w.document().setCaption(4, "engine = Off");
    f.platform.queueConfirm(answer);
    f.platform.queueOpenFileName(second);
    f.action("actOpenIniFile")->trigger();
    f.waitForLoad();

    QCOMPARE(f.platform.openDialogs(), 1);
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(w.windowTitle(), opened ? "Varnoquil-" + second : "Varnoquil-" + first + " *");
    QCOMPARE(f.column(0).first(), opened ? QStringLiteral("[Second]") : QStringLiteral("[PHP]"));
    QStringList onDisk = kPhpLines;
    if (answer == Answer::Yes)
        onDisk[4] = "engine = Off";
    QCOMPARE(MainWindowFixture::readBytes(first), Join(onDisk));
}

// A change of the target text while Loading is set counts neither for Modified nor for the caption.
void TestNewClose::changeWhileLoadingNotCounted() {
    MainWindowFixture f;
    const QString path = f.writeFile("load.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    w.document().setLoading(true);
    w.document().setCaption(8, "host=quiet");
    w.document().setLoading(false);
    QCOMPARE(f.targetLines().at(8), QStringLiteral("host=quiet"));
    QVERIFY(!w.document().modified());
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path);
    QVERIFY(f.files().NewDocument());
    QCOMPARE(f.platform.questions(), QStringList());
}

// Closing: above 2000 rows the unload is announced and painted before it starts; both end with
// "处理完毕！" and the bare caption.
void TestNewClose::closing_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("announced");
    QTest::newRow("2000 rows") << 2000 << false;
    QTest::newRow("2001 rows") << 2001 << true;
    QTest::newRow("empty document") << 0 << false;
}

void TestNewClose::closing() {
    QFETCH(int, rows);
    QFETCH(bool, announced);
    MainWindowFixture f;
    const QString path = f.writeFile("close.ini", Join(Lines(rows)));
    vq::TfrmMain& w = f.start({path});
    f.show();
    QCOMPARE(f.list()->model()->rowCount(), rows);
    PanelRecorder recorder(f.panel("pnlMessage"));
    QVERIFY(w.close());

    QCOMPARE(recorder.texts().contains(QStringLiteral("正在卸载数据 ...")), announced);
    if (announced)
        QCOMPARE(recorder.texts().first(), QStringLiteral("正在卸载数据 ..."));
    QCOMPARE(f.message(), QStringLiteral("处理完毕！"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnoquil"));
    QCOMPARE(f.list()->model()->rowCount(), 0);
    QCOMPARE(f.tree()->model()->rowCount(), 0);
    QCOMPARE(f.targetText(), QString());
    QCOMPARE(f.platform.questions(), QStringList());
}

// Cancelling the save question keeps the window open with everything as it was.
void TestNewClose::closeCancelled() {
    MainWindowFixture f;
    const QString path = f.writeFile("keep.ini", Join(kPhpLines));
    vq::TfrmMain& w = f.start({path});
    f.show();
    w.document().setCaption(8, "host=kept");
    f.platform.queueConfirm(Answer::Cancel);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(f.platform.questions(), QStringList{kSaveQuestion});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + path + " *");
    QCOMPARE(f.column(0).at(8), QStringLiteral("host=kept"));
    QCOMPARE(f.targetLines().at(8), QStringLiteral("host=kept"));
    // The exit command asks the same question.
    f.platform.queueConfirm(Answer::No);
    f.action("actExit")->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(MainWindowFixture::readBytes(path), Join(kPhpLines));
}

QTEST_MAIN(TestNewClose)
#include "NewCloseTest.moc"
