#include "desktop/VirtualScreen.h"

#include <algorithm>
#include <vector>

#include "desktop/FrameGeometry.h"
#include "general/EnumerateWindows.h"
#include "settings/CustomOption.h"

namespace {

// Notice types of the hook library that are remembered but never followed: a window was
// minimized, maximized or restored (1) or destroyed (4).
bool IsStateNotice(int type) {
  return type == 1 || type == 4;
}

constexpr int kInactiveTransparent = 2;  // "VirtualDesktopInactive"

// How far a maximized window is first sent (screens to the right and down).
constexpr int kMaximizedDetour = 10;

}  // namespace

CVirtualScreen::CVirtualScreen(Desktop& desktop, CCustomOption& options)
    : desktop_(desktop), options_(options) {
  TakeMonitors();
}

bool CVirtualScreen::OnAnyMonitor(TRect r) const {
  for (const TMonitor& monitor : Monitors) {
    const TRect& m = monitor.Bounds;
    if (r.Left < m.Right && m.Left < r.Right && r.Top < m.Bottom && m.Top < r.Bottom) return true;
  }
  return false;
}

TRect CVirtualScreen::OnPrimary(TRect r) const {
  TMonitor primary = Monitors.front();
  for (const TMonitor& monitor : Monitors)
    if (monitor.Bounds.Left == 0 && monitor.Bounds.Top == 0) primary = monitor;
  // Wine keeps the old work area after a change of resolution: never beyond the monitor.
  const TRect& m = primary.Bounds;
  const TRect& w = primary.WorkArea;
  return KeptWithin(r, {std::max(m.Left, w.Left), std::max(m.Top, w.Top),
                        std::min(m.Right, w.Right), std::min(m.Bottom, w.Bottom)});
}

void CVirtualScreen::TakeMonitors() {
  Monitors = desktop_.EnumDisplayMonitors();
  if (Monitors.empty()) {
    // The system gave no monitor: the primary screen as the device reports it.
    const TRect primary{0, 0, desktop_.GetDeviceCaps(win::HorzRes),
                        desktop_.GetDeviceCaps(win::VertRes)};
    Monitors.push_back({primary, primary});
  }
  ScreenRect = MonitorsUnion(Monitors);
  ScreenSize = {ScreenRect.Width(), ScreenRect.Height()};
}

int CVirtualScreen::AllowedFrameCount(int strip) const {
  return LargestFrameCount(strip, ScreenRect);
}

int CVirtualScreen::Option(const char* key) {
  return options_[key].IntValue();
}

int CVirtualScreen::Strip() {
  return Option("VirtualDesktop");
}

int CVirtualScreen::FrameCount() {
  return FrameCount(Strip());
}

int CVirtualScreen::FrameCount(int strip) {
  // Never more than the coordinate limit allows, whatever the options hold.
  return std::min(Option("VirtualDesktopCount"), AllowedFrameCount(strip));
}

void CVirtualScreen::StartAtFrame(int index) {
  CurrentFrame = ClampFrame(index, FrameCount());
  // The screen as found is declared to be that frame: what the windows are arranged for.
  arrangedStrip_ = Strip();
  arrangedCount_ = FrameCount();
}

TRect CVirtualScreen::MonitorsRect() {
  const int left = desktop_.GetSystemMetrics(win::SmXVirtualScreen);
  const int top = desktop_.GetSystemMetrics(win::SmYVirtualScreen);
  return {left, top, left + desktop_.GetSystemMetrics(win::SmCxVirtualScreen),
          top + desktop_.GetSystemMetrics(win::SmCyVirtualScreen)};
}

void CVirtualScreen::StartAtFrameReachingParked(int index) {
  const int drawn = CurrentFrame;
  StartAtFrame(index);
  std::vector<TRect> bounds;
  for (const CWindow& window : WindowList) {
    // A minimized window stands at the system's icon place, which says nothing of frames.
    if (desktop_.GetWindowLongA(window.Handle, win::GwlStyle) & win::WsMinimize) continue;
    bounds.push_back(window.Bounds);
  }
  CurrentFrame =
      StartFrameReaching(bounds, Strip(), ScreenRect, MonitorsRect(), CurrentFrame, FrameCount());
  // The pager was drawn when it was shown, before the frame was known.
  if (CurrentFrame != drawn) DrawPager();
}

