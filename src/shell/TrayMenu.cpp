// The tray icon's menu: the options dialog, the pager's geometry, the version box, the
// start with Windows and the end of the program.
#include "commands/CommandDlg.h"
#include "commands/HotKeyRegistration.h"
#include "desktop/FormVirtualDesktop.h"
#include "general/ForceForeground.h"
#include "platform/File.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTexts.h"
#include "shell/FormMain.h"
#include "shell/OptionDlg.h"
#include "shell/OptionDlgTexts.h"
#include "shell/Program.h"
#include "toolkit/Dialogs.h"
#include "watching/AboutBox.h"
#include "watching/WatchingDlg.h"

void TOptionDlg::MenuItemOptionClick(TComponent&) {
  // The tray menu stays usable while the dialog is open: then the dialog only comes to
  // the front, as a second modal loop on the same form cannot run.
  if (Modal()) {
    ForceForeground(program_.Platform, Handle());
    return;
  }
  COption& settings = program_.OptionSettings;
  CCommandOption& commands = program_.CommandSettings;
  // No hot key may fire while new ones are captured or the command list is edited; the
  // count is the one registered, before the file is read again.
  UnregisterAllHotKeys(program_.Platform, commands, Handle());
  program_.Platform.EndHook();
  // The dialog shows what the file holds, with both lists read again; a file deleted
  // meanwhile is first written again from memory, so that the lists are not read as empty.
  settings.RewriteIfDeleted();
  settings.Load();
  ShowRowCount(*DrawGridCommand);
  ShowRowCount(*DrawGridWatching);

  if (ShowModal() != mrOk) {
    // Cancel throws away every change made to the lists in the grids.
    commands.Load();
    program_.WatchingSettings.Load();
  }
  if (exitWhenClosed_) {
    Shutdown();
    return;
  }
  program_.Platform.StartHook(Handle(), settings["SnappingKey"].IntValue());
  RegisterAllHotKeys(program_.Platform, settings, commands, Handle());
  // Fewer virtual screens, a turned strip or none may have left windows out of reach.
  program_.FormVirtualDesktop->FollowOptions();
}

void TOptionDlg::MenuItemVirtualDesktopSaveSizeClick(TComponent&) {
  // Left, Top, Width and Height of section "VirtualDesktop", as the pager is now. A file
  // deleted meanwhile is first written again in full, not with these keys alone.
  if (!program_.OptionSettings.RewriteIfDeleted()) return;
  if (!program_.FormVirtualDesktop->SavePlacement())
    ShowErrorMessage(program_.Application,
                     texts::settings::WriteFailed(PathText(program_.SettingsPath)));
}

void TOptionDlg::MenuItemVirtualDesktopFixedClick(TComponent&) {
  // The item has toggled its check mark already; the choice is stored at once, without
  // the options dialog.
  bool fixed = MenuItemVirtualDesktopFixed->Checked();
  program_.OptionSettings["VirtualDesktopFixed"].SetIntValue(fixed ? 1 : 0);
  // The choice counts for this session even when it cannot be stored; that is reported.
  if (!program_.OptionSettings.RewriteIfDeleted()) return;
  if (!WriteVirtualDesktopFixed(program_.SettingsPath, fixed))
    ShowErrorMessage(program_.Application,
                     texts::settings::WriteFailed(PathText(program_.SettingsPath)));
}

void TOptionDlg::MenuItemAboutClick(TComponent&) {
  TAboutBox& box = *program_.AboutBox;
  if (box.Modal()) {
    ForceForeground(program_.Platform, box.Handle());
    return;
  }
  // Hot keys and the hook stay on meanwhile.
  box.ShowModal();
}

namespace {
// The value under the current user's Run key that starts the program at log-on.
constexpr const char* kRunValueName = "Tarnwick";

// The command line that starts `executable`: its full path in double quotes, as a path with
// a space would otherwise start another program.
std::filesystem::path RunCommandLine(const std::filesystem::path& executable) {
  std::filesystem::path line = "\"";
  line += executable;
  line += "\"";
  return line;
}
}  // namespace

bool TOptionDlg::StartsWithWindows() {
  std::filesystem::path value;
  return program_.Platform.RegGetRunValue(kRunValueName, value) &&
         value == RunCommandLine(program_.Platform.ModuleFileName());
}

void TOptionDlg::PopupMenuContextPopup(TComponent&) {
  // Read each time: the value may have been removed, or pointed at another copy, elsewhere.
  MenuItemStartWithWindows->SetChecked(StartsWithWindows());
}

void TOptionDlg::MenuItemStartWithWindowsClick(TComponent&) {
  // The check shows whether the value starts this copy; unchecked, a value naming another
  // copy is replaced by this one's.
  Desktop& desktop = program_.Platform;
  const bool changed =
      MenuItemStartWithWindows->Checked()
          ? desktop.RegDeleteRunValue(kRunValueName)
          : desktop.RegSetRunValue(kRunValueName, RunCommandLine(desktop.ModuleFileName()));
  if (!changed) ShowErrorMessage(program_.Application, texts::option::StartWithWindowsFailed);
  MenuItemStartWithWindows->SetChecked(StartsWithWindows());
}

void TOptionDlg::MenuItemExitClick(TComponent&) {
  if (Modal()) {
    // The dialog (and a dialog opened from it) closes as with Cancel; MenuItemOptionClick
    // then ends the program, once the lists are reloaded and nothing runs above it.
    exitWhenClosed_ = true;
    for (TForm* form : std::initializer_list<TForm*>{
             program_.AboutBox.get(), program_.CommandDlg.get(), program_.WatchingDlg.get()})
      if (form->Modal()) form->CloseWith(mrCancel);
    CloseWith(mrCancel);
    return;
  }
  Shutdown();
}

void TOptionDlg::Shutdown() {
  program_.FormVirtualDesktop->RestoreAllWindows();
  UnregisterAllHotKeys(program_.Platform, program_.CommandSettings, Handle());
  program_.Platform.EndHook();
  TrayIcon1->SetVisible(false);
  program_.FormMain->Close();
}
