#include "core/about/BrickGame.h"

#include <algorithm>

namespace vq::about {

const char* SoundName(GameSound sound) {
    switch (sound) {
    case GameSound::GameOver: return "GameOver";
    case GameSound::HitBar: return "HitBar";
    case GameSound::HitBrick: return "HitBrick";
    }
    return "";
}

BrickGame::BrickGame(GameHost& host, int tickInterval) : m_host(host), m_tickInterval(tickInterval) { ResetGame(); }

// Seven columns of four bricks, 16 pixels apart, filling the rectangle (16, 16)-(121, 74).
Rect BrickGame::BrickRect(int i) {
    constexpr int kPitch = 16;
    constexpr int kSize = 9;
    return Rect{16 + (i % 7) * kPitch, 16 + (i / 7) * kPitch, kSize, kSize};
}

void BrickGame::MouseUp(MouseButton button, unsigned held) {
    if (button != MouseButton::Right) {
        ResetGame();
        m_s.BallsLeft = 0;
        m_host.ResumeScroller();
        return;
    }
    if (held == (kHeldCtrl | kHeldAlt))
        m_s.BallsLeft = 10;
    else if (held == kHeldShift)
        m_s.BallsLeft = 1;
    if (m_s.BallsLeft > 0)
        StartBall();
}

void BrickGame::KeyDown(GameKey key) {
    if (!m_s.GameRunning)
        return;
    if (key == GameKey::Up)
        m_s.BarDirection = 0;
    else if (key == GameKey::Down)
        m_s.BarDirection = 1;
}

// The bat stops when its key is let go, whether a ball runs or not.
void BrickGame::KeyUp(GameKey key) {
    if (key == GameKey::Up || key == GameKey::Down)
        m_s.BarDirection = 2;
}

void BrickGame::Tick() {
    if (m_s.HitsLeft == 0)
        BoardCleared();
    if (!m_s.GameRunning)
        return;
    if (m_s.BarDelay > 0)
        --m_s.BarDelay;
    else
        MoveBar(m_s.BarDirection);
    MoveBall();
    CheckHits();
}

// Bat direction and delay are left as they are: a key still held keeps steering the next ball.
void BrickGame::ResetGame() {
    m_s.timerInterval = 0;
    m_s.GameRunning = false;
    m_s.ball = kBallStart;
    m_s.bar = kBarStart;
    m_s.BallDX = 1;
    m_s.BallDY = 1;
    m_s.bricks.fill(BrickState::Solid);
    m_s.HitsLeft = 2 * kBrickCount;
}

void BrickGame::StartBall() {
    ResetGame();
    m_host.PlaySound(GameSound::GameOver);  // the start signal
    m_s.timerInterval = m_tickInterval;
    m_s.GameRunning = true;
    --m_s.BallsLeft;
}

void BrickGame::BoardCleared() {
    ResetGame();
    m_host.PlaySound(GameSound::GameOver);
}

void BrickGame::LoseBall() {
    ResetGame();
    m_host.PlaySound(GameSound::GameOver);
    if (m_s.BallsLeft == 0)
        m_host.ResumeScroller();
}

void BrickGame::MoveBar(int direction) {
    if (direction == 0)
        m_s.bar.top = std::max(m_s.bar.top - kBarStep, 0);
    else if (direction == 1)
        m_s.bar.top = std::min(m_s.bar.top + kBarStep, kFieldHeight - m_s.bar.height);
    m_s.BarDelay = 1;
}

void BrickGame::MoveBall() {
    int x = m_s.ball.left + m_s.BallDX;
    int y = m_s.ball.top + m_s.BallDY;
    if (x > kFieldWidth - m_s.ball.width) {
        LoseBall();
        return;
    }
    if (x <= 0) {
        x = 0;
        m_s.BallDX = -m_s.BallDX;
    }
    if (y <= 0) {
        y = 0;
        m_s.BallDY = -m_s.BallDY;
    }
    const int floor = kFieldHeight - m_s.ball.height;
    if (y >= floor) {
        y = floor;
        m_s.BallDY = -m_s.BallDY;
        m_host.PlaySound(GameSound::HitBar);
    }
    m_s.ball.left = x;
    m_s.ball.top = y;
}

void BrickGame::Bounce(int code) {
    switch (code) {
    case 1:
    case 2: m_s.BallDY = -m_s.BallDY; break;
    case 4:
    case 7: m_s.BallDX = -m_s.BallDX; break;
    case 5:
    case 6:
    case 8:
    case 9:
        m_s.BallDX = -m_s.BallDX;
        m_s.BallDY = -m_s.BallDY;
        break;
    default: break;
    }
}

// The bat only turns a ball that comes at it from its left side; at most one brick is struck
// per tick, and a brick takes two strikes.
void BrickGame::CheckHits() {
    const int barCode = HitTest(m_s.ball, m_s.bar);
    if (barCode >= 4 && barCode <= 6) {
        m_host.PlaySound(GameSound::HitBar);
        Bounce(barCode);
        return;
    }
    for (int i = 0; i < kBrickCount; ++i) {
        BrickState& brick = m_s.bricks[static_cast<size_t>(i)];
        if (brick == BrickState::Hidden)
            continue;
        const int code = HitTest(m_s.ball, BrickRect(i));
        Bounce(code);
        if (code > 0) {
            m_host.PlaySound(GameSound::HitBrick);
            brick = brick == BrickState::Solid ? BrickState::Hatched : BrickState::Hidden;
            --m_s.HitsLeft;
            return;
        }
    }
}

}  // namespace vq::about
