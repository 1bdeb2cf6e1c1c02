// The About box as a user meets it: its labels, the scrolling panel, the ways it closes, and the
// hidden game played with real clicks and keys. The scroller's and the game's timers are driven
// by calling their handlers, so no test waits for them.
#include "MainWindowFixture.h"
#include "UnderValgrind.h"

#include "ui/about/ShapeWidget.h"
#include "ui/about/TAboutBox.h"
#include "ui/toolbox/QtPlatform.h"

#include "ui/about/AboutBoxTexts.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace vqtest;
using vq::TAboutBox;
namespace about = vq::about;

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// A box of its own on the scripted platform, without the main window.
struct BoxFixture {
    explicit BoxFixture(const about::VersionInfo& info = about::ProgramVersionInfo()) {
        owner.resize(200, 100);
        box = new TAboutBox(info, platform, &owner);
    }
    ~BoxFixture() { delete box.data(); }

    template <typename T = QWidget>
    T* child(const char* name) const {
        return box->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    int panelTop() const { return child("pnlInfo")->y(); }
    QTimer* timer(const char* name) const { return child<QTimer>(name); }
    // The panel parked below the window, the playfield alone and clickable.
    void parkPanel() {
        QTest::mouseClick(child("Copyright"), Qt::RightButton);
        box->tmrInfoTimer();
    }
    void showActive() {
        box->show();
        box->activateWindow();
        if (!QTest::qWaitForWindowActive(box))
            qWarning("the About box did not become active");
    }

    ScriptedPlatform platform;
    QWidget owner;
    QPointer<TAboutBox> box;
};

using Sound = ScriptedPlatform::Sound;

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void labelsFromTheVersionTable_data();
    void labelsFromTheVersionTable();
    void layout();
    void scrollerPositions();
    void rightClickSendsThePanelAway();
    void movingPanelKeepsThePlayfieldShut();
    void closesOnEscape();
    void closesOnDeactivation();
    void closesOnClicks_data();
    void closesOnClicks();
    void iconOpensTheReadme();
    void aShiftRightClickPlaysOneBall();
    void tenBallsHoldThePanel();
    void arrowKeysSteerTheBat();
    void leftClickEndsTheGame();
    void closingEndsGameAndSound();
    void closingWithTheDesktopsSoundPlayer();
    void noUseOfFreedMemory();
};

void TestAbout::labelsFromTheVersionTable_data() {
    QTest::addColumn<about::VersionInfo>("info");
    QTest::addColumn<QStringList>("expected");  // Version, Copyright, Comments, Author, Author1, Company
    const auto table = about::VersionInfo::WithStrings("080403A8", {{"ProductVersion", "9.8.7"},
                                                                    {"LegalCopyright", "(c) Someone"},
                                                                    {"Comments", "Notes"},
                                                                    {"Author", "Writer"},
                                                                    {"CompanyName", "Firm"}});
    QTest::newRow("full table") << table << QStringList{"v9.8.7", "(c) Someone", "Notes", "Writer", "Writer", "Firm"};
    const auto noAuthor = about::VersionInfo::WithStrings("080403A8", {{"ProductVersion", "9.8.7"},
                                                                       {"LegalCopyright", "(c) Someone"},
                                                                       {"Comments", "Notes"},
                                                                       {"CompanyName", "Firm"}});
    QTest::newRow("without Author")
        << noAuthor
        << QStringList{"v9.8.7", "(c) Someone", "Notes", " Author not available", " Author not available", "Firm"};
    QTest::newRow("no version information")
        << about::VersionInfo() << QStringList{"Version", "Copyright", "Comments", "Author", "Author", "Company"};
    QTest::newRow("the program's own")
        << about::ProgramVersionInfo()
        << QStringList{"v1.2.3",
                       QString::fromStdString(GetVersionString(about::ProgramVersionInfo(), "LegalCopyright")),
                       QString::fromStdString(GetVersionString(about::ProgramVersionInfo(), "Comments")),
                       QString::fromStdString(GetVersionString(about::ProgramVersionInfo(), "Author")),
                       QString::fromStdString(GetVersionString(about::ProgramVersionInfo(), "Author")),
                       QString::fromStdString(GetVersionString(about::ProgramVersionInfo(), "CompanyName"))};
}

