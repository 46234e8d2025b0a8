#include "settings/IniDocument.h"

#include "text/ShiftJis.h"

namespace {

// The blanks the profile functions trim around names and values (0x1A is the old
// end-of-file mark some editors leave behind).
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n' || c == '\x1A';
}

// Shrinks [begin, end) of `text` to its non-blank middle.
void Trim(std::string_view text, std::size_t& begin, std::size_t& end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
}

// The closing bracket of a section header, skipping double-byte characters whose trail
// byte is 0x5D.
std::size_t FindClosingBracket(std::string_view text, std::size_t from, std::size_t end) {
  for (std::size_t i = from; i < end;) {
    if (text[i] == ']') return i;
    i += (IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < end) ? 2 : 1;
  }
  return std::string_view::npos;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

CIniDocument::CIniDocument(std::string bytes) : source_(std::move(bytes)) {
  const std::size_t size = source_.size();
  std::size_t pos = 0;
  while (pos < size) {
    std::size_t lineEnd = pos;
    while (lineEnd < size && source_[lineEnd] != '\r' && source_[lineEnd] != '\n') ++lineEnd;
    std::size_t next = lineEnd;
    if (next < size)
      next += (source_[next] == '\r' && next + 1 < size && source_[next + 1] == '\n') ? 2 : 1;
    std::size_t contentBegin = pos;
    // An editor may have saved the file with a byte-order mark; it is no part of a name.
    if (pos == 0 && std::string_view(source_).substr(0, lineEnd).starts_with(kUtf8Bom))
      contentBegin += kUtf8Bom.size();
    AddLine(pos, contentBegin, lineEnd, next);
    pos = next;
  }
}

void CIniDocument::AddLine(std::size_t begin, std::size_t contentBegin, std::size_t contentEnd,
                           std::size_t next) {
  const std::string_view text = source_;
  std::size_t first = contentBegin, last = contentEnd;
  Trim(text, first, last);
  if (first == last) return AddRun(Kind::Blank, begin, next);

  if (text[first] == '[') {
    std::size_t close = FindClosingBracket(text, first + 1, last);
    if (close == std::string_view::npos) return AddRun(Kind::Other, begin, next);
    std::size_t nameBegin = first + 1, nameEnd = close;
    Trim(text, nameBegin, nameEnd);
    Section section;
    Entry header{Kind::Header, -1, begin, next, nameBegin, nameEnd - nameBegin, 0, 0};
    section.entries.push_back(header);
    sectionIndex_.emplace(FoldShiftJisCase(text.substr(nameBegin, nameEnd - nameBegin)),
                          sections_.size());
    sections_.push_back(std::move(section));
    return;
  }
  if (text[first] == ';') return AddRun(Kind::Other, begin, next);

  // '=' is below 0x40, so it is never the trail byte of a double-byte character.
  std::size_t equals = text.find('=', first);
  if (equals == std::string_view::npos || equals >= last) return AddRun(Kind::Other, begin, next);
  std::size_t keyBegin = first, keyEnd = equals;
  std::size_t valueBegin = equals + 1, valueEnd = last;
  Trim(text, keyBegin, keyEnd);
  Trim(text, valueBegin, valueEnd);
  if (keyBegin == keyEnd) return AddRun(Kind::Other, begin, next);

  Section& section = sections_.back();
  section.keys.emplace(FoldShiftJisCase(text.substr(keyBegin, keyEnd - keyBegin)),
                       section.entries.size());
  section.entries.push_back(Entry{Kind::Key, -1, begin, next, keyBegin, keyEnd - keyBegin,
                                  valueBegin, valueEnd - valueBegin});
}

void CIniDocument::AddRun(Kind kind, std::size_t begin, std::size_t next) {
  std::vector<Entry>& entries = sections_.back().entries;
  if (!entries.empty() && entries.back().kind == kind && entries.back().owned < 0 &&
      entries.back().end == begin) {
    entries.back().end = next;
    return;
  }
  entries.push_back(Entry{kind, -1, begin, next, 0, 0, 0, 0});
}

std::string_view CIniDocument::TextOf(const Entry& entry) const {
  if (entry.owned >= 0) return owned_[static_cast<std::size_t>(entry.owned)];
  return source_;
}

const CIniDocument::Section* CIniDocument::FindSection(std::string_view name) const {
  auto found = sectionIndex_.find(FoldShiftJisCase(name));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::string_view> CIniDocument::Find(std::string_view section,
                                                   std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  auto found = s->keys.find(FoldShiftJisCase(key));
  if (found == s->keys.end()) return std::nullopt;
  const Entry& entry = s->entries[found->second];
  return TextOf(entry).substr(entry.valueBegin, entry.valueLength);
}

CIniDocument::Entry CIniDocument::MakeOwned(Kind kind, std::string text, std::size_t keyLength) {
  Entry entry;
  entry.kind = kind;
  entry.owned = static_cast<std::ptrdiff_t>(owned_.size());
  entry.keyLength = keyLength;
  if (kind == Kind::Key) {
    // Reads see the value as they will after the file is read again: blanks trimmed.
    std::size_t valueBegin = keyLength + 1, valueEnd = text.size();
    Trim(text, valueBegin, valueEnd);
    entry.valueBegin = valueBegin;
    entry.valueLength = valueEnd - valueBegin;
  }
  owned_.push_back(std::move(text));
  return entry;
}

CIniDocument::Section& CIniDocument::AddSection(std::string_view name) {
  // A blank line between the last section and the new one, as the profile functions do.
  std::vector<Entry>& last = sections_.back().entries;
  if (!last.empty() && last.back().kind != Kind::Blank)
    last.push_back(MakeOwned(Kind::Blank, "", 0));
  Section section;
  Entry header = MakeOwned(Kind::Header, "[" + std::string(name) + "]", 0);
  header.keyBegin = 1;
  header.keyLength = name.size();
  section.entries.push_back(header);
  sectionIndex_.emplace(FoldShiftJisCase(name), sections_.size());
  sections_.push_back(std::move(section));
  return sections_.back();
}

void CIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line;
  std::size_t index = 0;
  if (const Section* found = FindSection(section)) {
    index = static_cast<std::size_t>(found - sections_.data());
  } else {
    AddSection(section);
    index = sections_.size() - 1;
  }
  Section& s = sections_[index];

  std::string folded = FoldShiftJisCase(key);
  auto existing = s.keys.find(folded);
  if (existing != s.keys.end()) {
    // Keep the key as it is spelled in the file.
    Entry& entry = s.entries[existing->second];
    key = TextOf(entry).substr(entry.keyBegin, entry.keyLength);
  }
  line.reserve(key.size() + 1 + value.size());
  line.append(key).append(1, '=');
  for (char c : value) line.push_back(c == '\r' || c == '\n' ? ' ' : c);

  if (existing != s.keys.end()) {
    Entry& entry = s.entries[existing->second];
    std::ptrdiff_t reuse = entry.owned;
    entry = MakeOwned(Kind::Key, std::move(line), key.size());
    if (reuse >= 0) {
      // The line was written before: its old text is no longer needed.
      owned_[static_cast<std::size_t>(reuse)] = std::move(owned_.back());
      owned_.pop_back();
      entry.owned = reuse;
    }
    return;
  }
  // After the last non-blank line: inserting there moves only blank runs, never a key,
  // so the key index stays valid.
  std::size_t at = s.entries.size();
  while (at > 0 && s.entries[at - 1].kind == Kind::Blank) --at;
  s.entries.insert(s.entries.begin() + static_cast<std::ptrdiff_t>(at),
                   MakeOwned(Kind::Key, std::move(line), key.size()));
  s.keys.emplace(std::move(folded), at);
}

std::string CIniDocument::Serialize() const {
  std::string out;
  out.reserve(source_.size() + 64 * owned_.size());
  for (const Section& section : sections_) {
    for (const Entry& entry : section.entries) {
      // The file's last line may lack its line end; anything after it starts a new line.
      if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
      if (entry.owned >= 0) {
        out += owned_[static_cast<std::size_t>(entry.owned)];
        out += "\r\n";
      } else {
        out.append(source_, entry.begin, entry.end - entry.begin);
      }
    }
  }
  return out;
}
