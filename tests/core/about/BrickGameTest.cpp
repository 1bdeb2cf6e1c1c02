// The brick game's rules, played tick by tick without a window.
#include "core/about/BrickGame.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace vq::about;

namespace {

// Records what the game asks of its box.
struct RecordingHost : GameHost {
    std::vector<std::string> sounds;
    int resumes = 0;
    void PlaySound(GameSound sound) override { sounds.push_back(SoundName(sound)); }
    void ResumeScroller() override { ++resumes; }
};

struct BrickGameTest : ::testing::Test {
    RecordingHost host;
    BrickGame game{host, 20};
    GameState& s = game.state();

    // A ball in play without the start signal in the records.
    void startBall(int balls = 1) {
        s.BallsLeft = balls;
        game.StartBall();
        host.sounds.clear();
    }
    void place(int x, int y, int dx, int dy) {
        s.ball.left = x;
        s.ball.top = y;
        s.BallDX = dx;
        s.BallDY = dy;
    }
};

}  // namespace

// ---- HitTest: every code, against a 20 x 20 rectangle at (10, 10) -----------------------------

struct HitCase {
    const char* name;
    Rect ball;
    Rect other;
    int code;
};

void PrintTo(const HitCase& c, std::ostream* out) { *out << c.name; }

class HitTestTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTestTable, Code) {
    const HitCase& c = GetParam();
    EXPECT_EQ(HitTest(c.ball, c.other), c.code) << c.name;
}

constexpr Rect kBox{10, 10, 20, 20};
constexpr Rect kThinHigh{10, 10, 2, 20};  // narrower than the ball
constexpr Rect kThinWide{10, 10, 20, 2};  // lower than the ball

INSTANTIATE_TEST_SUITE_P(
    Codes, HitTestTable,
    ::testing::Values(
        HitCase{"apart", {0, 0, 5, 5}, kBox, 0}, HitCase{"touching the left edge", {5, 15, 5, 5}, kBox, 0},
        HitCase{"touching the bottom edge", {15, 30, 5, 5}, kBox, 0}, HitCase{"wholly inside", {15, 15, 5, 5}, kBox, 7},
        HitCase{"right sticks out", {27, 15, 5, 5}, kBox, 7}, HitCase{"bottom sticks out", {15, 27, 5, 5}, kBox, 2},
        HitCase{"bottom and right", {27, 27, 5, 5}, kBox, 9}, HitCase{"top sticks out", {15, 8, 5, 5}, kBox, 1},
        HitCase{"top and right", {27, 8, 5, 5}, kBox, 8}, HitCase{"left sticks out", {8, 15, 5, 5}, kBox, 4},
        HitCase{"left and bottom", {8, 27, 5, 5}, kBox, 6}, HitCase{"left and top", {8, 8, 5, 5}, kBox, 5},
        HitCase{"left and right", {9, 15, 5, 5}, kThinHigh, 0},
        HitCase{"left, right and top", {9, 8, 5, 5}, kThinHigh, 0},
        HitCase{"top and bottom", {15, 9, 5, 5}, kThinWide, 0},
        HitCase{"top, bottom and right", {27, 9, 5, 5}, kThinWide, 0},
        HitCase{"all four sides", {9, 9, 5, 5}, Rect{10, 10, 2, 2}, 0}));

TEST_F(BrickGameTest, BounceTurnsTheStepsByCode) {
    struct Turn {
        int code;
        int dx;
        int dy;
    };
    const Turn turns[] = {{0, 1, 1},   {1, 1, -1},  {2, 1, -1}, {3, 1, 1},   {4, -1, 1},
                          {5, -1, -1}, {6, -1, -1}, {7, -1, 1}, {8, -1, -1}, {9, -1, -1}};
    for (const Turn& t : turns) {
        s.BallDX = 1;
        s.BallDY = 1;
        game.Bounce(t.code);
        EXPECT_EQ(s.BallDX, t.dx) << "code " << t.code;
        EXPECT_EQ(s.BallDY, t.dy) << "code " << t.code;
    }
}

// ---- the bat -----------------------------------------------------------------------------------

TEST_F(BrickGameTest, BatStopsAtTheTopAndAt65) {
    struct Move {
        int from;
        int direction;
        int to;
    };
    const Move moves[] = {{17, 0, 15}, {2, 0, 0},   {1, 0, 0},   {0, 0, 0},  {17, 1, 19},
                          {63, 1, 65}, {64, 1, 65}, {65, 1, 65}, {30, 2, 30}};
    for (const Move& m : moves) {
        s.bar.top = m.from;
        s.BarDelay = 0;
        game.MoveBar(m.direction);
        EXPECT_EQ(s.bar.top, m.to) << "from " << m.from << " direction " << m.direction;
        EXPECT_EQ(s.BarDelay, 1);
    }
}

