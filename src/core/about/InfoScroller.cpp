#include "core/about/InfoScroller.h"

namespace vq::about {

void InfoScroller::Tick(bool held) {
    if (held)
        return;
    if (m_tag == 0) {
        m_tag = 1;
        m_interval = kInfoPauseInterval;
    } else {
        m_interval = kInfoStepInterval;
    }
    if (m_top > -kPanelHeight) {
        --m_top;
        m_playfieldEnabled = false;
    } else {
        m_top = kWindowHeight;
        m_interval = kInfoPauseInterval;
        m_playfieldEnabled = true;
    }
    // One step before a resting place: the pause is asked for now and taken at the next tick,
    // which makes the last step of the approach.
    if (m_top == kFirstRest + 1 || m_top == kSecondRest + 1)
        m_tag = 0;
}

}  // namespace vq::about
