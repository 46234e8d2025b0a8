// The options dialog's controls in their design-time places and states (which are the
// settings' defaults), its two menus and the tray icon, with their handlers.
#include "commands/HotKeyCapture.h"
#include "shell/OptionDlg.h"
#include "shell/OptionDlgTexts.h"
#include "shell/Program.h"
#include "toolkit/Layout.h"

namespace {

TTabSheet* AddTabSheet(TOptionDlg* form, TPageControl* pages, const char* name,
                       const char* caption) {
  auto* sheet = Create<TTabSheet>(form, name);
  sheet->SetCaption(caption);
  sheet->SetPageControl(pages);
  return sheet;
}

TLabel* AddLabel(TOptionDlg* form, TControl* parent, const char* name, const char* caption,
                 int left, int top) {
  auto* label = Place<TLabel>(form, parent, name, left, top, 0, 0);
  label->SetCaption(caption);
  return label;
}

}  // namespace

TLabeledEdit* TOptionDlg::AddLabeledEdit(TControl* parent, const char* name, const char* label,
                                         const char* text, bool digitsOnly) {
  auto* edit = Create<TLabeledEdit>(this, name);
  edit->SetParent(parent);
  edit->SetLabelCaption(label);
  edit->SetText(text);
  if (digitsOnly) {
    edit->OnKeyPress = EditAllowOnlyDigit;
  } else {
    MakeHotKeyCaptureField(program_.Platform, *edit);
    edit->AutoSelect = false;
  }
  return edit;
}

TMenuItem* TOptionDlg::AddMenuItem(TPopupMenu* menu, const char* name, const char* caption,
                                   int tag) {
  auto* item = Create<TMenuItem>(this, name);
  item->SetCaption(caption);
  item->Tag = tag;
  menu->Items.push_back(item);
  return item;
}

