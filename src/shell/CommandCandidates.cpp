#include "shell/CommandCandidates.h"

#include "settings/BlankText.h"
#include "shell/WindowPattern.h"

std::vector<std::string> SplitPatternLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::vector<HandlePack> CollectCandidates(const std::vector<std::string>& lines,
                                          const CWindowList& windows) {
  std::vector<HandlePack> candidates;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (IsBlankText(line)) continue;
    for (const CWindow& window : windows)
      if (MatchesWindowPattern(line, window.Title, window.ClassName))
        candidates.push_back({static_cast<int>(n), window.Handle, window.Bounds});
  }
  return candidates;
}

WindowHandle ChooseCommandTarget(const std::vector<HandlePack>& candidates, WindowHandle foreground,
                                 TSize screen) {
  if (candidates.size() == 1) return candidates.front().handle;
  if (candidates.empty()) return 0;
  size_t position = candidates.size();
  for (size_t i = 0; i < candidates.size(); ++i)
    if (candidates[i].handle == foreground) {
      position = i;
      break;
    }
  if (position == candidates.size()) return candidates.front().handle;
  // A foreground candidate standing on another virtual screen is brought back first.
  const TRect& r = candidates[position].rectangle;
  bool onScreen = r.Left >= 0 && r.Left <= screen.Width && r.Top >= 0 && r.Top <= screen.Height;
  if (!onScreen) return foreground;
  // Within a line the candidates come in Z order, so the one after the window in front
  // would be the window used just before it: presses would alternate between two. The
  // last candidate that is not in front is the match used least recently, so successive
  // presses visit every matching window.
  for (size_t i = candidates.size(); i-- > 0;)
    if (candidates[i].handle != foreground) return candidates[i].handle;
  return foreground;
}
