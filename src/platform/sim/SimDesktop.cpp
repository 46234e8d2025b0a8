#include "platform/sim/SimDesktop.h"

#include <algorithm>
#include <atomic>
#include <cctype>

SimDesktop::SimDesktop(std::shared_ptr<SimSystem> system) : System(std::move(system)) {}

WindowHandle SimDesktop::AddWindow(SimWindow window, WindowHandle handle) {
  if (handle == 0) handle = nextWindow_ += 0x10;
  if (Windows.count(handle) == 0) ZOrder.push_back(handle);
  Windows[handle] = std::move(window);
  return handle;
}

void SimDesktop::DestroyWindow(WindowHandle window) {
  Windows.erase(window);
  std::erase(ZOrder, window);
  if (Foreground == window) Foreground = 0;
}

void SimDesktop::VanishWhen(std::string callPrefix, WindowHandle window) {
  vanishings_.emplace_back(std::move(callPrefix), window);
}

void SimDesktop::Log(std::string call) {
  Calls.push_back(std::move(call));
  if (vanishings_.empty()) return;
  const std::string& last = Calls.back();
  for (auto it = vanishings_.begin(); it != vanishings_.end();) {
    if (last.rfind(it->first, 0) == 0) {
      DestroyWindow(it->second);
      it = vanishings_.erase(it);
    } else {
      ++it;
    }
  }
}

int SimDesktop::CallCount(const std::string& prefix) const {
  int count = 0;
  for (const auto& call : Calls)
    if (call.rfind(prefix, 0) == 0) ++count;
  return count;
}

SimWindow* SimDesktop::Find(WindowHandle window) {
  auto it = Windows.find(window);
  return it == Windows.end() ? nullptr : &it->second;
}

Desktop::MutexResult SimDesktop::CreateMutexA(const std::string& name, bool initialOwner) {
  Log("CreateMutexA(" + name + "," + (initialOwner ? "1" : "0") + ")");
  MutexResult result;
  result.Handle = nextKernelHandle_++;
  // As on Windows, opening an existing named mutex succeeds and reports that it existed.
  result.LastError = System->Mutexes[name]++ == 0 ? 0 : win::ErrorAlreadyExists;
  heldMutexes_[result.Handle] = name;
  return result;
}

bool SimDesktop::ReleaseMutex(KernelHandle mutex) {
  Log("ReleaseMutex(" + std::to_string(mutex) + ")");
  return heldMutexes_.count(mutex) != 0;
}

bool SimDesktop::CloseHandle(KernelHandle handle) {
  Log("CloseHandle(" + std::to_string(handle) + ")");
  if (heldProcessHandles_.erase(handle)) return true;
  auto it = heldMutexes_.find(handle);
  if (it == heldMutexes_.end()) return false;
  // The named object goes with its last handle.
  if (--System->Mutexes[it->second] == 0) System->Mutexes.erase(it->second);
  heldMutexes_.erase(it);
  return true;
}

long SimDesktop::GetWindowLongA(WindowHandle window, int index) {
  SimWindow* w = Find(window);
  if (!w) return 0;
  if (index == win::GwlStyle) return w->Style;
  if (index == win::GwlExStyle) return w->ExStyle;
  return 0;
}

long SimDesktop::SetWindowLongA(WindowHandle window, int index, long value) {
  Log("SetWindowLongA(" + std::to_string(window) + "," + std::to_string(index) + "," +
      std::to_string(value) + ")");
  SimWindow* w = Find(window);
  if (!w) return 0;
  long& field = index == win::GwlStyle ? w->Style : w->ExStyle;
  long previous = field;
  if (index == win::GwlStyle || index == win::GwlExStyle) field = value;
  return previous;
}

bool SimDesktop::StartHook(WindowHandle target, int snappingKey) {
  Log("StartHook(" + std::to_string(target) + "," + std::to_string(snappingKey) + ")");
  HookStarted = true;
  HookTarget = target;
  HookSnappingKey = snappingKey;
  return true;
}

bool SimDesktop::EndHook() {
  Log("EndHook()");
  HookStarted = false;
  return true;
}

std::filesystem::path SimDesktop::ModuleFileName() {
  return ExecutablePath;
}

bool SimDesktop::RegGetRunValue(const std::string& name, std::filesystem::path& commandLine) {
  Log("RegGetRunValue(" + name + ")");
  auto found = RunValues.find(name);
  if (found == RunValues.end()) return false;
  commandLine = found->second;
  return true;
}

bool SimDesktop::RegSetRunValue(const std::string& name, const std::filesystem::path& commandLine) {
  Log("RegSetRunValue(" + name + "," + commandLine.string() + ")");
  if (RunValueWriteFails) return false;
  RunValues[name] = commandLine;
  return true;
}

bool SimDesktop::RegDeleteRunValue(const std::string& name) {
  Log("RegDeleteRunValue(" + name + ")");
  if (RunValueWriteFails) return false;
  RunValues.erase(name);
  return true;
}

const SimHotKey* SimSystem::HotKeyFor(unsigned modifiers, unsigned key) const {
  for (const auto& hotKey : HotKeys)
    if (hotKey.Modifiers == modifiers && hotKey.Key == key) return &hotKey;
  return nullptr;
}

bool SimDesktop::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned key) {
  Log("RegisterHotKey(" + std::to_string(window) + "," + std::to_string(id) + "," +
      std::to_string(modifiers) + "," + std::to_string(key) + ")");
  auto& table = System->HotKeys;
  bool idTaken = std::any_of(table.begin(), table.end(),
                             [&](const SimHotKey& h) { return h.Window == window && h.Id == id; });
  if (idTaken || System->HotKeyFor(modifiers, key)) return false;
  table.push_back({window, id, modifiers, key});
  return true;
}

