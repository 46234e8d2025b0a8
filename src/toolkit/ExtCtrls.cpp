#include "toolkit/ExtCtrls.h"

#include "toolkit/Backend.h"
#include "toolkit/Menus.h"

TImage::TImage(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {}

TImage::~TImage() {
  // The window goes while the image is whole, so that its last messages still find the
  // canvas.
  if (Peer) {
    if (ToolkitBackend* backend = Backend()) backend->Release(*this);
    Peer = nullptr;
  }
}

TCanvas& TImage::Canvas() {
  if (!canvas_) {
    ToolkitBackend* backend = Backend();
    canvas_ = std::make_unique<TCanvas>(backend ? backend->CreateCanvasDevice() : nullptr);
    if (TCanvasDevice* device = canvas_->Device())
      device->SetSize(bitmapSize_.Width, bitmapSize_.Height);
  }
  return *canvas_;
}

void TImage::SetBitmapSize(int width, int height) {
  bitmapSize_ = {width, height};
  if (canvas_ && canvas_->Device()) canvas_->Device()->SetSize(width, height);
}

void TImage::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TImage::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TImage::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TImage::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TImage::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

void TImage::ContextPopup(int x, int y) {
  if (!PopupMenu) return;
  PopupMenu->PopupComponent = this;
  PopupMenu->Popup(x, y);
}

TTimer::TTimer(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TTimer::~TTimer() {
  if (ToolkitBackend* backend = Backend()) backend->ApplyTimer(*this, false);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Apply();
}

void TTimer::SetInterval(unsigned milliseconds) {
  interval_ = milliseconds;
  Apply();
}

void TTimer::Tick() {
  if (!enabled_ || !OnTimer) return;
  TNotifyEvent handler = OnTimer;  // the handler may replace itself
  handler(*this);
}

void TTimer::Apply() {
  if (ToolkitBackend* backend = Backend()) backend->ApplyTimer(*this, enabled_ && interval_ > 0);
}
