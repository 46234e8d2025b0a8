#pragma once
// A settings object stored in the settings file.
#include <filesystem>
#include <memory>
#include <string>

#include "settings/CustomOption.h"
#include "settings/IniFile.h"

class TApplication;

class CIniFileOption : public CCustomOption {
 public:
  // `app` shows the error box of a failed write.
  CIniFileOption(TApplication& app, std::filesystem::path settingsPath);
  ~CIniFileOption() override;

  // Reads every item (the current value is the default), calls AfterLoad with the file
  // still open, then ValidateLoaded, ToControls and Apply. False when ValidateLoaded
  // refused; the controls are then untouched.
  bool Load() override;
  // ValidateInput, FromControls, writes every item, AfterSave with the file still open,
  // writes the file, Apply. False when the input was refused, or when the file could not
  // be written: the error box names the file, the file is as it was, the values are as
  // they were before the save, and the controls still show what the user typed.
  bool Save() override;

  // Writes the values held in memory (every item, then AfterSave: the lists) as they are,
  // without the controls. False, after the error box naming the file, when the file could
  // not be written.
  bool WriteStored();
  // The settings file was read or written before and has gone since (deleted while the
  // program runs): writes it again in full from memory, so that what the program holds is
  // neither read back as empty nor lost to a write of a single key. True when nothing was
  // to be done or the file was written.
  bool RewriteIfDeleted();

  const std::filesystem::path& SettingsPath() const { return settingsPath_; }
  TApplication& Application() const { return app_; }

 protected:
  // Holds the settings file open for the span of one Load or Save. A scope left by an
  // exception drops the changes made through it, unless an outer access is still open.
  class CIniFileScope {
   public:
    explicit CIniFileScope(CIniFileOption& owner);
    ~CIniFileScope();
    CIniFileScope(const CIniFileScope&) = delete;
    CIniFileScope& operator=(const CIniFileScope&) = delete;
    CIniFile& File() { return *owner_.iniFile_; }
    // Closes the file (the outermost access writes it). A failed write is reported in an
    // error box naming the file; returns false then.
    bool Close();

   private:
    CIniFileOption& owner_;
    bool closed_ = false;
  };

 private:
  TApplication& app_;
  // Present only during Load and Save.
  std::unique_ptr<CIniFile> iniFile_;
  std::filesystem::path settingsPath_;
  // A Load found the file, or a save wrote it.
  bool fileSeen_ = false;
};
