#pragma once
// The toolkit backend that realises forms and controls as real windows.
//
// Every text crosses the boundary as code page 932 converted explicitly; forms are owned
// by the hidden application window (so neither has a task-bar button); controls become
// standard USER controls (EDIT, BUTTON, COMBOBOX, STATIC) on their form's window; modal
// forms run their own message loop with the dialog manager handling Tab, Enter and Esc.
//
// The entry point creates the backend first and frees it last: the application object
// and every form must be gone before it. The backend initialises the common controls
// itself. Run shows the main form unless the application's ShowMainForm is false.
// Include this header (or WinApi.h) rather than <windows.h> first; see WinApi.h.
#include <memory>

#include "toolkit/win32/WinApi.h"

namespace win32tk {
struct FormPeer;
struct ModalState;
struct ApplicationWindow;
class TimerWindow;
}  // namespace win32tk

class Win32Backend : public ToolkitBackend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  // The window that stands for a realised form or control (null when it has none): the
  // edit of a labelled edit, the group box of a radio group.
  static HWND WindowOf(const TComponent& component);

  // The system's DPI; each form's window then tells its own monitor's.
  int ScreenPixelsPerInch() override;
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
  // A bitmap in memory, shown by the image's window.
  std::unique_ptr<TCanvasDevice> CreateCanvasDevice() override;
  void ApplyTimer(TTimer& timer, bool running) override;
  // Shell_NotifyIcon, with a hidden window per icon for its messages.
  void UpdateTrayIcon(TTrayIcon& icon) override;

 private:
  HWND RealizeSubtree(win32tk::FormPeer& form, TControl& control, HWND previous);
  void RealizeControls(win32tk::FormPeer& form);
  void UpdateForm(win32tk::FormPeer& form, TProperty what);
  HWND MessageBoxOwner() const;

  HINSTANCE instance_;
  std::unique_ptr<win32tk::ApplicationWindow> application_;
  win32tk::ModalState* modalTop_ = nullptr;       // innermost running modal loop
  std::unique_ptr<win32tk::TimerWindow> timers_;  // made with the first timer started
};

// What the entry point creates the toolkit with.
std::unique_ptr<ToolkitBackend> CreateWin32Backend(HINSTANCE instance);
