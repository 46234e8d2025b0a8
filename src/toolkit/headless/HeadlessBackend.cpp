#include "toolkit/headless/HeadlessBackend.h"

#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/OpenDialog.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace {
constexpr WindowHandle kApplicationHandle = 0x10000;
}

void HeadlessBackend::Post(std::function<void()> action) {
  posted_.push_back(std::move(action));
}

WindowHandle HeadlessBackend::HandleOf(const TComponent& component) {
  return reinterpret_cast<WindowHandle>(component.Peer);
}

WindowHandle HeadlessBackend::ApplicationHandle(TApplication&) {
  return kApplicationHandle;
}

void HeadlessBackend::RunMessageLoop(TApplication& app) {
  terminated_ = false;
  // Without real messages the loop ends when nothing is left to do: no posted action and
  // an idle handler that is gone or has nothing more to do.
  while (!terminated_ && !app.Terminated()) {
    if (!posted_.empty()) {
      auto action = std::move(posted_.front());
      posted_.pop_front();
      action();
      continue;
    }
    if (!app.OnIdle) break;
    bool done = true;
    auto idle = app.OnIdle;  // the handler may remove itself
    idle(done);
    if (done && posted_.empty()) break;
  }
}

void HeadlessBackend::Terminate(TApplication&) {
  terminated_ = true;
}

WindowHandle HeadlessBackend::RealizeForm(TForm& form) {
  if (!form.Peer) {
    RealizeTree(form);
    if (OnRealizeForm) form.Peer = reinterpret_cast<void*>(OnRealizeForm(form));
  }
  return HandleOf(form);
}

void HeadlessBackend::RealizeTree(TControl& control) {
  control.Peer = reinterpret_cast<void*>(nextHandle_);
  nextHandle_ += 0x10;
  for (TControl* child : control.Children()) RealizeTree(*child);
}

void HeadlessBackend::RealizeControl(TControl& control) {
  RealizeTree(control);
}

void HeadlessBackend::Release(TComponent& component) {
  component.Peer = nullptr;
}

void HeadlessBackend::Update(TComponent&, TProperty) {}

void HeadlessBackend::ShowForm(TForm& form, bool visible) {
  if (OnShowForm) OnShowForm(form, visible);
}

TModalResult HeadlessBackend::ShowModal(TForm& form) {
  ModalForms.push_back(form.Name());
  form.SetVisible(true);
  if (OnShowForm) OnShowForm(form, true);
  if (ModalScript) ModalScript(form);
  TModalResult result = form.ModalResult();
  if (OnShowForm) OnShowForm(form, false);
  return result == mrNone ? mrCancel : result;
}

void HeadlessBackend::EndModal(TForm&) {}

void HeadlessBackend::SetFocus(TControl& control) {
  TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  if (auto* form = dynamic_cast<TForm*>(top)) form->ActiveControl = &control;
}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
  Boxes.push_back({text, caption, flags});
  return MessageBoxAnswer;
}

TMenuItem* HeadlessBackend::TrackPopupMenu(TPopupMenu& menu, int, int) {
  PoppedMenus.push_back(menu.Name());
  TMenuItem* chosen = PopupScript ? PopupScript(menu) : nullptr;
  // A real menu offers only visible, enabled items that are not separators.
  if (chosen && (!chosen->Visible() || !chosen->Enabled() || chosen->IsSeparator())) return nullptr;
  return chosen;
}

bool HeadlessBackend::OpenFileDialog(TOpenDialog& dialog) {
  std::string chosen = OpenFileScript ? OpenFileScript(dialog) : std::string();
  if (chosen.empty()) return false;
  dialog.FileName = chosen;
  return true;
}

std::unique_ptr<TCanvasDevice> HeadlessBackend::CreateCanvasDevice() {
  return std::make_unique<HeadlessCanvas>();
}
