#include "settings/PagerPlacement.h"

#include "settings/IniFile.h"

namespace {
constexpr const char* kSection = "VirtualDesktop";
}  // namespace

void LoadPagerPlacement(const std::filesystem::path& settingsPath, CPagerPlacement& placement) {
  CIniFile file(settingsPath);
  placement.Left = file.ReadInteger(kSection, "Left", placement.Left);
  placement.Top = file.ReadInteger(kSection, "Top", placement.Top);
  placement.Width = file.ReadInteger(kSection, "Width", placement.Width);
  placement.Height = file.ReadInteger(kSection, "Height", placement.Height);
  file.Close();
}

bool SavePagerPlacement(const std::filesystem::path& settingsPath,
                        const CPagerPlacement& placement) {
  CIniFile file(settingsPath);
  file.WriteInteger(kSection, "Left", placement.Left);
  file.WriteInteger(kSection, "Top", placement.Top);
  file.WriteInteger(kSection, "Width", placement.Width);
  file.WriteInteger(kSection, "Height", placement.Height);
  return file.Close();
}
