#include "desktop/FormVirtualDesktop.h"

#include "desktop/FrameGeometry.h"
#include "shell/Program.h"

TFormVirtualDesktop::TFormVirtualDesktop(Program& program)
    : TForm(program.Application, "FormVirtualDesktop"),
      CVirtualScreen(program.Platform, program.OptionSettings),
      program_(program) {
  BorderStyle = TBorderStyle::SizeToolWin;
  BorderIcons = false;
  FormStyle = TFormStyle::StayOnTop;
  SetBounds(0, 0, 80, 160);
  FullBounds = {Left(), Top(), Left() + Width(), Top() + Height()};
  OnShow = [this](TComponent&) { FormShow(); };
}

void TFormVirtualDesktop::FormShow() {
  RefreshWindowList();
  DrawPager();
}

WindowHandle TFormVirtualDesktop::PagerWindow() {
  // Asking for the handle would create the window, which the session's end must not do.
  return HandleAllocated() ? Handle() : 0;
}

bool TFormVirtualDesktop::StartupPending() {
  return static_cast<bool>(program_.Application.OnIdle);
}

void TFormVirtualDesktop::MakePagerOpaque() {
  // Full size again across the strip, as recorded when it was last expanded.
  if (program_.OptionSettings["VirtualDesktop"].IntValue() == StripHorizontal)
    SetBounds(Left(), FullBounds.Top, Width(), FullBounds.Height());
  else
    SetBounds(FullBounds.Left, Top(), FullBounds.Width(), Height());
  WindowHandle pager = PagerWindow();
  if (pager == 0) return;
  long exStyle = desktop_.GetWindowLongA(pager, win::GwlExStyle);
  desktop_.SetWindowLongA(pager, win::GwlExStyle, exStyle & ~win::WsExLayered);
  desktop_.SetLayeredWindowAttributes(pager, 0, 0, 0);
}

void TFormVirtualDesktop::DrawPager() {}

void TFormVirtualDesktop::StartInactiveAnimation() {}
