#include "ui/about/TAboutBox.h"

#include "ui/about/AboutAccessible.h"
#include "ui/about/ShapeWidget.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/ProgramFiles.h"
#include "ui/toolbox/UiResources.h"

#include "core/document/DocumentTexts.h"
#include "ui/about/AboutBoxTexts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace vq {

using about::BrickState;

static QString U(const char* text) { return QString::fromUtf8(text); }
static QString Q(const std::string& text) { return QString::fromStdString(text); }

TAboutBox::TAboutBox(const about::VersionInfo& info, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_platform(platform),
      m_game(*this, about::kGameTickInterval) {
    InitUiResources();
    setObjectName("AboutBox");
    setWindowTitle(U(texts::kAboutCaption));
    InstallAboutBoxAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);  // closing frees the box
    setFocusPolicy(Qt::StrongFocus);

    createPanel();
    createInfoPanel();
    createPlayfield();

    m_tmrInfo = new QTimer(this);
    m_tmrInfo->setObjectName("tmrInfo");
    connect(m_tmrInfo, &QTimer::timeout, this, &TAboutBox::tmrInfoTimer);
    m_tmrGame = new QTimer(this);
    m_tmrGame->setObjectName("tmrGame");
    connect(m_tmrGame, &QTimer::timeout, this, &TAboutBox::tmrGameTimer);

    for (QWidget* w :
         {static_cast<QWidget*>(m_panel1), static_cast<QWidget*>(m_image1), static_cast<QWidget*>(m_version),
          static_cast<QWidget*>(m_productName1), static_cast<QWidget*>(m_author), static_cast<QWidget*>(m_label1),
          static_cast<QWidget*>(m_pnlInfo), static_cast<QWidget*>(m_author1), static_cast<QWidget*>(m_company),
          static_cast<QWidget*>(m_copyright), static_cast<QWidget*>(m_comments), static_cast<QWidget*>(m_lblIntro),
          m_pnlBack})
        w->installEventFilter(this);

    FormCreate(info);
}

TAboutBox::~TAboutBox() {
    // The game's timer must not outlive the box, nor a sound the game started.
    m_tmrInfo->stop();
    m_tmrGame->stop();
    m_platform.stopSound();
}

void TAboutBox::FormCreate(const about::VersionInfo& info) {
    m_image1->setPixmap(QIcon(":/icons/varnoquil.svg").pixmap(32, 32));
    // The window is exactly as large as its panel, centred on the screen.
    m_panel1->move(0, 0);
    setFixedSize(m_panel1->size());
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());

    m_productName->setText(U(texts::kAppTitle));
    m_productName1->setText(U(texts::kAppTitle));
    m_label1->setText(U(texts::kReleaseDatePrefix) + Q(about::ReleaseDate()));
    if (!info.empty()) {
        m_version->setText(U(texts::kVersionPrefix) + Q(GetVersionString(info, "ProductVersion")));
        m_copyright->setText(Q(GetVersionString(info, "LegalCopyright")));
        m_comments->setText(Q(GetVersionString(info, "Comments")));
        m_author->setText(Q(GetVersionString(info, "Author")));
        m_company->setText(Q(GetVersionString(info, "CompanyName")));
    }
    m_author1->setText(m_author->text());
    m_lblIntro->setText(U(texts::kAboutIntro));
    showState();
}

void TAboutBox::tmrInfoTimer() {
    m_scroller.Tick(m_game.HoldsScroller());
    showState();
}

void TAboutBox::tmrGameTimer() {
    m_game.Tick();
    showState();
}

// The read-me lies with the program's other files (beside it, or under share/varnoquil when
// installed). The result is not looked at: the box closes whether the file opened or not.
void TAboutBox::Image1Click() {
    m_platform.openDocument(ProgramFile(U(texts::kReadmeFile)));
    close();
}

void TAboutBox::FormDeactivate() { close(); }

