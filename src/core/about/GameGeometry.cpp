#include "core/about/GameGeometry.h"

#include <algorithm>

namespace vq::about {

int HitTest(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (left >= right || top >= bottom)
        return 0;
    const bool outLeft = left != a.left;
    const bool outRight = right != a.right();
    const bool outTop = top != a.top;
    const bool outBottom = bottom != a.bottom();
    if ((outLeft && outRight) || (outTop && outBottom))
        return 0;
    if (outLeft)
        return outTop ? 5 : outBottom ? 6 : 4;
    if (outTop)
        return outRight ? 8 : 1;
    if (outBottom)
        return outRight ? 9 : 2;
    return 7;  // right only, or the ball wholly inside
}

}  // namespace vq::about