void CVirtualScreen::ClampCurrentFrame() {
  CurrentFrame = ClampFrame(CurrentFrame, FrameCount());
}

void CVirtualScreen::Prepare() {
  const int strip = Strip();
  Prepare(strip, FrameCount(strip));
}

void CVirtualScreen::Prepare(int strip, int count) {
  CurrentFrame = ClampFrame(CurrentFrame, count);
  FrameStep = FrameStepFor(strip, ScreenSize);
}

void CVirtualScreen::RefreshWindowList() {
  LastForeground = desktop_.GetForegroundWindow();
  // One pass, cloaking too; the pager and the switches never read a title.
  EnumerateWindows(desktop_, WindowList, CloakedWindows, listed_, ListedTitles::Skipped);
  RemovePager();
}

void CVirtualScreen::TakeWindowList() {
  LastForeground = desktop_.GetForegroundWindow();
  EnumerateWindows(desktop_, WindowList);
  RemovePager();
}

void CVirtualScreen::RemovePager() {
  WindowHandle pager = PagerWindow();
  if (pager == 0) return;
  for (auto it = WindowList.begin(); it != WindowList.end(); ++it) {
    if (it->Handle == pager) {
      WindowList.erase(it);
      break;
    }
  }
}

void CVirtualScreen::ReadCloaking() {
  CloakedWindows.clear();
  for (const CWindow& window : WindowList)
    if (desktop_.IsWindowCloaked(window.Handle)) CloakedWindows.insert(window.Handle);
}

void CVirtualScreen::NoteRefusedMoves(std::set<WindowHandle> refused) {
  RefusedWindows = std::move(refused);
  if (RefusedWindows.empty()) {
    if (reportedRefused_.empty()) return;
    reportedRefused_.clear();
    if (OnMovesRefused) OnMovesRefused(false);
    return;
  }
  if (std::includes(reportedRefused_.begin(), reportedRefused_.end(), RefusedWindows.begin(),
                    RefusedWindows.end()))
    return;  // told already
  reportedRefused_.insert(RefusedWindows.begin(), RefusedWindows.end());
  if (OnMovesRefused) OnMovesRefused(true);
}

void CVirtualScreen::SwitchToFrame(int index) {
  const int strip = Strip();
  if (strip == StripNone) return;
  ReadCloaking();
  SwitchListedToFrame(index, strip);
}

void CVirtualScreen::RefreshAndSwitchToFrame(int index) {
  const int strip = Strip();
  if (strip == StripNone) return;
  RefreshWindowList();
  SwitchListedToFrame(index, strip);
}

