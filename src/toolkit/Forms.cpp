#include "toolkit/Forms.h"

#include <algorithm>

#include "toolkit/Backend.h"

TApplication::TApplication(ToolkitBackend& backend) : backend_(backend) {}

TApplication::~TApplication() = default;

WindowHandle TApplication::Handle() {
  return backend_.ApplicationHandle(*this);
}

void TApplication::Run() {
  terminated_ = false;
  backend_.RunMessageLoop(*this);
}

void TApplication::Terminate() {
  terminated_ = true;
  backend_.Terminate(*this);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return backend_.MessageBox(text, caption, flags);
}

void TApplication::ShowException(const std::string& message) {
  MessageBox(message, Title, mb::OK | mb::IconError);
}

void TApplication::AddForm(TForm* form) {
  if (!mainForm_) mainForm_ = form;
}

void TApplication::RemoveForm(TForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

TForm::TForm(TApplication& application, std::string name)
    : TControl(nullptr, std::move(name)),
      application_(application),
      pixelsPerInch_(application.Backend().ScreenPixelsPerInch()) {
  SetVisible(false);
  application_.AddForm(this);
}

TForm::~TForm() {
  // Free the controls while this is still a form, so they can reach the backend.
  DestroyComponents();
  if (Peer) application_.Backend().Release(*this);
  Peer = nullptr;
  application_.RemoveForm(this);
}

WindowHandle TForm::Handle() {
  return application_.Backend().RealizeForm(*this);
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  Changed(TProperty::Bounds);
}

void TForm::ChangeScale(int pixelsPerInch, const TRect& suggested) {
  pixelsPerInch_ = pixelsPerInch;
  if (Scaled)
    StoreBounds(suggested.Left, suggested.Top, Width(), Height());
  else
    StoreBounds(suggested.Left, suggested.Top, suggested.Width(), suggested.Height());
}

void TForm::Show() {
  Handle();
  SetVisible(true);
  application_.Backend().ShowForm(*this, true);
  if (OnShow) OnShow(*this);
}

void TForm::Hide() {
  SetVisible(false);
  if (Peer) application_.Backend().ShowForm(*this, false);
}

TModalResult TForm::ShowModal() {
  Handle();
  modal_ = true;
  modalResult_ = mrNone;
  if (OnShow) OnShow(*this);
  TModalResult result = application_.Backend().ShowModal(*this);
  modal_ = false;
  modalResult_ = result;
  SetVisible(false);
  return result;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

bool TForm::CloseWith(TModalResult result) {
  if (!modal_) {
    // A modeless form sees the result only while its close query runs: closing it any
    // other way afterwards must not look like OK.
    modalResult_ = result;
    Close();
    modalResult_ = mrNone;
    return !Visible();
  }
  modalResult_ = result;
  if (!CloseQuery()) {
    modalResult_ = mrNone;
    return false;
  }
  application_.Backend().EndModal(*this);
  return true;
}

void TForm::Close() {
  if (modal_) {
    CloseWith(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  Hide();
  if (OnClose) OnClose(*this);
  if (application_.MainForm() == this) application_.Terminate();
}

bool TForm::HandleMessage(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&) {
  return false;
}
