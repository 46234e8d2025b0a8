#pragma once
// Choosing which window a command brings to the front.
#include <string>
#include <vector>

#include "general/Window.h"

// One candidate: the pattern line it matched, the window, its rectangle from the list.
struct HandlePack {
  int line = 0;
  WindowHandle handle = 0;
  TRect rectangle;
};

// The lines of a pattern text; CR LF, a lone LF and a lone CR each end a line.
std::vector<std::string> SplitPatternLines(const std::string& text);
// Every window of the list matching each non-blank line, line by line, in list order; a
// window matching several lines is a candidate once for each.
std::vector<HandlePack> CollectCandidates(const std::vector<std::string>& lines,
                                          const CWindowList& windows);
// The window to bring to the front, or 0: the only candidate; the foreground window when
// it is a candidate parked off the screen; when it is a candidate on the screen, the last
// candidate that is not the foreground window (the match used least recently), or the
// foreground window itself when there is none; otherwise the first candidate.
WindowHandle ChooseCommandTarget(const std::vector<HandlePack>& candidates, WindowHandle foreground,
                                 TSize screen);