bool SimDesktop::UnregisterHotKey(WindowHandle window, int id) {
  Log("UnregisterHotKey(" + std::to_string(window) + "," + std::to_string(id) + ")");
  auto& table = System->HotKeys;
  auto it = std::find_if(table.begin(), table.end(),
                         [&](const SimHotKey& h) { return h.Window == window && h.Id == id; });
  if (it == table.end()) return false;
  table.erase(it);
  return true;
}

namespace {
// Shared by every simulated desktop, so that a layout built where another one was freed
// never looks like it.
std::uint64_t NextLayoutId() {
  static std::atomic<std::uint64_t> next{1};
  return next++;
}
}  // namespace

SimKeyboardLayout::SimKeyboardLayout(Keys keys) : Keys(std::move(keys)), id_(NextLayoutId()) {}

SimKeyboardLayout::SimKeyboardLayout(const SimKeyboardLayout& other)
    : Keys(other), id_(NextLayoutId()) {}

SimKeyboardLayout& SimKeyboardLayout::operator=(const SimKeyboardLayout& other) {
  Keys::operator=(other);
  id_ = NextLayoutId();
  return *this;
}

SimKeyboardLayout& SimKeyboardLayout::operator=(Keys keys) {
  Keys::operator=(std::move(keys));
  id_ = NextLayoutId();
  return *this;
}

SimKeyboardLayout::mapped_type& SimKeyboardLayout::operator[](unsigned code) {
  id_ = NextLayoutId();
  return Keys::operator[](code);
}

SimKeyboardLayout::mapped_type& SimKeyboardLayout::at(unsigned code) {
  id_ = NextLayoutId();
  return Keys::at(code);
}

SimKeyboardLayout::size_type SimKeyboardLayout::erase(unsigned code) {
  id_ = NextLayoutId();
  return Keys::erase(code);
}

void SimKeyboardLayout::clear() {
  id_ = NextLayoutId();
  Keys::clear();
}

std::uint64_t SimDesktop::KeyboardLayoutId() {
  return KeyboardLayout.Id();
}

unsigned SimDesktop::MapVirtualKeyA(unsigned code, unsigned mapType) {
  if (mapType == win::MapVkVscToVk) {
    // The first key with that scan code and no 0xE0 prefix.
    for (const auto& [vk, key] : KeyboardLayout)
      if (key.first == code) return vk;
    return 0;
  }
  if (mapType != win::MapVkVkToVsc && mapType != win::MapVkVkToVscEx) return 0;
  auto it = KeyboardLayout.find(code);
  if (it == KeyboardLayout.end()) return 0;
  return mapType == win::MapVkVkToVscEx ? it->second.first : it->second.first & 0xFF;
}

std::string SimDesktop::GetKeyNameTextA(long lParam) {
  const auto bits = static_cast<unsigned long>(lParam);
  const unsigned scanCode = (bits >> 16) & 0xFF;
  const unsigned wanted = bits & win::KeyNameExtended ? 0xE000 | scanCode : scanCode;
  // The key with exactly that scan code, else the one with the same code and the other
  // extendedness, as Windows names the extended arrows after the keypad's.
  for (const auto& [vk, key] : KeyboardLayout)
    if (key.first == wanted) return key.second;
  for (const auto& [vk, key] : KeyboardLayout)
    if ((key.first & 0xFF) == scanCode) return key.second;
  return {};
}

int SimDesktop::CompareStringA(unsigned flags, const std::string& a, const std::string& b) {
  auto fold = [flags](std::string s) {
    if (flags & win::NormIgnoreCase)
      for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  int order = fold(a).compare(fold(b));
  return order < 0 ? 1 : order == 0 ? win::CstrEqual : 3;
}

bool SimDesktop::CreateProcessA(const std::string& commandLine, unsigned creationFlags,
                                ProcessInformation& info) {
  Log("CreateProcessA(" + commandLine + "," + std::to_string(creationFlags) + ")");
  for (const auto& failing : FailingCommandLines)
    if (failing == commandLine) return false;
  StartedProcesses.push_back(commandLine);
  // Handles that CloseHandle accepts once each, as a process and a thread handle would be.
  info.Process = nextKernelHandle_++;
  info.Thread = nextKernelHandle_++;
  heldProcessHandles_.insert(info.Process);
  heldProcessHandles_.insert(info.Thread);
  info.ProcessId = 1000 + static_cast<unsigned>(StartedProcesses.size());
  info.ThreadId = info.ProcessId + 1;
  return true;
}

void SimDesktop::SetUnhandledExceptionFilter(std::function<void()> handler) {
  Log(handler ? "SetUnhandledExceptionFilter(set)" : "SetUnhandledExceptionFilter(none)");
  CrashHandler = std::move(handler);
}

bool SimDesktop::ClipCursor(const TRect* rect) {
  if (rect) {
    Log("ClipCursor(" + std::to_string(rect->Left) + "," + std::to_string(rect->Top) + "," +
        std::to_string(rect->Right) + "," + std::to_string(rect->Bottom) + ")");
    CursorClip = *rect;
  } else {
    Log("ClipCursor(NULL)");
    CursorClip.reset();
  }
  return true;
}

bool SimDesktop::ReleaseCapture() {
  Log("ReleaseCapture()");
  return true;
}

bool SimDesktop::PostMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  Log("PostMessageA(" + std::to_string(window) + "," + std::to_string(message) + "," +
      std::to_string(wParam) + "," + std::to_string(lParam) + ")");
  return Find(window) != nullptr;
}
