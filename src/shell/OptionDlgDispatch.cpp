// The options dialog's window receives the global hot keys and the hook library's
// notices; this is where they are routed.
#include "commands/HotKeyRegistration.h"
#include "desktop/FormVirtualDesktop.h"
#include "general/EnumerateWindows.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"
#include "shell/WindowPattern.h"

namespace {
constexpr unsigned kWindowCreated = win::WmApp;
constexpr unsigned kWindowNotice = win::WmApp + 1;
// Notice codes of the hook library (the system's CBT hook codes).
constexpr int kNoticeCreated = 3;
constexpr int kNoticeDestroyed = 4;
constexpr int kNoticeActivated = 5;
// How often a rule's translucency is looked at again after it was applied.
constexpr int kLayeringChecks = 4;
}  // namespace

bool TOptionDlg::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                               std::intptr_t& result) {
  switch (message) {
    case win::WmHotKey:
      OnHotKey(static_cast<int>(wParam));
      return false;  // the form's own handling follows
    case kWindowCreated:
      OnWindowCreated(static_cast<WindowHandle>(wParam));
      result = 0;
      return true;
    case kWindowNotice:
      OnWindowNotice(static_cast<int>(wParam), static_cast<WindowHandle>(lParam));
      result = 0;
      return true;
    case win::WmEndSession:
      // Applications store their positions when the session ends: windows parked on
      // other frames must be back on the screen by then, or they reopen off-screen.
      if (wParam) program_.FormVirtualDesktop->RestoreAllWindows();
      return false;
    case win::WmDisplayChange:
      program_.FormVirtualDesktop->DisplayChanged();
      return false;
    default:
      return false;
  }
}

void TOptionDlg::OnHotKey(int id) {
  TFormVirtualDesktop& pager = *program_.FormVirtualDesktop;
  int target = pager.CurrentFrame;
  int strip = program_.OptionSettings["VirtualDesktop"].IntValue();
  if (strip == 1) {
    if (id == kHotKeyIdUp) --target;
    if (id == kHotKeyIdDown) ++target;
  }
  if (strip == 2) {
    if (id == kHotKeyIdLeft) --target;
    if (id == kHotKeyIdRight) ++target;
  }
  switch (id) {
    case kHotKeyIdUp:
    case kHotKeyIdDown:
    case kHotKeyIdLeft:
    case kHotKeyIdRight:
      // From where the windows are now: the user may have moved some since the last list.
      pager.RefreshAndSwitchToFrame(target);
      break;
    case kHotKeyIdGetInfo:
      PrefillWatchingRule();
      break;
    case kHotKeyIdTranslucent:
      ToggleTranslucency();
      break;
    default:
      ExecuteCommand(id);
      break;
  }
}

void TOptionDlg::OnWindowCreated(WindowHandle window) {
  Desktop& desktop = program_.Platform;
  // The program never applies rules to itself: its message boxes, file chooser and pager.
  unsigned ownProcess = 0, process = 0;
  desktop.GetWindowThreadProcessId(Handle(), &ownProcess);
  desktop.GetWindowThreadProcessId(window, &process);
  if (process == ownProcess) return;
  CWatchingOption& rules = program_.WatchingSettings;
  // The count is read again at every step: a rule may be added meanwhile.
  for (int i = 0; i < rules.Count(); ++i) {
    rules.LoadEntry(i);
    const std::string pattern = rules["WindowTitle"].TextValue();
    if (pattern.empty()) continue;
    bool match = IsClassPattern(pattern)
                     ? MatchesWindowPattern(pattern, {},
                                            desktop.GetClassNameA(window, kWindowTextBufferSize))
                     : MatchesWindowPattern(
                           pattern, desktop.GetWindowTextA(window, kWindowTextBufferSize), {});
    if (!match) continue;

    if (rules["Translucent"].IntValue() != 0) {
      auto alpha = static_cast<unsigned char>(rules["TranslucentAlpha"].IntValue());
      MakeTranslucent(window, alpha);
      std::erase_if(translucentWindows_, [&](const auto& w) { return w.window == window; });
      translucentWindows_.push_back({window, alpha, kLayeringChecks});
      TimerLayering->SetEnabled(true);
    }
    bool frame = rules["Frame"].IntValue() != 0;
    bool position = rules["Position"].IntValue() != 0;
    if (frame || position) {
      TWindowPlacement placement;
      desktop.GetWindowPlacement(window, placement);
      const TRect& normal = placement.NormalPosition;
      TRect r{0, 0, normal.Width(), normal.Height()};
      if (position) {
        int left = rules["PositionLeft"].IntValue(), top = rules["PositionTop"].IntValue();
        r = {r.Left + left, r.Top + top, r.Right + left, r.Bottom + top};
      }
      int frameIndex = -1;
      if (program_.OptionSettings["VirtualDesktop"].IntValue() != 0 && frame)
        frameIndex = rules["FramePosition"].IntValue() - 1;
      TFormVirtualDesktop& pager = *program_.FormVirtualDesktop;
      pager.MoveWindowToFrame(window, r, frameIndex);
      // The list, and the pager's picture, hold the new window where it now is (without
      // virtual screens nothing uses them).
      if (program_.OptionSettings["VirtualDesktop"].IntValue() != 0) {
        pager.RefreshWindowList();
        pager.DrawPager();
      }
    }
  }
}

void TOptionDlg::MakeTranslucent(WindowHandle window, unsigned char alpha) {
  Desktop& desktop = program_.Platform;
  long style = desktop.GetWindowLongA(window, win::GwlExStyle);
  desktop.SetWindowLongA(window, win::GwlExStyle, style | win::WsExLayered);
  desktop.SetLayeredWindowAttributes(window, 0, alpha, win::LwaAlpha);
}

void TOptionDlg::TimerLayeringTimer() {
  Desktop& desktop = program_.Platform;
  for (TranslucentWindow& entry : translucentWindows_) {
    --entry.checksLeft;
    if (!desktop.IsWindow(entry.window)) {
      entry.checksLeft = 0;
      continue;
    }
    if (!(desktop.GetWindowLongA(entry.window, win::GwlExStyle) & win::WsExLayered))
      MakeTranslucent(entry.window, entry.alpha);
  }
  std::erase_if(translucentWindows_, [](const auto& entry) { return entry.checksLeft <= 0; });
  if (translucentWindows_.empty()) TimerLayering->SetEnabled(false);
}

void TOptionDlg::OnWindowNotice(int code, WindowHandle window) {
  Desktop& desktop = program_.Platform;
  // Commands cycle by this record, with or without virtual screens.
  if (code == kNoticeActivated) activations_.Activated(window, desktop);
  if (code == kNoticeDestroyed) activations_.Forget(window);
  if (program_.OptionSettings["VirtualDesktop"].IntValue() == 0) return;
  TFormVirtualDesktop& pager = *program_.FormVirtualDesktop;
  if (pager.HandleAllocated() && window == pager.Handle()) return;
  // A destroyed window's class name can no longer be read, yet its notice must reach the
  // pager: the system's own choice of the next active window is not to be followed.
  bool gone = desktop.GetClassNameA(window, kWindowTextBufferSize).empty();
  if (gone && code != kNoticeDestroyed && code != kNoticeCreated) return;
  pager.NotifyActivation(code, window, false);
}
