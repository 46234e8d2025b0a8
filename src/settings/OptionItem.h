#pragma once
// The binding record of one setting: which control it belongs to, where it is stored and
// the value it holds.
#include <map>
#include <memory>
#include <string>

class TComponent;

// Integer items hold the integer value; every other item holds text.
enum class CItemKind { Int, Text };

class COptionItem {
 public:
  // The value holder. The item in the settings object's item map and the copy in its
  // section's map share one body, so a value set through either is seen by both.
  struct COptionItemBody {
    TComponent* Control = nullptr;  // not owned
    int IntValue = 0;
    std::string TextValue;
  };

  // No body: the item a lookup of an unknown key inserts. It reads as 0 and "", ignores
  // writes, and Load, Save and the transfers pass over it.
  COptionItem() = default;
  COptionItem(CItemKind kind, std::string section, std::string key,
              std::shared_ptr<COptionItemBody> body);

  CItemKind Kind = CItemKind::Text;
  std::string Section;
  std::string Key;  // the full item key; the INI key is worked out from it when needed
  std::shared_ptr<COptionItemBody> Body;

  bool IsInt() const { return Kind == CItemKind::Int; }
  TComponent* Control() const { return Body ? Body->Control : nullptr; }

  // Values only: neither the control nor the file is touched.
  int IntValue() const;
  void SetIntValue(int value);
  const std::string& TextValue() const;
  void SetTextValue(const std::string& value);

  // A copy with a body of its own (same control, same values), to read a control into
  // without changing the stored value.
  COptionItem Detached() const;
};

// The items of one section, keyed by their INI keys.
class COptionSection : public std::map<std::string, COptionItem> {
 public:
  // Enables or disables the bound visual controls; menu items are not visual controls and
  // keep their state.
  void EnableControls(bool enabled);
};
