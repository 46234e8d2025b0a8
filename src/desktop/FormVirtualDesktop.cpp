#include "desktop/FormVirtualDesktop.h"

#include "desktop/FrameGeometry.h"
#include "general/ForceForeground.h"
#include "settings/CustomOption.h"
#include "settings/PagerPlacement.h"
#include "toolkit/Scaling.h"

namespace {

// Messages after which the pager takes its bounds and redraws.
constexpr unsigned kWmMove = 0x0003;
constexpr unsigned kWmSize = 0x0005;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmEraseBkgnd = 0x0014;
constexpr unsigned kWmCaptureChanged = 0x0215;
// The system's move or size loop ended: the user placed the pager.
constexpr unsigned kWmExitSizeMove = 0x0232;

}  // namespace

TFormVirtualDesktop::TFormVirtualDesktop(TApplication& application, Desktop& desktop,
                                         CCustomOption& options, std::filesystem::path settingsPath,
                                         const TPopupMenu* trayMenu)
    : TForm(application, "FormVirtualDesktop"),
      CVirtualScreen(desktop, options),
      application_(application),
      settings_(options),
      settingsPath_(std::move(settingsPath)),
      trayMenu_(trayMenu) {
  // A sizable tool window without a caption, above every ordinary window.
  BorderStyle = TBorderStyle::SizeToolWin;
  BorderIcons = false;
  FormStyle = TFormStyle::StayOnTop;
  // Sized in its monitor's pixels: its picture is drawn at the size it has.
  Scaled = false;
  SetBounds(0, 0, 80, 160);

  PopupMenu1 = Create<TPopupMenu>(this, "PopupMenu1");
  PopupMenu1->OnPopup = [this](TComponent&) { CopyTrayMenu(); };
  ImageFrame = Create<TImage>(this, "ImageFrame");
  ImageFrame->SetParent(this);
  ImageFrame->PopupMenu = PopupMenu1;
  ImageFrame->OnMouseDown = [this](TComponent&, TMouseButton button, TShiftState, int x, int y) {
    ImageFrameMouseDown(button, x, y);
  };
  ImageFrame->OnMouseMove = [this](TComponent&, TShiftState, int x, int y) {
    ImageFrameMouseMove(x, y);
  };
  ImageFrame->OnMouseUp = [this](TComponent&, TMouseButton button, TShiftState, int x, int y) {
    ImageFrameMouseUp(button, x, y);
  };
  ImageFrame->OnMouseEnter = [this](TComponent&) { ImageFrameMouseEnter(); };
  ImageFrame->OnMouseLeave = [this](TComponent&) { FormResize(); };
  Timer1 = Create<TTimer>(this, "Timer1");
  Timer1->SetEnabled(false);
  Timer1->SetInterval(50);
  Timer1->OnTimer = [this](TComponent&) { Timer1Timer(); };

  OnShow = [this](TComponent&) {
    if (shown_) return;  // shown again while visible: nothing new to show
    shown_ = true;
    FormShow();
  };
  OnClose = [this](TComponent&) { shown_ = false; };
  // The application's deactivation is the pager's: it starts the inactive animation.
  previousDeactivate_ = application_.OnDeactivate;
  application_.OnDeactivate = [this] {
    if (previousDeactivate_) previousDeactivate_();
    ApplicationEvents1Deactivate();
  };

  // No bitmap size yet: a pager that is never shown needs none (see AlignImage).
  LoadPlacement();
}

TFormVirtualDesktop::~TFormVirtualDesktop() {
  application_.OnDeactivate = previousDeactivate_;
}

int TFormVirtualDesktop::Setting(const char* key) const {
  return settings_[key].IntValue();
}

