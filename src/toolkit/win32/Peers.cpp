#include "toolkit/win32/Peers.h"

#include <algorithm>

#include "toolkit/win32/WindowClasses.h"

namespace win32tk {

std::vector<HWND> ControlPeer::Windows() const {
  std::vector<HWND> windows;
  if (label) windows.push_back(label);
  if (window) windows.push_back(window);
  for (HWND item : items)
    if (item) windows.push_back(item);
  return windows;
}

HWND ControlPeer::FocusWindow() const {
  switch (kind) {
    case ControlKind::Windowless:
    case ControlKind::Label:
    case ControlKind::GroupBox:
      return nullptr;
    case ControlKind::RadioGroup: {
      for (HWND item : items)
        if (item && SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED) return item;
      return items.empty() ? nullptr : items.front();
    }
    default:
      return window;
  }
}

void ControlPeer::Forget(HWND gone) {
  if (window == gone) window = nullptr;
  if (label == gone) label = nullptr;
  std::replace(items.begin(), items.end(), gone, HWND{});
}

FormPeer* FormPeerOf(const TComponent& component) {
  auto* peer = static_cast<PeerBase*>(component.Peer);
  return peer && peer->type == PeerBase::Type::Form ? static_cast<FormPeer*>(peer) : nullptr;
}

ControlPeer* ControlPeerOf(const TComponent& component) {
  auto* peer = static_cast<PeerBase*>(component.Peer);
  return peer && peer->type == PeerBase::Type::Control ? static_cast<ControlPeer*>(peer) : nullptr;
}

ControlPeer* ControlPeerOfWindow(HWND window) {
  if (!window || !IsFormWindow(GetParent(window))) return nullptr;
  return reinterpret_cast<ControlPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

FormPeer* FormPeerOfWindow(HWND window) {
  if (!IsFormWindow(window)) return nullptr;
  return reinterpret_cast<FormPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

TForm* FormOf(const TControl& control) {
  const TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

bool ShownOnForm(const TControl& control) {
  for (const TControl* c = &control; c && c->Parent(); c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

bool EnabledOnForm(const TControl& control) {
  for (const TControl* c = &control; c && c->Parent(); c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

}  // namespace win32tk
