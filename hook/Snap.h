#pragma once
// Window snapping of the hook library: the arithmetic, free of Windows so that it is
// tested natively. While the user drags a window with the chosen modifier held, its edges
// are pulled onto nearby edges of the monitor's work area and of the other windows.
#include <array>
#include <cstddef>
#include <span>

namespace snap {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// How far (in pixels) an edge is pulled onto another one.
constexpr int kDistance = 10;

// The modifier keys held right now.
struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// The snapping key setting: 0 none (snapping off), 1 Shift, 2 Ctrl, 3 Alt. True when that
// key is among `held`; never for 0 or an unknown value.
bool KeyHeld(int snappingKey, Modifiers held);

// `moving` shifted, never resized, so that its edges lie on the nearest edge within
// `distance`. Horizontal and vertical are decided independently; on each axis the nearest
// candidate wins and the first one listed wins a tie. Candidates: the inner edges of
// `workArea`; for each of `others`, its far edge (the windows end up flush, side by side)
// and its near edge (the windows end up aligned), counted only where the two windows
// overlap along the other axis or come within `distance` of doing so.
Rect SnapRect(const Rect& moving, const Rect& workArea, std::span<const Rect> others, int distance);

// One drag of a window by the user. The move loop proposes a rectangle for every step of
// the pointer; Moving answers with the one to use. The loop may build each proposal on the
// previous answer, so a snapped answer would drift away from the pointer: once snapping
// has moved the window, the rectangle follows the pointer from the last proposal that was
// taken unchanged instead.
class Drag {
 public:
  static constexpr std::size_t kMaxOthers = 64;

  // Records a window to snap to; empty rectangles are skipped. False once full.
  bool AddOther(const Rect& other);
  std::span<const Rect> Others() const { return {others_.data(), count_}; }

  // Where the window is when it follows the pointer at `cursor`.
  Rect Follow(const Rect& proposed, Point cursor) const;

  Rect Moving(const Rect& proposed, Point cursor, bool snapping, const Rect& workArea,
              int distance);

 private:
  std::array<Rect, kMaxOthers> others_{};
  std::size_t count_ = 0;
  bool detached_ = false;  // the last answer was not where the pointer leads the loop
  Rect anchorRect_{};
  Point anchorCursor_{};
};

}  // namespace snap
