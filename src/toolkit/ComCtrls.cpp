#include "toolkit/ComCtrls.h"

#include <algorithm>

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
  if (pageControl_ == control) return;
  if (pageControl_) pageControl_->RemovePage(this);
  if (control) control->AddPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->Pages();
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

TPageControl::TPageControl(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

TPageControl::~TPageControl() {
  for (TTabSheet* sheet : pages_) sheet->pageControl_ = nullptr;
}

TTabSheet* TPageControl::ActivePage() const {
  return activePage_ >= 0 ? pages_[static_cast<std::size_t>(activePage_)] : nullptr;
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) index = -1;
  if (index == activePage_) return;
  activePage_ = index;
  // The page that goes hides first, so that no two pages show at once.
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i)
    if (i != index) pages_[static_cast<std::size_t>(i)]->SetVisible(false);
  if (TTabSheet* page = ActivePage()) page->SetVisible(true);
  Changed(TProperty::ItemIndex);
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
  SetActivePageIndex(sheet ? sheet->PageIndex() : -1);
}

void TPageControl::SelectPage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size()) || index == activePage_) return;
  SetActivePageIndex(index);
  if (OnChange) OnChange(*this);
}

TRect TPageControl::PageRect() const {
  return {PageMargin, TabHeight + PageMargin, std::max(Width() - PageMargin, PageMargin),
          std::max(Height() - PageMargin, TabHeight + PageMargin)};
}

void TPageControl::AddPage(TTabSheet* sheet) {
  sheet->pageControl_ = this;
  pages_.push_back(sheet);
  const TRect area = PageRect();
  sheet->SetBounds(area.Left, area.Top, area.Width(), area.Height());
  // The first page added becomes the active one; later ones wait hidden.
  sheet->SetVisible(activePage_ < 0);
  sheet->SetParent(this);
  if (activePage_ < 0) activePage_ = 0;
  Changed(TProperty::Items);
}

void TPageControl::RemovePage(TTabSheet* sheet) {
  auto it = std::find(pages_.begin(), pages_.end(), sheet);
  if (it == pages_.end()) return;
  const int index = static_cast<int>(it - pages_.begin());
  pages_.erase(it);
  sheet->pageControl_ = nullptr;
  if (index < activePage_) {
    --activePage_;
  } else if (index == activePage_) {
    activePage_ = -1;
    SetActivePageIndex(std::min(index, static_cast<int>(pages_.size()) - 1));
  }
  Changed(TProperty::Items);
}
