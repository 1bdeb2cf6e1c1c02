#pragma once

namespace vq::about {

// A rectangle of the playfield in pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// How the ball `a` meets the rectangle `b`, as a code 0-9 that Bounce understands: 0 when they do
// not overlap (touching edges do not) or when the ball sticks out on two opposite sides, else a
// code from the sides of the ball that stick out of `b`:
//   1 top, 2 bottom, 4 left, 5 left and top, 6 left and bottom, 7 right or none, 8 top and
//   right, 9 bottom and right. Code 3 never occurs.
int HitTest(const Rect& a, const Rect& b);

}  // namespace vq::about
