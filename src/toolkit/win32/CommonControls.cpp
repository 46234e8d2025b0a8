#include "toolkit/win32/CommonControls.h"

namespace win32tk {

namespace {

struct Library {
  decltype(&::InitCommonControlsEx) init = nullptr;
  decltype(&::SetWindowSubclass) setSubclass = nullptr;
  decltype(&::RemoveWindowSubclass) removeSubclass = nullptr;
  decltype(&::DefSubclassProc) defSubclassProc = nullptr;
};

template <typename Function>
void Resolve(HMODULE module, const char* name, Function& to) {
  to = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

Library Load() {
  Library library;
  HMODULE module = LoadLibraryW(L"comctl32.dll");
  if (!module) return library;
  Resolve(module, "InitCommonControlsEx", library.init);
  Resolve(module, "SetWindowSubclass", library.setSubclass);
  Resolve(module, "RemoveWindowSubclass", library.removeSubclass);
  Resolve(module, "DefSubclassProc", library.defSubclassProc);
  if (library.init) {
    // With version 6 the standard controls are the library's as well.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    library.init(&controls);
  }
  return library;
}

// Loaded once, at the first question; the module stays for the process's life.
const Library& Loaded() {
  static const Library library = Load();
  return library;
}

}  // namespace

bool LoadCommonControls() {
  return Loaded().init != nullptr;
}

BOOL SubclassControl(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  const Library& library = Loaded();
  return library.setSubclass ? library.setSubclass(window, proc, id, data) : FALSE;
}

BOOL RemoveControlSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
  const Library& library = Loaded();
  return library.removeSubclass ? library.removeSubclass(window, proc, id) : FALSE;
}

LRESULT DefaultSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Library& library = Loaded();
  return library.defSubclassProc ? library.defSubclassProc(window, message, wParam, lParam)
                                 : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace win32tk
