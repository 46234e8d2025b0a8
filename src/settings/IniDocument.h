#pragma once
// The in-memory image of an INI file: its lines kept as they were read, with the sections
// and keys found among them. Only the lines of keys that are written change; every other
// line (comments, blank lines, unknown sections and keys, garbage) is written back
// byte for byte, so a hand-edited file keeps what the program does not know.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CIniDocument {
 public:
  CIniDocument() = default;
  // Parses any bytes; nothing is rejected. Lines end with CR LF, LF or a lone CR.
  explicit CIniDocument(std::string bytes);

  // Replaces the image with the parse of `bytes`, reusing the memory of the image it held
  // (its tables of entries and keys and its buffer of written lines): a settings file of
  // thousands of entries read again and again then asks the allocator for nothing, where
  // fresh tables of that size are mapped from the system and faulted in page by page at
  // every open.
  void Read(std::string bytes);

  // The value stored at (section, key), blanks around it removed, or nothing when the key
  // is absent. Names are compared without case; the first of duplicates counts. The view
  // lives until the next Set.
  std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

  // Overwrites the first line of the key in place, or appends the key to its section
  // (after the section's last non-blank line), or appends the section to the end of the
  // file. Line breaks inside the value become spaces: a value must stay on its line.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The file's bytes: lines not written keep their bytes and line ends; written lines
  // end with CR LF.
  std::string Serialize() const;
  // The same into `out`, whose memory is reused.
  void Serialize(std::string& out) const;

 private:
  enum class Kind : unsigned char { Blank, Other, Header, Key };

  // A key line, a section header, or a run of blank or other lines (kept together so a
  // file of millions of empty lines stays small).
  struct Entry {
    Kind kind = Kind::Other;
    // A line written by the program lives in written_ (without its line end); any other
    // entry is bytes of source_, line end included.
    bool written = false;
    // A key line that the index finds (the first of duplicates).
    bool indexed = false;
    // Key (or section name) and value, as offsets from `begin`. 32 bits each keep an entry
    // at 32 bytes, half the memory a list of thousands of entries streams through.
    std::uint32_t keyLength = 0;
    std::size_t begin = 0;
    std::uint32_t length = 0;
    std::uint32_t keyOffset = 0, valueOffset = 0, valueLength = 0;

    std::size_t End() const { return begin + length; }
  };

  // The first entry of every key of a section, found by the hash of its case-folded name.
  // Open addressing in one flat array: a list of thousands of entries is looked up key by
  // key, and one node allocated per key (scattered in memory, freed one by one) made that
  // grow faster than the file.
  struct KeyIndex {
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    struct Slot {
      std::uint32_t hash = 0;
      std::uint32_t entry = kNone;  // index into the section's entries
    };
    std::vector<Slot> slots;  // a power of two, at most half used
    std::size_t used = 0;
  };

  struct Section {
    std::vector<Entry> entries;  // the header first, except for the lines before any header
    KeyIndex keys;
    // The entry after the last key found: the lists read their keys in the order they wrote
    // them, and trying this one first keeps such reads off the index, whose probes land
    // anywhere in memory. Only a hint; any value is safe.
    mutable std::size_t next = 0;
  };

  // A new last section, with the memory of a section of the image read before.
  Section& NewSection();
  void AddLine(std::size_t begin, std::size_t contentBegin, std::size_t contentEnd,
               std::size_t next);
  void AddRun(Kind kind, std::size_t begin, std::size_t next);
  std::string_view TextOf(const Entry& entry) const;
  std::string_view KeyOf(const Entry& entry) const;
  const Section* FindSection(std::string_view name) const;
  Section& AddSection(std::string_view name);
  // The entry index of the key's first line in the section, or KeyIndex::kNone.
  std::uint32_t FindKey(const Section& section, std::string_view key) const;
  void IndexAllKeys(Section& section);
  // Indexes entry `index` of the section under `hash`, unless its key is there already;
  // returns whether it did.
  bool IndexKey(Section& section, std::uint32_t hash, std::size_t index);
  // Writes `text` as the line of `entry`, in place when it fits there.
  void WriteLine(Entry& entry, Kind kind, std::string_view text, std::size_t keyLength);

  std::string source_;
  std::string written_;  // every line the program wrote, one after another
  std::vector<Section> sections_ =
      std::vector<Section>(1);  // [0]: the lines before the first section header
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first one
  // Sections of the image read before, emptied, last one first: NewSection takes them in
  // order, so a file read again finds each section's tables as large as it needs.
  std::vector<Section> spare_;
  // Working space of IndexAllKeys, kept for the same reason.
  std::vector<KeyIndex::Slot> hashed_, ordered_;
};
