#pragma once
// What a toolkit backend does for the control objects. The win32 backend realises them
// as real windows; the headless backend realises nothing and lets tests play the user.
#include <string>

#include "platform/Desktop.h"
#include "toolkit/Control.h"
#include "toolkit/Graphics.h"
#include "toolkit/Scaling.h"
#include "toolkit/StdCtrls.h"

class TApplication;
class TForm;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TOpenDialog;
class TTrayIcon;

// Flags of MessageBox, with the Windows values.
namespace mb {
constexpr unsigned OK = 0x0;
constexpr unsigned OKCancel = 0x1;
constexpr unsigned YesNo = 0x4;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
}  // namespace mb

class ToolkitBackend {
 public:
  virtual ~ToolkitBackend() = default;

  // The hidden application window, created on first request.
  virtual WindowHandle ApplicationHandle(TApplication& app) = 0;
  // Runs the message loop until the application is terminated, calling its idle handler
  // at idle moments.
  virtual void RunMessageLoop(TApplication& app) = 0;
  // Wakes the loop so that it notices Terminate.
  virtual void Terminate(TApplication& app) = 0;

  // The DPI a form takes until its window shows where it is: the main screen's.
  virtual int ScreenPixelsPerInch() { return DesignPixelsPerInch; }

  // Creates the form's window and every control on it, hidden, and sets form.Peer; a
  // form already realised keeps its window. Returns the window.
  virtual WindowHandle RealizeForm(TForm& form) = 0;
  // A control created after its form was realised.
  virtual void RealizeControl(TControl& control) = 0;
  // Gives back a control's or form's realisation; called before the object goes.
  virtual void Release(TComponent& component) = 0;
  // The object's state changed; bring the realisation in step.
  virtual void Update(TComponent& component, TProperty what) = 0;

  virtual void ShowForm(TForm& form, bool visible) = 0;
  // Runs a modal loop for the form until its ModalResult is set and the close query
  // allowed it; returns the result.
  virtual TModalResult ShowModal(TForm& form) = 0;
  // The modal form's ModalResult was set: end its loop.
  virtual void EndModal(TForm& form) = 0;
  virtual void SetFocus(TControl& control) = 0;

  // Shows the menu's visible items at screen point (x, y) and returns the item the user
  // chose, or null. The caller runs the item's Click.
  virtual TMenuItem* TrackPopupMenu(TPopupMenu& menu, int x, int y) = 0;

  // Adds, changes or removes the icon in the notification area as the object now says
  // (shown while it is visible). A backend without a notification area keeps nothing.
  virtual void UpdateTrayIcon(TTrayIcon&) {}

  // The file-open dialog, modal; on a choice sets dialog.FileName and returns true.
  virtual bool OpenFileDialog(TOpenDialog& dialog) = 0;

  // A modal message box owned by the active form; returns the button id.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;

  // The surface an image's canvas draws on; null when the backend shows no images.
  virtual std::unique_ptr<TCanvasDevice> CreateCanvasDevice() { return nullptr; }
  // Starts (again, counting afresh) or stops the timer's ticks; a timer that goes is
  // stopped first. A backend without a clock leaves the ticks to the caller of Tick.
  virtual void ApplyTimer(TTimer&, bool /*running*/) {}
};
