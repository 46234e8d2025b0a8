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
    for (size_t z = 0; z < windows.size(); ++z) {
      const CWindow& window = windows[z];
      if (MatchesWindowPattern(line, window.Title, window.ClassName))
        candidates.push_back(
            {static_cast<int>(n), window.Handle, window.Bounds, static_cast<int>(z)});
    }
  }
  return candidates;
}

bool IsParked(const TRect& r, const std::optional<TRect>& monitors) {
  if (!monitors) return false;
  return r.Right <= monitors->Left || r.Left >= monitors->Right || r.Bottom <= monitors->Top ||
         r.Top >= monitors->Bottom;
}

namespace {

// Orders candidates by their last activation, a window never seen activated before every
// recorded one, and such windows by the Z order, the lowest first.
struct ByLastUse {
  const ActivationRecord& record;
  bool operator()(const HandlePack& a, const HandlePack& b) const {
    auto ta = record.LastActivation(a.handle), tb = record.LastActivation(b.handle);
    if (ta && tb) return *ta < *tb;
    if (ta || tb) return !ta;
    return a.zOrder > b.zOrder;
  }
};

}  // namespace

WindowHandle ChooseCommandTarget(const std::vector<HandlePack>& candidates, WindowHandle foreground,
                                 const std::optional<TRect>& monitors,
                                 const ActivationRecord& record) {
  if (candidates.empty()) return 0;
  const HandlePack* inFront = nullptr;
  bool several = false;
  for (const HandlePack& c : candidates) {
    if (c.handle != candidates.front().handle) several = true;
    if (c.handle == foreground && !inFront) inFront = &c;
  }
  if (!several) return candidates.front().handle;
  const ByLastUse earlier{record};
  if (inFront) {
    if (IsParked(inFront->rectangle, monitors)) return foreground;
    const HandlePack* least = nullptr;
    for (const HandlePack& c : candidates)
      if (c.handle != foreground && (!least || earlier(c, *least))) least = &c;
    return least->handle;
  }
  const HandlePack* latest = nullptr;
  for (const HandlePack& c : candidates)
    if (c.line == candidates.front().line && (!latest || earlier(*latest, c))) latest = &c;
  return latest->handle;
}
