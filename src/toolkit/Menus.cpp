#include "toolkit/Menus.h"

#include "toolkit/Backend.h"

TMenuItem::TMenuItem(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TMenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed(TProperty::Caption);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(TProperty::Checked);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed(TProperty::Enabled);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed(TProperty::Visible);
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (AutoCheck) SetChecked(!checked_);
  if (OnClick) OnClick(*this);
}

void TMenuItem::Changed(TProperty what) {
  if (!Peer) return;
  if (ToolkitBackend* backend = Backend()) backend->Update(*this, what);
}

TPopupMenu::TPopupMenu(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(*this);
  ToolkitBackend* backend = Backend();
  if (!backend) return;
  if (TMenuItem* chosen = backend->TrackPopupMenu(*this, x, y)) chosen->Click();
}