void TFormVirtualDesktop::LoadPlacement() {
  // The default and the file's size are pixels at 96 DPI, as they always were.
  CPagerPlacement placement{Left(), Top(), Width(), Height()};
  LoadPagerPlacement(settingsPath_, placement);
  const int dpi = PixelsPerInch();
  PlaceOnMonitors({placement.Left, placement.Top, placement.Left + ScaleValue(placement.Width, dpi),
                   placement.Top + ScaleValue(placement.Height, dpi)});
  FullBounds = Bounds();
}

void TFormVirtualDesktop::PlaceOnMonitors(TRect bounds) {
  // Without a caption or a task-bar button, a pager off every monitor could not be reached.
  const TRect monitors = MonitorsRect();
  if (bounds.Right <= monitors.Left || bounds.Left >= monitors.Right ||
      bounds.Bottom <= monitors.Top || bounds.Top >= monitors.Bottom)
    bounds = KeptWithin(bounds, monitors);
  SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

bool TFormVirtualDesktop::SavePlacement() {
  const int dpi = PixelsPerInch();
  return SavePagerPlacement(
      settingsPath_, {Left(), Top(), UnscaleValue(Width(), dpi), UnscaleValue(Height(), dpi)});
}

void TFormVirtualDesktop::FormShow() {
  RemoveTransparency();
  WindowHandle pager = PagerWindow();
  ForceForeground(desktop_, pager);
  desktop_.SetWindowPos(pager, win::HwndTopMost, 0, 0, 0, 0, win::SwpNoMove | win::SwpNoSize);
  AlignImage();
  RefreshWindowList();
  DrawPager();
}

void TFormVirtualDesktop::CopyTrayMenu() {
  // Opened again from inside a copy's handler (a dialog it runs): that copy must live on.
  if (menuClicks_ > 0) return;
  std::vector<TMenuItem*> old;
  old.swap(PopupMenu1->Items);
  for (TMenuItem* item : old) delete item;
  if (!trayMenu_) return;
  // The tray menu's own preparation first, so that the copy shows what the tray menu would
  // show now (a check mark read from the system).
  if (trayMenu_->OnPopup) trayMenu_->OnPopup(*PopupMenu1);
  for (TMenuItem* original : trayMenu_->Items) {
    auto* copy = Create<TMenuItem>(this, original->Name());
    copy->SetCaption(original->Caption());
    copy->SetVisible(original->Visible());
    copy->SetChecked(original->Checked());
    copy->AutoCheck = original->AutoCheck;
    // Choosing the copy chooses the tray's item: its handler reads the tray item's check
    // mark, which a handler run for the copy would leave as it was.
    copy->OnClick = [this, original](TComponent& sender) {
      ++menuClicks_;
      original->Click();
      --menuClicks_;
      static_cast<TMenuItem&>(sender).SetChecked(original->Checked());
    };
    PopupMenu1->Items.push_back(copy);
  }
}

void TFormVirtualDesktop::FollowOptions() {
  if (FitWindowsToStrip()) {
    // Shrunk across the old strip, it would stay so: only the new axis is restored.
    SetBounds(FullBounds.Left, FullBounds.Top, FullBounds.Width(), FullBounds.Height());
    shrunk_ = false;
  }
  DrawPager();
}

void TFormVirtualDesktop::DisplayChanged() {
  if (FollowDisplayChange()) {
    // A pager left on a monitor that has gone would be out of reach.
    PlaceOnMonitors(Bounds());
  }
  DrawPager();
}

void TFormVirtualDesktop::FormResize() {
  if (AnimationStep == -1)
    FullBounds = Bounds();
  else
    KeepOnTop();
  AlignImage();
  DrawPager();
}

void TFormVirtualDesktop::AlignImage() {
  if (ImageFrame->Left() != 0 || ImageFrame->Top() != 0 || ImageFrame->Width() != ClientWidth() ||
      ImageFrame->Height() != ClientHeight())
    ImageFrame->SetBounds(0, 0, ClientWidth(), ClientHeight());
  // The bitmap is what the pager shows, made again at each new size (every caller draws the
  // picture right after); a hidden pager keeps the one it has, none before its first show.
  const TSize client{ClientWidth(), ClientHeight()};
  if (shown_ && ImageFrame->BitmapSize() != client)
    ImageFrame->SetBitmapSize(client.Width, client.Height);
}

bool TFormVirtualDesktop::HandleMessage(unsigned message, std::uintptr_t, std::intptr_t,
                                        std::intptr_t& result) {
  if (message == kWmCaptureChanged) CancelDrag();
  // Moved or sized by the user while expanded, whatever the animation's counter says.
  if (message == kWmExitSizeMove && !shrunk_) FullBounds = Bounds();
  if (message == kWmEraseBkgnd) {
    // The image covers the whole client area; erasing under it first would flicker.
    result = 1;
    return true;
  }
  // Moves count as well: a pager dragged elsewhere shrinks and expands where it now is.
  if (message == kWmSize || message == kWmPaint || message == kWmMove) FormResize();
  return false;  // the default handling still paints and sizes
}

WindowHandle TFormVirtualDesktop::PagerWindow() {
  // Asking for the handle would create the window, which the session's end must not do.
  return HandleAllocated() ? Handle() : 0;
}

bool TFormVirtualDesktop::StartupPending() {
  return static_cast<bool>(application_.OnIdle);
}

void TFormVirtualDesktop::RestoreShrinkAxis() {
  const int strip = Setting("VirtualDesktop");
  if (strip == StripHorizontal)
    SetBounds(Left(), FullBounds.Top, Width(), FullBounds.Height());
  else if (strip == StripVertical)
    SetBounds(FullBounds.Left, Top(), FullBounds.Width(), Height());
  shrunk_ = false;
}

void TFormVirtualDesktop::RemoveTransparency() {
  WindowHandle pager = PagerWindow();
  if (pager == 0) return;
  long exStyle = desktop_.GetWindowLongA(pager, win::GwlExStyle);
  desktop_.SetWindowLongA(pager, win::GwlExStyle, exStyle & ~win::WsExLayered);
  desktop_.SetLayeredWindowAttributes(pager, 0, 0, 0);
}

void TFormVirtualDesktop::SetTransparency(std::uint8_t alpha) {
  WindowHandle pager = PagerWindow();
  if (pager == 0) return;
  long exStyle = desktop_.GetWindowLongA(pager, win::GwlExStyle);
  desktop_.SetWindowLongA(pager, win::GwlExStyle, exStyle | win::WsExLayered);
  desktop_.SetLayeredWindowAttributes(pager, 0, alpha, win::LwaAlpha);
}

void TFormVirtualDesktop::KeepOnTop() {
  // Without SWP_NOACTIVATE the call would also activate the pager, taking the foreground
  // from the program the user just went to.
  desktop_.SetWindowPos(PagerWindow(), win::HwndTopMost, 0, 0, 0, 0,
                        win::SwpNoMove | win::SwpNoSize | win::SwpNoActivate);
}

void TFormVirtualDesktop::MakePagerOpaque() {
  // Full size again across the strip, as recorded when it was last expanded.
  RestoreShrinkAxis();
  RemoveTransparency();
}

CPagerScale TFormVirtualDesktop::Scale() const {
  return ScaleFor(Setting("VirtualDesktopCount"));
}

CPagerScale TFormVirtualDesktop::ScaleFor(int count) const {
  return {ScreenSize,
          CellSize,
          {ClientWidth(), ClientHeight()},
          count,
          {ScreenRect.Left, ScreenRect.Top}};
}

TRect TFormVirtualDesktop::VirtualToPager(const TRect& r) const {
  return ::VirtualToPager(r, Scale());
}

TRect TFormVirtualDesktop::PagerToVirtual(const TRect& p) const {
  return ::PagerToVirtual(p, Scale());
}

TRect TFormVirtualDesktop::PagerRectOf(const TRect& bounds) const {
  return VirtualToPager(OffsetByFrames(bounds, FrameStep, CurrentFrame));
}
