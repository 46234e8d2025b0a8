#pragma once
// The pager: a small always-on-top tool window showing the virtual screens as a column or
// a row of cells, each window a filled rectangle at its scaled place. A click switches to a
// frame, a window's rectangle can be dragged into another frame, and the pager itself is
// dragged by any spot without a window. While the program is inactive it can shrink to a
// strip or fade out. It holds the model of the virtual screens (CVirtualScreen) and gives
// it its window, its redrawing and its inactive animation.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/PagerLayout.h"
#include "desktop/VirtualScreen.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"

class CCustomOption;

class TFormVirtualDesktop : public TForm, public CVirtualScreen {
 public:
  // `trayMenu` is the menu the pager's own menu copies; the settings file holds the
  // pager's position and size.
  TFormVirtualDesktop(TApplication& application, Desktop& desktop, CCustomOption& options,
                      std::filesystem::path settingsPath, const TPopupMenu* trayMenu);
  ~TFormVirtualDesktop() override;
  std::string ClassName() const override { return "TFormVirtualDesktop"; }

  TImage* ImageFrame;  // fills the client area
  TTimer* Timer1;      // steps the inactive animation
  TPopupMenu* PopupMenu1;

  // -1 expanded and idle; 0 and up, the inactive animation's counter.
  int AnimationStep = -1;
  // The pager's bounds when expanded; shrinking and fading restore from them.
  TRect FullBounds;
  // Of the latest drawing: one cell's size and every frame's cell.
  TSize CellSize;
  std::vector<CFrame> FrameCells;
  // The left button went down where no window is drawn: the next move drags the pager.
  bool PagerDragArmed = false;
  // The window whose rectangle is being dragged, as enumerated when it was pressed.
  std::optional<CWindow> DragWindow;
  TRect DragRect;     // where it is drawn, in client pixels
  TPoint DragOrigin;  // where the button went down on it

  void DrawPager() override;
  // After the options dialog: windows stranded by a changed strip come within reach, a
  // pager shrunk across the old strip comes back whole, and the pager is redrawn.
  void FollowOptions();
  // WM_DISPLAYCHANGE: the model follows the new monitors and the pager redraws in the new
  // shape, back onto a monitor if it was left off every one.
  void DisplayChanged();
  // A window became active: shrinks or fades the pager as when the application loses
  // activation, unless the window in front is one of this program's own.
  void StartInactiveAnimation() override;

  // Event handlers.
  void FormShow();
  // Resized, painted, moved, or left by the pointer.
  void FormResize();
  void ApplicationEvents1Deactivate();
  void Timer1Timer();
  void ImageFrameMouseDown(TMouseButton button, int x, int y);
  void ImageFrameMouseMove(int x, int y);
  void ImageFrameMouseUp(TMouseButton button, int x, int y);
  void ImageFrameMouseEnter();
  // The capture was taken away during a drag: the window stays where it was.
  void CancelDrag();

  // Position and size from and to section "VirtualDesktop" of the settings file; saving
  // takes them as they are, shrunk or not. False when the file could not be written.
  void LoadPlacement();
  bool SavePlacement();

  // A rectangle in virtual coordinates to client pixels and back, at the latest drawing's
  // scale.
  TRect VirtualToPager(const TRect& r) const;
  TRect PagerToVirtual(const TRect& p) const;

  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override;

 protected:
  WindowHandle PagerWindow() override;
  bool StartupPending() override;
  bool PagerExpanded() override { return AnimationStep == -1; }
  void MakePagerOpaque() override;

 private:
  int Setting(const char* key) const;
  CPagerScale Scale() const;
  // The same with the number of frames already read.
  CPagerScale ScaleFor(int count) const;
  // A window's rectangle in the pager, from its bounds in screen coordinates.
  TRect PagerRectOf(const TRect& bounds) const;
  // Puts the pager at `bounds`, moved onto the monitors when it lies off every one.
  void PlaceOnMonitors(TRect bounds);
  // The image covers the client area.
  void AlignImage();
  // Width and left (vertical strip) or height and top (horizontal) as when expanded.
  void RestoreShrinkAxis();
  void RemoveTransparency();
  void SetTransparency(std::uint8_t alpha);
  // The pager at the top of the always-on-top windows, without taking the activation.
  void KeepOnTop();
  // The pager's menu: a copy of the tray menu's items as they are now.
  void CopyTrayMenu();
  // The window in front belongs to this program (a dialog, the application's window).
  bool ForegroundIsOwn();
  TRect Bounds() const { return {Left(), Top(), Left() + Width(), Top() + Height()}; }

  TApplication& application_;
  CCustomOption& settings_;
  const std::filesystem::path settingsPath_;
  const TPopupMenu* trayMenu_;
  bool drawing_ = false;
  bool shown_ = false;  // FormShow ran and the pager was not closed since
  // The inactive animation has narrowed the pager; the user's moves then leave FullBounds.
  bool shrunk_ = false;
  int menuClicks_ = 0;  // handlers of the menu's copies running
  // The scale at the press of a drag: the pager may shrink before the release.
  CPagerScale dragScale_;
  std::function<void()> previousDeactivate_;
};
