// SimDesktop's top-level windows: Z-order, geometry, show states, placement, activation
// and the foreground lock. The rules follow what Windows and Wine do where the program
// depends on them (see the notes on SimWindow).
#include <algorithm>
#include <string>

#include "platform/sim/SimDesktop.h"
#include "text/ShiftJis.h"

namespace {

constexpr TPoint kIconicPosition{-32000, -32000};
constexpr TSize kIconicSize{160, 28};
constexpr int kMaximizedBorder = 4;  // a maximized window overlaps the screen by its frame

template <typename... Args>
std::string Call(const char* name, Args... args) {
  std::string text = name;
  text += '(';
  bool first = true;
  ((text += (first ? "" : ","), text += std::to_string(args), first = false), ...);
  return text + ')';
}

long Signed(WindowHandle window) {
  return static_cast<long>(static_cast<std::intptr_t>(window));
}

bool IsMinimized(const SimWindow& w) {
  return (w.Style & win::WsMinimize) != 0;
}
bool IsMaximized(const SimWindow& w) {
  return (w.Style & win::WsMaximize) != 0;
}

}  // namespace

void SimDesktop::SyncZOrder() {
  std::erase_if(ZOrder, [this](WindowHandle h) { return Windows.count(h) == 0; });
  if (ZOrder.size() == Windows.size()) return;
  std::set<WindowHandle> listed(ZOrder.begin(), ZOrder.end());
  for (const auto& [handle, window] : Windows)
    if (listed.count(handle) == 0) ZOrder.push_back(handle);
}

void SimDesktop::Raise(WindowHandle window) {
  SyncZOrder();
  std::erase(ZOrder, window);
  ZOrder.insert(ZOrder.begin(), window);
}

void SimDesktop::Maximize(SimWindow& w) {
  if (IsMinimized(w))
    w.MinPosition = {w.Rect.Left, w.Rect.Top};
  else if (!IsMaximized(w))
    w.NormalRect = w.Rect;
  // On the monitor the window stands on, as Windows does.
  const TRect monitor = MonitorNearest(IsMinimized(w) ? w.NormalRect : w.Rect);
  w.Style = (w.Style & ~win::WsMinimize) | win::WsMaximize;
  w.Rect = {monitor.Left - kMaximizedBorder, monitor.Top - kMaximizedBorder,
            monitor.Right + kMaximizedBorder, monitor.Bottom + kMaximizedBorder};
  w.RestoreToMaximized = false;
}

void SimDesktop::Minimize(SimWindow& w) {
  if (IsMinimized(w)) return;
  if (!IsMaximized(w)) w.NormalRect = w.Rect;
  w.RestoreToMaximized = IsMaximized(w);
  w.Style = (w.Style & ~win::WsMaximize) | win::WsMinimize;
  w.Rect = {kIconicPosition.X, kIconicPosition.Y, kIconicPosition.X + kIconicSize.Width,
            kIconicPosition.Y + kIconicSize.Height};
  w.MinPosition = kIconicPosition;
}

void SimDesktop::Restore(SimWindow& w) {
  if (IsMinimized(w)) {
    w.MinPosition = {w.Rect.Left, w.Rect.Top};
    if (w.RestoreToMaximized) {
      Maximize(w);
      return;
    }
  }
  if (IsMinimized(w) || IsMaximized(w)) w.Rect = w.NormalRect;
  w.Style &= ~(win::WsMinimize | win::WsMaximize);
  w.RestoreToMaximized = false;
}

bool SimDesktop::EnumWindows(const EnumWindowsProc& callback) {
  Log("EnumWindows()");
  SyncZOrder();
  const std::vector<WindowHandle> snapshot = ZOrder;
  for (WindowHandle window : snapshot)
    if (!callback(window)) break;
  return true;
}

std::string SimDesktop::GetWindowTextA(WindowHandle window, int maxCount) {
  Log(Call("GetWindowTextA", window, maxCount));
  SimWindow* w = Find(window);
  if (!w || maxCount <= 0) return {};
  return std::string(CutShiftJis(w->Title, static_cast<std::size_t>(maxCount - 1)));
}

