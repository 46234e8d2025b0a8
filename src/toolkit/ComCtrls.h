#pragma once
// The page control and its tab sheets. One page shows at a time: the sheet is a container
// without a window of its own, and the controls placed on it show and hide with it.
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "toolkit/Control.h"

class TPageControl;

class TTabSheet : public TControl {
 public:
  using TControl::TControl;
  ~TTabSheet() override;
  std::string ClassName() const override { return "TTabSheet"; }

  TPageControl* PageControl() const { return pageControl_; }
  // Makes the sheet the last page of `control`, which must be placed already: the sheet
  // takes the page area as its bounds and is visible only while it is the active page.
  void SetPageControl(TPageControl* control);
  // Position among the pages, -1 when on none.
  int PageIndex() const;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
};

class TPageControl : public TControl {
 public:
  TPageControl(TComponent* owner, std::string name);
  ~TPageControl() override;
  std::string ClassName() const override { return "TPageControl"; }

  // Height of the row of tabs above the pages, and the page area's margin on the other
  // three sides, in pixels.
  static constexpr int TabHeight = 22;
  static constexpr int PageMargin = 4;

  const std::vector<TTabSheet*>& Pages() const { return pages_; }
  TTabSheet* ActivePage() const;
  int ActivePageIndex() const { return activePage_; }
  // Shows the page and hides the others; no event.
  void SetActivePageIndex(int index);
  void SetActivePage(TTabSheet* sheet);
  // Chooses a page as the user does with its tab: fires OnChange when the page changes.
  void SelectPage(int index);
  TNotifyEvent OnChange;

  // The area the pages take, in the control's own coordinates.
  TRect PageRect() const;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet* sheet);
  void RemovePage(TTabSheet* sheet);

  std::vector<TTabSheet*> pages_;
  int activePage_ = -1;
};
