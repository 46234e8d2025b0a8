#pragma once
// The options dialog. Besides editing the settings, its window is the one that receives
// the global hot keys and the hook library's notifications, and it owns the tray icon and
// its menu.
#include <vector>

#include "shell/ActivationRecord.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Grids.h"
#include "toolkit/Menus.h"
#include "toolkit/TrayIcon.h"

class Program;
class CGridOption;

class TOptionDlg : public TForm {
 public:
  explicit TOptionDlg(Program& program);
  std::string ClassName() const override { return "TOptionDlg"; }

  // Runs once at the first idle moment: loads the settings and starts the resident work.
  void IdleStart(bool& done);

  // The tray menu. Options: the dialog, modal, with hot keys and hook off meanwhile; while
  // it is open already, it comes to the front instead.
  void MenuItemOptionClick(TComponent& sender);
  void MenuItemVirtualDesktopSaveSizeClick(TComponent& sender);
  // Fixes or frees the pager's position, and stores the choice at once.
  void MenuItemVirtualDesktopFixedClick(TComponent& sender);
  void MenuItemAboutClick(TComponent& sender);
  // Adds this program to the programs Windows starts at log-on, or takes it away.
  void MenuItemStartWithWindowsClick(TComponent& sender);
  // Before the tray menu opens: its check marks show what the system holds now.
  void PopupMenuContextPopup(TComponent& sender);
  // Ends the program: everything the resident work started is undone first. While the
  // dialog is open it closes as with Cancel, and the program ends after that.
  void MenuItemExitClick(TComponent& sender);
  // The tray icon's tip tells that a switch of virtual screens could not move some windows
  // (true), or is the program's name alone again (false).
  void ShowMovesRefused(bool refused);

  // The grids of the two lists and their menu.
  void DrawGridCommandDrawCell(TComponent& sender, int col, int row, const TRect& rect,
                               TGridDrawState state);
  void DrawGridWatchingDrawCell(TComponent& sender, int col, int row, const TRect& rect,
                                TGridDrawState state);
  void DrawGridCommandMouseDown(TComponent& sender, TMouseButton button, TShiftState shift, int x,
                                int y);
  void DrawGridWatchingMouseDown(TComponent& sender, TMouseButton button, TShiftState shift, int x,
                                 int y);
  void PopupMenuGridPopup(TComponent& sender);
  // Shared by the five grid menu items (by their Tag) and a double click in a grid.
  void MenuItemClick(TComponent& sender);
  // Greys out the virtual-screen settings at once while they are not used.
  void RadioGroupVirtualDesktopClick(TComponent& sender);

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

  TPageControl* PageControl1;
  TTabSheet* TabSheet1;
  TGroupBox* GroupBox1;
  TLabeledEdit* LabeledEditHotKeyTranslucent;
  TLabeledEdit* LabeledEditTranslucentAlpha;
  TLabel* Label1;
  TLabeledEdit* LabeledEditHotKeyGetInfo;
  TGroupBox* GroupBox2;
  TLabel* Label5;
  TComboBox* ComboBoxSnappingKey;

  TTabSheet* TabSheet2;
  TRadioGroup* RadioGroupVirtualDesktop;
  TGroupBox* GroupBoxVirtualDesktop;
  TLabeledEdit* LabeledEditVirtualDesktopCount;
  TLabel* Label2;
  TLabeledEdit* LabeledEditVirtualDesktopInitialFrame;
  TLabel* Label3;
  TLabeledEdit* LabeledEditVirtualDesktopMiniWidth;
  TLabel* Label4;
  TRadioGroup* RadioGroupVirtualDesktopInactive;

  TTabSheet* TabSheet3;
  TGroupBox* GroupBox3;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyUp;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyDown;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyLeft;
  TLabeledEdit* LabeledEditVirtualDesktopHotKeyRight;
  TGroupBox* GroupBox4;
  TCheckBox* CheckBoxVirtualDesktopMoveActiveFrame;

  TTabSheet* TabSheet4;
  TDrawGrid* DrawGridCommand;
  TTabSheet* TabSheet5;
  TDrawGrid* DrawGridWatching;

  TButton* OKBtn;
  TButton* CancelBtn;

  TPopupMenu* PopupMenuGrid;
  TMenuItem* MenuItemAdd;
  TMenuItem* MenuItemRemove;
  TMenuItem* MenuItemEdit;
  TMenuItem* N1;
  TMenuItem* MenuItemUp;
  TMenuItem* MenuItemDown;

  TPopupMenu* PopupMenuContext;
  TMenuItem* MenuItemOption;
  TMenuItem* MenuItemVirtualDesktopSaveSize;
  TMenuItem* MenuItemVirtualDesktopFixed;
  TMenuItem* MenuItemAbout;
  TMenuItem* MenuItemStartWithWindows;
  TMenuItem* N2;
  TMenuItem* MenuItemExit;

  TTrayIcon* TrayIcon1;

  // A rule's translucency is looked at again a moment after it was applied: programs that
  // write their own extended style just after showing a window (adding WS_EX_ACCEPTFILES,
  // say) can drop WS_EX_LAYERED with that write.
  TTimer* TimerLayering;

  // The grid the grid menu and double clicks act on, with its list (null until a grid is
  // first used).
  TDrawGrid* GridTarget() const { return gridTarget_; }
  CGridOption* ListTarget() const { return listTarget_; }

 private:
  // OptionDlgLayout.cpp: every control, menu and the tray icon, with their handlers.
  void CreateControls();
  void FormCreate();
  void FormCloseQuery(TComponent& sender, bool& canClose);
  TLabeledEdit* AddLabeledEdit(TControl* parent, const char* name, const char* label,
                               const char* text, bool digitsOnly);
  TMenuItem* AddMenuItem(TPopupMenu* menu, const char* name, const char* caption, int tag);

  // Makes a window translucent with this alpha.
  void MakeTranslucent(WindowHandle window, unsigned char alpha);
  void TimerLayeringTimer();
  struct TranslucentWindow {
    WindowHandle window;
    unsigned char alpha;
    int checksLeft;
  };
  std::vector<TranslucentWindow> translucentWindows_;

  // The list shown in a grid.
  CGridOption& ListOf(const TDrawGrid& grid);
  // A row for each entry below the header, and one empty row for an empty list.
  void ShowRowCount(TDrawGrid& grid);
  void DrawListCell(TDrawGrid& grid, int col, int row, const TRect& rect);
  // The grid of the tab in view becomes the target, whatever was pressed last.
  void TargetVisibleGrid();
  void Shutdown();
  // Whether the log-on Run value starts this very executable (not another copy).
  bool StartsWithWindows();

  Program& program_;
  TDrawGrid* gridTarget_ = nullptr;
  CGridOption* listTarget_ = nullptr;
  // The tray menu chose exit while the dialog was open.
  bool exitWhenClosed_ = false;
  // Which windows were activated when, for cycling through a command's windows.
  ActivationRecord activations_;
};
