// The simulated version resource. The block handed out is private to this file: each
// value as its sub-block's length and text, then the value's length and bytes.
#include <algorithm>
#include <cctype>

#include "platform/sim/SimDesktop.h"

namespace {

void PutPiece(std::vector<std::uint8_t>& block, const std::string& piece) {
  const auto length = static_cast<std::uint32_t>(piece.size());
  for (int shift = 0; shift < 32; shift += 8)
    block.push_back(static_cast<std::uint8_t>(length >> shift));
  block.insert(block.end(), piece.begin(), piece.end());
}

bool TakePiece(const std::vector<std::uint8_t>& block, std::size_t& at, std::string& piece) {
  if (block.size() - at < 4) return false;
  std::uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(block[at++]) << (8 * i);
  if (block.size() - at < length) return false;
  piece.assign(block.begin() + static_cast<std::ptrdiff_t>(at),
               block.begin() + static_cast<std::ptrdiff_t>(at + length));
  at += length;
  return true;
}

// VerQueryValue finds sub-blocks whatever the case of their letters.
bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::vector<std::uint8_t> Serialise(const std::map<std::string, std::string>& resource) {
  std::vector<std::uint8_t> block;
  for (const auto& [subBlock, value] : resource) {
    PutPiece(block, subBlock);
    PutPiece(block, value);
  }
  return block;
}

}  // namespace

unsigned SimDesktop::GetFileVersionInfoSizeW(const std::filesystem::path& path) {
  Log("GetFileVersionInfoSizeW(" + path.string() + ")");
  if (path != ExecutablePath || VersionResource.empty()) return 0;
  return static_cast<unsigned>(Serialise(VersionResource).size());
}

bool SimDesktop::GetFileVersionInfoW(const std::filesystem::path& path, unsigned size,
                                     std::vector<std::uint8_t>& block) {
  Log("GetFileVersionInfoW(" + path.string() + "," + std::to_string(size) + ")");
  if (VersionReadFails || path != ExecutablePath || VersionResource.empty()) return false;
  std::vector<std::uint8_t> whole = Serialise(VersionResource);
  // As the real call, no more than the buffer holds.
  whole.resize(std::min<std::size_t>(whole.size(), size));
  block = std::move(whole);
  return true;
}

bool SimDesktop::VerQueryValueA(const std::vector<std::uint8_t>& block, const std::string& subBlock,
                                std::string& value) {
  Log("VerQueryValueA(" + subBlock + ")");
  std::size_t at = 0;
  std::string key, found;
  while (TakePiece(block, at, key) && TakePiece(block, at, found)) {
    if (SameIgnoringCase(key, subBlock)) {
      value = found;
      return true;
    }
  }
  return false;
}
