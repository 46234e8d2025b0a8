#include "settings/EntryText.h"

CEntryText::CEntryText(const std::string& text) {
  if (!text.empty()) text_ = std::make_shared<const std::string>(text);
}

CEntryText::CEntryText(const char* text) : CEntryText(std::string(text ? text : "")) {}

CEntryText CEntryText::SharedWith(const CEntryText& like, const CEntryText* other,
                                  const std::string& text) {
  if (like.Str() == text) return like;
  if (other && other->Str() == text) return *other;
  return CEntryText(text);
}

const std::string& CEntryText::EmptyText() {
  static const std::string empty;
  return empty;
}
