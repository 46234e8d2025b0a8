#include "settings/OptionItem.h"

#include "toolkit/Control.h"

COptionItem::COptionItem(CItemKind kind, std::string section, std::string key,
                         std::shared_ptr<COptionItemBody> body)
    : Kind(kind), Section(std::move(section)), Key(std::move(key)), Body(std::move(body)) {}

int COptionItem::IntValue() const {
  return Body ? Body->IntValue : 0;
}

void COptionItem::SetIntValue(int value) {
  if (Body) Body->IntValue = value;
}

const std::string& COptionItem::TextValue() const {
  static const std::string empty;
  return Body ? Body->TextValue : empty;
}

void COptionItem::SetTextValue(const std::string& value) {
  if (Body) Body->TextValue = value;
}

COptionItem COptionItem::Detached() const {
  COptionItem copy(Kind, Section, Key, nullptr);
  if (Body) copy.Body = std::make_shared<COptionItemBody>(*Body);
  return copy;
}

void COptionSection::EnableControls(bool enabled) {
  for (auto& [iniKey, item] : *this) {
    if (auto* control = dynamic_cast<TControl*>(item.Control())) control->SetEnabled(enabled);
  }
}