void TOptionDlg::CreateControls() {
  namespace t = texts::option;
  PageControl1 = Place<TPageControl>(this, this, "PageControl1", 8, 8, 346, 216);

  // General: the hot keys of the current application, and snapping.
  TabSheet1 = AddTabSheet(this, PageControl1, "TabSheet1", t::TabGeneral);
  GroupBox1 = Place<TGroupBox>(this, TabSheet1, "GroupBox1", 6, 4, 326, 108);
  GroupBox1->SetCaption(t::GroupCurrentApplication);
  LabeledEditHotKeyTranslucent = AddLabeledEdit(GroupBox1, "LabeledEditHotKeyTranslucent",
                                                t::HotKeyTranslucent, "Shift+Ctrl+Alt+Home", false);
  LabeledEditHotKeyTranslucent->SetBounds(12, 36, 150, 20);
  LabeledEditTranslucentAlpha =
      AddLabeledEdit(GroupBox1, "LabeledEditTranslucentAlpha", t::TranslucentAlpha, "200", true);
  LabeledEditTranslucentAlpha->SetBounds(180, 36, 48, 20);
  Label1 = AddLabel(this, GroupBox1, "Label1", t::TranslucentAlphaRange, 234, 40);
  LabeledEditHotKeyGetInfo = AddLabeledEdit(GroupBox1, "LabeledEditHotKeyGetInfo", t::HotKeyGetInfo,
                                            "Shift+Ctrl+Alt+End", false);
  LabeledEditHotKeyGetInfo->SetBounds(12, 78, 150, 20);
  GroupBox2 = Place<TGroupBox>(this, TabSheet1, "GroupBox2", 6, 118, 326, 52);
  GroupBox2->SetCaption(t::GroupSnapping);
  Label5 = AddLabel(this, GroupBox2, "Label5", t::SnappingKeyLabel, 12, 24);
  ComboBoxSnappingKey = Place<TComboBox>(this, GroupBox2, "ComboBoxSnappingKey", 100, 20, 100, 20);
  ComboBoxSnappingKey->SetItems({std::begin(t::SnappingKeyItems), std::end(t::SnappingKeyItems)});
  ComboBoxSnappingKey->SetItemIndex(0);

  // Virtual screens.
  TabSheet2 = AddTabSheet(this, PageControl1, "TabSheet2", t::TabVirtualDesktop);
  RadioGroupVirtualDesktop =
      Place<TRadioGroup>(this, TabSheet2, "RadioGroupVirtualDesktop", 6, 2, 326, 40);
  RadioGroupVirtualDesktop->SetCaption(t::RadioVirtualDesktop);
  RadioGroupVirtualDesktop->Columns = 3;
  RadioGroupVirtualDesktop->SetItems(
      {std::begin(t::VirtualDesktopItems), std::end(t::VirtualDesktopItems)});
  RadioGroupVirtualDesktop->SetItemIndex(1);
  RadioGroupVirtualDesktop->OnClick = [this](TComponent& sender) {
    RadioGroupVirtualDesktopClick(sender);
  };
  GroupBoxVirtualDesktop =
      Place<TGroupBox>(this, TabSheet2, "GroupBoxVirtualDesktop", 6, 46, 326, 138);
  GroupBoxVirtualDesktop->SetCaption(t::GroupVirtualDesktop);
  LabeledEditVirtualDesktopCount = AddLabeledEdit(
      GroupBoxVirtualDesktop, "LabeledEditVirtualDesktopCount", t::VirtualDesktopCount, "4", true);
  LabeledEditVirtualDesktopCount->SetBounds(12, 34, 48, 20);
  Label2 = AddLabel(this, GroupBoxVirtualDesktop, "Label2", t::VirtualDesktopCountRange, 66, 38);
  LabeledEditVirtualDesktopInitialFrame =
      AddLabeledEdit(GroupBoxVirtualDesktop, "LabeledEditVirtualDesktopInitialFrame",
                     t::VirtualDesktopInitialFrame, "1", true);
  LabeledEditVirtualDesktopInitialFrame->SetBounds(150, 34, 48, 20);
  Label3 =
      AddLabel(this, GroupBoxVirtualDesktop, "Label3", t::VirtualDesktopInitialFrameRange, 204, 38);
  LabeledEditVirtualDesktopMiniWidth =
      AddLabeledEdit(GroupBoxVirtualDesktop, "LabeledEditVirtualDesktopMiniWidth",
                     t::VirtualDesktopMiniWidth, "16", true);
  LabeledEditVirtualDesktopMiniWidth->SetBounds(12, 76, 48, 20);
  Label4 =
      AddLabel(this, GroupBoxVirtualDesktop, "Label4", t::VirtualDesktopMiniWidthRange, 66, 80);
  RadioGroupVirtualDesktopInactive = Place<TRadioGroup>(
      this, GroupBoxVirtualDesktop, "RadioGroupVirtualDesktopInactive", 8, 100, 310, 34);
  RadioGroupVirtualDesktopInactive->SetCaption(t::RadioInactive);
  RadioGroupVirtualDesktopInactive->Columns = 3;
  RadioGroupVirtualDesktopInactive->SetItems(
      {std::begin(t::InactiveItems), std::end(t::InactiveItems)});
  RadioGroupVirtualDesktopInactive->SetItemIndex(0);

  // Moving between virtual screens.
  TabSheet3 = AddTabSheet(this, PageControl1, "TabSheet3", t::TabMoving);
  GroupBox3 = Place<TGroupBox>(this, TabSheet3, "GroupBox3", 6, 4, 326, 108);
  GroupBox3->SetCaption(t::GroupMoving);
  LabeledEditVirtualDesktopHotKeyUp = AddLabeledEdit(GroupBox3, "LabeledEditVirtualDesktopHotKeyUp",
                                                     t::HotKeyUp, "Shift+Ctrl+Alt+Up", false);
  LabeledEditVirtualDesktopHotKeyUp->SetBounds(12, 36, 150, 20);
  LabeledEditVirtualDesktopHotKeyDown =
      AddLabeledEdit(GroupBox3, "LabeledEditVirtualDesktopHotKeyDown", t::HotKeyDown,
                     "Shift+Ctrl+Alt+Down", false);
  LabeledEditVirtualDesktopHotKeyDown->SetBounds(168, 36, 150, 20);
  LabeledEditVirtualDesktopHotKeyLeft =
      AddLabeledEdit(GroupBox3, "LabeledEditVirtualDesktopHotKeyLeft", t::HotKeyLeft,
                     "Shift+Ctrl+Alt+Left", false);
  LabeledEditVirtualDesktopHotKeyLeft->SetBounds(12, 78, 150, 20);
  LabeledEditVirtualDesktopHotKeyRight =
      AddLabeledEdit(GroupBox3, "LabeledEditVirtualDesktopHotKeyRight", t::HotKeyRight,
                     "Shift+Ctrl+Alt+Right", false);
  LabeledEditVirtualDesktopHotKeyRight->SetBounds(168, 78, 150, 20);
  GroupBox4 = Place<TGroupBox>(this, TabSheet3, "GroupBox4", 6, 118, 326, 48);
  GroupBox4->SetCaption(t::GroupOtherMoves);
  CheckBoxVirtualDesktopMoveActiveFrame =
      Place<TCheckBox>(this, GroupBox4, "CheckBoxVirtualDesktopMoveActiveFrame", 10, 20, 310, 18);
  CheckBoxVirtualDesktopMoveActiveFrame->SetCaption(t::MoveActiveFrame);

  // The two lists, each in a grid with the grid menu.
  PopupMenuGrid = Create<TPopupMenu>(this, "PopupMenuGrid");
  PopupMenuGrid->OnPopup = [this](TComponent& sender) { PopupMenuGridPopup(sender); };
  MenuItemAdd = AddMenuItem(PopupMenuGrid, "MenuItemAdd", t::MenuAdd, 0);
  MenuItemRemove = AddMenuItem(PopupMenuGrid, "MenuItemRemove", t::MenuRemove, 1);
  MenuItemEdit = AddMenuItem(PopupMenuGrid, "MenuItemEdit", t::MenuEdit, 2);
  N1 = AddMenuItem(PopupMenuGrid, "N1", "-", 0);
  MenuItemUp = AddMenuItem(PopupMenuGrid, "MenuItemUp", t::MenuUp, 3);
  MenuItemDown = AddMenuItem(PopupMenuGrid, "MenuItemDown", t::MenuDown, 4);
  for (TMenuItem* item : {MenuItemAdd, MenuItemRemove, MenuItemEdit, MenuItemUp, MenuItemDown})
    item->OnClick = [this](TComponent& sender) { MenuItemClick(sender); };

  // A grid of one list with its two handlers.
  using DrawCell = void (TOptionDlg::*)(TComponent&, int, int, const TRect&, TGridDrawState);
  using MouseDown = void (TOptionDlg::*)(TComponent&, TMouseButton, TShiftState, int, int);
  auto addGrid = [this](TTabSheet* sheet, const char* name, DrawCell drawCell,
                        MouseDown mouseDown) {
    auto* grid = Place<TDrawGrid>(this, sheet, name, 4, 4, 330, 178);
    grid->SetColWidths({144, 244});
    grid->DefaultRowHeight = 18;
    grid->FixedRows = 1;
    grid->SetRowCount(2);
    // A double click edits, as the edit item (tag 2) does.
    grid->Tag = 2;
    grid->PopupMenu = PopupMenuGrid;
    grid->OnDblClick = [this](TComponent& sender) { MenuItemClick(sender); };
    grid->OnDrawCell = [this, drawCell](TComponent& sender, int col, int row, const TRect& rect,
                                        TGridDrawState state) {
      (this->*drawCell)(sender, col, row, rect, state);
    };
    grid->OnMouseDown = [this, mouseDown](TComponent& sender, TMouseButton button,
                                          TShiftState shift, int x, int y) {
      (this->*mouseDown)(sender, button, shift, x, y);
    };
    return grid;
  };
  TabSheet4 = AddTabSheet(this, PageControl1, "TabSheet4", t::TabCommands);
  DrawGridCommand = addGrid(TabSheet4, "DrawGridCommand", &TOptionDlg::DrawGridCommandDrawCell,
                            &TOptionDlg::DrawGridCommandMouseDown);
  TabSheet5 = AddTabSheet(this, PageControl1, "TabSheet5", t::TabWatching);
  DrawGridWatching = addGrid(TabSheet5, "DrawGridWatching", &TOptionDlg::DrawGridWatchingDrawCell,
                             &TOptionDlg::DrawGridWatchingMouseDown);
  PageControl1->SetActivePage(TabSheet1);

  OKBtn = Place<TButton>(this, this, "OKBtn", 196, 232, 75, 25);
  OKBtn->SetCaption(t::Ok);
  OKBtn->Default = true;
  OKBtn->ModalResult = mrOk;
  CancelBtn = Place<TButton>(this, this, "CancelBtn", 279, 232, 75, 25);
  CancelBtn->SetCaption(t::Cancel);
  CancelBtn->Cancel = true;
  CancelBtn->ModalResult = mrCancel;
  OnCloseQuery = [this](TComponent& sender, bool& canClose) { FormCloseQuery(sender, canClose); };

  // The tray icon and its menu. The two pager items show only while virtual screens are
  // used (COption::Apply).
  PopupMenuContext = Create<TPopupMenu>(this, "PopupMenuContext");
  PopupMenuContext->OnPopup = [this](TComponent& sender) { PopupMenuContextPopup(sender); };
  MenuItemOption = AddMenuItem(PopupMenuContext, "MenuItemOption", t::MenuOption, 0);
  MenuItemOption->OnClick = [this](TComponent& sender) { MenuItemOptionClick(sender); };
  MenuItemVirtualDesktopSaveSize =
      AddMenuItem(PopupMenuContext, "MenuItemVirtualDesktopSaveSize", t::MenuSaveSize, 0);
  MenuItemVirtualDesktopSaveSize->OnClick = [this](TComponent& sender) {
    MenuItemVirtualDesktopSaveSizeClick(sender);
  };
  MenuItemVirtualDesktopFixed =
      AddMenuItem(PopupMenuContext, "MenuItemVirtualDesktopFixed", t::MenuFixed, 0);
  MenuItemVirtualDesktopFixed->AutoCheck = true;
  MenuItemVirtualDesktopFixed->OnClick = [this](TComponent& sender) {
    MenuItemVirtualDesktopFixedClick(sender);
  };
  MenuItemAbout = AddMenuItem(PopupMenuContext, "MenuItemAbout", t::MenuAbout, 0);
  MenuItemAbout->OnClick = [this](TComponent& sender) { MenuItemAboutClick(sender); };
  // A check item that is no setting of the file: its mark is the registry's (not AutoCheck).
  MenuItemStartWithWindows =
      AddMenuItem(PopupMenuContext, "MenuItemStartWithWindows", t::MenuStartWithWindows, 0);
  MenuItemStartWithWindows->OnClick = [this](TComponent& sender) {
    MenuItemStartWithWindowsClick(sender);
  };
  // Exit stands apart, so that a slip from the check item above does not end the program.
  N2 = AddMenuItem(PopupMenuContext, "N2", "-", 0);
  MenuItemExit = AddMenuItem(PopupMenuContext, "MenuItemExit", t::MenuExit, 0);
  MenuItemExit->OnClick = [this](TComponent& sender) { MenuItemExitClick(sender); };

  TimerLayering = Create<TTimer>(this, "TimerLayering");
  TimerLayering->SetEnabled(false);
  TimerLayering->SetInterval(250);
  TimerLayering->OnTimer = [this](TComponent&) { TimerLayeringTimer(); };

  TrayIcon1 = Create<TTrayIcon>(this, "TrayIcon1");
  TrayIcon1->PopupMenu = PopupMenuContext;
  TrayIcon1->SetHint(program_.Application.Title);
  TrayIcon1->SetVisible(true);
}
