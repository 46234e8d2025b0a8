#include "toolkit/StdCtrls.h"

#include "toolkit/Forms.h"

TCustomEdit::TCustomEdit(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TCustomEdit::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Changed(TProperty::Text);
  if (OnChange) OnChange(*this);
}

void TCustomEdit::StoreText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  if (OnChange) OnChange(*this);
}

void TCustomEdit::SetMaxLength(int length) {
  maxLength_ = length;
  Changed(TProperty::MaxLength);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed(TProperty::ReadOnly);
}

void TCustomEdit::TypeChar(char16_t ch) {
  if (OnKeyPress) OnKeyPress(*this, ch);
  if (ch == 0 || readOnly_) return;
  if (ch == 8) {
    if (!text_.empty()) SetText(text_.substr(0, text_.size() - 1));
    return;
  }
  if (maxLength_ > 0 && static_cast<int>(text_.size()) >= maxLength_) return;
  if (ch < 0x80) SetText(text_ + static_cast<char>(ch));
}

void TCustomEdit::PressKey(std::uint16_t key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TLabeledEdit::SetLabelCaption(const std::string& caption) {
  labelCaption_ = caption;
  Changed(TProperty::Caption);
}

TCheckBox::TCheckBox(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TCheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(TProperty::Checked);
}

void TCheckBox::Click() {
  SetChecked(!checked_);
  TControl::Click();
}

TRadioGroup::TRadioGroup(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TRadioGroup::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  Changed(TProperty::Items);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  Changed(TProperty::ItemIndex);
}

void TRadioGroup::Select(int index) {
  if (index == itemIndex_) return;
  SetItemIndex(index);
  TControl::Click();
}

TComboBox::TComboBox(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  Changed(TProperty::Items);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  Changed(TProperty::ItemIndex);
}

std::string TComboBox::Text() const {
  return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
}

void TComboBox::SetText(const std::string& text) {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (items_[i] == text) return SetItemIndex(i);
  SetItemIndex(-1);
}

void TComboBox::Select(int index) {
  if (index == itemIndex_) return;
  SetItemIndex(index);
  if (OnChange) OnChange(*this);
}

TButton::TButton(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {
  TabStop = true;
}

void TButton::Click() {
  TControl::Click();
  if (ModalResult == mrNone) return;
  TControl* top = this;
  while (top->Parent()) top = top->Parent();
  if (auto* form = dynamic_cast<TForm*>(top)) form->CloseWith(ModalResult);
}
