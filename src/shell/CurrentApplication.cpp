// The two hot keys that act on whatever window is in front.
#include "desktop/FormVirtualDesktop.h"
#include "general/EnumerateWindows.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"
#include "watching/WatchingDlg.h"
#include "watching/WatchingDlgTexts.h"

void TOptionDlg::ToggleTranslucency() {
  Desktop& desktop = program_.Platform;
  // Any window is toggled, the desktop and the program's own included; whether it is
  // layered now decides the direction.
  WindowHandle window = desktop.GetForegroundWindow();
  // The person's choice now holds over a rule's translucency still being looked after.
  std::erase_if(translucentWindows_, [&](const auto& entry) { return entry.window == window; });
  long style = desktop.GetWindowLongA(window, win::GwlExStyle);
  if (style & win::WsExLayered) {
    desktop.SetWindowLongA(window, win::GwlExStyle, style & ~win::WsExLayered);
    desktop.SetLayeredWindowAttributes(window, 0, 0, 0);
  } else {
    int alpha = program_.OptionSettings["TranslucentAlpha"].IntValue();
    MakeTranslucent(window, static_cast<unsigned char>(alpha));
  }
}

void TOptionDlg::PrefillWatchingRule() {
  Desktop& desktop = program_.Platform;
  WindowHandle window = desktop.GetForegroundWindow();
  std::string className = desktop.GetClassNameA(window, kWindowTextBufferSize);
  TRect rect{};
  desktop.GetWindowRect(window, rect);

  CWatchingOption& rules = program_.WatchingSettings;
  TWatchingDlg& dialog = *program_.WatchingDlg;
  rules.LoadEntry(-1);
  rules["WindowTitle"].SetTextValue("@" + className);
  rules["PositionLeft"].SetIntValue(rect.Left);
  rules["PositionTop"].SetIntValue(rect.Top);
  rules["FramePosition"].SetIntValue(program_.FormVirtualDesktop->CurrentFrame + 1);
  rules.ToControls();
  dialog.CheckBoxClick();
  dialog.OKBtn->SetCaption(texts::watching::Add);
  dialog.Show();
  desktop.SetForegroundWindow(dialog.Handle());
}
