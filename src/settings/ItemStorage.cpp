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
  // One buffer for every value written: a list's save writes thousands of them.
  thread_local std::string quoted;
  quoted.assign(1, '"');
  if (IsMemoItem(item))
    quoted.append(EncodeMemoText(item.TextValue()));
  else
    quoted.append(item.TextValue());
  quoted.push_back('"');
  file.WriteString(section, iniKey, quoted);
}