void TAboutBox::pnlInfoMouseUp(Qt::MouseButton button) {
    if (button != Qt::RightButton)
        return;
    m_scroller.SendAway();
    showState();
}

void TAboutBox::pnlBackMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held) {
    unsigned input = 0;
    if (modifiers & Qt::ShiftModifier)
        input |= about::kHeldShift;
    if (modifiers & Qt::ControlModifier)
        input |= about::kHeldCtrl;
    if (modifiers & Qt::AltModifier)
        input |= about::kHeldAlt;
    if (modifiers & (Qt::MetaModifier | Qt::GroupSwitchModifier))
        input |= about::kHeldOtherKey;
    if (held != Qt::NoButton)
        input |= about::kHeldOtherButton;
    const about::MouseButton which = button == Qt::RightButton  ? about::MouseButton::Right
                                     : button == Qt::LeftButton ? about::MouseButton::Left
                                                                : about::MouseButton::Middle;
    m_game.MouseUp(which, input);
    showState();
}

void TAboutBox::showState() {
    m_pnlInfo->move(m_pnlInfo->x(), m_scroller.Top());
    m_pnlBack->setEnabled(m_scroller.PlayfieldEnabled());
    // Setting an interval restarts the countdown; an unchanged one is left running.
    if (!m_tmrInfo->isActive() || m_tmrInfo->interval() != m_scroller.Interval())
        m_tmrInfo->start(m_scroller.Interval());

    const about::GameState& s = m_game.state();
    m_shpBall->setGeometry(s.ball.left, s.ball.top, s.ball.width, s.ball.height);
    m_shpBar->setGeometry(s.bar.left, s.bar.top, s.bar.width, s.bar.height);
    for (size_t i = 0; i < m_bricks.size(); ++i) {
        m_bricks[i]->setHatched(s.bricks[i] == BrickState::Hatched);
        m_bricks[i]->setVisible(s.bricks[i] != BrickState::Hidden);
    }
    if (s.timerInterval == 0)
        m_tmrGame->stop();
    else if (!m_tmrGame->isActive() || m_tmrGame->interval() != s.timerInterval)
        m_tmrGame->start(s.timerInterval);
}

void TAboutBox::PlaySound(about::GameSound sound) {
    m_platform.playSound(QString::fromLatin1(about::SoundName(sound)), about::SoundWaits(sound));
}

void TAboutBox::ResumeScroller() { m_scroller.Resume(); }

static about::GameKey ToGameKey(int key) {
    return key == Qt::Key_Up ? about::GameKey::Up : key == Qt::Key_Down ? about::GameKey::Down : about::GameKey::Other;
}

// No control of the box takes the focus, so the box sees every key.
void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    m_game.KeyDown(ToGameKey(event->key()));
}

// A held key repeats its press, not its release.
void TAboutBox::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        m_game.KeyUp(ToGameKey(event->key()));
}

// The box closes when another window takes the activation from it.
void TAboutBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive && isVisible())
        FormDeactivate();
}

// Closing ends the game and its sound at once; the box is then deleted (WA_DeleteOnClose).
void TAboutBox::closeEvent(QCloseEvent* event) {
    m_tmrInfo->stop();
    m_tmrGame->stop();
    m_platform.stopSound();
    event->accept();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    const bool inside = widget->rect().contains(mouse->position().toPoint());
    if (watched == m_pnlBack) {
        if (m_pnlBack->isEnabled())
            pnlBackMouseUp(mouse->button(), mouse->modifiers(), mouse->buttons());
        return true;
    }
    if (watched == m_pnlInfo || watched == m_author1 || watched == m_company || watched == m_copyright ||
        watched == m_comments || watched == m_lblIntro) {
        pnlInfoMouseUp(mouse->button());
        return true;
    }
    if (mouse->button() != Qt::LeftButton || !inside)
        return QWidget::eventFilter(watched, event);
    if (watched == m_image1)
        Image1Click();
    else
        FormDeactivate();  // the silver panel, the version, the name, the author, the date
    return true;
}

}  // namespace vq