void CVirtualScreen::SwitchListedToFrame(int index, int strip) {
  // The options are read once: each look-up goes through the settings map by name.
  const int count = FrameCount(strip);
  Prepare(strip, count);
  index = ClampFrame(index, count);
  if (index != CurrentFrame) {
    const int frames = index - CurrentFrame;
    parkedAxes_ |= AxesOf(strip);
    // Every window goes the same whole frames: the offset is worked out once.
    const int dx = FrameStep.X * -frames;
    const int dy = FrameStep.Y * -frames;
    // One batch, so that the system need not wait for each window's program in turn.
    // The buffers of the last switch, taken out so that a switch reached from a move's
    // handlers would make its own.
    std::vector<TWindowMove> moves = std::move(moves_);
    std::vector<size_t> listedAt = std::move(movedEntries_);  // each move's entry in the list
    moves.clear();
    listedAt.clear();
    for (size_t i = 0; i < WindowList.size(); ++i) {
      const CWindow& window = WindowList[i];
      // The system shows it on none of its screens, or on another of its own desktops.
      if (CloakedWindows.count(window.Handle)) continue;
      TWindowMove& move = moves.emplace_back();
      move.Window = window.Handle;
      const TRect& b = window.Bounds;
      move.To = {b.Left + dx, b.Top + dy, b.Right + dx, b.Bottom + dy};
      // The style as listed: every switch comes just after the list was taken.
      if (window.Style & win::WsMaximize) move.Via = MaximizedDetour(move.To);
      listedAt.push_back(i);
    }
    const std::vector<size_t> failed = desktop_.MoveWindows(moves);
    std::set<WindowHandle> refused;
    auto nextFailed = failed.begin();
    for (size_t m = 0; m < moves.size(); ++m) {
      // One failed call and no retry. A window that has gone is not worth a word.
      if (nextFailed != failed.end() && *nextFailed == m) {
        ++nextFailed;
        if (desktop_.IsWindow(moves[m].Window)) {
          refused.insert(moves[m].Window);  // it stands where it was
          continue;
        }
      }
      // A move can reach our own windows' handlers, which may have changed the list.
      const size_t i = listedAt[m];
      if (i < WindowList.size() && WindowList[i].Handle == moves[m].Window)
        WindowList[i].Bounds = moves[m].To;
    }
    moves_ = std::move(moves);
    movedEntries_ = std::move(listedAt);
    CurrentFrame = index;
    NoteRefusedMoves(std::move(refused));
  }
  if (Option("VirtualDesktopInactive") == kInactiveTransparent) MakePagerOpaque();
  DrawPager();
}

bool CVirtualScreen::FitWindowsToStrip() {
  const int oldStrip = arrangedStrip_;
  const int oldCount = arrangedCount_;
  const int oldCurrent = CurrentFrame;
  arrangedStrip_ = Strip();
  arrangedCount_ = FrameCount();
  Prepare();
  const bool turned = arrangedStrip_ != oldStrip;
  // With no strip before nothing was parked; a longer strip of the same axis strands none.
  if (oldStrip == StripNone || (!turned && arrangedCount_ >= oldCount)) return turned;

  RefreshWindowList();
  const TPoint oldStep = FrameStepFor(oldStrip, ScreenSize);
  const CWindowList windows = WindowList;
  for (const CWindow& window : windows) {
    // A minimized window stands at the system's icon place; its restore rectangle comes
    // onto the screen when it is activated.
    if (desktop_.GetWindowLongA(window.Handle, win::GwlStyle) & win::WsMinimize) continue;
    const int frame = oldCurrent + FramesAway(window.Bounds, oldStrip, ScreenRect);
    // Beyond the old strip: not parked by the program (some keep a window far away).
    if (frame < 0 || frame >= oldCount) continue;
    const TRect onScreen = OffsetByFrames(window.Bounds, oldStep, oldCurrent - frame);
    const TRect r =
        OffsetByFrames(onScreen, FrameStep, ClampFrame(frame, arrangedCount_) - CurrentFrame);
    if (!(r == window.Bounds)) MoveWindowToFrame(window.Handle, r, -1);
  }
  RefreshWindowList();
  return turned;
}

TRect CVirtualScreen::MaximizedDetour(TRect r) const {
  // Far away, but never past the coordinate limit, which a detour over wide monitors would
  // otherwise reach.
  const int x = std::min(r.Left + kMaximizedDetour * ScreenSize.Width,
                         std::max(r.Left, kCoordinateLimit - r.Width()));
  const int y = std::min(r.Top + kMaximizedDetour * ScreenSize.Height,
                         std::max(r.Top, kCoordinateLimit - r.Height()));
  return {x, y, x + r.Width(), y + r.Height()};
}

bool CVirtualScreen::MoveWindowToFrame(WindowHandle window, TRect r, int frameIndex) {
  Prepare();
  parkedAxes_ |= AxesOf(Strip());
  if (desktop_.GetWindowLongA(window, win::GwlStyle) & win::WsMaximize) {
    // A maximized window goes far away first and only then to its place; refused once, it
    // is not asked again.
    const TRect via = MaximizedDetour(r);
    if (!desktop_.MoveWindow(window, via.Left, via.Top, r.Width(), r.Height(), true)) return false;
  }
  if (frameIndex >= 0)
    r = OffsetByFrames(r, FrameStep, ClampFrame(frameIndex, FrameCount()) - CurrentFrame);
  return desktop_.MoveWindow(window, r.Left, r.Top, r.Width(), r.Height(), true);
}

