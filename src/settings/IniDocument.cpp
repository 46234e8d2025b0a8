#include "settings/IniDocument.h"

#include <algorithm>
#include <array>
#include <bit>

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

// The longest line or run of lines an entry holds (see CIniDocument::Entry).
constexpr std::size_t kMaxLength = 0xFFFFFFFF;

std::uint32_t Narrow(std::size_t length) {
  return static_cast<std::uint32_t>(length);
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

unsigned char FoldLetter(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// A hash of the name as FoldShiftJisCase would fold it, without making the folded copy.
std::uint32_t FoldedHash(std::string_view name) {
  std::uint32_t hash = 2166136261U;
  for (std::size_t i = 0; i < name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLeadByte(c) && i + 1 < name.size()) {
      hash = (hash ^ c) * 16777619U;
      c = static_cast<unsigned char>(name[++i]);  // the trail byte is no letter
    } else {
      c = FoldLetter(c);
    }
    hash = (hash ^ c) * 16777619U;
  }
  // Spread the bits: the index takes the low ones.
  hash ^= hash >> 16;
  hash *= 0x7FEB352DU;
  return hash ^ (hash >> 15);
}

// Whether the two names fold to the same text. Where they agree so far, a byte that leads a
// double-byte character in one does in the other, so one position tells both.
bool FoldedEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(a[i]);
    if (IsShiftJisLeadByte(c) && i + 1 < a.size()) {
      if (c != static_cast<unsigned char>(b[i]) || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldLetter(c) != FoldLetter(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

CIniDocument::CIniDocument(std::string bytes) {
  Read(std::move(bytes));
}

void CIniDocument::Read(std::string bytes) {
  source_ = std::move(bytes);
  written_.clear();
  sectionIndex_.clear();
  for (auto section = sections_.rbegin(); section != sections_.rend(); ++section) {
    section->entries.clear();
    section->keys.slots.clear();  // a section the program adds starts without a table
    section->keys.used = 0;
    section->next = 0;
    spare_.push_back(std::move(*section));
  }
  sections_.clear();
  NewSection();  // the lines before the first section header

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
  for (Section& section : sections_) IndexAllKeys(section);
}

CIniDocument::Section& CIniDocument::NewSection() {
  if (spare_.empty()) return sections_.emplace_back();
  sections_.push_back(std::move(spare_.back()));
  spare_.pop_back();
  return sections_.back();
}

void CIniDocument::AddLine(std::size_t begin, std::size_t contentBegin, std::size_t contentEnd,
                           std::size_t next) {
  // A line of over 4 GB is no setting the program wrote; it is kept, but read as no key.
  if (next - begin > kMaxLength) return AddRun(Kind::Other, begin, next);
  const std::string_view text = source_;
  std::size_t first = contentBegin, last = contentEnd;
  Trim(text, first, last);
  if (first == last) return AddRun(Kind::Blank, begin, next);

  if (text[first] == '[') {
    std::size_t close = FindClosingBracket(text, first + 1, last);
    if (close == std::string_view::npos) return AddRun(Kind::Other, begin, next);
    std::size_t nameBegin = first + 1, nameEnd = close;
    Trim(text, nameBegin, nameEnd);
    Entry header{Kind::Header,
                 false,
                 false,
                 Narrow(nameEnd - nameBegin),
                 begin,
                 Narrow(next - begin),
                 Narrow(nameBegin - begin)};
    sectionIndex_.emplace(FoldShiftJisCase(text.substr(nameBegin, nameEnd - nameBegin)),
                          sections_.size());
    NewSection().entries.push_back(header);
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
  section.entries.push_back(Entry{Kind::Key, false, false, Narrow(keyEnd - keyBegin), begin,
                                  Narrow(next - begin), Narrow(keyBegin - begin),
                                  Narrow(valueBegin - begin), Narrow(valueEnd - valueBegin)});
  ++section.keys.used;  // counted here, indexed once the file is read (see IndexAllKeys)
}

void CIniDocument::IndexAllKeys(Section& section) {
  KeyIndex& keys = section.keys;
  // Sized once for every key of the section: no table rebuilt as it fills.
  std::size_t size = 16;
  while (size < 2 * keys.used + 2) size *= 2;
  keys.slots.assign(size, KeyIndex::Slot{});
  // Filled in the order of the slots the keys land on, from one end of the table to the
  // other: inserted in file order they land at random places, and once a list of thousands
  // of entries outgrows the processor's caches every one of those costs a miss.
  std::vector<KeyIndex::Slot>& hashed = hashed_;
  hashed.clear();
  // Every key counts as indexed until it proves a duplicate: the flag is set here, going
  // through the entries in order, rather than at random places below.
  for (std::size_t i = 0; i < section.entries.size(); ++i) {
    Entry& entry = section.entries[i];
    if (entry.kind != Kind::Key) continue;
    entry.indexed = true;
    hashed.push_back(KeyIndex::Slot{FoldedHash(KeyOf(entry)), static_cast<std::uint32_t>(i)});
  }
  keys.used = 0;
  // A stable counting sort on the slot's top bits keeps the first of duplicates first.
  constexpr int kBucketBits = 8;
  const int shift = std::max(std::countr_zero(size) - kBucketBits, 0);
  const std::size_t mask = size - 1;
  std::array<std::size_t, (1 << kBucketBits) + 1> starts{};
  for (const KeyIndex::Slot& slot : hashed) ++starts[((slot.hash & mask) >> shift) + 1];
  for (std::size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
  std::vector<KeyIndex::Slot>& ordered = ordered_;
  ordered.resize(hashed.size());
  for (const KeyIndex::Slot& slot : hashed) ordered[starts[(slot.hash & mask) >> shift]++] = slot;
  for (const KeyIndex::Slot& slot : ordered)
    if (!IndexKey(section, slot.hash, slot.entry)) section.entries[slot.entry].indexed = false;
}

void CIniDocument::AddRun(Kind kind, std::size_t begin, std::size_t next) {
  std::vector<Entry>& entries = sections_.back().entries;
  if (!entries.empty() && entries.back().kind == kind && !entries.back().written &&
      entries.back().End() == begin && next - entries.back().begin <= kMaxLength) {
    entries.back().length = Narrow(next - entries.back().begin);
    return;
  }
  // In pieces an entry can hold; written back one after another, they are the same bytes.
  for (; next - begin > kMaxLength; begin += kMaxLength)
    entries.push_back(Entry{kind, false, false, 0, begin, Narrow(kMaxLength)});
  entries.push_back(Entry{kind, false, false, 0, begin, Narrow(next - begin)});
}

std::string_view CIniDocument::TextOf(const Entry& entry) const {
  return entry.written ? written_ : source_;
}

std::string_view CIniDocument::KeyOf(const Entry& entry) const {
  return TextOf(entry).substr(entry.begin + entry.keyOffset, entry.keyLength);
}

std::uint32_t CIniDocument::FindKey(const Section& section, std::string_view key) const {
  // The key after the last one found, then that one again (a memo's text is asked whether
  // it is there, then read).
  for (std::size_t at : {section.next, section.next - 1}) {
    if (at >= section.entries.size()) continue;
    const Entry& entry = section.entries[at];
    if (entry.indexed && FoldedEqual(KeyOf(entry), key)) {
      section.next = at + 1;
      return static_cast<std::uint32_t>(at);
    }
  }
  const std::vector<KeyIndex::Slot>& slots = section.keys.slots;
  if (slots.empty()) return KeyIndex::kNone;
  const std::uint32_t hash = FoldedHash(key);
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = hash & mask; slots[i].entry != KeyIndex::kNone; i = (i + 1) & mask) {
    if (slots[i].hash == hash && FoldedEqual(KeyOf(section.entries[slots[i].entry]), key)) {
      section.next = slots[i].entry + std::size_t{1};
      return slots[i].entry;
    }
  }
  return KeyIndex::kNone;
}

bool CIniDocument::IndexKey(Section& section, std::uint32_t hash, std::size_t index) {
  KeyIndex& keys = section.keys;
  if ((keys.used + 1) * 2 > keys.slots.size()) {
    std::vector<KeyIndex::Slot> old = std::move(keys.slots);
    keys.slots.assign(old.empty() ? 16 : old.size() * 2, KeyIndex::Slot{});
    const std::size_t mask = keys.slots.size() - 1;
    for (const KeyIndex::Slot& slot : old) {
      if (slot.entry == KeyIndex::kNone) continue;
      std::size_t i = slot.hash & mask;
      while (keys.slots[i].entry != KeyIndex::kNone) i = (i + 1) & mask;
      keys.slots[i] = slot;
    }
  }
  const std::size_t mask = keys.slots.size() - 1;
  std::size_t i = hash & mask;
  for (; keys.slots[i].entry != KeyIndex::kNone; i = (i + 1) & mask) {
    // The first of duplicate keys counts. The names are read only when the hashes agree:
    // the table is filled in the order of its slots, which is no order of the entries.
    if (keys.slots[i].hash == hash &&
        FoldedEqual(KeyOf(section.entries[keys.slots[i].entry]), KeyOf(section.entries[index])))
      return false;
  }
  keys.slots[i] = KeyIndex::Slot{hash, static_cast<std::uint32_t>(index)};
  ++keys.used;
  return true;
}

const CIniDocument::Section* CIniDocument::FindSection(std::string_view name) const {
  auto found = sectionIndex_.find(FoldShiftJisCase(name));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::string_view> CIniDocument::Find(std::string_view section,
                                                   std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  const std::uint32_t found = FindKey(*s, key);
  if (found == KeyIndex::kNone) return std::nullopt;
  const Entry& entry = s->entries[found];
  return TextOf(entry).substr(entry.begin + entry.valueOffset, entry.valueLength);
}

void CIniDocument::WriteLine(Entry& entry, Kind kind, std::string_view text,
                             std::size_t keyLength) {
  // A line written again in the same image mostly keeps its length: no buffer growth.
  std::size_t at = entry.begin;
  if (!entry.written || text.size() > entry.length) {
    at = written_.size();
    written_.resize(at + text.size());
  }
  written_.replace(at, text.size(), text);
  entry = Entry{kind, true, entry.indexed, Narrow(keyLength), at, Narrow(text.size())};
  if (kind == Kind::Key) {
    // Reads see the value as they will after the file is read again: blanks trimmed.
    std::size_t valueBegin = at + keyLength + 1, valueEnd = entry.End();
    Trim(written_, valueBegin, valueEnd);
    entry.valueOffset = Narrow(valueBegin - at);
    entry.valueLength = Narrow(valueEnd - valueBegin);
  }
}

CIniDocument::Section& CIniDocument::AddSection(std::string_view name) {
  // A blank line between the last section and the new one, as the profile functions do.
  std::vector<Entry>& last = sections_.back().entries;
  if (!last.empty() && last.back().kind != Kind::Blank) {
    Entry blank;
    WriteLine(blank, Kind::Blank, "", 0);
    last.push_back(blank);
  }
  Entry header;
  WriteLine(header, Kind::Header, "[" + std::string(name) + "]", 0);
  header.keyOffset = 1;
  header.keyLength = Narrow(name.size());
  sectionIndex_.emplace(FoldShiftJisCase(name), sections_.size());
  Section& section = NewSection();
  section.entries.push_back(header);
  return section;
}

void CIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::size_t index = 0;
  if (const Section* found = FindSection(section)) {
    index = static_cast<std::size_t>(found - sections_.data());
  } else {
    AddSection(section);
    index = sections_.size() - 1;
  }
  Section& s = sections_[index];

  const std::uint32_t existing = FindKey(s, key);
  // Keep the key as it is spelled in the file.
  if (existing != KeyIndex::kNone) key = KeyOf(s.entries[existing]);
  std::string line;
  line.reserve(key.size() + 1 + value.size());
  line.append(key).append(1, '=');
  for (char c : value) line.push_back(c == '\r' || c == '\n' ? ' ' : c);

  if (existing != KeyIndex::kNone) {
    WriteLine(s.entries[existing], Kind::Key, line, key.size());
    return;
  }
  // After the last non-blank line: inserting there moves only blank runs, never a key,
  // so the key index stays valid.
  std::size_t at = s.entries.size();
  while (at > 0 && s.entries[at - 1].kind == Kind::Blank) --at;
  Entry entry;
  WriteLine(entry, Kind::Key, line, key.size());
  s.entries.insert(s.entries.begin() + static_cast<std::ptrdiff_t>(at), entry);
  s.entries[at].indexed = IndexKey(s, FoldedHash(key), at);
}

std::string CIniDocument::Serialize() const {
  std::string out;
  Serialize(out);
  return out;
}

void CIniDocument::Serialize(std::string& out) const {
  out.clear();
  out.reserve(source_.size() + written_.size() + 2 * sections_.size());
  for (const Section& section : sections_) {
    for (const Entry& entry : section.entries) {
      // The file's last line may lack its line end; anything after it starts a new line.
      if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
      if (entry.written) {
        out.append(written_, entry.begin, entry.length);
        out += "\r\n";
      } else {
        out.append(source_, entry.begin, entry.length);
      }
    }
  }
}
