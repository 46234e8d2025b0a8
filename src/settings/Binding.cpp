#include "settings/Binding.h"

#include "settings/CustomOption.h"
#include "settings/OptionKeys.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

void Bind(CCustomOption& settings, TComponent* control, const std::string& section) {
  if (dynamic_cast<TCheckBox*>(control) || dynamic_cast<TMenuItem*>(control) ||
      dynamic_cast<TRadioGroup*>(control)) {
    BindInt(settings, control, section);
  } else if (dynamic_cast<TMemo*>(control) || dynamic_cast<TEdit*>(control) ||
             dynamic_cast<TComboBox*>(control) || dynamic_cast<TLabeledEdit*>(control)) {
    BindText(settings, control, section);
  }
}

void BindInt(CCustomOption& settings, TComponent* control, const std::string& section) {
  AddItem(settings, CItemKind::Int, control, section);
}

void BindText(CCustomOption& settings, TComponent* control, const std::string& section) {
  AddItem(settings, CItemKind::Text, control, section);
}

void AddItem(CCustomOption& settings, CItemKind kind, TComponent* control,
             const std::string& section) {
  if (!control) return;
  auto body = std::make_shared<COptionItem::COptionItemBody>();
  body->Control = control;
  std::string key = ItemKeyOf(*control);
  COptionItem item(kind, section, key, std::move(body));
  auto [stored, added] = settings.emplace(key, item);
  if (!added) {
    // A lookup before the binding left a record without a body; binding fills it in.
    if (stored->second.Body) return;
    stored->second = item;
  }
  settings.Section(section).emplace(IniKeyOf(key, section), stored->second);
}
