#pragma once
// The program-wide objects, owned in creation order: the application, the three settings
// objects, the version record and the six forms. WinMain builds one for the real run and
// every test builds its own, so no state is shared between runs.
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Desktop.h"
#include "settings/CommandOption.h"
#include "settings/Option.h"
#include "settings/WatchingOption.h"
#include "toolkit/Forms.h"
#include "watching/AboutBox.h"

class TFormMain;
class TOptionDlg;
class TCommandDlg;
class TWatchingDlg;
class TFormVirtualDesktop;

class Program {
 public:
  Program(Desktop& desktop, ToolkitBackend& backend);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the six forms, hidden, in their fixed order.
  void CreateForms();

  Desktop& Platform;
  TApplication Application;
  // The settings file: the executable's path with the extension ".ini".
  const std::filesystem::path SettingsPath;
  COption OptionSettings;
  CCommandOption CommandSettings;
  CWatchingOption WatchingSettings;
  TVersionInfo VersionInfo;

  std::unique_ptr<TFormMain> FormMain;
  std::unique_ptr<TOptionDlg> OptionDlg;
  std::unique_ptr<TCommandDlg> CommandDlg;
  std::unique_ptr<TWatchingDlg> WatchingDlg;
  std::unique_ptr<TFormVirtualDesktop> FormVirtualDesktop;
  std::unique_ptr<TAboutBox> AboutBox;
};

// "C:\dir\tarnwick.exe" -> "C:\dir\tarnwick.ini"; a name without an extension gets one.
std::filesystem::path SettingsPathFor(const std::filesystem::path& executablePath);
