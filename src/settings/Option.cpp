#include "settings/Option.h"

#include <algorithm>

#include "settings/OptionTransfer.h"
#include "settings/SettingsTexts.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/SysUtils.h"

COption::COption(TApplication& app, std::filesystem::path settingsPath)
    : CIniFileOption(app, std::move(settingsPath)) {}

bool COption::ValidateLoaded() {
  ClampStored("TranslucentAlpha", kTranslucentAlphaRange);
  // Nor more screens than the monitors allow: a file written on a larger display must not
  // park windows beyond the coordinates Windows keeps.
  CIntRange countRange = kVirtualDesktopCountRange;
  if (LargestFrameCount)
    countRange.High = std::min(countRange.High, LargestFrameCount(StoredInt("VirtualDesktop")));
  const int count = ClampStored("VirtualDesktopCount", countRange);
  ClampStored("VirtualDesktopInitialFrame", {1, count});
  ClampStored("VirtualDesktopMiniWidth", kMiniWidthRange);
  return true;
}

int COption::ClampStored(const std::string& key, CIntRange range) {
  auto found = find(key);
  if (found == end()) return range.High;
  const int value = std::clamp(found->second.IntValue(), range.Low, range.High);
  if (value != found->second.IntValue()) found->second.SetIntValue(value);
  return value;
}

int COption::EnteredInt(const std::string& key) {
  auto found = find(key);
  if (found == end()) return 0;
  if (!found->second.Body) return found->second.IntValue();
  COptionItem probe = found->second.Detached();
  try {
    ControlToValue(probe);
  } catch (const EConvertError&) {
    return found->second.IntValue();
  }
  return probe.IntValue();
}

bool COption::CheckLargestCount(int count) {
  if (!LargestFrameCount) return true;
  const int largest = LargestFrameCount(EnteredInt("VirtualDesktop"));
  if (count <= largest) return true;
  ShowErrorMessage(Application(), texts::settings::VirtualDesktopCountTooLarge(largest));
  return false;
}

int COption::StoredInt(const std::string& key) const {
  auto found = find(key);
  return found == end() ? 0 : found->second.IntValue();
}

bool COption::CheckRange(const std::string& key, CIntRange range, const char* message,
                         int& entered) {
  auto found = find(key);
  if (found == end() || !found->second.Body) return true;
  COptionItem probe = found->second.Detached();
  try {
    ControlToValue(probe);
  } catch (const EConvertError& error) {
    ShowErrorMessage(Application(), error.Message());
    return false;
  }
  entered = probe.IntValue();
  if (entered < range.Low || entered > range.High) {
    ShowErrorMessage(Application(), message);
    return false;
  }
  return true;
}

bool COption::ValidateInput() {
  namespace t = texts::settings;
  int alpha = 0, initialFrame = 0, miniWidth = 0;
  // The initial position is checked against the number of screens being entered, which
  // is what the saved settings will hold; the stored number counts only when unbound.
  int count = StoredInt("VirtualDesktopCount");
  return CheckRange("TranslucentAlpha", kTranslucentAlphaRange, t::TranslucentAlphaOutOfRange,
                    alpha) &&
         CheckRange("VirtualDesktopCount", kVirtualDesktopCountRange,
                    t::VirtualDesktopCountOutOfRange, count) &&
         CheckLargestCount(count) &&
         CheckRange("VirtualDesktopInitialFrame", {1, count}, t::InitialFrameOutOfRange,
                    initialFrame) &&
         CheckRange("VirtualDesktopMiniWidth", kMiniWidthRange, t::MiniWidthOutOfRange, miniWidth);
}

void COption::AfterLoad() {
  if (CommandSettings) CommandSettings->Load();
  if (WatchingSettings) WatchingSettings->Load();
  Section("VirtualDesktop").EnableControls(StoredInt("VirtualDesktop") != 0);
}

void COption::AfterSave() {
  if (CommandSettings) CommandSettings->Save();
  if (WatchingSettings) WatchingSettings->Save();
}

void COption::Apply() {
  const bool used = StoredInt("VirtualDesktop") != 0;
  if (MenuItemVirtualDesktopSaveSize) MenuItemVirtualDesktopSaveSize->SetVisible(used);
  if (MenuItemVirtualDesktopFixed) MenuItemVirtualDesktopFixed->SetVisible(used);
  if (FormVirtualDesktop) {
    if (used)
      FormVirtualDesktop->Show();
    else
      FormVirtualDesktop->Close();
  }
}
