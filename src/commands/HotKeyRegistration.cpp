#include "commands/HotKeyRegistration.h"

#include "commands/HotKey.h"
#include "settings/GridOption.h"

namespace {
struct GlobalHotKey {
  int Id;
  const char* Key;
};
constexpr GlobalHotKey kGlobalHotKeys[] = {
    {kHotKeyIdTranslucent, "HotKeyTranslucent"}, {kHotKeyIdGetInfo, "HotKeyGetInfo"},
    {kHotKeyIdUp, "VirtualDesktopHotKeyUp"},     {kHotKeyIdDown, "VirtualDesktopHotKeyDown"},
    {kHotKeyIdLeft, "VirtualDesktopHotKeyLeft"}, {kHotKeyIdRight, "VirtualDesktopHotKeyRight"},
};
}  // namespace

namespace {
void Register(Desktop& desktop, WindowHandle window, int id, const std::string& text) {
  std::uint16_t value = TextToHotKey(desktop, text);
  unsigned key = value & kHotKeyCodeMask;
  if (key == 0) return;
  desktop.RegisterHotKey(window, id, HotKeyModifiers(value), key);
}
}  // namespace

void RegisterOneHotKey(Desktop& desktop, WindowHandle window, int id, const std::string& text) {
  Register(desktop, window, id, text);
}

void RegisterAllHotKeys(Desktop& desktop, CCustomOption& options, CGridOption& commands,
                        WindowHandle window) {
  for (const GlobalHotKey& hotKey : kGlobalHotKeys)
    Register(desktop, window, hotKey.Id, options[hotKey.Key].TextValue());
  // The list bounds its length below the lowest global id, so command ids never collide.
  for (int i = 0; i < commands.Count(); ++i) {
    commands.LoadEntry(i);
    Register(desktop, window, i, commands["HotKey"].TextValue());
  }
}

void UnregisterAllHotKeys(Desktop& desktop, CGridOption& commands, WindowHandle window) {
  for (const GlobalHotKey& hotKey : kGlobalHotKeys) desktop.UnregisterHotKey(window, hotKey.Id);
  for (int i = 0; i < commands.Count(); ++i) desktop.UnregisterHotKey(window, i);
}
