#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "Snap.h"

namespace {

using snap::Drag;
using snap::Modifiers;
using snap::Point;
using snap::Rect;
using snap::SnapRect;

constexpr Rect kWork{0, 0, 1024, 738};  // a screen with the task bar at the bottom
constexpr int kD = 10;

Rect At(int left, int top, int width = 400, int height = 300) {
  return {left, top, left + width, top + height};
}

Rect Snap(const Rect& moving, const std::vector<Rect>& others = {}) {
  return SnapRect(moving, kWork, others, kD);
}

TEST(SnapRect, PullsEachEdgeOntoTheWorkAreaWithinTheDistance) {
  EXPECT_EQ(Snap(At(6, 5)), At(0, 0));
  EXPECT_EQ(Snap(At(-7, -3)), At(0, 0));  // partly outside is pulled back in as well
  EXPECT_EQ(Snap(At(1024 - 400 - 7, 738 - 300 - 4)), At(624, 438));
  EXPECT_EQ(Snap(At(1024 - 400 + 9, 738 - 300 + 2)), At(624, 438));
}

TEST(SnapRect, DistanceIsInclusiveAndNothingBeyondItMoves) {
  EXPECT_EQ(Snap(At(10, 300)), At(0, 300));
  EXPECT_EQ(Snap(At(11, 300)), At(11, 300));
  EXPECT_EQ(Snap(At(300, -10)), At(300, 0));
  EXPECT_EQ(Snap(At(300, -11)), At(300, -11));
  EXPECT_EQ(Snap(At(300, 200)), At(300, 200));
  // Snapping off by distance: even an edge one pixel away stays.
  EXPECT_EQ(SnapRect(At(1, 1), kWork, {}, -1), At(1, 1));
}

TEST(SnapRect, AxesAreDecidedIndependently) {
  EXPECT_EQ(Snap(At(4, 200)), At(0, 200));
  EXPECT_EQ(Snap(At(200, 734 - 300)), At(200, 438));
}

TEST(SnapRect, NearestEdgeWinsWhenBothEdgesOfAnAxisCompete) {
  // A window 10 px narrower than the gap between the work area's left edge and another
  // window at x 437: its left edge is 7 from one, its right edge 3 from the other.
  const std::vector<Rect> other{At(437, 100, 300, 300)};
  EXPECT_EQ(Snap(At(7, 150, 427, 300), other), At(10, 150, 427, 300));  // flush with the other
  EXPECT_EQ(Snap(At(3, 150, 427, 300), other), At(0, 150, 427, 300));   // the work area nearer
  // On a tie the work area, listed first, wins.
  EXPECT_EQ(Snap(At(5, 150, 427, 300), other), At(0, 150, 427, 300));
}

TEST(SnapRect, GoesFlushAgainstEveryOuterEdgeOfAnotherWindow) {
  const std::vector<Rect> other{At(400, 300, 200, 150)};                   // 400,300 - 600,450
  EXPECT_EQ(Snap(At(606, 320, 100, 100), other), At(600, 320, 100, 100));  // to its right
  EXPECT_EQ(Snap(At(292, 320, 100, 100), other), At(300, 320, 100, 100));  // to its left
  EXPECT_EQ(Snap(At(420, 457, 100, 100), other), At(420, 450, 100, 100));  // below it
  EXPECT_EQ(Snap(At(420, 195, 100, 100), other), At(420, 200, 100, 100));  // above it
}

TEST(SnapRect, AlignsWithTheSameEdgeOfAWindowAlongside) {
  const std::vector<Rect> other{At(400, 100, 200, 150)};  // 400,100 - 600,250
  // Stacked below it: flush vertically, left edges aligned.
  EXPECT_EQ(Snap(At(406, 255, 150, 100), other), At(400, 250, 150, 100));
  // Stacked below it: right edges aligned.
  EXPECT_EQ(Snap(At(446, 255, 150, 100), other), At(450, 250, 150, 100));
  // Beside it: top edges aligned.
  EXPECT_EQ(Snap(At(600, 108, 100, 100), other), At(600, 100, 100, 100));
}

TEST(SnapRect, IgnoresEdgesOfWindowsFarAwayAlongTheOtherAxis) {
  const std::vector<Rect> other{At(400, 500, 200, 100)};  // 400,500 - 600,600
  // Its right edge is at x 600, but it lies 100 px below the moving window.
  EXPECT_EQ(Snap(At(604, 100, 100, 300), other), At(604, 100, 100, 300));
  // Within the distance of touching, it counts: flush beside it and flush on top of it.
  EXPECT_EQ(Snap(At(604, 192, 100, 300), other), At(600, 200, 100, 300));
}

TEST(SnapRect, WorksOnAMonitorLeftOfThePrimaryOne) {
  const Rect work{-1280, 0, 0, 1024};
  EXPECT_EQ(SnapRect(At(-1274, 1024 - 300 - 9), work, {}, kD), At(-1280, 1024 - 300));
  EXPECT_EQ(SnapRect(At(-404, 40), work, {}, kD), At(-400, 40));
}

TEST(SnapRect, NeverChangesTheSize) {
  const std::vector<Rect> others{At(300, 200, 120, 90), At(500, 420, 230, 50)};
  for (int x = -40; x <= 1000; x += 7) {
    for (int y = -40; y <= 700; y += 11) {
      const Rect moved = Snap(At(x, y, 213, 157), others);
      ASSERT_EQ(moved.Width(), 213) << x << "," << y;
      ASSERT_EQ(moved.Height(), 157) << x << "," << y;
      ASSERT_LE(std::abs(moved.left - x), kD);
      ASSERT_LE(std::abs(moved.top - y), kD);
    }
  }
}

TEST(SnapKey, OnlyTheChosenModifierSnapsAndKeyZeroNever) {
  const Modifiers none{}, all{true, true, true};
  const Modifiers shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
  EXPECT_FALSE(snap::KeyHeld(0, all));
  EXPECT_TRUE(snap::KeyHeld(1, shift));
  EXPECT_FALSE(snap::KeyHeld(1, ctrl));
  EXPECT_TRUE(snap::KeyHeld(2, ctrl));
  EXPECT_FALSE(snap::KeyHeld(2, alt));
  EXPECT_TRUE(snap::KeyHeld(3, alt));
  EXPECT_FALSE(snap::KeyHeld(3, shift));
  for (int key = 1; key <= 3; ++key) {
    EXPECT_FALSE(snap::KeyHeld(key, none)) << key;
    EXPECT_TRUE(snap::KeyHeld(key, all)) << key;  // other modifiers held too do not matter
  }
  EXPECT_FALSE(snap::KeyHeld(4, all));
  EXPECT_FALSE(snap::KeyHeld(-1, all));
}

// Plays a move loop that builds each proposal on its previous answer, as the move loop of
// Wine (and of Windows) does: the window keeps its offset from the pointer only if the
// answers are never moved off the pointer's track for good.
struct IncrementalLoop {
  Drag drag;
  Rect window;
  Point cursor;

