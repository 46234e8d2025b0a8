#include "desktop/FormVirtualDesktop.h"

#include "desktop/FrameGeometry.h"
#include "general/ForceForeground.h"
#include "settings/CustomOption.h"
#include "settings/PagerPlacement.h"

namespace {

// Messages after which the pager takes its bounds and redraws.
constexpr unsigned kWmMove = 0x0003;
constexpr unsigned kWmSize = 0x0005;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmEraseBkgnd = 0x0014;

}  // namespace

TFormVirtualDesktop::TFormVirtualDesktop(TApplication& application, Desktop& desktop,
                                         CCustomOption& options, std::string settingsPath,
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
  SetBounds(0, 0, 80, 160);

  PopupMenu1 = Create<TPopupMenu>(this, "PopupMenu1");
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

  // The bitmap is as large as the screen; the pager shows its top-left part.
  ImageFrame->SetBitmapSize(ScreenSize.Width, ScreenSize.Height);
  LoadPlacement();
}

TFormVirtualDesktop::~TFormVirtualDesktop() {
  application_.OnDeactivate = previousDeactivate_;
}

int TFormVirtualDesktop::Setting(const char* key) const {
  return settings_[key].IntValue();
}

void TFormVirtualDesktop::LoadPlacement() {
  CPagerPlacement placement{Left(), Top(), Width(), Height()};
  LoadPagerPlacement(settingsPath_, placement);
  SetBounds(placement.Left, placement.Top, placement.Width, placement.Height);
  FullBounds = {Left(), Top(), Left() + Width(), Top() + Height()};
}

bool TFormVirtualDesktop::SavePlacement() {
  return SavePagerPlacement(settingsPath_, {Left(), Top(), Width(), Height()});
}

void TFormVirtualDesktop::FormShow() {
  CopyTrayMenu();
  RemoveTransparency();
  WindowHandle pager = PagerWindow();
  ForceForeground(desktop_, pager);
  desktop_.SetWindowPos(pager, win::HwndTopMost, 0, 0, 0, 0, win::SwpNoMove | win::SwpNoSize);
  AlignImage();
  RefreshWindowList();
  DrawPager();
}

void TFormVirtualDesktop::CopyTrayMenu() {
  std::vector<TMenuItem*> old;
  old.swap(PopupMenu1->Items);
  for (TMenuItem* item : old) delete item;
  if (!trayMenu_) return;
  for (TMenuItem* original : trayMenu_->Items) {
    auto* copy = Create<TMenuItem>(this, original->Name());
    copy->SetCaption(original->Caption());
    copy->SetVisible(original->Visible());
    copy->SetChecked(original->Checked());
    copy->AutoCheck = original->AutoCheck;
    // Choosing the copy chooses the tray's item: its handler reads the tray item's check
    // mark, which a handler run for the copy would leave as it was.
    copy->OnClick = [original](TComponent& sender) {
      original->Click();
      static_cast<TMenuItem&>(sender).SetChecked(original->Checked());
    };
    PopupMenu1->Items.push_back(copy);
  }
}

void TFormVirtualDesktop::FormResize() {
  if (AnimationStep == -1)
    FullBounds = {Left(), Top(), Left() + Width(), Top() + Height()};
  else
    KeepOnTop();
  AlignImage();
  DrawPager();
}

void TFormVirtualDesktop::AlignImage() {
  if (ImageFrame->Left() != 0 || ImageFrame->Top() != 0 || ImageFrame->Width() != ClientWidth() ||
      ImageFrame->Height() != ClientHeight())
    ImageFrame->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

bool TFormVirtualDesktop::HandleMessage(unsigned message, std::uintptr_t, std::intptr_t,
                                        std::intptr_t& result) {
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
  return {ScreenSize, CellSize, {ClientWidth(), ClientHeight()}, Setting("VirtualDesktopCount")};
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
