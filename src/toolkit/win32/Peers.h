#pragma once
// What the backend keeps for each realised object; TComponent::Peer points to it.
//
// Every control window is a child of its form's window, whatever the control's Parent:
// group boxes do not pass WM_COMMAND on, so a control inside one is placed on the form
// with the group box's offset added. A control's windows live no longer than its peer:
// Release destroys the windows before it frees the peer, and when a form's window goes
// first its controls' peers simply lose their windows.
#include <vector>

#include "toolkit/win32/FormFont.h"
#include "toolkit/win32/WinApi.h"

namespace win32tk {

struct FormPeer;

struct PeerBase {
  enum class Type { Form, Control };
  explicit PeerBase(Type type) : type(type) {}
  virtual ~PeerBase() = default;
  PeerBase(const PeerBase&) = delete;
  PeerBase& operator=(const PeerBase&) = delete;
  const Type type;
};

enum class ControlKind {
  Windowless,  // a control class this backend does not draw; its children still show
  Edit,
  LabeledEdit,
  Memo,
  CheckBox,
  RadioGroup,
  ComboBox,
  Button,
  Label,
  GroupBox,
  Image,
  PageControl,
  DrawGrid,
  Panel,
  IconImage
};

inline bool IsEditKind(ControlKind kind) {
  return kind == ControlKind::Edit || kind == ControlKind::LabeledEdit || kind == ControlKind::Memo;
}

struct ControlPeer : PeerBase {
  ControlPeer(TControl& control, ControlKind kind)
      : PeerBase(Type::Control), control(&control), kind(kind) {}

  TControl* control;
  ControlKind kind;
  FormPeer* form = nullptr;  // null once the form's realisation is gone
  HWND window = nullptr;     // the control itself; the group box of a radio group
  HWND label = nullptr;      // the caption above a labelled edit
  std::vector<HWND> items;   // the buttons of a radio group
  // Above zero while the backend itself changes the window, so that the notifications
  // this causes are not taken for the user's doing.
  int echo = 0;
  // A key stroke that a key-down handler swallowed before the dialog manager could act on
  // it; the edit drops it when it arrives.
  WPARAM swallowKey = 0;

  // The windows in tab order.
  std::vector<HWND> Windows() const;
  // The window that takes the focus for the control (null when none can).
  HWND FocusWindow() const;
  void Forget(HWND window);
};

struct ModalState {
  HWND window = nullptr;  // the modal form's window, owner of message boxes
  bool ended = false;
  bool formGone = false;
  ModalState* outer = nullptr;
};

struct FormPeer : PeerBase {
  explicit FormPeer(TForm& form) : PeerBase(Type::Form), form(&form) {}

  TForm* form;
  HWND window = nullptr;
  FormFont font;
  std::vector<ControlPeer*> controls;  // realised controls, in creation order
  ModalState* modal = nullptr;         // set while a modal loop runs for the form
  bool releasing = false;              // the window is being destroyed on purpose
  bool controlsMade = false;           // the controls' windows exist (see ShowForm)
  int nextId = 100;                    // control ids stay clear of IDOK and IDCANCEL
  // Geometry last applied to or read from the window, in the form's units (a scaled
  // form's sizes in layout units): Update(Bounds) compares against it to tell whether the
  // client size or the outer rectangle was set.
  RECT bounds{};
  SIZE client{};
};

FormPeer* FormPeerOf(const TComponent& component);
ControlPeer* ControlPeerOf(const TComponent& component);
// The peer of one of the backend's control windows (stored in its GWLP_USERDATA).
ControlPeer* ControlPeerOfWindow(HWND window);
FormPeer* FormPeerOfWindow(HWND window);

// The form at the top of the control's parent chain (the control itself for a form).
TForm* FormOf(const TControl& control);
// Visible (enabled) with every parent below the form.
bool ShownOnForm(const TControl& control);
bool EnabledOnForm(const TControl& control);

}  // namespace win32tk
