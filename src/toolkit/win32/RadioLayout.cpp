#include "toolkit/win32/RadioLayout.h"

#include <algorithm>

#include "toolkit/Scaling.h"

namespace win32tk {

namespace {
constexpr int kSideMargin = 8;    // left of the first column, as a group box's caption
constexpr int kRightMargin = 2;   // inside the box's right edge
constexpr int kBottomMargin = 4;  // above the box's bottom edge
}  // namespace

std::vector<ItemRect> RadioItemRects(int count, int columns, int width, int height,
                                     int captionHeight, int dpi) {
  std::vector<ItemRect> rects;
  if (count <= 0) return rects;
  columns = std::clamp(columns, 1, count);
  const int rows = (count + columns - 1) / columns;
  const int side = ScaleValue(kSideMargin, dpi);
  const int columnWidth = std::max(0, (width - side - ScaleValue(kRightMargin, dpi)) / columns);
  const int free = std::max(0, height - captionHeight - ScaleValue(kBottomMargin, dpi));
  const int rowHeight = free / rows;
  const int top = captionHeight + (free - rowHeight * rows) / 2;
  rects.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    rects.push_back({side + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight});
  }
  return rects;
}

}  // namespace win32tk
