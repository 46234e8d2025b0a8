#pragma once
// Reading and writing one item's value in the open settings file, shared by the single
// values and the lists (which add the entry index to the INI key).
#include <string>

class CIniFile;
class COptionItem;

// An integer item keeps its value when the key is missing or holds no integer. A memo's
// text is read only when the key exists, and decoded; any other text item takes the
// stored text, or keeps its value when the key is missing.
void ReadItemValue(const CIniFile& file, const std::string& section, const std::string& iniKey,
                   COptionItem& item);

// An integer in decimal; a text in double quotes (which keep its outer spaces), a memo's
// text encoded first.
void WriteItemValue(CIniFile& file, const std::string& section, const std::string& iniKey,
                    const COptionItem& item);

// Whether the item's control is a memo, whose text is encoded in the file.
bool IsMemoItem(const COptionItem& item);
