#include "toolkit/win32/OpenFileDialog.h"

#include <commdlg.h>

#include "toolkit/OpenDialog.h"
#include "toolkit/win32/Cp932.h"

namespace win32tk {

bool RunOpenFileDialog(HWND owner, TOpenDialog& dialog) {
  // The filter's "|" separators become the NULs the dialog expects, ending in two.
  std::wstring filter = ToWide(dialog.Filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.append(2, L'\0');
  std::wstring file(32768, L'\0');
  OPENFILENAMEW open{};
  open.lStructSize = sizeof(open);
  open.hwndOwner = owner;
  open.lpstrFilter = filter.c_str();
  open.lpstrFile = file.data();
  open.nMaxFile = static_cast<DWORD>(file.size());
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  // The dialog library is loaded when a file is first chosen, not at start: linked in, it
  // and what it pulls in (the printing support among them) weighed on every start and on
  // the resident program's memory, for a dialog most sessions never open.
  static const auto getOpenFileName = [] {
    HMODULE library = LoadLibraryW(L"comdlg32.dll");
    FARPROC found = library ? GetProcAddress(library, "GetOpenFileNameW") : nullptr;
    return reinterpret_cast<decltype(&GetOpenFileNameW)>(reinterpret_cast<void (*)()>(found));
  }();
  if (!getOpenFileName || !getOpenFileName(&open)) return false;
  file.resize(wcslen(file.c_str()));
  dialog.FileName = ToCp932(file);
  return true;
}

}  // namespace win32tk
