#pragma once
// The image with its canvas, and the timer.
#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Graphics.h"

// Shows a bitmap that the program draws on through Canvas. The bitmap keeps its own size;
// the image shows its top-left part.
class TImage : public TControl {
 public:
  TImage(TComponent* owner, std::string name);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }

  // The bitmap's canvas; its device comes from the backend at the first use.
  TCanvas& Canvas();
  // Gives the bitmap a new size; what it showed is lost.
  void SetBitmapSize(int width, int height);
  TSize BitmapSize() const { return bitmapSize_; }

  // What the user does with the mouse over the image, in client pixels. Backends call
  // these; tests play the user with them.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void MouseEnter();
  void MouseLeave();
  // The right click is over: the image's pop-up menu opens at screen point (x, y).
  void ContextPopup(int x, int y);

 private:
  std::unique_ptr<TCanvas> canvas_;
  TSize bitmapSize_;
};

// Calls OnTimer every Interval milliseconds while it is enabled.
class TTimer : public TComponent {
 public:
  TTimer(TComponent* owner, std::string name);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  // A new interval starts counting afresh.
  void SetInterval(unsigned milliseconds);
  TNotifyEvent OnTimer;

  // One interval has passed: OnTimer runs if the timer is still enabled. The win32
  // backend calls it from its timer message; headless tests call it to step.
  void Tick();

 private:
  // Tells the backend whether ticks are wanted now.
  void Apply();

  bool enabled_ = true;
  unsigned interval_ = 1000;
};
