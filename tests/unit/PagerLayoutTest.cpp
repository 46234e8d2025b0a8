// The pager's cells and the mapping between virtual coordinates and its client pixels.
#include <gtest/gtest.h>

#include "desktop/FrameGeometry.h"
#include "desktop/PagerLayout.h"

namespace {

constexpr TSize kScreen{1024, 768};

CPagerScale ScaleFor(int strip, TSize client, int count) {
  return {kScreen, CellSizeFor(strip, client, count), client, count};
}

TEST(PagerLayoutTest, CellsCoverTheClientWithTheRemainderInTheFirstCells) {
  EXPECT_EQ(LayoutCells(StripVertical, {115, 213}, 4),
            (std::vector<CFrame>{
                {0, 0, 115, 54}, {0, 54, 115, 107}, {0, 107, 115, 160}, {0, 160, 115, 213}}));
  EXPECT_EQ(CellSizeFor(StripVertical, {115, 213}, 4), (TSize{115, 53}));
  EXPECT_EQ(LayoutCells(StripHorizontal, {201, 60}, 4),
            (std::vector<CFrame>{
                {0, 0, 51, 60}, {51, 0, 101, 60}, {101, 0, 151, 60}, {151, 0, 201, 60}}));
  EXPECT_EQ(CellSizeFor(StripHorizontal, {201, 60}, 4), (TSize{50, 60}));

  // Fewer pixels than frames: the last cells are empty, none overlaps or goes beyond.
  auto tiny = LayoutCells(StripVertical, {20, 3}, 4);
  ASSERT_EQ(tiny.size(), 4u);
  EXPECT_EQ(tiny[2], (CFrame{0, 2, 20, 3}));
  EXPECT_EQ(tiny[3], (CFrame{0, 3, 20, 3}));
  EXPECT_TRUE(LayoutCells(StripVertical, {115, 213}, 0).empty());
}

TEST(PagerLayoutTest, MapsTheWorkedExamples) {
  // Vertical, cell 115 x 53, one taller cell: y gets one pixel for the cell passed.
  EXPECT_EQ(VirtualToPager({100, 800, 400, 1100}, ScaleFor(StripVertical, {115, 213}, 4)),
            (TRect{11, 56, 44, 76}));
  // Horizontal, cell width 50, one wider cell: frame 3 passes three cells, only one of
  // them wider, so 3100 * 50 / 1024 + 3 - 2 = 152, inside the last cell (151..201).
  TRect mapped = VirtualToPager({3100, 10, 3400, 210}, ScaleFor(StripHorizontal, {201, 60}, 4));
  EXPECT_EQ(mapped.Left, 152);
  EXPECT_EQ(mapped.Right, 3400 * 50 / 1024 + 3 - 2);
  EXPECT_EQ(mapped.Top, 0);
  EXPECT_EQ(mapped.Bottom, 16);  // 210 * 60 / 768
}

TEST(PagerLayoutTest, EveryFrameStartsAtItsCellWhateverTheRemainder) {
  for (int strip : {StripVertical, StripHorizontal}) {
    for (int count = 1; count <= 10; ++count) {
      for (int length : {count, 37, 160, 213, 479, 1000}) {
        SCOPED_TRACE(testing::Message() << "strip " << strip << " n " << count << " " << length);
        const TSize client = strip == StripVertical ? TSize{115, length} : TSize{length, 60};
        const auto cells = LayoutCells(strip, client, count);
        const TPoint step = FrameStepFor(strip, kScreen);
        for (int k = 0; k < count; ++k) {
          // A window at the top-left corner of frame k.
          const TRect origin = OffsetByFrames({0, 0, 10, 10}, step, k);
          const TRect drawn = VirtualToPager(origin, ScaleFor(strip, client, count));
          EXPECT_EQ(strip == StripVertical ? drawn.Top : drawn.Left,
                    strip == StripVertical ? cells[k].Top : cells[k].Left)
              << "frame " << k;
        }
      }
    }
  }
}

TEST(PagerLayoutTest, BackToVirtualScalesPlainlyAndSurvivesEmptyCells) {
  const CPagerScale scale = ScaleFor(StripVertical, {115, 213}, 4);
  EXPECT_EQ(PagerToVirtual({11, 60, 44, 74}, scale), (TRect{97, 869, 391, 1072}));
  // Scaling there and back loses pixels, never frames.
  const TRect back = PagerToVirtual(VirtualToPager({100, 800, 400, 1100}, scale), scale);
  EXPECT_EQ(back.Top / 768, 1);

  const CPagerScale squeezed = ScaleFor(StripVertical, {0, 3}, 4);  // no pixels per cell
  EXPECT_EQ(PagerToVirtual({0, 1, 0, 2}, squeezed), (TRect{0, 768, 0, 1536}));
}

TEST(PagerLayoutTest, HitTestIncludesEdgesAndTheLaterCellWinsTheSharedLine) {
  const auto cells = LayoutCells(StripVertical, {115, 213}, 4);
  EXPECT_EQ(CellAt(cells, {0, 0}, -1), 0);
  EXPECT_EQ(CellAt(cells, {115, 53}, -1), 0);
  EXPECT_EQ(CellAt(cells, {50, 54}, -1), 1);  // bottom of cell 0, top of cell 1
  EXPECT_EQ(CellAt(cells, {50, 213}, -1), 3);
  EXPECT_EQ(CellAt(cells, {116, 100}, 2), 2) << "outside every cell";
  EXPECT_EQ(CellAt(cells, {50, -1}, 2), 2);
  EXPECT_TRUE(ContainsInclusive({11, 6, 44, 20}, {44, 20}));
  EXPECT_FALSE(ContainsInclusive({11, 6, 44, 20}, {45, 20}));
}

}  // namespace
