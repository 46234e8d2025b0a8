#pragma once
// Where the buttons of a radio group go inside its box.
#include <vector>

namespace win32tk {

struct ItemRect {
  int left, top, width, height;
};

// `count` buttons in `columns` columns (at least one), filled top to bottom and then left
// to right, below the box's caption line of `captionHeight` pixels. The rectangles are
// relative to the box's top-left corner; spare height is shared out evenly above the rows.
// Every size is in pixels at `dpi`, the margins inside the box scaled to it.
std::vector<ItemRect> RadioItemRects(int count, int columns, int width, int height,
                                     int captionHeight, int dpi);

}  // namespace win32tk
