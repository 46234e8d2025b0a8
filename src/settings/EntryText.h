#pragma once
// A text field of a list entry. Loading a list copies each entry's values into the next
// one for every key the file lacks, and a file may claim tens of thousands of entries,
// so equal texts of neighbouring entries share one immutable buffer instead of each
// entry holding a copy of its own.
#include <memory>
#include <ostream>
#include <string>

class CEntryText {
 public:
  // Conversions both ways are implicit: entries are filled from plain texts and read
  // as plain texts.
  CEntryText() = default;
  CEntryText(const std::string& text);
  CEntryText(const char* text);

  const std::string& Str() const { return text_ ? *text_ : EmptyText(); }
  operator const std::string&() const { return Str(); }

  // `text` as an entry field, sharing `like`'s buffer when it holds the same text, else
  // `other`'s (null: none). A new buffer is made only when neither holds it.
  static CEntryText SharedWith(const CEntryText& like, const CEntryText* other,
                               const std::string& text);

  friend bool operator==(const CEntryText& a, const CEntryText& b) { return a.Str() == b.Str(); }
  friend std::ostream& operator<<(std::ostream& out, const CEntryText& text) {
    return out << text.Str();
  }

 private:
  static const std::string& EmptyText();

  std::shared_ptr<const std::string> text_;  // null for the empty text
};
