#include "toolkit/win32/Win32Backend.h"

#include "toolkit/win32/CommonControls.h"
#include "toolkit/win32/ControlWindows.h"
#include "toolkit/win32/Cp932.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FormFont.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/GdiCanvas.h"
#include "toolkit/win32/Guard.h"
#include "toolkit/win32/MessageLoop.h"
#include "toolkit/win32/OpenFileDialog.h"
#include "toolkit/win32/Peers.h"
#include "toolkit/win32/PopupMenu.h"
#include "toolkit/win32/RoutedWindowProc.h"
#include "toolkit/win32/TimerWindow.h"
#include "toolkit/win32/TrayIconWindow.h"
#include "toolkit/win32/WindowClasses.h"

using namespace win32tk;

namespace win32tk {

// The hidden top-level window that stands for the application.
struct ApplicationWindow {
  TApplication* app = nullptr;
  HWND window = nullptr;
};

}  // namespace win32tk

namespace {

LRESULT ApplicationMessage(ApplicationWindow& self, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  TApplication* app = self.app;
  switch (message) {
    case WM_NCCREATE:
      self.window = window;
      break;
    case WM_NCDESTROY:
      self.window = nullptr;
      break;
    case WM_ACTIVATEAPP:
      if (!wParam && app && app->OnDeactivate) {
        auto handler = app->OnDeactivate;
        Guarded(app, [&] { handler(); });
      }
      break;
    case WM_CLOSE:
      // Closing the application window from outside closes the main form, which ends the
      // message loop; destroying it here would take every form with it.
      if (app)
        Guarded(app, [&] {
          if (TForm* main = app->MainForm())
            main->Close();
          else
            app->Terminate();
        });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RoutedWindowProc<ApplicationWindow, ApplicationMessage, DefWindowProcW>(window, message,
                                                                                 wParam, lParam);
}

// The control before `target` in the form's tab order that has a window: new windows go
// right after it.
HWND LastWindowBefore(const TControl& root, const TControl& target, bool& found) {
  HWND last = nullptr;
  for (TControl* child : root.Children()) {
    if (child == &target) {
      found = true;
      return last;
    }
    if (ControlPeer* peer = ControlPeerOf(*child)) {
      const auto windows = peer->Windows();
      if (!windows.empty()) last = windows.back();
    }
    HWND inner = LastWindowBefore(*child, target, found);
    if (inner) last = inner;
    if (found) return last;
  }
  return last;
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance), application_(std::make_unique<ApplicationWindow>()) {
  RegisterWindowClasses(instance_, ApplicationWindowProc, FormWindowProc);
}

Win32Backend::~Win32Backend() {
  if (application_->window) DestroyWindow(application_->window);
}

HWND Win32Backend::WindowOf(const TComponent& component) {
  if (FormPeer* form = FormPeerOf(component)) return form->window;
  if (ControlPeer* control = ControlPeerOf(component)) return control->window;
  return nullptr;
}

int Win32Backend::ScreenPixelsPerInch() {
  return SystemDpi();
}

WindowHandle Win32Backend::ApplicationHandle(TApplication& app) {
  application_->app = &app;
  // A plain pop-up: a caption or frame would make the system add WS_EX_WINDOWEDGE to
  // whatever extended style the program gives the window.
  if (!application_->window)
    CreateWindowExW(0, kApplicationClass, ToWide(app.Title).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                    nullptr, instance_, application_.get());
  return reinterpret_cast<WindowHandle>(application_->window);
}

void Win32Backend::RunMessageLoop(TApplication& app) {
  ApplicationHandle(app);
  if (app.ShowMainForm && app.MainForm()) app.MainForm()->Show();
  PumpMessages(
      &app, [&] { return app.Terminated(); }, false);
}

void Win32Backend::Terminate(TApplication&) {
  WakeMessageLoop();
}

WindowHandle Win32Backend::RealizeForm(TForm& form) {
  FormPeer* peer = FormPeerOf(form);
  if (peer && peer->window) return reinterpret_cast<WindowHandle>(peer->window);
  HWND owner = reinterpret_cast<HWND>(ApplicationHandle(*form.Application()));
  if (!peer) {
    peer = new FormPeer(form);
    form.Peer = peer;
  }
  HWND window = CreateFormWindow(*peer, owner, instance_);
  if (!window) return 0;
  // The controls come with the form's first show: the options dialog's window takes the
  // hot keys from the start, while its tens of controls, their font and the memory they
  // hold are not needed until the user opens it.
  peer->controlsMade = false;
  return reinterpret_cast<WindowHandle>(window);
}

void Win32Backend::RealizeControls(FormPeer& peer) {
  if (peer.controlsMade) return;
  peer.controlsMade = true;
  // The form's window tells the DPI of its monitor.
  if (!peer.font.font) peer.font = CreateFormFont(peer.form->Font, LayoutPixelsPerInch(*peer.form));
  HWND previous = nullptr;
  for (TControl* child : peer.form->Children()) previous = RealizeSubtree(peer, *child, previous);
  SyncDefaultButton(peer);
}

HWND Win32Backend::RealizeSubtree(FormPeer& form, TControl& control, HWND previous) {
  ControlPeer* peer = ControlPeerOf(control);
  if (!peer) {
    peer = new ControlPeer(control, KindOf(control));
    control.Peer = peer;
  }
  if (!peer->form) {
    peer->form = &form;
    form.controls.push_back(peer);
  }
  const auto windows = peer->Windows();
  // The common controls come with the first control of theirs; the pager's image, made at
  // start, is a window class of the program's own.
  if (windows.empty() && peer->kind != ControlKind::Image) LoadCommonControls();
  previous = windows.empty() ? CreateControlWindows(*peer, previous) : windows.back();
  for (TControl* child : control.Children()) previous = RealizeSubtree(form, *child, previous);
  return previous;
}

void Win32Backend::RealizeControl(TControl& control) {
  if (ControlPeerOf(control)) return;
  TForm* form = FormOf(control);
  FormPeer* peer = form ? FormPeerOf(*form) : nullptr;
  if (!peer || !peer->window || !peer->controlsMade) return;
  bool found = false;
  HWND previous = LastWindowBefore(*form, control, found);
  RealizeSubtree(*peer, control, previous);
  SyncDefaultButton(*peer);
}

void Win32Backend::Release(TComponent& component) {
  if (FormPeer* form = FormPeerOf(component)) {
    form->releasing = true;
    if (form->modal) {
      form->modal->ended = true;
      form->modal->formGone = true;
    }
    if (form->window) DestroyWindow(form->window);
    for (ControlPeer* control : form->controls) control->form = nullptr;
    DeleteFormFont(form->font);
    delete form;
  } else if (ControlPeer* control = ControlPeerOf(component)) {
    if (FormPeer* owner = control->form) {
      std::erase(owner->controls, control);
      if (owner->form->ActiveControl == control->control) owner->form->ActiveControl = nullptr;
    }
    DestroyControlWindows(*control);
    delete control;
  }
  component.Peer = nullptr;
}

void Win32Backend::Update(TComponent& component, TProperty what) {
  if (FormPeer* form = FormPeerOf(component)) {
    UpdateForm(*form, what);
  } else if (ControlPeer* control = ControlPeerOf(component)) {
    UpdateControlWindows(*control, what);
    if (control->kind == ControlKind::Button && control->form) SyncDefaultButton(*control->form);
  }
  // Menu items have no realisation yet.
}

void Win32Backend::UpdateForm(FormPeer& peer, TProperty what) {
  if (!peer.window) return;
  TForm& form = *peer.form;
  switch (what) {
    case TProperty::Caption:
      SetWindowTextCp932(peer.window, form.Caption());
      break;
    case TProperty::Bounds:
      ApplyFormBounds(peer);
      break;
    case TProperty::Visible:
      ShowForm(form, form.Visible());
      break;
    case TProperty::Enabled:
      EnableWindow(peer.window, form.Enabled());
      break;
    case TProperty::Font: {
      FormFont old = peer.font;
      peer.font = CreateFormFont(form.Font, LayoutPixelsPerInch(form));
      for (ControlPeer* control : peer.controls) ApplyFont(*control);
      DeleteFormFont(old);
      break;
    }
    case TProperty::Other:
      ApplyFormStyle(peer);
      for (ControlPeer* control : peer.controls) ApplyTabStops(*control);
      SyncDefaultButton(peer);
      break;
    default:
      break;
  }
}

void Win32Backend::ShowForm(TForm& form, bool visible) {
  auto* window = reinterpret_cast<HWND>(RealizeForm(form));
  FormPeer* peer = FormPeerOf(form);
  if (!window || !peer) return;
  if (!visible) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  RealizeControls(*peer);
  if (IsWindowVisible(window)) {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  if (form.Position == TPosition::ScreenCenter) CentreOnScreen(*peer);
  SyncDefaultButton(*peer);
  ShowWindow(window, SW_SHOWNORMAL);
  FocusActiveControl(*peer, true);
}

TModalResult Win32Backend::ShowModal(TForm& form) {
  auto* window = reinterpret_cast<HWND>(RealizeForm(form));
  FormPeer* peer = FormPeerOf(form);
  if (!window || !peer || peer->modal) return mrCancel;
  TApplication* app = form.Application();
  HWND previousActive = GetActiveWindow();

  ModalState state;
  state.window = window;
  state.outer = modalTop_;
  // Leaves the modal stack as it was however the loop ends.
  struct Scope {
    ModalState*& top;
    ModalState& state;
    FormPeer* peer;
    ~Scope() {
      top = state.outer;
      if (!state.formGone) peer->modal = nullptr;
    }
  } scope{modalTop_, state, peer};
  modalTop_ = &state;
  peer->modal = &state;

  // A dialog opened from another one is owned by it while it runs, and so stays in front
  // of it, also of one that stays on top.
  const LONG_PTR owner = GetWindowLongPtrW(window, GWLP_HWNDPARENT);
  if (state.outer && state.outer->window && IsWindowVisible(state.outer->window))
    SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(state.outer->window));
  WindowDisabler others(window);
  EnableWindow(window, TRUE);
  form.SetVisible(true);
  ShowForm(form, true);  // centred when asked, focus on a control
  SetForegroundWindow(window);
  PumpMessages(
      app, [&] { return state.ended || (app && app->Terminated()); }, true);

  others.Restore();
  if (state.formGone) return mrCancel;
  if (peer->window) {
    // Hand the activation back before hiding, so that it does not go to another program.
    if (previousActive && previousActive != window && IsWindowVisible(previousActive))
      SetActiveWindow(previousActive);
    ShowWindow(peer->window, SW_HIDE);
    SetWindowLongPtrW(peer->window, GWLP_HWNDPARENT, owner);
  }
  const TModalResult result = form.ModalResult();
  return result == mrNone ? mrCancel : result;
}

void Win32Backend::EndModal(TForm& form) {
  if (FormPeer* peer = FormPeerOf(form); peer && peer->modal) peer->modal->ended = true;
  WakeMessageLoop();
}

void Win32Backend::SetFocus(TControl& control) {
  TForm* form = FormOf(control);
  if (form) form->ActiveControl = &control;
  ControlPeer* peer = ControlPeerOf(control);
  if (!peer || !peer->form || !peer->form->window || !IsWindowVisible(peer->form->window)) return;
  if (HWND target = peer->FocusWindow())
    SendMessageW(peer->form->window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

HWND Win32Backend::MessageBoxOwner() const {
  for (const ModalState* state = modalTop_; state; state = state->outer)
    if (state->window && IsWindowVisible(state->window)) return state->window;
  HWND active = GetActiveWindow();
  if (FormPeerOfWindow(active) && IsWindowVisible(active)) return active;
  return application_->window;
}

int Win32Backend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  HWND owner = MessageBoxOwner();
  // The box disables its owner; the program's other windows wait as well.
  WindowDisabler others(owner);
  return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

std::unique_ptr<ToolkitBackend> CreateWin32Backend(HINSTANCE instance) {
  return std::make_unique<Win32Backend>(instance);
}

TMenuItem* Win32Backend::TrackPopupMenu(TPopupMenu& menu, int x, int y) {
  HWND owner = MessageBoxOwner();
  return win32tk::TrackMenu(owner, menu, x, y);
}

bool Win32Backend::OpenFileDialog(TOpenDialog& dialog) {
  return win32tk::RunOpenFileDialog(MessageBoxOwner(), dialog);
}

std::unique_ptr<TCanvasDevice> Win32Backend::CreateCanvasDevice() {
  return std::make_unique<win32tk::GdiCanvas>();
}

void Win32Backend::ApplyTimer(TTimer& timer, bool running) {
  if (!timers_) {
    if (!running) return;
    timers_ = std::make_unique<win32tk::TimerWindow>(instance_);
  }
  timers_->Apply(timer, running);
}

void Win32Backend::UpdateTrayIcon(TTrayIcon& icon) {
  win32tk::UpdateTrayIconWindow(instance_, icon);
}
