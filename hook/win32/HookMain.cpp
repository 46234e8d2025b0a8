// twhook.dll: global hooks that report top-level windows to one target window and snap
// windows that the user drags with the chosen key held.
//
// The hook procedures run inside every GUI process of the library's bitness, on the
// thread that owns the window concerned. They only post (never send) to the target, so a
// hung, restarting or vanished program can never stall another one; they allocate nothing
// themselves, take no locks and wait for nothing.
//
// Notifications (see TwHook.h):
//   0x8000  a new top-level window, once, when it is first shown or activated. At creation
//           its title is often not final (Notepad sets it after WM_CREATE), and windows
//           that are never shown (IME, COM and other helpers) are of no interest.
//   0x8001  code 5 every activation, 1 minimize/maximize/restore of a top-level window,
//           4 destruction of a visible top-level window. Hidden helpers come and go all
//           the time, and a destroy notice keeps the pager from following the next
//           activation, so only windows the user could see count.
// The target's own process is reported like any other: the program filters its own
// windows where it cares (the pager) and may apply watching rules to the rest.
#include <windows.h>

#include <atomic>

#include "PendingWindows.h"
#include "Snap.h"

namespace {

constexpr UINT kWindowCreated = WM_APP;
constexpr UINT kWindowEvent = WM_APP + 1;

// Shared by every process that has the library loaded: where to post and which key snaps.
// Only constant-initialised data may live here.
#define TW_SHARED __attribute__((section(".shared"), shared))
std::atomic<HWND> sharedTarget TW_SHARED{nullptr};
std::atomic<int> sharedSnappingKey TW_SHARED{0};

// Per process.
HMODULE module = nullptr;
SRWLOCK installLock = SRWLOCK_INIT;
HHOOK cbtHook = nullptr;
HHOOK callWndProcHook = nullptr;

void Post(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND target = sharedTarget.load();
  if (target && IsWindow(target)) PostMessageW(target, message, wParam, lParam);
}

bool IsTopLevel(HWND window) {
  return !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD);
}

// Top-level windows of this process created since the hook ran and not yet reported. A
// program that keeps many hidden windows alive pushes the oldest ones out, so its new
// windows are always announced.
pending::Windows<HWND, 256> pendingWindows;

void RememberNewWindow(HWND window) {
  pendingWindows.Remember(window);
}

// Removes the window from the pending set; true when it was there.
bool TakeNewWindow(HWND window) {
  return pendingWindows.Take(window);
}

void AnnounceIfNew(HWND window) {
  if (TakeNewWindow(window)) Post(kWindowCreated, reinterpret_cast<WPARAM>(window), 0);
}

// --- Snapping -----------------------------------------------------------------------------
//
// The window being dragged is subclassed for the length of its move loop (between
// WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE): WM_MOVING carries the rectangle that the loop will
// use, and only the window procedure's answer reaches the loop. The library is pinned in a
// process once it has subclassed a window there, so that unhooking can never unload the
// code of a window procedure that is still installed.

const wchar_t kPreviousProcProp[] = L"TwHookPreviousProc";

struct DragState {
  std::atomic<DWORD> thread{0};  // owner of the one drag a process can have at a time
  std::atomic<HWND> window{nullptr};
  snap::Drag drag;
};
DragState dragState;
bool pinned = false;

snap::Rect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

snap::Modifiers HeldModifiers() {
  return {(GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0, (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0,
          (GetAsyncKeyState(VK_MENU) & 0x8000) != 0};
}

snap::Point MessageCursor() {
  const DWORD pos = GetMessagePos();
  return {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
}

snap::Rect WorkAreaAround(const snap::Rect& r) {
  RECT rect{r.left, r.top, r.right, r.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
    return FromRect(info.rcWork);
  }
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
  return FromRect(rect);
}

BOOL CALLBACK CollectOther(HWND window, LPARAM) {
  HWND dragged = dragState.window.load();
  if (window == dragged || !IsWindowVisible(window) || IsIconic(window)) return TRUE;
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return TRUE;
  // Windows owned by the dragged one usually travel with it.
  for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == dragged) return TRUE;
  }
  RECT rect;
  if (!GetWindowRect(window, &rect)) return TRUE;
  // A window that covers its whole monitor (the desktop, a full-screen program) offers
  // only the screen's edges, which lie beyond the work area.
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info) &&
      rect.left <= info.rcMonitor.left && rect.top <= info.rcMonitor.top &&
      rect.right >= info.rcMonitor.right && rect.bottom >= info.rcMonitor.bottom) {
    return TRUE;
  }
  return dragState.drag.AddOther(FromRect(rect)) ? TRUE : FALSE;
}