  Rect MoveTo(Point to, bool snapping) {
    const Rect proposed{window.left + to.x - cursor.x, window.top + to.y - cursor.y,
                        window.right + to.x - cursor.x, window.bottom + to.y - cursor.y};
    cursor = to;
    window = drag.Moving(proposed, to, snapping, kWork, kD);
    return window;
  }
};

TEST(SnapDrag, WithoutTheKeyTheLoopsOwnRectangleStands) {
  Drag drag;
  // Even one that does not follow the pointer (the loop clamps it to the screen).
  EXPECT_EQ(drag.Moving(At(6, 5), {300, 200}, false, kWork, kD), At(6, 5));
  EXPECT_EQ(drag.Moving(At(6, 5), {250, 150}, false, kWork, kD), At(6, 5));
}

TEST(SnapDrag, SnapsNearAnEdgeAndFollowsThePointerExactlyAfterwards) {
  IncrementalLoop loop{{}, At(100, 100), {300, 112}};
  EXPECT_EQ(loop.MoveTo({206, 17}, true), At(0, 0));  // 6,5 from the corner
  EXPECT_EQ(loop.MoveTo({208, 19}, true), At(0, 0));  // still within the distance
  // Away from the edge the window is where the pointer leads, not 6,5 short of it.
  EXPECT_EQ(loop.MoveTo({240, 52}, true), At(40, 40));
  EXPECT_EQ(loop.MoveTo({250, 62}, false), At(50, 50));
}

TEST(SnapDrag, LettingGoOfTheKeyMidDragReturnsTheWindowToThePointer) {
  IncrementalLoop loop{{}, At(100, 100), {300, 112}};
  EXPECT_EQ(loop.MoveTo({206, 17}, true), At(0, 0));
  EXPECT_EQ(loop.MoveTo({206, 17}, false), At(6, 5));
  EXPECT_EQ(loop.MoveTo({216, 27}, false), At(16, 15));
}

TEST(SnapDrag, SnapsToRecordedWindowsAndKeepsTheSize) {
  Drag drag;
  ASSERT_TRUE(drag.AddOther(At(500, 200, 200, 150)));
  const Rect answer = drag.Moving(At(708, 203), {908, 215}, true, kWork, kD);
  EXPECT_EQ(answer, At(700, 200));
}

TEST(SnapDrag, RecordsAtMostItsCapacityAndSkipsEmptyWindows) {
  Drag drag;
  EXPECT_TRUE(drag.AddOther({10, 10, 10, 50}));  // no width: skipped, not an error
  EXPECT_TRUE(drag.AddOther({10, 10, 50, 5}));   // upside down: skipped
  EXPECT_TRUE(drag.Others().empty());
  for (std::size_t i = 0; i < Drag::kMaxOthers; ++i) {
    ASSERT_TRUE(drag.AddOther(At(static_cast<int>(i), 0, 10, 10)));
  }
  EXPECT_FALSE(drag.AddOther(At(900, 0, 10, 10)));
  EXPECT_EQ(drag.Others().size(), Drag::kMaxOthers);
  EXPECT_EQ(drag.Others().back(), At(static_cast<int>(Drag::kMaxOthers) - 1, 0, 10, 10));
}

}  // namespace
