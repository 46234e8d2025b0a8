// twtrayfloor: the least a resident program must do to be one: a hidden window that puts one
// icon in the notification area, then reads its messages until it is closed. The start-up
// timing starts it beside the program as the floor the program's own start is measured
// against (time until the icon is there, working set once started).
// clang-format off
#include <windows.h>  // first: shellapi.h needs its declarations
// clang-format on
#include <shellapi.h>

namespace {

constexpr wchar_t kClassName[] = L"TwTrayFloorIcon";
constexpr UINT kIconId = 1;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &icon);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, kClassName, L"twtrayfloor", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return 1;

  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = kIconId;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpynW(icon.szTip, L"twtrayfloor", ARRAYSIZE(icon.szTip));
  if (!Shell_NotifyIconW(NIM_ADD, &icon)) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
