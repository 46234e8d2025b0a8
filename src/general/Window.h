#pragma once
// One top-level window as the window list records it.
#include <string>
#include <vector>

#include "platform/Desktop.h"

struct CWindow {
  WindowHandle Handle = 0;
  TRect Bounds;  // window rectangle in screen coordinates when collected (or last moved to)
  std::string Title;
  std::string ClassName;
  long Style = 0;  // GWL_STYLE when collected
};

// Top of the Z-order first.
using CWindowList = std::vector<CWindow>;
