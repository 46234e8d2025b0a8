#include "settings/OptionKeys.h"

#include "toolkit/Component.h"

std::string ItemKeyOf(const TComponent& control) {
  const std::string& name = control.Name();
  std::size_t classWord = control.ClassName().size();
  classWord = classWord > 0 ? classWord - 1 : 0;
  return classWord < name.size() ? name.substr(classWord) : std::string();
}

std::string IniKeyOf(const std::string& itemKey, const std::string& section) {
  if (!section.empty() && itemKey.size() > section.size() && itemKey.starts_with(section))
    return itemKey.substr(section.size());
  return itemKey;
}
