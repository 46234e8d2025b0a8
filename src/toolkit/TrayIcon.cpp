#include "toolkit/TrayIcon.h"

#include "toolkit/Backend.h"
#include "toolkit/Menus.h"

TTrayIcon::TTrayIcon(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TTrayIcon::~TTrayIcon() {
  // An icon left behind would stay in the notification area until the pointer passes it.
  if (visible_) {
    visible_ = false;
    Changed();
  }
}

void TTrayIcon::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void TTrayIcon::SetHint(const std::string& hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  if (visible_) Changed();
}

void TTrayIcon::RightClick(int x, int y) {
  if (!PopupMenu) return;
  PopupMenu->PopupComponent = nullptr;
  PopupMenu->Popup(x, y);
}

void TTrayIcon::Changed() {
  if (ToolkitBackend* backend = Backend()) backend->UpdateTrayIcon(*this);
}
