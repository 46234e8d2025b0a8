#include "shell/Program.h"

#include "commands/CommandDlg.h"
#include "desktop/FormVirtualDesktop.h"
#include "shell/FormMain.h"
#include "shell/OptionDlg.h"
#include "watching/AboutBox.h"
#include "watching/WatchingDlg.h"

std::filesystem::path SettingsPathFor(const std::filesystem::path& executablePath) {
  // Worked on the path's own characters (UTF-16 on Windows), so that none is lost. Only a
  // dot after the last path separator starts the extension.
  using String = std::filesystem::path::string_type;
  const String& name = executablePath.native();
  const String separators{'\\', '/', ':'};
  const String extension{'.', 'i', 'n', 'i'};
  size_t separator = name.find_last_of(separators);
  size_t dot = name.rfind('.');
  if (dot == String::npos || (separator != String::npos && dot < separator))
    return name + extension;
  return name.substr(0, dot) + extension;
}

Program::Program(Desktop& desktop, ToolkitBackend& backend)
    : Platform(desktop),
      Application(backend),
      SettingsPath(SettingsPathFor(desktop.ModuleFileName())),
      OptionSettings(Application, SettingsPath),
      CommandSettings(Application, SettingsPath),
      WatchingSettings(Application, SettingsPath) {
  // Loading and saving the options carries both lists with it, commands first.
  OptionSettings.CommandSettings = &CommandSettings;
  OptionSettings.WatchingSettings = &WatchingSettings;
}

Program::~Program() {
  // Forms go before the settings that point at their controls, the latest form first.
  AboutBox.reset();
  OptionSettings.LargestFrameCount = nullptr;
  FormVirtualDesktop.reset();
  WatchingDlg.reset();
  CommandDlg.reset();
  OptionDlg.reset();
  FormMain.reset();
}

void Program::CreateForms() {
  FormMain = std::make_unique<TFormMain>(*this);
  OptionDlg = std::make_unique<TOptionDlg>(*this);
  // The dialogs below the shell get what they work with, not the whole program.
  CommandDlg = std::make_unique<TCommandDlg>(Application, Platform, CommandSettings);
  WatchingDlg = std::make_unique<TWatchingDlg>(Application, WatchingSettings, OptionSettings,
                                               TOptionDlg::EditAllowOnlyDigit);
  FormVirtualDesktop = std::make_unique<TFormVirtualDesktop>(
      Application, Platform, OptionSettings, SettingsPath, OptionDlg->PopupMenuContext);
  OptionSettings.FormVirtualDesktop = FormVirtualDesktop.get();
  OptionSettings.LargestFrameCount = [pager = FormVirtualDesktop.get()](int strip) {
    return pager->AllowedFrameCount(strip);
  };
  FormVirtualDesktop->OnMovesRefused = [this](bool refused) {
    OptionDlg->ShowMovesRefused(refused);
  };
  AboutBox = std::make_unique<TAboutBox>(Application, VersionInfo);
}
