#include "settings/OptionTransfer.h"

#include "settings/OptionItem.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/SysUtils.h"

// The kind of control decides first; the item's kind matters only for edits and combo
// boxes, which hold either a number or a text.

namespace {

bool IsSingleLineEdit(TComponent* control) {
  return dynamic_cast<TEdit*>(control) || dynamic_cast<TLabeledEdit*>(control);
}

}  // namespace

void ValueToControl(const COptionItem& item) {
  TComponent* control = item.Control();
  if (!control) return;
  if (auto* checkBox = dynamic_cast<TCheckBox*>(control)) {
    checkBox->SetChecked(item.IntValue() != 0);
  } else if (auto* menuItem = dynamic_cast<TMenuItem*>(control)) {
    menuItem->SetChecked(item.IntValue() != 0);
  } else if (auto* radioGroup = dynamic_cast<TRadioGroup*>(control)) {
    radioGroup->SetItemIndex(item.IntValue());
  } else if (auto* memo = dynamic_cast<TMemo*>(control)) {
    memo->SetText(item.TextValue());
  } else if (IsSingleLineEdit(control) && item.IsInt()) {
    static_cast<TCustomEdit*>(control)->SetText(IntToStr(item.IntValue()));
  } else if (auto* comboBox = dynamic_cast<TComboBox*>(control); comboBox && item.IsInt()) {
    comboBox->SetItemIndex(item.IntValue());
  } else if (IsSingleLineEdit(control)) {
    static_cast<TCustomEdit*>(control)->SetText(item.TextValue());
  } else if (auto* textCombo = dynamic_cast<TComboBox*>(control)) {
    textCombo->SetText(item.TextValue());
  }
}

void ControlToValue(COptionItem& item) {
  TComponent* control = item.Control();
  if (!control) return;
  if (auto* checkBox = dynamic_cast<TCheckBox*>(control)) {
    item.SetIntValue(checkBox->Checked() ? 1 : 0);
  } else if (auto* menuItem = dynamic_cast<TMenuItem*>(control)) {
    item.SetIntValue(menuItem->Checked() ? 1 : 0);
  } else if (auto* radioGroup = dynamic_cast<TRadioGroup*>(control)) {
    item.SetIntValue(radioGroup->ItemIndex());
  } else if (auto* memo = dynamic_cast<TMemo*>(control)) {
    item.SetTextValue(memo->Text());
  } else if (IsSingleLineEdit(control) && item.IsInt()) {
    item.SetIntValue(StrToInt(static_cast<TCustomEdit*>(control)->Text()));
  } else if (auto* comboBox = dynamic_cast<TComboBox*>(control); comboBox && item.IsInt()) {
    item.SetIntValue(comboBox->ItemIndex());
  } else if (IsSingleLineEdit(control)) {
    item.SetTextValue(static_cast<TCustomEdit*>(control)->Text());
  } else if (auto* textCombo = dynamic_cast<TComboBox*>(control)) {
    item.SetTextValue(textCombo->Text());
  }
}
