#pragma once
// The options dialog. Besides editing the settings, its window is the one that receives
// the global hot keys and the hook library's notifications, and it owns the tray menu.
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

class Program;

class TOptionDlg : public TForm {
 public:
  explicit TOptionDlg(Program& program);
  std::string ClassName() const override { return "TOptionDlg"; }

  // Runs once at the first idle moment: loads the settings and starts the resident work.
  void IdleStart(bool& done);
  // Ends the program: everything the resident work started is undone first.
  void MenuItemExitClick(TComponent& sender);
  // Fixes or frees the pager's position, and stores the choice at once.
  void MenuItemVirtualDesktopFixedClick(TComponent& sender);
  // The window's messages: hot keys, the hook library's notices, the end of the session.
  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override;
  void OnHotKey(int id);
  // A new window appeared: every matching watching rule is applied, in list order.
  void OnWindowCreated(WindowHandle window);
  // An event on a window; the pager may follow an activation.
  void OnWindowNotice(int code, WindowHandle window);
  // The window in front between opaque and translucent.
  void ToggleTranslucency();
  // The watching dialog, modeless, filled in from the window in front.
  void PrefillWatchingRule();
  // Brings the command's window to the front, cycling through several, or starts it.
  void ExecuteCommand(int id);

  // Numeric fields take only the digits and backspace.
  static void EditAllowOnlyDigit(TComponent& sender, char16_t& key);

  TButton* OKBtn;
  TButton* CancelBtn;
  TLabeledEdit* LabeledEditHotKeyTranslucent;
  TLabeledEdit* LabeledEditTranslucentAlpha;
  TLabeledEdit* LabeledEditHotKeyGetInfo;
  TComboBox* ComboBoxSnappingKey;
  TRadioGroup* RadioGroupVirtualDesktop;
  TLabeledEdit* LabeledEditVirtualDesktopCount;
  TLabeledEdit* LabeledEditVirtualDesktopInitialFrame;
  TLabeledEdit* LabeledEditVirtualDesktopMiniWidth;
  TRadioGroup* RadioGroupVirtualDesktopInactive;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyUp;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyDown;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyLeft;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyRight;
  TCheckBox* CheckBoxVirtualDesktopMoveActiveFrame;

  TPopupMenu* PopupMenuContext;
  TMenuItem* MenuItemOption;
  TMenuItem* MenuItemVirtualDesktopSaveSize;
  TMenuItem* MenuItemVirtualDesktopFixed;
  TMenuItem* MenuItemAbout;
  TMenuItem* MenuItemExit;

 private:
  void CreateControls();
  void FormCreate();
  void FormCloseQuery(TComponent& sender, bool& canClose);
  TLabeledEdit* AddLabeledEdit(const char* name, const char* label, const char* text,
                               bool digitsOnly);
  TMenuItem* AddMenuItem(const char* name, const char* caption);

  Program& program_;
};
