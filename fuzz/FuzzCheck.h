#pragma once
// A failed check aborts, so libFuzzer records the input as a crash and keeps it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::abort();
}

// Bytes as C escapes, for messages about texts that hold control or double-byte bytes.
inline void PrintEscaped(const char* label, std::string_view text) {
  std::fprintf(stderr, "%s (%zu bytes): \"", label, text.size());
  const std::size_t shown = text.size() < 400 ? text.size() : 400;
  for (std::size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\\' || c == '"')
      std::fprintf(stderr, "\\%c", c);
    else if (c >= 0x20 && c < 0x7F)
      std::fputc(c, stderr);
    else
      std::fprintf(stderr, "\\x%02X", c);
  }
  std::fprintf(stderr, shown < text.size() ? "\"...\n" : "\"\n");
}

}  // namespace fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::fuzz::Fail(__FILE__, __LINE__, #condition))