void TestAbout::labelsFromTheVersionTable() {
    QFETCH(about::VersionInfo, info);
    QFETCH(QStringList, expected);
    BoxFixture f(info);
    const QStringList shown{f.text("Version"), f.text("Copyright"), f.text("Comments"),
                            f.text("Author"),  f.text("Author1"),   f.text("Company")};
    QCOMPARE(shown, expected);
    QCOMPARE(f.text("ProductName"), QString("Varnoquil"));
    QCOMPARE(f.text("ProductName1"), QString("Varnoquil"));
    QCOMPARE(f.text("lblIntro"), U(vq::texts::kAboutIntro));
    QCOMPARE(f.text("Label1"), U("发布日期：") + QString::fromStdString(about::ReleaseDate()));
}

// Frameless, exactly its panel's size, centred; the grey name a shadow under the black one.
void TestAbout::layout() {
    BoxFixture f;
    QVERIFY(f.box->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.box->size(), QSize(321, 169));
    QCOMPARE(f.child("Panel1")->geometry(), QRect(0, 0, 321, 169));
    const QRect screen = f.box->screen()->availableGeometry();
    QVERIFY(qAbs(f.box->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(f.box->geometry().center().y() - screen.center().y()) <= 1);
    QWidget* shadow = f.child("ProductName");
    QWidget* name = f.child("ProductName1");
    QCOMPARE(shadow->pos(), name->pos() + QPoint(1, 1));
    const QObjectList order = name->parentWidget()->children();
    QVERIFY(order.indexOf(shadow) < order.indexOf(name));  // drawn first, so under it
    QCOMPARE(f.child("pnlInfoBack")->size(), QSize(269, 90));
    QCOMPARE(f.child("pnlInfo")->geometry().size(), QSize(265, 218));
    QCOMPARE(f.child("pnlBack")->geometry(), QRect(-1, 0, 270, 90));
    QCOMPARE(f.child("Image1")->toolTip(), U("查看\"Readme.txt\""));
    for (int i = 1; i <= 28; ++i)
        QVERIFY2(f.child(qPrintable(QString("Shape%1").arg(i))), qPrintable(QString::number(i)));
    // To a screen reader the playfield is one graphic that says what it holds, not its shapes.
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(f.child("pnlBack"));
    QVERIFY(field);
    QCOMPARE(field->role(), QAccessible::Graphic);
    QCOMPARE(field->text(QAccessible::Name), U("打砖块游戏"));
    QVERIFY(!field->text(QAccessible::Description).isEmpty());
    QCOMPARE(field->childCount(), 0);
}

// The panel rests at -1 and -111, leaves the window, parks below it and rises again.
void TestAbout::scrollerPositions() {
    BoxFixture f;
    QTimer* tmrInfo = f.timer("tmrInfo");
    QCOMPARE(f.panelTop(), -1);
    QVERIFY(tmrInfo->isActive());
    QCOMPARE(tmrInfo->interval(), 2000);
    struct Seen {
        int top;
        int interval;
        bool playfield;
    };
    QList<Seen> seen;
    for (int i = 0; i < 2 * 218 + 10; ++i) {
        f.box->tmrInfoTimer();
        seen.append({f.panelTop(), tmrInfo->interval(), f.child("pnlBack")->isEnabled()});
    }
    QCOMPARE(seen[0].top, -2);
    QCOMPARE(seen[0].interval, 40);
    const auto restsAt = [&](int top) {
        for (const Seen& s : seen)
            if (s.top == top)
                return s.interval == 5000;
        return false;
    };
    QVERIFY(restsAt(-111));
    QVERIFY(restsAt(90));
    QVERIFY(restsAt(-1));
    QVERIFY(!restsAt(-50));
    for (const Seen& s : seen)
        QCOMPARE(s.playfield, s.top == 90);
    QVERIFY(tmrInfo->isActive());
}

void TestAbout::rightClickSendsThePanelAway() {
    BoxFixture f;
    QTest::mouseClick(f.child("lblIntro"), Qt::LeftButton);
    QCOMPARE(f.panelTop(), -1);
    QTest::mouseClick(f.child("Company"), Qt::RightButton);
    QCOMPARE(f.panelTop(), -218);
    f.box->tmrInfoTimer();
    QCOMPARE(f.panelTop(), 90);
    QVERIFY(f.child("pnlBack")->isEnabled());
    QCOMPARE(f.timer("tmrInfo")->interval(), 5000);
}

void TestAbout::movingPanelKeepsThePlayfieldShut() {
    BoxFixture f;
    f.parkPanel();
    f.box->tmrInfoTimer();  // rising again
    QCOMPARE(f.panelTop(), 89);
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, Qt::ShiftModifier, QPoint(230, 10));
    QVERIFY(f.platform.sounds().isEmpty());
    QVERIFY(!f.timer("tmrGame")->isActive());
}

