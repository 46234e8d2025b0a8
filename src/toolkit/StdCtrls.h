#pragma once
// The standard controls of the dialogs.
#include <string>
#include <vector>

#include "toolkit/Control.h"

// Common state of the single-line edit, the labelled edit and the memo. They are
// siblings below this class: a memo is not an edit, and neither is a labelled edit.
class TCustomEdit : public TControl {
 public:
  TCustomEdit(TComponent* owner, std::string name);

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int MaxLength() const { return maxLength_; }  // bytes; 0 is unlimited
  void SetMaxLength(int length);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Whether entering the edit with the keyboard selects its whole text.
  bool AutoSelect = true;

  // Backends record the user's typing here; fires OnChange.
  void StoreText(const std::string& text);
  TNotifyEvent OnChange;

  // Plays the user typing one character (UTF-16 code unit, ASCII for the tests' use):
  // OnKeyPress may discard it; otherwise it is appended, or removes the last character
  // for backspace. Read-only edits and text at MaxLength take nothing.
  void TypeChar(char16_t ch);
  // Plays a key stroke without a character: OnKeyDown, then OnKeyUp.
  void PressKey(std::uint16_t key, TShiftState shift);

 private:
  std::string text_;
  int maxLength_ = 0;
  bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::string ClassName() const override { return "TEdit"; }
};

enum class TLabelPosition { Above, Left };

// An edit with a caption label above it (or to its left).
class TLabeledEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::string ClassName() const override { return "TLabeledEdit"; }
  const std::string& LabelCaption() const { return labelCaption_; }
  void SetLabelCaption(const std::string& caption);
  // Design-time: where the label sits, set before the form is shown.
  TLabelPosition LabelPosition = TLabelPosition::Above;

 private:
  std::string labelCaption_;
};

// Multi-line edit; its text separates lines with CR LF.
class TMemo : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::string ClassName() const override { return "TMemo"; }
  bool WantReturns = true;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TCheckBox"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void StoreChecked(bool checked) { checked_ = checked; }
  // Toggles the check mark and fires OnClick, as a click of the user does.
  void Click() override;

 private:
  bool checked_ = false;
};

class TRadioGroup : public TControl {
 public:
  TRadioGroup(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TRadioGroup"; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Columns = 1;
  // Selects an item as the user does: fires OnClick when the choice changes.
  void Select(int index);
  void StoreItemIndex(int index) { itemIndex_ = index; }

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class TComboBox : public TControl {
 public:
  TComboBox(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TComboBox"; }
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The selected item's text ("" when none).
  std::string Text() const;
  // Selecting an item's text selects the item; unknown text selects none.
  void SetText(const std::string& text);
  void Select(int index);  // as the user does; fires OnChange
  void StoreItemIndex(int index) { itemIndex_ = index; }
  TNotifyEvent OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TButton : public TControl {
 public:
  TButton(TComponent* owner, std::string name);
  std::string ClassName() const override { return "TButton"; }
  TModalResult ModalResult = mrNone;
  bool Default = false;  // pressed by Enter
  bool Cancel = false;   // pressed by Esc
  // Fires OnClick, then closes the form with ModalResult when it is set.
  void Click() override;
};

class TLabel : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TLabel"; }
};

class TGroupBox : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TGroupBox"; }
};
