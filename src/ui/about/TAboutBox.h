#pragma once

#include "core/about/BrickGame.h"
#include "core/about/InfoScroller.h"
#include "core/about/VersionInfo.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QTimer;

namespace vq {

class Platform;
class ShapeWidget;

// The About box: the product name and version, an information panel that scrolls through the
// version information and an introduction, and a link to the read-me file. It closes as soon as
// it loses activation and deletes itself when closed. Its black information window is also the
// playfield of a small hidden game, which this box only draws and feeds with mouse and keys.
class TAboutBox : public QWidget, private about::GameHost {
    Q_OBJECT
public:
    // `info`: the version information to show; an empty one leaves the labels' own captions.
    TAboutBox(const about::VersionInfo& info, Platform& platform, QWidget* parent);
    ~TAboutBox() override;

    about::BrickGame& game() { return m_game; }
    const about::InfoScroller& scroller() const { return m_scroller; }

public slots:
    void tmrInfoTimer();
    void tmrGameTimer();
    void Image1Click();
    void FormDeactivate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, in TAboutBoxLayout.cpp
    void createPanel();
    void createInfoPanel();
    void createPlayfield();
    QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry);

    void FormCreate(const about::VersionInfo& info);
    void pnlInfoMouseUp(Qt::MouseButton button);
    void pnlBackMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, Qt::MouseButtons held);
    // Brings the widgets and both timers in line with the scroller and the game.
    void showState();

    void PlaySound(about::GameSound sound) override;
    void ResumeScroller() override;

    Platform& m_platform;  // Not owned.
    about::InfoScroller m_scroller;
    about::BrickGame m_game;
    bool m_wasActive = false;

    QFrame* m_panel1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_productName = nullptr;
    QLabel* m_productName1 = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_author = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_lblHome = nullptr;
    QLabel* m_lblEMail = nullptr;
    QWidget* m_pnlInfoBack = nullptr;
    QFrame* m_pnlInfo = nullptr;
    QLabel* m_author1 = nullptr;
    QLabel* m_company = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_comments = nullptr;
    QLabel* m_lblIntro = nullptr;
    QWidget* m_pnlBack = nullptr;
    ShapeWidget* m_shpBar = nullptr;
    ShapeWidget* m_shpBall = nullptr;
    std::array<ShapeWidget*, about::BrickGame::kBrickCount> m_bricks{};
    QTimer* m_tmrInfo = nullptr;
    QTimer* m_tmrGame = nullptr;
};

}  // namespace vq
