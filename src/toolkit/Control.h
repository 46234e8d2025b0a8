#pragma once
// Visual controls: geometry, enabled and visible state, caption, parent. The object holds
// the state; a backend realises it and reports the user's changes back.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Component.h"

// Which property changed, so a backend updates only that part of its realisation.
enum class TProperty {
  Bounds,
  Caption,
  Text,
  Enabled,
  Visible,
  Checked,
  Items,
  ItemIndex,
  ReadOnly,
  MaxLength,
  Font,
  Other
};

// Modifier state of key and mouse events.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

class TControl;
class TPopupMenu;
enum class TMouseButton { Left, Right, Middle };
using TNotifyEvent = std::function<void(TComponent& sender)>;
// `key` is a virtual-key code; setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TComponent& sender, std::uint16_t& key, TShiftState shift)>;
// `key` is a UTF-16 code unit; setting it to 0 discards the character.
using TKeyPressEvent = std::function<void(TComponent& sender, char16_t& key)>;
// Mouse positions are in the control's client pixels.
using TMouseEvent =
    std::function<void(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent& sender, TShiftState shift, int x, int y)>;

struct TFont {
  std::string Name;  // code page 932
  int Height = 12;   // pixels
  bool operator==(const TFont&) const = default;
};

class TControl : public TComponent {
 public:
  TControl(TComponent* owner, std::string name);
  ~TControl() override;

  TControl* Parent() const { return parent_; }
  void SetParent(TControl* parent);
  const std::vector<TControl*>& Children() const { return children_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Whether the control takes part in the Tab key's round (in child order).
  bool TabStop = false;

  // Backends call these to record what the user did, without echoing it back.
  void StoreBounds(int left, int top, int width, int height);
  void StoreCaption(const std::string& caption) { caption_ = caption; }

  TNotifyEvent OnClick;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDblClick;
  // Shown by a right click on the control (after OnMouseDown and OnMouseUp), at the pointer.
  TPopupMenu* PopupMenu = nullptr;
  virtual void Click();

 protected:
  // Tells the backend, when the control is realised, that `what` changed.
  void Changed(TProperty what);

 private:
  TControl* parent_ = nullptr;
  std::vector<TControl*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
};
