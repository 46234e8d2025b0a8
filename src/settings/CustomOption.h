#pragma once
// The root of the settings objects. A settings object is itself the ordered map from item
// key to binding record (keys in byte-wise order), and holds a second map from section
// name to the items of that section. Subclasses override the operations below rather
// than the load and save sequences.
#include <map>
#include <string>

#include "settings/OptionItem.h"

class CCustomOption : public std::map<std::string, COptionItem> {
 public:
  CCustomOption() = default;
  CCustomOption(const CCustomOption&) = delete;
  CCustomOption& operator=(const CCustomOption&) = delete;

  // The operations in their fixed order.
  virtual bool ValidateLoaded() = 0;
  // Checks the controls' input before anything is stored; false keeps the dialog open.
  virtual bool ValidateInput() = 0;
  // Called while the settings file is still open after a load / a save.
  virtual void AfterLoad() {}
  virtual void AfterSave() {}
  // Puts the loaded or saved values to work.
  virtual void Apply() {}
  // Frees every body (the section map's copies share them).
  virtual ~CCustomOption();
  // Every item, in key order: value to control / control to value.
  virtual void ToControls();
  virtual void FromControls();
  // The controls' design-time state becomes every value's default, then the file
  // overrides it key by key.
  virtual void Initialize();
  virtual bool Load() = 0;
  virtual bool Save() = 0;

  // The items of a section, keyed by INI key; an unknown section is added empty.
  COptionSection& Section(const std::string& name);
  const std::map<std::string, COptionSection>& Sections() const { return sections_; }

 private:
  std::map<std::string, COptionSection> sections_;
};
