#pragma once
// The program's icon in the notification area. It has no window of its own: the backend
// adds it to the notification area while it is visible and removes it when it is hidden
// or goes. A right click on it opens its pop-up menu at the pointer; a left click does
// nothing.
#include <string>

#include "toolkit/Component.h"

class TPopupMenu;

class TTrayIcon : public TComponent {
 public:
  TTrayIcon(TComponent* owner, std::string name);
  ~TTrayIcon() override;
  std::string ClassName() const override { return "TTrayIcon"; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // The tool tip (code page 932).
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // The ICON resource of the executable that the icon shows.
  int IconResource = 1;
  TPopupMenu* PopupMenu = nullptr;

  // The user released the right button on the icon, with the pointer at screen point
  // (x, y): the menu opens there and runs the chosen item.
  void RightClick(int x, int y);

 private:
  void Changed();

  bool visible_ = false;
  std::string hint_;
};
