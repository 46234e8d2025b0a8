#pragma once
// Single writes to the settings file outside any settings object's Load or Save.
#include <filesystem>
#include <string>

// Writes one integer key at once. While a Load or Save of the same file is open, the
// value joins its image and reaches the disk with it. False when the file could not be
// written; it is then as it was.
bool WriteSettingsInteger(const std::filesystem::path& settingsPath, const std::string& section,
                          const std::string& key, int value);

// The tray menu's fixed-position check mark, stored the moment it is clicked.
bool WriteVirtualDesktopFixed(const std::filesystem::path& settingsPath, bool fixed);