std::string SimDesktop::GetClassNameA(WindowHandle window, int maxCount) {
  Log(Call("GetClassNameA", window, maxCount));
  SimWindow* w = Find(window);
  if (!w || maxCount <= 0) return {};
  return std::string(CutShiftJis(w->ClassName, static_cast<std::size_t>(maxCount - 1)));
}

bool SimDesktop::IsWindow(WindowHandle window) {
  Log(Call("IsWindow", window));
  return Find(window) != nullptr;
}

bool SimDesktop::GetWindowRect(WindowHandle window, TRect& rect) {
  Log(Call("GetWindowRect", window));
  SimWindow* w = Find(window);
  if (!w) return false;
  rect = w->Rect;
  return true;
}

bool SimDesktop::GetWindowPlacement(WindowHandle window, TWindowPlacement& placement) {
  Log(Call("GetWindowPlacement", window));
  SimWindow* w = Find(window);
  if (!w) return false;
  TWindowPlacement p;
  p.ShowCmd = IsMinimized(*w)   ? win::SwShowMinimized
              : IsMaximized(*w) ? win::SwShowMaximized
                                : win::SwShowNormal;
  if (ReportForeignPlacementAsWine && Foreign(*w)) {
    p.MinPosition = p.MaxPosition = {-1, -1};
    p.NormalPosition = w->Rect;
  } else {
    p.Flags = IsMinimized(*w) && w->RestoreToMaximized ? win::WpfRestoreToMaximized : 0;
    p.MinPosition = w->MinPosition;
    p.MaxPosition = w->MaxPosition;
    p.NormalPosition = IsMinimized(*w) || IsMaximized(*w) ? w->NormalRect : w->Rect;
  }
  placement = p;
  return true;
}

bool SimDesktop::SetWindowPlacement(WindowHandle window, const TWindowPlacement& p) {
  const TRect& n = p.NormalPosition;
  Log(Call("SetWindowPlacement", window, p.Flags, p.ShowCmd, n.Left, n.Top, n.Right, n.Bottom));
  SimWindow* w = Find(window);
  if (!w || (RefuseForeignPlacement && Foreign(*w))) return false;
  if (p.Flags & win::WpfSetMinPosition) w->MinPosition = p.MinPosition;
  w->MaxPosition = p.MaxPosition;
  switch (static_cast<int>(p.ShowCmd)) {
    case win::SwShowMinimized:
    case win::SwMinimize:
    case win::SwShowMinNoActive:
      Minimize(*w);
      w->RestoreToMaximized = (p.Flags & win::WpfRestoreToMaximized) != 0;
      if (p.Flags & win::WpfSetMinPosition)
        w->Rect = {p.MinPosition.X, p.MinPosition.Y, p.MinPosition.X + kIconicSize.Width,
                   p.MinPosition.Y + kIconicSize.Height};
      break;
    case win::SwShowMaximized:
      Maximize(*w);  // maximized afresh on the screen, wherever it was parked
      break;
    default:
      Restore(*w);
      w->Rect = n;
      break;
  }
  w->NormalRect = n;
  if (p.ShowCmd == win::SwHide)
    w->Style &= ~win::WsVisible;
  else
    w->Style |= win::WsVisible;
  return true;
}

bool SimDesktop::MoveWindow(WindowHandle window, int x, int y, int width, int height,
                            bool repaint) {
  Log(Call("MoveWindow", window, x, y, width, height, repaint ? 1 : 0));
  SimWindow* w = Find(window);
  if (!w || w->RefusesMoves) return false;
  w->Rect = {x, y, x + width, y + height};
  // The restore rectangle stays; the iconic or maximized position follows the move.
  if (IsMinimized(*w)) w->MinPosition = {x, y};
  if (IsMaximized(*w)) w->MaxPosition = {x, y};
  return true;
}

