// Commands about the program's dialogs and menus: the controls a dialog shows, the pop-up
// menu on the screen, and the notification area the tray icon sits in.
#include <windows.h>

#include <algorithm>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

std::string Rect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

std::string DescribeControl(HWND control) {
  return "control hwnd=" + HexHandle(control) + " id=" + std::to_string(GetDlgCtrlID(control)) +
         " visible=" + (IsWindowVisible(control) ? "1" : "0") +
         " enabled=" + (IsWindowEnabled(control) ? "1" : "0") + " rect=" + Rect(control) +
         " class=" + Quote(ClassOf(control)) + " text=" + Quote(TextByMessage(control));
}

// controls <image> <class> [title]: the shown top-level windows of the process with that
// class (and title), each with every control on it, in tab order.
int Controls(const std::vector<std::wstring>& args) {
  if (args.size() < 2 || args.size() > 3) {
    Report("error=usage: controls <image> <class> [title]");
    return kUsage;
  }
  std::vector<DWORD> pids;
  for (const auto& process : FindProcesses(args[0])) pids.push_back(process.pid);
  size_t found = 0;
  for (HWND top : TopLevelWindows()) {
    if (!IsWindowVisible(top) || ClassOf(top) != args[1]) continue;
    if (args.size() == 3 && TitleOf(top) != args[2]) continue;
    if (std::find(pids.begin(), pids.end(), ProcessOfWindow(top)) == pids.end()) continue;
    ++found;
    Report(DescribeWindow(top));
    RECT client{};
    GetClientRect(top, &client);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    Report("client origin=" + std::to_string(origin.x) + "," + std::to_string(origin.y) +
           " size=" + std::to_string(client.right) + "," + std::to_string(client.bottom));
    for (HWND child : ChildWindows(top)) Report(DescribeControl(child));
  }
  Report("windows=" + std::to_string(found));
  return found > 0 ? kYes : kNo;
}

// menu: the pop-up menus on the screen, with their items as the user sees them.
int Menu(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: menu");
    return kUsage;
  }
  size_t menus = 0;
  for (HWND window : TopLevelWindows()) {
    if (ClassOf(window) != L"#32768" || !IsWindowVisible(window)) continue;
    ++menus;
    Report("menu hwnd=" + HexHandle(window) + " pid=" + std::to_string(ProcessOfWindow(window)) +
           " rect=" + Rect(window));
    auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    const int count = menu ? GetMenuItemCount(menu) : -1;
    Report("items=" + std::to_string(count));
    for (int i = 0; i < count; ++i) {
      wchar_t text[256] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
      info.dwTypeData = text;
      info.cch = 255;
      if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) {
        Report("item index=" + std::to_string(i) + " error=" + std::to_string(GetLastError()));
        continue;
      }
      const bool separator = (info.fType & MFT_SEPARATOR) != 0;
      Report("item index=" + std::to_string(i) + " separator=" + (separator ? "1" : "0") +
             " grayed=" + ((info.fState & MFS_GRAYED) ? "1" : "0") +
             " checked=" + ((info.fState & MFS_CHECKED) ? "1" : "0") + " text=" + Quote(text));
    }
  }
  Report("menus=" + std::to_string(menus));
  return menus > 0 ? kYes : kNo;
}

// tray-area: the task bar's notification area with every window in it, and where a click
// reaches the icon of <image> (the first icon when the area does not tell them apart).
int TrayArea(const std::vector<std::wstring>& args) {
  if (args.size() > 1) {
    Report("error=usage: tray-area");
    return kUsage;
  }
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!tray) {
    Report("error=no task bar (is the virtual desktop running?)");
    return kFailure;
  }
  Report(DescribeWindow(tray));
  for (HWND child : ChildWindows(tray)) Report(DescribeControl(child));
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"controls", Controls);
TW_DRIVER_COMMAND(L"menu", Menu);
TW_DRIVER_COMMAND(L"tray-area", TrayArea);