LRESULT CallPrevious(bool unicode, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kPreviousProcProp));
  if (!previous) {
    return unicode ? DefWindowProcW(window, message, wParam, lParam)
                   : DefWindowProcA(window, message, wParam, lParam);
  }
  return unicode ? CallWindowProcW(previous, window, message, wParam, lParam)
                 : CallWindowProcA(previous, window, message, wParam, lParam);
}

void EndDrag(HWND window, WNDPROC self, bool unicode) {
  // Step out of the chain unless another subclass was put on top meanwhile; then this
  // procedure stays and keeps forwarding (the library is pinned).
  const LONG_PTR current =
      unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (current == reinterpret_cast<LONG_PTR>(self)) {
    const auto previous = reinterpret_cast<LONG_PTR>(GetPropW(window, kPreviousProcProp));
    if (unicode) {
      SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
    } else {
      SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
    }
    RemovePropW(window, kPreviousProcProp);
  }
  if (dragState.window == window) {
    dragState.window = nullptr;
    dragState.thread.store(0);
  }
}

LRESULT SnapProc(bool unicode, WNDPROC self, HWND window, UINT message, WPARAM wParam,
                 LPARAM lParam) {
  switch (message) {
    case WM_MOVING:
      if (dragState.window == window && dragState.thread.load() == GetCurrentThreadId()) {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        const snap::Point cursor = MessageCursor();
        const snap::Rect proposed = FromRect(*rect);
        const bool snapping = snap::KeyHeld(sharedSnappingKey.load(), HeldModifiers());
        const snap::Rect work =
            snapping ? WorkAreaAround(dragState.drag.Follow(proposed, cursor)) : snap::Rect{};
        const snap::Rect answer =
            dragState.drag.Moving(proposed, cursor, snapping, work, snap::kDistance);
        *rect = RECT{answer.left, answer.top, answer.right, answer.bottom};
      }
      break;  // the window's own procedure still sees the message and has the last word
    case WM_EXITSIZEMOVE:
    case WM_NCDESTROY: {
      const LRESULT result = CallPrevious(unicode, window, message, wParam, lParam);
      EndDrag(window, self, unicode);
      return result;
    }
  }
  return CallPrevious(unicode, window, message, wParam, lParam);
}

LRESULT CALLBACK SnapProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SnapProc(true, SnapProcW, window, message, wParam, lParam);
}

LRESULT CALLBACK SnapProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SnapProc(false, SnapProcA, window, message, wParam, lParam);
}

void BeginDrag(HWND window) {
  if (sharedSnappingKey.load() == 0 || !sharedTarget.load() || !IsTopLevel(window)) return;
  // A hook of the other bitness runs in the installing thread on behalf of another process;
  // only a window of this thread can be subclassed.
  if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
  DWORD idle = 0;
  if (!dragState.thread.compare_exchange_strong(idle, GetCurrentThreadId())) return;
  dragState.window = window;
  dragState.drag = snap::Drag{};
  EnumWindows(CollectOther, 0);

  if (!pinned) {
    HMODULE self = nullptr;
    pinned =
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&BeginDrag), &self);
  }
  // A window still subclassed from an earlier drag keeps its procedure.
  bool subclassed = GetPropW(window, kPreviousProcProp) != nullptr;
  if (!subclassed && pinned) {
    const bool unicode = IsWindowUnicode(window);
    const LONG_PTR previous =
        unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
    if (previous && SetPropW(window, kPreviousProcProp, reinterpret_cast<HANDLE>(previous))) {
      const auto procedure = reinterpret_cast<LONG_PTR>(unicode ? SnapProcW : SnapProcA);
      subclassed = unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure) != 0
                           : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure) != 0;
      if (!subclassed) RemovePropW(window, kPreviousProcProp);
    }
  }
  if (!subclassed) {
    dragState.window = nullptr;
    dragState.thread.store(0);
  }
}

