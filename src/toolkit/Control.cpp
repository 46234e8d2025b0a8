#include "toolkit/Control.h"

#include <algorithm>

#include "toolkit/Backend.h"

TControl::TControl(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TControl::~TControl() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TControl* child : children_) child->parent_ = nullptr;
  if (Peer) {
    if (ToolkitBackend* backend = Backend()) backend->Release(*this);
    Peer = nullptr;
  }
}

void TControl::SetParent(TControl* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
  // Controls placed on a form that already has its window get one at once.
  if (parent_ && !Peer) {
    TControl* top = parent_;
    while (top->parent_) top = top->parent_;
    if (top->Peer)
      if (ToolkitBackend* backend = Backend()) backend->RealizeControl(*this);
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  StoreBounds(left, top, width, height);
  Changed(TProperty::Bounds);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed(TProperty::Caption);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(TProperty::Enabled);
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(TProperty::Visible);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

void TControl::Changed(TProperty what) {
  if (!Peer) return;
  if (ToolkitBackend* backend = Backend()) backend->Update(*this, what);
}
