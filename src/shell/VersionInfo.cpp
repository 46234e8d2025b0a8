#include "shell/VersionInfo.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "shell/Program.h"

void ReadVersionInfo(Desktop& desktop, TVersionInfo& info) {
  const std::filesystem::path path = desktop.ModuleFileName();
  const unsigned size = desktop.GetFileVersionInfoSizeW(path);
  if (size == 0) return;
  std::vector<std::uint8_t> block;
  if (!desktop.GetFileVersionInfoW(path, size + 1, block)) return;

  std::string translation;
  if (!desktop.VerQueryValueA(block, "\\VarFileInfo\\Translation", translation) ||
      translation.size() < 4)
    return;
  // The first entry: the language in the low word, the code page in the high one.
  auto byte = [&](int i) {
    return static_cast<unsigned>(static_cast<std::uint8_t>(translation[i]));
  };
  const unsigned language = byte(0) | byte(1) << 8;
  const unsigned codePage = byte(2) | byte(3) << 8;
  char prefix[40];
  std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", language, codePage);

  auto query = [&](const char* name, std::string& field) {
    std::string value;
    if (desktop.VerQueryValueA(block, prefix + std::string(name), value)) field = value;
  };
  query("ProductName", info.ProductName);
  query("FileVersion", info.FileVersion);
  query("LegalCopyright", info.LegalCopyright);

  const std::size_t dot = info.FileVersion.rfind('.');
  if (dot != std::string::npos) info.FileVersion.erase(dot);
}
