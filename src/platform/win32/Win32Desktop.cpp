#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include "TwHook.h"
#include "platform/win32/Cp932.h"
#include "platform/win32/Responsive.h"

namespace {
HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
HANDLE ToHandle(KernelHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

Desktop::MutexResult Win32Desktop::CreateMutexA(const std::string& name, bool initialOwner) {
  MutexResult result;
  HANDLE mutex = ::CreateMutexW(nullptr, initialOwner ? TRUE : FALSE, Cp932ToWide(name).c_str());
  result.LastError = ::GetLastError();
  result.Handle = reinterpret_cast<KernelHandle>(mutex);
  return result;
}

bool Win32Desktop::ReleaseMutex(KernelHandle mutex) {
  return ::ReleaseMutex(ToHandle(mutex));
}

bool Win32Desktop::CloseHandle(KernelHandle handle) {
  return ::CloseHandle(ToHandle(handle));
}

long Win32Desktop::GetWindowLongA(WindowHandle window, int index) {
  return static_cast<long>(::GetWindowLongPtrW(ToHwnd(window), index));
}

long Win32Desktop::SetWindowLongA(WindowHandle window, int index, long value) {
  // A style change is sent to the window's thread: skip a window that does not answer.
  if (!WindowAnswers(ToHwnd(window))) return 0;
  return static_cast<long>(::SetWindowLongPtrW(ToHwnd(window), index, value));
}

bool Win32Desktop::StartHook(WindowHandle target, int snappingKey) {
  return _StartHook(ToHwnd(target), snappingKey);
}

bool Win32Desktop::EndHook() {
  return _EndHook();
}

std::filesystem::path Win32Desktop::ModuleFileName() {
  // Long paths: grow the buffer until the name fits. The name stays UTF-16: a folder
  // named with characters outside code page 932 must still find the settings file.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

bool Win32Desktop::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) {
  return ::RegisterHotKey(ToHwnd(window), id, modifiers, key);
}

bool Win32Desktop::UnregisterHotKey(WindowHandle window, int id) {
  return ::UnregisterHotKey(ToHwnd(window), id);
}

unsigned Win32Desktop::MapVirtualKeyA(unsigned code, unsigned mapType) {
  return ::MapVirtualKeyW(code, mapType);
}

std::string Win32Desktop::GetKeyNameTextA(long lParam) {
  wchar_t name[256] = {};
  int length = ::GetKeyNameTextW(lParam, name, 256);
  return length > 0 ? WideToCp932(std::wstring(name, static_cast<size_t>(length))) : std::string();
}

std::uint64_t Win32Desktop::KeyboardLayoutId() {
  // Switching the input language changes the thread's layout handle.
  return reinterpret_cast<std::uintptr_t>(::GetKeyboardLayout(0));
}

int Win32Desktop::CompareStringA(unsigned flags, const std::string& a, const std::string& b) {
  std::wstring wa = Cp932ToWide(a), wb = Cp932ToWide(b);
  return ::CompareStringW(LOCALE_USER_DEFAULT, flags, wa.c_str(), static_cast<int>(wa.size()),
                          wb.c_str(), static_cast<int>(wb.size()));
}

int Win32Desktop::GetSystemMetrics(int index) {
  return ::GetSystemMetrics(index);
}

bool Win32Desktop::CreateProcessA(const std::string& commandLine, unsigned creationFlags,
                                  ProcessInformation& info) {
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring line = Cp932ToWide(commandLine);
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                        nullptr, &startup, &process))
    return false;
  info.Process = reinterpret_cast<KernelHandle>(process.hProcess);
  info.Thread = reinterpret_cast<KernelHandle>(process.hThread);
  info.ProcessId = process.dwProcessId;
  info.ThreadId = process.dwThreadId;
  return true;
}

bool Win32Desktop::ClipCursor(const TRect* rect) {
  if (!rect) return ::ClipCursor(nullptr);
  RECT clip{rect->Left, rect->Top, rect->Right, rect->Bottom};
  return ::ClipCursor(&clip);
}

bool Win32Desktop::ReleaseCapture() {
  return ::ReleaseCapture();
}

bool Win32Desktop::PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  return ::PostMessageW(ToHwnd(window), message, wParam, lParam);
}