TEST_F(BrickGameTest, HeldUpMovesTheBatTwoPixelsEverySecondTick) {
    startBall();
    game.KeyDown(GameKey::Up);
    std::vector<int> tops;
    for (int i = 0; i < 6; ++i) {
        game.Tick();
        tops.push_back(s.bar.top);
    }
    EXPECT_EQ(tops, (std::vector<int>{15, 15, 13, 13, 11, 11}));
    game.KeyUp(GameKey::Up);
    for (int i = 0; i < 4; ++i)
        game.Tick();
    EXPECT_EQ(s.bar.top, 11);
    game.KeyDown(GameKey::Down);
    for (int i = 0; i < 60; ++i)
        game.Tick();
    EXPECT_EQ(s.bar.top, 65);
}

TEST_F(BrickGameTest, ArrowKeysDoNotSteerWithoutABall) {
    game.KeyDown(GameKey::Up);
    EXPECT_EQ(s.BarDirection, 2);
    startBall();
    game.KeyDown(GameKey::Down);
    EXPECT_EQ(s.BarDirection, 1);
    game.KeyDown(GameKey::Other);
    EXPECT_EQ(s.BarDirection, 1);
    game.ResetGame();
    game.KeyUp(GameKey::Down);  // a release stops the bat also when no ball runs
    EXPECT_EQ(s.BarDirection, 2);
}

// Only a ball coming from the bat's left side turns back, with "HitBar".
TEST_F(BrickGameTest, BatTurnsOnlyABallFromItsLeft) {
    struct Meet {
        const char* name;
        int x;
        int y;
        bool bounces;
    };
    const Meet meets[] = {{"from the left", 244, 25, true},
                          {"from the left, upper corner", 244, 14, true},
                          {"from the left, lower corner", 244, 40, true},
                          {"from above", 249, 14, false},
                          {"from below", 249, 40, false},
                          {"from the right", 251, 25, false}};
    for (const Meet& m : meets) {
        startBall();
        place(m.x, m.y, 1, 1);
        game.CheckHits();
        EXPECT_EQ(s.BallDX, m.bounces ? -1 : 1) << m.name;
        EXPECT_EQ(host.sounds, m.bounces ? std::vector<std::string>{"HitBar"} : std::vector<std::string>{}) << m.name;
    }
}

// ---- edges, bricks, end of a ball --------------------------------------------------------------

TEST_F(BrickGameTest, EdgesReflectTheBottomOneWithASound) {
    startBall();
    place(1, 1, -1, -1);
    game.MoveBall();
    EXPECT_EQ(s.ball.left, 0);
    EXPECT_EQ(s.ball.top, 0);
    EXPECT_EQ(s.BallDX, 1);
    EXPECT_EQ(s.BallDY, 1);
    EXPECT_TRUE(host.sounds.empty());
    place(100, 84, 1, 1);
    game.MoveBall();
    EXPECT_EQ(s.ball.top, 85);
    EXPECT_EQ(s.BallDY, -1);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"HitBar"});
}

TEST_F(BrickGameTest, BrickStruckTwiceVanishes) {
    startBall();
    const Rect first = BrickGame::BrickRect(0);
    place(first.right() - 2, first.top + 3, -1, 1);  // only its right side sticks out: code 7
    game.CheckHits();
    EXPECT_EQ(s.bricks[0], BrickState::Hatched);
    EXPECT_EQ(s.BallDX, 1);
    EXPECT_EQ(s.HitsLeft, 55);
    game.CheckHits();
    EXPECT_EQ(s.bricks[0], BrickState::Hidden);
    EXPECT_EQ(s.BallDX, -1);
    EXPECT_EQ(s.HitsLeft, 54);
    game.CheckHits();  // a hidden brick is not there any more
    EXPECT_EQ(s.HitsLeft, 54);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"HitBrick", "HitBrick"}));
}

TEST_F(BrickGameTest, BricksLieInTheirRectangleWithoutOverlap) {
    for (int i = 0; i < BrickGame::kBrickCount; ++i) {
        const Rect r = BrickGame::BrickRect(i);
        EXPECT_GE(r.left, 16);
        EXPECT_GE(r.top, 16);
        EXPECT_LE(r.right(), 121);
        EXPECT_LE(r.bottom(), 74);
        for (int j = 0; j < i; ++j)
            EXPECT_EQ(HitTest(r, BrickGame::BrickRect(j)), 0) << i << " and " << j;
    }
}

TEST_F(BrickGameTest, ClearedBoardResetsAtTheNextTick) {
    startBall(3);
    s.bricks.fill(BrickState::Hidden);
    s.bricks[27] = BrickState::Hatched;
    s.HitsLeft = 1;
    s.bar.top = 40;
    const Rect last = BrickGame::BrickRect(27);
    place(last.right(), last.top + 2, -1, 1);  // moves into the brick's right side
    game.Tick();
    EXPECT_EQ(s.bricks[27], BrickState::Hidden);
    EXPECT_EQ(s.HitsLeft, 0);
    EXPECT_TRUE(s.GameRunning);
    game.Tick();
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.timerInterval, 0);
    EXPECT_EQ(s.ball, BrickGame::kBallStart);
    EXPECT_EQ(s.bar, BrickGame::kBarStart);
    EXPECT_EQ(s.HitsLeft, 56);
    for (BrickState b : s.bricks)
        EXPECT_EQ(b, BrickState::Solid);
    EXPECT_EQ(s.BallsLeft, 2);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"HitBrick", "GameOver"}));
    EXPECT_EQ(host.resumes, 0);
}