bool SimDesktop::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                              int cy, unsigned flags) {
  Log(Call("SetWindowPos", window, Signed(insertAfter), x, y, cx, cy, flags));
  SimWindow* w = Find(window);
  if (!w || w->RefusesMoves) return false;
  TRect r = w->Rect;
  if (!(flags & win::SwpNoMove)) r = {x, y, x + r.Width(), y + r.Height()};
  if (!(flags & win::SwpNoSize)) r = {r.Left, r.Top, r.Left + cx, r.Top + cy};
  w->Rect = r;
  if (!(flags & win::SwpNoMove) && IsMinimized(*w)) w->MinPosition = {x, y};
  if (!(flags & win::SwpNoMove) && IsMaximized(*w)) w->MaxPosition = {x, y};
  if (flags & win::SwpNoZOrder) return true;
  if (insertAfter == win::HwndTopMost) w->ExStyle |= win::WsExTopMost;
  if (insertAfter == win::HwndNoTopMost) w->ExStyle &= ~win::WsExTopMost;
  SyncZOrder();
  if (insertAfter == win::HwndBottom) {
    std::erase(ZOrder, window);
    ZOrder.push_back(window);
  } else if (insertAfter == win::HwndTop || insertAfter == win::HwndTopMost ||
             insertAfter == win::HwndNoTopMost) {
    Raise(window);
  } else if (insertAfter != window && Find(insertAfter)) {
    std::erase(ZOrder, window);
    auto after = std::find(ZOrder.begin(), ZOrder.end(), insertAfter);
    ZOrder.insert(after + 1, window);
  }
  return true;
}

void SimDesktop::ListWindows(long withStyle, long withoutStyle, int titleCount, int classCount,
                             std::vector<TListedWindow>& windows) {
  Log(Call("ListWindows", withStyle, withoutStyle, titleCount, classCount));
  auto limit = [](int count) { return count > 0 ? static_cast<size_t>(count - 1) : 0; };
  // Each window is looked up once: the Z-order is brought in step only when a window in it
  // has gone or one is missing from it.
  std::vector<const SimWindow*> found;
  found.reserve(Windows.size());
  for (bool inStep = false; !inStep;) {
    if (ZOrder.size() != Windows.size()) SyncZOrder();
    found.clear();
    for (WindowHandle handle : ZOrder) {
      const SimWindow* w = Find(handle);
      if (!w) break;
      found.push_back(w);
    }
    inStep = found.size() == ZOrder.size();
    if (!inStep) SyncZOrder();
  }
  windows.resize(ZOrder.size());
  size_t listed = 0;
  for (size_t i = 0; i < ZOrder.size(); ++i) {
    const SimWindow& w = *found[i];
    if ((w.Style & withStyle) != withStyle || (w.Style & withoutStyle) != 0) continue;
    ++CloakQueries[ZOrder[i]];
    TListedWindow& entry = windows[listed++];
    entry.Handle = ZOrder[i];
    entry.Style = w.Style;
    entry.Bounds = w.Rect;
    entry.Title.assign(CutShiftJis(w.Title, limit(titleCount)));
    entry.ClassName.assign(CutShiftJis(w.ClassName, limit(classCount)));
    entry.Cloaked = w.Cloaked;
  }
  windows.resize(listed);
}

std::vector<std::size_t> SimDesktop::MoveWindows(const std::vector<TWindowMove>& moves) {
  std::vector<std::size_t> failed;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const TWindowMove& m = moves[i];
    auto move = [&](const TRect& r) {
      return MoveWindow(m.Window, r.Left, r.Top, r.Width(), r.Height(), true);
    };
    if (!((!m.Via || move(*m.Via)) && move(m.To))) failed.push_back(i);
  }
  return failed;
}

bool SimDesktop::IsWindowCloaked(WindowHandle window) {
  ++CloakQueries[window];
  const SimWindow* w = Find(window);
  return w && w->Cloaked;
}