void CVirtualScreen::NotifyActivation(int type, WindowHandle window, bool isExplicit) {
  NotifyActivation(type, window, isExplicit, nullptr);
}

const CWindowList& CVirtualScreen::ListWindowsForPress() {
  EnumerateWindows(desktop_, pressList_, pressCloaked_, listed_, ListedTitles::Read);
  return pressList_;
}

void CVirtualScreen::NotifyListedActivation(int type, WindowHandle window, bool isExplicit) {
  NotifyActivation(type, window, isExplicit, &pressList_);
}

namespace {
// The listed window with the rectangle it has now (a restore or a pull into the screen
// may have moved it), at the top of the list when it is in front; a window that has gone
// leaves the list.
void UpdateListed(Desktop& desktop, CWindowList& list, WindowHandle window, bool inFront) {
  auto it = std::find_if(list.begin(), list.end(),
                         [window](const CWindow& w) { return w.Handle == window; });
  if (it == list.end()) return;
  if (inFront) it = std::rotate(list.begin(), it, it + 1) - 1;
  if (!desktop.GetWindowRect(window, it->Bounds)) list.erase(it);
}
}  // namespace

void CVirtualScreen::NotifyActivation(int type, WindowHandle window, bool isExplicit,
                                      CWindowList* listed) {
  if (StartupPending()) return;
  int strip = Strip();
  if (strip == StripNone) return;
  Prepare();
  if (listed) {
    LastForeground = desktop_.GetForegroundWindow();
    // Swapped, not moved: the previous list keeps its storage for the next press.
    WindowList.swap(*listed);
    CloakedWindows.swap(pressCloaked_);
    RemovePager();
    UpdateListed(desktop_, WindowList, window, LastForeground == window);
  } else {
    TakeWindowList();
  }
  const int frameBefore = CurrentFrame;
  TWindowPlacement placement;
  desktop_.GetWindowPlacement(window, placement);
  TRect normal = placement.NormalPosition;

  if (!IsStateNotice(type)) {
    if (desktop_.GetWindowLongA(window, win::GwlStyle) & win::WsMinimize) {
      PullIntoScreen(window);
    } else if (isExplicit || !IsStateNotice(LastNoticeType)) {
      if (PagerExpanded()) StartInactiveAnimation();
      if (Option("VirtualDesktopMoveActiveFrame") != 0) {
        int frame = FrameOfRestoreRect(normal, strip, ScreenRect, CurrentFrame);
        // A cloaked window is on none of our frames (another of the system's desktops).
        if (frame != CurrentFrame && !desktop_.IsWindowCloaked(window)) {
          SwitchToFrame(frame);
          // The switch has just made the pager opaque again.
          if (Option("VirtualDesktopInactive") == kInactiveTransparent) StartInactiveAnimation();
        }
      }
    }
  }

  LastNoticeType = type;
  if (listed && CurrentFrame == frameBefore) {
    UpdateListed(desktop_, WindowList, window, false);  // pulled into the screen, perhaps
  } else {
    RefreshWindowList();
  }
  // The hook tells of an activation as it begins: the system may not have put the window
  // in front yet, and no later notice would redraw the pager once it has.
  if (!IsStateNotice(type) &&
      std::any_of(WindowList.begin(), WindowList.end(),
                  [window](const CWindow& w) { return w.Handle == window; }))
    LastForeground = window;
  DrawPager();
}

void CVirtualScreen::PullIntoScreen(WindowHandle window) {
  Prepare();
  PullIntoScreen(window, AxesOf(Strip()));
}

