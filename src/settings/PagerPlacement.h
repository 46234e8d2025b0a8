#pragma once
// The pager window's position and size in section "VirtualDesktop". They are no items of
// the general options: the pager reads them when it is created and writes them only on
// its save-placement command.
#include <filesystem>

struct CPagerPlacement {
  // The pager's own values before the file is read.
  int Left = 0;
  int Top = 0;
  int Width = 80;    // outer width
  int Height = 160;  // outer height
};

// Reads Left, Top, Width and Height; a key that is missing or holds no integer keeps the
// value `placement` has.
void LoadPagerPlacement(const std::filesystem::path& settingsPath, CPagerPlacement& placement);

// Writes all four at once. False when the file could not be written; it is then as it was.
bool SavePagerPlacement(const std::filesystem::path& settingsPath,
                        const CPagerPlacement& placement);