void TestAbout::closesOnEscape() {
    BoxFixture f;
    f.showActive();
    QTest::keyClick(f.box, Qt::Key_Down);
    QVERIFY(f.box->isVisible());
    QTest::keyClick(f.box, Qt::Key_Escape);
    QTRY_VERIFY(f.box.isNull());  // closing frees it
}

// The real command: each use opens a new box; activating the main window closes it.
void TestAbout::closesOnDeactivation() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start();
    f.show();
    QAction* about = f.action("actAbout");
    QVERIFY(about->isEnabled());
    about->trigger();
    QPointer<TAboutBox> box = w.findChild<TAboutBox*>();
    QVERIFY(box);
    QVERIFY(!box->isModal());
    QVERIFY(QTest::qWaitForWindowActive(box));
    w.activateWindow();
    QTRY_VERIFY(box.isNull());
    // A second use opens a new box, which takes the activation from the first.
    about->trigger();
    QPointer<TAboutBox> first = w.findChild<TAboutBox*>();
    QVERIFY(QTest::qWaitForWindowActive(first));
    about->trigger();
    QTRY_VERIFY(first.isNull());
    const QList<TAboutBox*> open = w.findChildren<TAboutBox*>();
    QCOMPARE(open.size(), 1);
    QVERIFY(open.first()->isVisible());
}

void TestAbout::closesOnClicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("closes");
    for (const char* name : {"Panel1", "Version", "ProductName1", "Author", "Label1"})
        QTest::newRow(name) << name << true;
    QTest::newRow("Author1") << "Author1" << false;
    QTest::newRow("lblIntro") << "lblIntro" << false;
}

void TestAbout::closesOnClicks() {
    QFETCH(QString, target);
    QFETCH(bool, closes);
    BoxFixture f;
    f.showActive();
    QWidget* widget = f.child(qPrintable(target));
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(3, 3));
    QVERIFY(f.box);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    if (closes) {
        QTRY_VERIFY(f.box.isNull());
    } else {
        QCoreApplication::processEvents();
        QVERIFY(f.box && f.box->isVisible());
    }
}

// Also when the file is not there: the result is not looked at.
void TestAbout::iconOpensTheReadme() {
    BoxFixture f;
    f.platform.setStartResult(vq::Platform::StartResult::NotFound);
    f.showActive();
    QTest::mouseClick(f.child("Image1"), Qt::LeftButton);
    QCOMPARE(f.platform.openedDocuments(), QStringList{QCoreApplication::applicationDirPath() + "/Readme.txt"});
    QTRY_VERIFY(f.box.isNull());
}

void TestAbout::aShiftRightClickPlaysOneBall() {
    BoxFixture f;
    f.parkPanel();
    // A release on the label counts as one on the playfield.
    QTest::mouseClick(f.child("Label2"), Qt::RightButton, Qt::ShiftModifier, QPoint(5, 5));
    QCOMPARE(f.platform.sounds(), (QList<Sound>{{"GameOver", true}}));
    QTimer* tmrGame = f.timer("tmrGame");
    QVERIFY(tmrGame->isActive());
    QCOMPARE(tmrGame->interval(), 20);
    QWidget* ball = f.child("shpBall");
    QCOMPARE(ball->pos(), QPoint(135, 71));
    f.box->tmrGameTimer();
    QCOMPARE(ball->pos(), QPoint(136, 72));
    // The ball gets past the bat.
    f.box->game().state().ball.left = 265;
    f.box->tmrGameTimer();
    QVERIFY(!tmrGame->isActive());
    QCOMPARE(ball->pos(), QPoint(135, 71));
    QCOMPARE(f.platform.sounds().last(), (Sound{"GameOver", true}));
    QCOMPARE(f.timer("tmrInfo")->interval(), 40);  // no ball left: the panel rises at once
    f.box->tmrInfoTimer();
    QCOMPARE(f.panelTop(), 89);
    // A plain right click now does nothing.
    f.parkPanel();
    const qsizetype played = f.platform.sounds().size();
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, {}, QPoint(230, 10));
    QCOMPARE(f.platform.sounds().size(), played);
    QVERIFY(!tmrGame->isActive());
}

