#include "settings/Option.h"

#include "settings/OptionTransfer.h"
#include "settings/SettingsTexts.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/SysUtils.h"

COption::COption(TApplication& app, std::string settingsPath)
    : CIniFileOption(app, std::move(settingsPath)) {}

bool COption::ValidateLoaded() {
  // A hand-edited file, or one written on a larger display, must not park windows beyond
  // the coordinates Windows keeps.
  if (LargestFrameCount) {
    const int largest = LargestFrameCount(StoredInt("VirtualDesktop"));
    if (StoredInt("VirtualDesktopCount") > largest)
      (*this)["VirtualDesktopCount"].SetIntValue(largest);
  }
  return true;
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

bool COption::CheckRange(const std::string& key, int low, int high, const char* message,
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
  if (entered < low || entered > high) {
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
  return CheckRange("TranslucentAlpha", 1, 255, t::TranslucentAlphaOutOfRange, alpha) &&
         CheckRange("VirtualDesktopCount", 1, 10, t::VirtualDesktopCountOutOfRange, count) &&
         CheckLargestCount(count) &&
         CheckRange("VirtualDesktopInitialFrame", 1, count, t::InitialFrameOutOfRange,
                    initialFrame) &&
         CheckRange("VirtualDesktopMiniWidth", 8, 64, t::MiniWidthOutOfRange, miniWidth);
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
