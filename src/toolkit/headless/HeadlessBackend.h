#pragma once
// A backend that realises nothing. Forms get made-up window handles, modal forms are
// handed to a script the test supplies, message boxes are recorded instead of shown and
// the message loop runs the actions a test posted plus the idle handler.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Backend.h"

class HeadlessBackend : public ToolkitBackend {
 public:
  struct Box {
    std::string Text;
    std::string Caption;
    unsigned Flags = 0;
  };

  // Plays the user while a form is modal: type, click, press OK. A form the script leaves
  // open counts as closed with Cancel. Without a script a modal form closes with Cancel.
  std::function<void(TForm& form)> ModalScript;
  // Plays the user in an open pop-up menu: returns the item to choose, or null to close
  // it. Without a script every menu closes with nothing chosen.
  std::function<TMenuItem*(TPopupMenu& menu)> PopupScript;
  // Names of the menus opened, in order.
  std::vector<std::string> PoppedMenus;
  // Plays the user in a file-open dialog: the chosen path, or "" to cancel.
  std::function<std::string(TOpenDialog& dialog)> OpenFileScript;
  // Answer of every message box.
  int MessageBoxAnswer = mb::IdOk;
  // The screen's DPI, which every form takes when it is created.
  int Dpi = DesignPixelsPerInch;

  // Lets a test give forms windows of a simulated desktop: the handle for a form being
  // realised, and the form being shown or hidden.
  std::function<WindowHandle(TForm& form)> OnRealizeForm;
  std::function<void(TForm& form, bool visible)> OnShowForm;

  std::vector<Box> Boxes;               // every message box shown, in order
  std::vector<std::string> ModalForms;  // names of the forms shown modally, in order

  // Queues an action for the message loop, as a posted message would be.
  void Post(std::function<void()> action);
  // Handle given to a realised form (0 when it has none).
  static WindowHandle HandleOf(const TComponent& component);

  int ScreenPixelsPerInch() override { return Dpi; }
  WindowHandle ApplicationHandle(TApplication& app) override;
  void RunMessageLoop(TApplication& app) override;
  void Terminate(TApplication& app) override;
  WindowHandle RealizeForm(TForm& form) override;
  void RealizeControl(TControl& control) override;
  void Release(TComponent& component) override;
  void Update(TComponent& component, TProperty what) override;
  void ShowForm(TForm& form, bool visible) override;
  TModalResult ShowModal(TForm& form) override;
  void EndModal(TForm& form) override;
  void SetFocus(TControl& control) override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  TMenuItem* TrackPopupMenu(TPopupMenu& menu, int x, int y) override;
  bool OpenFileDialog(TOpenDialog& dialog) override;
  // A HeadlessCanvas: it records what is drawn.
  std::unique_ptr<TCanvasDevice> CreateCanvasDevice() override;

 private:
  void RealizeTree(TControl& control);

  std::deque<std::function<void()>> posted_;
  WindowHandle nextHandle_ = 0x10010;
  bool terminated_ = false;
};