void CVirtualScreen::PullIntoScreen(WindowHandle window, unsigned axes) {
  TWindowPlacement placement;
  if (!desktop_.GetWindowPlacement(window, placement)) return;  // the window has gone
  TRect pulled = PulledIntoScreen(placement.NormalPosition, ScreenRect, TAxes(axes));
  TWindowPlacement changed = placement;
  changed.NormalPosition = pulled;
  if (desktop_.SetWindowPlacement(window, changed)) return;

  // Refused (Wine for other programs' windows, Windows across privilege levels): move the
  // window itself, so that none stays off the screen. A minimized window is left alone:
  // moving it would only move its icon.
  long style = desktop_.GetWindowLongA(window, win::GwlStyle);
  if (style & win::WsMinimize) return;
  TRect target = pulled;
  if (style & win::WsMaximize) {
    // What was read may be the maximized rectangle itself, which overlaps its frame by the
    // border; folding it would leave it at the far edge of the screen.
    TRect bounds;
    if (!desktop_.GetWindowRect(window, bounds)) return;
    target = NearestScreenPosition(bounds, ScreenRect, TAxes(axes));
    if (target == bounds) return;
  } else if (target == placement.NormalPosition) {
    return;
  }
  MoveWindowToFrame(window, target, -1);
}

void CVirtualScreen::RestoreAllWindows() {
  unsigned axes = AxesOf(Strip()) | parkedAxes_;
  if (axes == AxisNone) return;  // virtual screens never used: nothing was parked
  Prepare();
  RefreshWindowList();
  const TRect monitors = MonitorsRect();
  const CWindowList windows = WindowList;
  for (const CWindow& window : windows) {
    // Also across the strip: a window left wholly beside the monitors (a drop at the
    // pager's edge in an earlier version) comes back; a minimized one stands at its icon.
    unsigned stranded = AxisNone;
    if (!(desktop_.GetWindowLongA(window.Handle, win::GwlStyle) & win::WsMinimize))
      stranded = StrandedAxes(window.Bounds, monitors, ScreenSize);
    PullIntoScreen(window.Handle, axes | stranded);
  }
}

bool CVirtualScreen::FollowDisplayChange() {
  const std::vector<TMonitor> oldMonitors = Monitors;
  const TRect oldScreen = ScreenRect;
  const int strip = Strip();
  Prepare();
  const int oldCurrent = CurrentFrame;
  const int oldCount = FrameCount();
  TakeMonitors();
  if (Monitors == oldMonitors) return false;

  // A count the new screen cannot hold is lowered for good, as at load.
  const int allowed = AllowedFrameCount(strip);
  if (Option("VirtualDesktopCount") > allowed) options_["VirtualDesktopCount"].SetIntValue(allowed);
  Prepare();
  arrangedCount_ = FrameCount();
  if (strip == StripNone) return true;

  RefreshWindowList();
  const CWindowList windows = WindowList;
  for (const CWindow& window : windows) {
    // A minimized window stands at the system's icon place; its restore rectangle comes
    // onto the screen when it is activated.
    if (desktop_.GetWindowLongA(window.Handle, win::GwlStyle) & win::WsMinimize) continue;
    // Shown on none of our frames (another of the system's desktops): left alone.
    if (CloakedWindows.count(window.Handle)) continue;
    const int away = FramesAway(window.Bounds, strip, oldScreen);
    const int frame = oldCurrent + away;
    if (away == 0) {
      // The current frame's windows stay, unless left on a monitor that has gone (which
      // Windows itself may already have seen to).
      if (!OnAnyMonitor(window.Bounds))
        MoveWindowToFrame(window.Handle, OnPrimary(window.Bounds), -1);
      continue;
    }
    // Beyond the strip: not parked by the program.
    if (frame < 0 || frame >= oldCount) continue;
    const TRect r = Reparked(window.Bounds, away, ClampFrame(frame, arrangedCount_) - CurrentFrame,
                             strip, oldScreen, ScreenRect);
    if (!(r == window.Bounds)) MoveWindowToFrame(window.Handle, r, -1);
  }
  RefreshWindowList();
  return true;
}
