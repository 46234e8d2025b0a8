#include "Snap.h"

#include <cstdlib>

namespace snap {

bool KeyHeld(int snappingKey, Modifiers held) {
  switch (snappingKey) {
    case 1:
      return held.shift;
    case 2:
      return held.ctrl;
    case 3:
      return held.alt;
    default:
      return false;
  }
}

namespace {

// The best shift found so far along one axis.
struct Pull {
  int delta = 0;
  bool found = false;

  void Offer(int target, int edge, int distance) {
    const int d = target - edge;
    if (std::abs(d) > distance) return;
    if (!found || std::abs(d) < std::abs(delta)) {
      delta = d;
      found = true;
    }
  }
};

// Whether the spans [a0, a1) and [b0, b1) overlap or come within `distance` of it.
bool Near(int a0, int a1, int b0, int b1, int distance) {
  return b0 <= a1 + distance && b1 >= a0 - distance;
}

}  // namespace

Rect SnapRect(const Rect& moving, const Rect& workArea, std::span<const Rect> others,
              int distance) {
  Pull x, y;
  x.Offer(workArea.left, moving.left, distance);
  x.Offer(workArea.right, moving.right, distance);
  y.Offer(workArea.top, moving.top, distance);
  y.Offer(workArea.bottom, moving.bottom, distance);
  for (const Rect& o : others) {
    if (Near(moving.top, moving.bottom, o.top, o.bottom, distance)) {
      x.Offer(o.right, moving.left, distance);   // flush to the right of it
      x.Offer(o.left, moving.right, distance);   // flush to the left of it
      x.Offer(o.left, moving.left, distance);    // left edges aligned
      x.Offer(o.right, moving.right, distance);  // right edges aligned
    }
    if (Near(moving.left, moving.right, o.left, o.right, distance)) {
      y.Offer(o.bottom, moving.top, distance);     // flush below it
      y.Offer(o.top, moving.bottom, distance);     // flush above it
      y.Offer(o.top, moving.top, distance);        // top edges aligned
      y.Offer(o.bottom, moving.bottom, distance);  // bottom edges aligned
    }
  }
  return {moving.left + x.delta, moving.top + y.delta, moving.right + x.delta,
          moving.bottom + y.delta};
}

bool Drag::AddOther(const Rect& other) {
  if (other.Width() <= 0 || other.Height() <= 0) return true;
  if (count_ == others_.size()) return false;
  others_[count_++] = other;
  return true;
}

Rect Drag::Follow(const Rect& proposed, Point cursor) const {
  if (!detached_) return proposed;
  const int dx = cursor.x - anchorCursor_.x;
  const int dy = cursor.y - anchorCursor_.y;
  return {anchorRect_.left + dx, anchorRect_.top + dy, anchorRect_.right + dx,
          anchorRect_.bottom + dy};
}

Rect Drag::Moving(const Rect& proposed, Point cursor, bool snapping, const Rect& workArea,
                  int distance) {
  if (!detached_) {
    anchorRect_ = proposed;
    anchorCursor_ = cursor;
  }
  const Rect follow = Follow(proposed, cursor);
  const Rect answer = snapping ? SnapRect(follow, workArea, Others(), distance) : follow;
  detached_ = !(answer == follow);
  return answer;
}

}  // namespace snap
