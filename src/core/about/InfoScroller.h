#pragma once

namespace vq::about {

// The timers' intervals in milliseconds.
inline constexpr int kInfoStartInterval = 2000;  // the first step after the box opens
inline constexpr int kInfoPauseInterval = 5000;
inline constexpr int kInfoStepInterval = 40;
inline constexpr int kGameTickInterval = 20;

// The information panel of the About box: it creeps up through its black window one pixel per
// step, rests at two places, and after leaving the window at the top rests below it, the
// playfield behind it standing alone and clickable, before it rises again.
class InfoScroller {
public:
    static constexpr int kPanelHeight = 218;
    static constexpr int kWindowHeight = 90;
    // Tops at which the panel rests: its labels in view, and its introduction in view.
    static constexpr int kFirstRest = -1;
    static constexpr int kSecondRest = -111;

    // One tick of the scroller's timer; `held` while the game keeps the playfield in view.
    void Tick(bool held);
    // Sends the panel out of the window at once (a right click on it).
    void SendAway() { m_top = -kPanelHeight; }
    // The next step comes soon.
    void Resume() { m_interval = kInfoStepInterval; }

    int Top() const { return m_top; }
    int Interval() const { return m_interval; }
    // 0 asks for a pause at the next tick.
    int Tag() const { return m_tag; }
    // The playfield takes clicks only while the panel rests below the window.
    bool PlayfieldEnabled() const { return m_playfieldEnabled; }

private:
    int m_top = kFirstRest;
    int m_tag = 1;
    int m_interval = kInfoStartInterval;
    bool m_playfieldEnabled = false;
};

}  // namespace vq::about