// --- Hook procedures ----------------------------------------------------------------------

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND: {
      const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
      if (!(cs->style & WS_CHILD) && cs->hwndParent != HWND_MESSAGE) RememberNewWindow(window);
      break;
    }
    case HCBT_ACTIVATE:
      if (window) {
        AnnounceIfNew(window);
        Post(kWindowEvent, HCBT_ACTIVATE, reinterpret_cast<LPARAM>(window));
      }
      break;
    case HCBT_MINMAX:
      if (IsTopLevel(window)) Post(kWindowEvent, HCBT_MINMAX, reinterpret_cast<LPARAM>(window));
      break;
    case HCBT_DESTROYWND:
      if (IsTopLevel(window)) {
        TakeNewWindow(window);
        if (IsWindowVisible(window)) {
          Post(kWindowEvent, HCBT_DESTROYWND, reinterpret_cast<LPARAM>(window));
        }
      }
      break;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    switch (call->message) {
      case WM_SHOWWINDOW:
        if (call->wParam) AnnounceIfNew(call->hwnd);
        break;
      case WM_WINDOWPOSCHANGED:
        if (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) {
          AnnounceIfNew(call->hwnd);
        }
        break;
      case WM_ENTERSIZEMOVE:
        BeginDrag(call->hwnd);
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RemoveHooks() {
  if (cbtHook) UnhookWindowsHookEx(cbtHook);
  if (callWndProcHook) UnhookWindowsHookEx(callWndProcHook);
  cbtHook = callWndProcHook = nullptr;
}

}  // namespace

// Starts reporting to `target` and snapping with `snappingKey` (0 none, 1 Shift, 2 Ctrl,
// 3 Alt). Called again, it only changes the target and the key.
extern "C" BOOL StartHook(HWND target, int snappingKey) {
  if (!IsWindow(target)) return FALSE;
  AcquireSRWLockExclusive(&installLock);
  sharedSnappingKey.store(snappingKey >= 0 && snappingKey <= 3 ? snappingKey : 0);
  sharedTarget.store(target);
  if (!cbtHook) cbtHook = SetWindowsHookExW(WH_CBT, CbtProc, module, 0);
  if (!callWndProcHook) callWndProcHook = SetWindowsHookExW(WH_CALLWNDPROC, CallWndProc, module, 0);
  const bool ok = cbtHook && callWndProcHook;
  if (!ok) {
    RemoveHooks();
    sharedTarget.store(nullptr);
  }
  ReleaseSRWLockExclusive(&installLock);
  return ok;
}

// Stops everything StartHook began. Notifications already queued for the target are
// dropped when called on the target's own thread, so that none arrives after this returns.
extern "C" BOOL EndHook() {
  AcquireSRWLockExclusive(&installLock);
  HWND target = sharedTarget.exchange(nullptr);
  sharedSnappingKey.store(0);
  RemoveHooks();
  ReleaseSRWLockExclusive(&installLock);
  if (target && GetWindowThreadProcessId(target, nullptr) == GetCurrentThreadId()) {
    MSG msg;
    while (PeekMessageW(&msg, target, kWindowCreated, kWindowEvent, PM_REMOVE)) {
    }
  }
  return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && cbtHook) {
    // Unloaded, or the process ends, while its hooks run: nobody may post to a target
    // that this process named any more.
    sharedTarget.store(nullptr);
    if (!reserved) RemoveHooks();
  }
  return TRUE;
}
