#pragma once
// The pager: a small always-on-top tool window showing the virtual screens. It holds the
// model of the virtual screens (CVirtualScreen) and supplies its window, its redrawing and
// its inactive animation to it.
#include "desktop/VirtualScreen.h"
#include "toolkit/Forms.h"

class Program;

class TFormVirtualDesktop : public TForm, public CVirtualScreen {
 public:
  explicit TFormVirtualDesktop(Program& program);
  std::string ClassName() const override { return "TFormVirtualDesktop"; }

  // -1 expanded and idle; 0 and up, the inactive animation's counter.
  int AnimationStep = -1;
  // The pager's bounds when expanded; shrinking and fading restore from them.
  TRect FullBounds;

  // Draws the frames and the windows on them. Nothing is drawn yet: the canvas, the cells
  // and the window rectangles come with the pager's drawing.
  void DrawPager() override;
  // Starts shrinking or fading the pager as when the application loses activation. Does
  // nothing until the pager's timer and animation exist.
  void StartInactiveAnimation() override;
  // Each time the pager becomes visible: the window list is taken afresh, so the first
  // frame switch by hot key has windows to move. (Its menu, transparency, activation and
  // topmost steps come with the rest of the pager.)
  void FormShow();

 protected:
  WindowHandle PagerWindow() override;
  bool StartupPending() override;
  bool PagerExpanded() override { return AnimationStep == -1; }
  void MakePagerOpaque() override;

 private:
  Program& program_;
};