void TestAbout::tenBallsHoldThePanel() {
    BoxFixture f;
    f.parkPanel();
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(230, 10));
    QVERIFY(f.timer("tmrGame")->isActive());
    QCOMPARE(f.box->game().state().BallsLeft, 9);
    for (int i = 0; i < 20; ++i)
        f.box->tmrInfoTimer();
    QCOMPARE(f.panelTop(), 90);
    QVERIFY(f.child("pnlBack")->isEnabled());
    // A brick struck once is drawn cross-hatched; struck again it is gone.
    auto* brick = f.child<vq::ShapeWidget>("Shape1");
    about::GameState& state = f.box->game().state();
    for (bool hatchedAfter : {true, false}) {
        state.ball = {25, 19, 5, 5};  // moving left into the right side of the brick
        state.BallDX = -1;
        f.box->tmrGameTimer();
        QCOMPARE(f.platform.sounds().last(), (Sound{"HitBrick", false}));
        QCOMPARE(brick->isHatched(), hatchedAfter);
        QCOMPARE(!brick->isHidden(), hatchedAfter);
    }
}

void TestAbout::arrowKeysSteerTheBat() {
    BoxFixture f;
    f.showActive();
    f.parkPanel();
    QWidget* bar = f.child("shpBar");
    QTest::keyPress(f.box, Qt::Key_Up);  // no ball yet: the bat stays
    f.box->tmrGameTimer();
    QCOMPARE(bar->y(), 17);
    QTest::keyRelease(f.box, Qt::Key_Up);
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, Qt::ShiftModifier, QPoint(230, 10));
    QTest::keyPress(f.box, Qt::Key_Up);
    for (int i = 0; i < 4; ++i)
        f.box->tmrGameTimer();
    QCOMPARE(bar->y(), 13);
    QTest::keyRelease(f.box, Qt::Key_Up);
    for (int i = 0; i < 4; ++i)
        f.box->tmrGameTimer();
    QCOMPARE(bar->y(), 13);
    QTest::keyPress(f.box, Qt::Key_Down);
    for (int i = 0; i < 8; ++i)
        f.box->tmrGameTimer();
    QVERIFY2(bar->y() >= 19, qPrintable(QString::number(bar->y())));
}

void TestAbout::leftClickEndsTheGame() {
    BoxFixture f;
    f.parkPanel();
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(230, 10));
    for (int i = 0; i < 30; ++i)
        f.box->tmrGameTimer();
    QTest::mouseClick(f.child("pnlBack"), Qt::LeftButton, {}, QPoint(230, 10));
    QVERIFY(!f.timer("tmrGame")->isActive());
    QCOMPARE(f.child("shpBall")->pos(), QPoint(135, 71));
    QCOMPARE(f.timer("tmrInfo")->interval(), 40);
    f.box->tmrInfoTimer();
    QCOMPARE(f.panelTop(), 89);
}

// Closing while a ball runs: the timers go with the box and the sound is stopped. The event loop
// runs on, so a timer left behind would fire into the freed box (the valgrind run sees that).
void TestAbout::closingEndsGameAndSound() {
    BoxFixture f;
    f.showActive();
    f.parkPanel();
    QTest::mouseClick(f.child("pnlBack"), Qt::RightButton, Qt::ShiftModifier, QPoint(230, 10));
    QVERIFY(f.timer("tmrGame")->isActive());
    const int stopsBefore = f.platform.soundStops();
    QTest::keyClick(f.box, Qt::Key_Escape);
    QVERIFY(f.platform.soundStops() > stopsBefore);
    QTRY_VERIFY(f.box.isNull());
    QTest::qWait(100);  // several game ticks' time
}

// The same with the desktop's platform: its sound thread plays (or, without a device, drops) the
// game's sounds while the box closes and the platform goes.
void TestAbout::closingWithTheDesktopsSoundPlayer() {
    auto platform = std::make_unique<vq::QtPlatform>();
    QWidget owner;
    QPointer<TAboutBox> box = new TAboutBox(about::ProgramVersionInfo(), *platform, &owner);
    box->show();
    QTest::mouseClick(box->findChild<QWidget*>("Copyright"), Qt::RightButton);
    box->tmrInfoTimer();
    QTest::mouseClick(box->findChild<QWidget*>("pnlBack"), Qt::RightButton, Qt::ShiftModifier, QPoint(230, 10));
    QVERIFY(box->findChild<QTimer*>("tmrGame")->isActive());
    box->game().state().ball = {60, 84, 5, 5};  // about to strike the bottom edge: "HitBar"
    box->tmrGameTimer();
    box->close();
    QTRY_VERIFY(box.isNull());
    platform.reset();
    QTest::qWait(60);
}

// The box's whole life once more under valgrind, with both platforms.
void TestAbout::noUseOfFreedMemory() {
    const ValgrindReport report =
        RunSelfUnderValgrind({"closingEndsGameAndSound", "closingWithTheDesktopsSoundPlayer", "closesOnDeactivation"});
    VERIFY_NO_USE_OF_FREED_MEMORY(report);
}

QTEST_MAIN(TestAbout)
#include "AboutTest.moc"
