#include "settings/ItemStorage.h"

#include "settings/IniFile.h"
#include "settings/OptionItem.h"
#include "settings/ValueEncoding.h"
#include "toolkit/StdCtrls.h"

bool IsMemoItem(const COptionItem& item) {
  return dynamic_cast<TMemo*>(item.Control());
}

void ReadItemValue(const CIniFile& file, const std::string& section, const std::string& iniKey,
                   COptionItem& item) {
  if (!item.Body) return;
  if (item.IsInt()) {
    item.SetIntValue(file.ReadInteger(section, iniKey, item.IntValue()));
  } else if (IsMemoItem(item)) {
    if (file.KeyExists(section, iniKey))
      item.SetTextValue(DecodeMemoText(file.ReadString(section, iniKey, item.TextValue())));
  } else {
    item.SetTextValue(file.ReadString(section, iniKey, item.TextValue()));
  }
}

void WriteItemValue(CIniFile& file, const std::string& section, const std::string& iniKey,
                    const COptionItem& item) {
  if (!item.Body) return;
  if (item.IsInt()) {
    file.WriteInteger(section, iniKey, item.IntValue());
    return;
  }
  std::string text = IsMemoItem(item) ? EncodeMemoText(item.TextValue()) : item.TextValue();
  file.WriteString(section, iniKey, "\"" + text + "\"");
}
