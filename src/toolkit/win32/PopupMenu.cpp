#include "toolkit/win32/PopupMenu.h"

#include <vector>

#include "toolkit/win32/Cp932.h"

namespace win32tk {

TMenuItem* TrackMenu(HWND owner, TPopupMenu& menu, int x, int y) {
  HMENU handle = CreatePopupMenu();
  if (!handle) return nullptr;
  // Command ids are positions in `items`, plus one: 0 means nothing was chosen.
  std::vector<TMenuItem*> items;
  for (TMenuItem* item : menu.Items) {
    if (!item || !item->Visible()) continue;
    if (item->IsSeparator()) {
      AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    items.push_back(item);
    UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
    AppendMenuW(handle, flags, items.size(), ToWide(item->Caption()).c_str());
  }
  // The owner must be in front, or the menu does not close when the user clicks elsewhere;
  // the posted message afterwards lets a second opening work at once.
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(
      handle, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(handle);
  if (chosen == 0 || chosen > items.size()) return nullptr;
  return items[chosen - 1];
}

}  // namespace win32tk