bool SimDesktop::ShowWindow(WindowHandle window, int command) {
  Log(Call("ShowWindow", window, command));
  SimWindow* w = Find(window);
  if (!w) return false;
  bool wasVisible = (w->Style & win::WsVisible) != 0;
  switch (command) {
    case win::SwHide:
      w->Style &= ~win::WsVisible;
      return wasVisible;
    case win::SwShowMinimized:
    case win::SwMinimize:
    case win::SwShowMinNoActive:
      Minimize(*w);
      break;
    case win::SwShowMaximized:
      if (!IsMaximized(*w)) Maximize(*w);
      break;
    case win::SwShowNormal:
    case win::SwShowNoActivate:
      w->RestoreToMaximized = false;  // "normal" means the restore rectangle, not maximized
      Restore(*w);
      break;
    case win::SwRestore:
      Restore(*w);
      break;
    default:  // SW_SHOW, SW_SHOWNA: the state stays
      break;
  }
  w->Style |= win::WsVisible;
  return wasVisible;
}

bool SimDesktop::SetLayeredWindowAttributes(WindowHandle window, unsigned colorKey,
                                            std::uint8_t alpha, unsigned flags) {
  Log(Call("SetLayeredWindowAttributes", window, colorKey, static_cast<unsigned>(alpha), flags));
  SimWindow* w = Find(window);
  // Windows refuses a window without the layered style.
  if (!w || !(w->ExStyle & win::WsExLayered)) return false;
  w->ColorKey = colorKey;
  w->Alpha = alpha;
  w->LayeredFlags = flags;
  return true;
}

WindowHandle SimDesktop::GetForegroundWindow() {
  Log("GetForegroundWindow()");
  return Find(Foreground) ? Foreground : 0;
}

bool SimDesktop::SetForegroundWindow(WindowHandle window) {
  Log(Call("SetForegroundWindow", window));
  if (!Find(window)) return false;
  SimWindow* current = Find(Foreground);
  bool allowed = !current || current->ProcessId == CurrentProcessId || ForegroundLockTimeout == 0;
  if (!allowed) return false;
  Foreground = window;
  Raise(window);
  return true;
}

unsigned SimDesktop::GetWindowThreadProcessId(WindowHandle window, unsigned* processId) {
  Log(Call("GetWindowThreadProcessId", window));
  SimWindow* w = Find(window);
  if (processId) *processId = w ? w->ProcessId : 0;
  return w ? w->ThreadId : 0;
}

bool SimDesktop::AttachThreadInput(unsigned attach, unsigned attachTo, bool doAttach) {
  Log(Call("AttachThreadInput", attach, attachTo, doAttach ? 1 : 0));
  if (attach == 0 || attachTo == 0 || attach == attachTo) return false;
  if (doAttach) return AttachedInputs.insert({attach, attachTo}).second;
  if (AttachedInputs.erase({attach, attachTo}) == 0) return false;
  if (DetachDropsForeground) Foreground = 0;
  return true;
}

bool SimDesktop::GetForegroundLockTimeout(unsigned& timeout) {
  Log("GetForegroundLockTimeout()");
  timeout = ForegroundLockTimeout;
  return true;
}

bool SimDesktop::SetForegroundLockTimeout(unsigned timeout) {
  Log(Call("SetForegroundLockTimeout", timeout));
  ForegroundLockTimeout = timeout;
  return true;
}

int SimDesktop::GetDeviceCaps(int index) {
  Log(Call("GetDeviceCaps", index));
  if (index == win::HorzRes) return ScreenSize.Width;
  if (index == win::VertRes) return ScreenSize.Height;
  return 0;
}

int SimDesktop::GetSystemMetrics(int index) {
  Log(Call("GetSystemMetrics", index));
  TRect all{0, 0, ScreenSize.Width, ScreenSize.Height};
  if (!Monitors.empty()) all = Monitors.front().Bounds;
  for (const TMonitor& monitor : Monitors) {
    all.Left = std::min(all.Left, monitor.Bounds.Left);
    all.Top = std::min(all.Top, monitor.Bounds.Top);
    all.Right = std::max(all.Right, monitor.Bounds.Right);
    all.Bottom = std::max(all.Bottom, monitor.Bounds.Bottom);
  }
  all = VirtualScreen.value_or(all);
  if (index == win::SmXVirtualScreen) return all.Left;
  if (index == win::SmYVirtualScreen) return all.Top;
  if (index == win::SmCxVirtualScreen) return all.Width();
  if (index == win::SmCyVirtualScreen) return all.Height();
  return 0;
}
