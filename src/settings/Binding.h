#pragma once
// Binding dialog controls to named values, from the dialogs' form-creation handlers. The
// item key comes from the control's name (see ItemKeyOf); binding a key twice keeps the
// first binding.
#include <string>

#include "settings/OptionItem.h"

class CCustomOption;
class TComponent;

// Integer for a check box, menu item or radio group; text for a memo, edit, combo box or
// labelled edit; any other control is not bound.
void Bind(CCustomOption& settings, TComponent* control, const std::string& section);
// For the number edits and the choice combo boxes, whose values are integers.
void BindInt(CCustomOption& settings, TComponent* control, const std::string& section);
void BindText(CCustomOption& settings, TComponent* control, const std::string& section);
// The common worker: a new body (integer 0, empty text), an item in the item map under
// its key and in the section's map under its INI key.
void AddItem(CCustomOption& settings, CItemKind kind, TComponent* control,
             const std::string& section);
