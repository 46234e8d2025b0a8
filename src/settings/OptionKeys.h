#pragma once
// How a bound control's name becomes its item key, and the item key its INI key.
#include <string>

class TComponent;

// The component name less its class word: a control is named after its class without the
// leading "T", followed by the key, so length(ClassName()) - 1 characters go.
// "LabeledEditVirtualDesktopCount" (a TLabeledEdit) gives "VirtualDesktopCount".
std::string ItemKeyOf(const TComponent& control);

// The key as written in the file: the item key less the section name when it begins with
// it ("VirtualDesktopCount" in "VirtualDesktop" is "Count"). A key equal to its section
// name stays whole, so no key is ever empty.
std::string IniKeyOf(const std::string& itemKey, const std::string& section);
