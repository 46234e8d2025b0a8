#include "settings/SettingsFile.h"

#include "settings/IniFile.h"

bool WriteSettingsInteger(const std::filesystem::path& settingsPath, const std::string& section,
                          const std::string& key, int value) {
  CIniFile file(settingsPath);
  file.WriteInteger(section, key, value);
  return file.Close();
}

bool WriteVirtualDesktopFixed(const std::filesystem::path& settingsPath, bool fixed) {
  return WriteSettingsInteger(settingsPath, "VirtualDesktop", "Fixed", fixed ? 1 : 0);
}
