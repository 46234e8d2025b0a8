#pragma once
// Shared pieces of the settings tests: a scratch folder, file helpers, a form with the
// options dialog's bound controls, and the expected system texts.
#include <filesystem>
#include <string>

#include "settings/Option.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

namespace settings_test {

// A fresh folder that is removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

std::string ReadFile(const std::string& path);  // "" when missing
void WriteFile(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);

// The options dialog's bound controls with their design-time values, named as in the
// real dialog, plus the tray menu items and the pager the general options drive.
struct OptionTestForm {
  explicit OptionTestForm(TApplication& app);
  // The bindings in the dialog's order, and the collaborators.
  void BindTo(COption& options);

  TForm Form;
  TForm Pager;
  TLabeledEdit* HotKeyTranslucent;
  TLabeledEdit* TranslucentAlpha;
  TLabeledEdit* HotKeyGetInfo;
  TComboBox* SnappingKey;
  TRadioGroup* VirtualDesktop;
  TLabeledEdit* Count;
  TLabeledEdit* InitialFrame;
  TLabeledEdit* MiniWidth;
  TRadioGroup* Inactive;
  TLabeledEdit* HotKeyUp;
  TLabeledEdit* HotKeyDown;
  TLabeledEdit* HotKeyLeft;
  TLabeledEdit* HotKeyRight;
  TCheckBox* MoveActiveFrame;
  TMenuItem* SaveSize;
  TMenuItem* Fixed;
};

// Expected texts, typed independently of the product's (code page 932 bytes).
namespace expected {
extern const char* const AlphaOutOfRange;
extern const char* const CountOutOfRange;
extern const char* const CountTooLarge8;  // the monitors allow at most 8
extern const char* const InitialFrameOutOfRange;
extern const char* const MiniWidthOutOfRange;
extern const char* const NotAnIntegerEmpty;  // the conversion message for ""
extern const char* const JapaneseMemoText;   // two lines with 0x5C trail bytes
}  // namespace expected

}  // namespace settings_test
