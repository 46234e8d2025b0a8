// What the keyboard layout says about every virtual key, as the program's hot-key names
// are made from it.
#include <windows.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

std::wstring NameOfScan(UINT scan, bool extended) {
  wchar_t name[256] = {};
  const LONG lParam = static_cast<LONG>(((scan & 0xFF) << 16) | (extended ? 1u << 24 : 0u));
  const int length = GetKeyNameTextW(lParam, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

// key-names: one line per virtual key 0x08-0xFF that has a scan code: "key vk=0x.. scan=0x..
// scanex=0x.. back=0x.. name=".." extname=".."": the scan code (map types 0 and 4), the
// virtual key that scan code maps back to (map type 1), its name, and the name of the
// extended scan code when it has the 0xE0 prefix.
int KeyNames(const std::vector<std::wstring>& args) {
  if (!args.empty()) {
    Report("error=usage: key-names");
    return kUsage;
  }
  wchar_t layout[KL_NAMELENGTH] = {};
  GetKeyboardLayoutNameW(layout);
  Report("layout=" + Utf8(layout));
  for (UINT vk = 0x08; vk <= 0xFF; ++vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    const UINT scanEx = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC_EX);
    if (!scan && !scanEx) continue;
    std::string line = "key vk=" + Hex(vk) + " scan=" + Hex(scan) + " scanex=" + Hex(scanEx) +
                       " back=" + Hex(MapVirtualKeyW(scan, MAPVK_VSC_TO_VK)) +
                       " name=" + Quote(NameOfScan(scan, false));
    if ((scanEx & 0xFF00) == 0xE000) line += " extname=" + Quote(NameOfScan(scanEx, true));
    Report(line);
  }
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"key-names", KeyNames);
