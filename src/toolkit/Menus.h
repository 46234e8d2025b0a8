#pragma once
// Menu items and pop-up menus. A menu item is a component, not a visual control: it has
// no enabled state that the settings framework manages and no window of its own.
#include <string>
#include <vector>

#include "toolkit/Control.h"

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // A check item toggles its own check mark when chosen.
  bool AutoCheck = false;
  bool IsSeparator() const { return caption_ == "-"; }

  TNotifyEvent OnClick;
  // Chooses the item as the user does.
  void Click();

 private:
  void Changed(TProperty what);

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
};

class TPopupMenu : public TComponent {
 public:
  TPopupMenu(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TPopupMenu"; }
  // The items in menu order (the menu does not own them; their form does). Hidden items
  // are left out when the menu opens; a caption "-" is a separator.
  std::vector<TMenuItem*> Items;
  // Runs before the menu opens, so the items can be enabled or disabled.
  TNotifyEvent OnPopup;
  // The control the menu was last opened for (null when opened by other means).
  TControl* PopupComponent = nullptr;

  // Opens the menu at screen point (x, y) and waits until it closes; the chosen item's
  // Click runs before this returns.
  void Popup(int x, int y);
};
