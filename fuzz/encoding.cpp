// Memo texts to and from their one-line stored form. Any text whose line breaks are CR LF
// must come back exactly; lone CRs and LFs are stored as CR LF; any stored text, however
// mangled by hand, must decode without harm.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "settings/ValueEncoding.h"

namespace {

// The replacements written out step by step, as the file format defines them, to hold
// the product's faster passes against.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos)).append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::string ReferenceEncode(std::string_view text) {
  return ReplaceAll(ReplaceAll(text, "\\", "\\\\"), "\r\n", "\\n");
}

std::string ReferenceDecode(std::string_view stored) {
  return ReplaceAll(ReplaceAll(ReplaceAll(stored, "\\\\", "\\%"), "\\n", "\r\n"), "\\%", "\\");
}

// Every CR LF pair kept, every other CR or LF made a CR LF pair.
std::string CrLfOnly(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\r\n";
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

void Report(std::string_view raw, std::string_view text, std::string_view encoded,
            std::string_view decoded) {
  fuzz::PrintEscaped("input", raw);
  fuzz::PrintEscaped("text", text);
  fuzz::PrintEscaped("encoded", encoded);
  fuzz::PrintEscaped("decoded", decoded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string text = CrLfOnly(raw);
  FUZZ_CHECK(NormalizeLineBreaks(raw) == text);

  const std::string encoded = EncodeMemoText(text);
  const std::string decoded = DecodeMemoText(encoded);
  if (decoded != text || encoded != ReferenceEncode(text)) Report(raw, text, encoded, decoded);
  FUZZ_CHECK(encoded == ReferenceEncode(text));
  FUZZ_CHECK(decoded == text);
  // A raw line break in the value would split its line in the file.
  FUZZ_CHECK(encoded.find_first_of("\r\n") == std::string::npos);
  // Lone line breaks take the same form as CR LF.
  FUZZ_CHECK(EncodeMemoText(raw) == encoded);

  // The input as a stored value, as a hand-edited file may hold it.
  const std::string fromFile = DecodeMemoText(raw);
  if (fromFile != ReferenceDecode(raw)) Report(raw, raw, raw, fromFile);
  FUZZ_CHECK(fromFile == ReferenceDecode(raw));
  // Every step keeps or shrinks the length: "\\" and "\%" take two bytes to one, "\n" two
  // to two.
  FUZZ_CHECK(fromFile.size() <= raw.size());
  return 0;
}
