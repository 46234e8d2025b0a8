#pragma once
// Choosing which window a command brings to the front.
#include <optional>
#include <string>
#include <vector>

#include "general/Window.h"
#include "shell/ActivationRecord.h"

// One candidate: the pattern line it matched, the window, its rectangle from the list and
// its place in the list (top of the Z order first).
struct HandlePack {
  int line = 0;
  WindowHandle handle = 0;
  TRect rectangle;
  int zOrder = 0;
};

// The lines of a pattern text; CR LF, a lone LF and a lone CR each end a line.
std::vector<std::string> SplitPatternLines(const std::string& text);
// Every window of the list matching each non-blank line, line by line, in list order; a
// window matching several lines is a candidate once for each.
std::vector<HandlePack> CollectCandidates(const std::vector<std::string>& lines,
                                          const CWindowList& windows);
// True when virtual screens are on (`monitors` is the rectangle around every monitor then,
// empty otherwise) and the rectangle lies wholly outside it: parked on another virtual
// screen. A window partly past an edge or on a second monitor is not parked.
bool IsParked(const TRect& rectangle, const std::optional<TRect>& monitors);
// The window to bring to the front, or 0. A window matching several lines counts once.
// - The only candidate.
// - The foreground window, when it is a candidate parked on another virtual screen: it is
//   brought back first.
// - With a candidate in front: the candidate activated least recently by the record, so
//   that successive presses visit every matching window and come back to the first. The
//   Z order cannot tell this (Wine does not raise another process's window on activation;
//   top-most windows and programs that raise themselves reorder it on Windows); it only
//   ranks windows never seen activated, which come first, the lowest first.
// - Otherwise: among the candidates of the first line that has any, the one activated most
//   recently, or without a record the highest in the Z order.
WindowHandle ChooseCommandTarget(const std::vector<HandlePack>& candidates, WindowHandle foreground,
                                 const std::optional<TRect>& monitors,
                                 const ActivationRecord& record);