TEST_F(BrickGameTest, BallPastTheBatIsLost) {
    startBall();
    s.bar.top = 0;
    place(265, 60, 1, 1);
    s.bricks[4] = BrickState::Hatched;
    game.Tick();
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.timerInterval, 0);
    EXPECT_EQ(s.ball, BrickGame::kBallStart);
    EXPECT_EQ(s.bricks[4], BrickState::Solid);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"GameOver"});
    EXPECT_EQ(host.resumes, 1);  // no ball left: the information panel moves again
}

// ---- the right click and its modifiers ---------------------------------------------------------

TEST_F(BrickGameTest, RightClickModifiers) {
    struct Click {
        const char* name;
        int ballsBefore;
        unsigned held;
        bool starts;
        int ballsAfter;
    };
    const Click clicks[] = {
        {"shift: one ball", 0, kHeldShift, true, 0},
        {"ctrl and alt: ten balls", 0, kHeldCtrl | kHeldAlt, true, 9},
        {"ctrl and alt over balls left", 3, kHeldCtrl | kHeldAlt, true, 9},
        {"shift over balls left", 5, kHeldShift, true, 0},
        {"all three, none left", 0, kHeldShift | kHeldCtrl | kHeldAlt, false, 0},
        {"all three, balls left", 2, kHeldShift | kHeldCtrl | kHeldAlt, true, 1},
        {"plain, none left", 0, 0, false, 0},
        {"plain, balls left", 4, 0, true, 3},
        {"ctrl alone", 0, kHeldCtrl, false, 0},
        {"alt alone", 0, kHeldAlt, false, 0},
        {"ctrl, alt and another key", 0, kHeldCtrl | kHeldAlt | kHeldOtherKey, false, 0},
        {"shift with a button held", 0, kHeldShift | kHeldOtherButton, false, 0},
    };
    for (const Click& c : clicks) {
        game.ResetGame();
        s.BallsLeft = c.ballsBefore;
        host.sounds.clear();
        game.MouseUp(MouseButton::Right, c.held);
        EXPECT_EQ(s.GameRunning, c.starts) << c.name;
        EXPECT_EQ(s.timerInterval, c.starts ? 20 : 0) << c.name;
        EXPECT_EQ(s.BallsLeft, c.ballsAfter) << c.name;
        EXPECT_EQ(host.sounds, c.starts ? std::vector<std::string>{"GameOver"} : std::vector<std::string>{}) << c.name;
    }
}

TEST_F(BrickGameTest, OtherButtonsEndTheGame) {
    for (MouseButton button : {MouseButton::Left, MouseButton::Middle}) {
        startBall(5);
        s.bricks[0] = BrickState::Hidden;
        host.resumes = 0;
        game.MouseUp(button, kHeldShift);
        EXPECT_FALSE(s.GameRunning);
        EXPECT_EQ(s.BallsLeft, 0);
        EXPECT_EQ(s.bricks[0], BrickState::Solid);
        EXPECT_EQ(host.resumes, 1);
        EXPECT_TRUE(host.sounds.empty());
    }
}

// Ten balls: each loss waits for a plain right click; the panel is held until the tenth is lost.
TEST_F(BrickGameTest, TenBallsThenIdle) {
    game.MouseUp(MouseButton::Right, kHeldCtrl | kHeldAlt);
    for (int ball = 1; ball <= 10; ++ball) {
        ASSERT_TRUE(s.GameRunning) << "ball " << ball;
        EXPECT_EQ(s.BallsLeft, 10 - ball);
        place(265, 40, 1, 1);
        game.Tick();
        EXPECT_FALSE(s.GameRunning);
        EXPECT_EQ(game.HoldsScroller(), ball < 10) << "ball " << ball;
        EXPECT_EQ(host.resumes, ball < 10 ? 0 : 1) << "ball " << ball;
        game.MouseUp(MouseButton::Right, 0);
    }
    EXPECT_FALSE(s.GameRunning);  // the plain click after the tenth ball does nothing
    EXPECT_FALSE(game.HoldsScroller());
}

TEST_F(BrickGameTest, ResetKeepsTheBatsDirection) {
    startBall();
    game.KeyDown(GameKey::Up);
    game.Tick();
    game.ResetGame();
    EXPECT_EQ(s.BarDirection, 0);
    EXPECT_EQ(s.BarDelay, 1);
}
