#pragma once

#include "core/about/GameGeometry.h"
#include "core/about/GameSound.h"

#include <array>

namespace vq::about {

// What the game asks of the box it plays in.
class GameHost {
public:
    virtual ~GameHost() = default;
    // Plays a sound; GameOver returns only when it has ended.
    virtual void PlaySound(GameSound sound) = 0;
    // The information panel may start moving again soon.
    virtual void ResumeScroller() = 0;
};

enum class BrickState { Solid, Hatched, Hidden };

// Buttons and keys held when a mouse button is released (the released button not among them).
enum HeldInput : unsigned {
    kHeldShift = 1,
    kHeldCtrl = 2,
    kHeldAlt = 4,
    kHeldOtherKey = 8,     // any other modifier key
    kHeldOtherButton = 16  // any mouse button still down
};

enum class MouseButton { Left, Right, Middle };
enum class GameKey { Up, Down, Other };

// Everything the game knows; the box draws it.
struct GameState {
    Rect ball;
    Rect bar;
    std::array<BrickState, 28> bricks{};
    int BallDX = 1;
    int BallDY = 1;
    int HitsLeft = 56;
    bool GameRunning = false;
    int BallsLeft = 0;
    int BarDirection = 2;  // 0 up, 1 down, 2 still
    int BarDelay = 0;
    int timerInterval = 0;  // of the game's timer; 0 while it rests
};

// A small brick-breaker lying sideways in a 270 x 90 field: the bricks on the left, the bat near
// the right edge moving up and down, and a ball that is lost when it gets past the bat. It is
// driven by Tick(), the mouse and the arrow keys; it draws nothing itself.
class BrickGame {
public:
    static constexpr int kFieldWidth = 270;
    static constexpr int kFieldHeight = 90;
    static constexpr int kBrickCount = 28;
    static constexpr int kBarStep = 2;
    static constexpr Rect kBallStart{135, 71, 5, 5};
    static constexpr Rect kBarStart{248, 17, 5, 25};

    // `tickInterval` is what the game's timer runs at while a ball is in play.
    BrickGame(GameHost& host, int tickInterval);

    GameState& state() { return m_s; }
    const GameState& state() const { return m_s; }
    // Brick `i` (0 to 27, drawn as Shape1 to Shape28) where it stands.
    static Rect BrickRect(int i);
    // The information panel stands still while a ball runs or balls are left.
    bool HoldsScroller() const { return m_s.BallsLeft > 0 || m_s.GameRunning; }

    // Input: a released mouse button with what was held; a pressed or released key.
    void MouseUp(MouseButton button, unsigned held);
    void KeyDown(GameKey key);
    void KeyUp(GameKey key);
    // One tick of the game's timer.
    void Tick();

    void ResetGame();
    void StartBall();
    void BoardCleared();
    void LoseBall();
    void MoveBar(int direction);
    void MoveBall();
    void Bounce(int code);
    void CheckHits();

private:
    GameHost& m_host;  // Not owned.
    int m_tickInterval;
    GameState m_s;
};

}  // namespace vq::about
