#pragma once
// How a value stored in the settings file is read, following the observable rules of the
// Windows profile functions the file format comes from.
#include <cstddef>
#include <string>
#include <string_view>

// The profile reader's buffer holds 2048 bytes with the terminating NUL.
constexpr std::size_t kProfileTextLimit = 2047;

// The text of a stored value: one pair of enclosing double quotes removed, cut at the
// first NUL byte and at kProfileTextLimit bytes (never inside a double-byte character).
std::string ProfileText(std::string_view stored);

// A stored value read as an integer: optional sign, then decimal digits, or "0x"/"0X"
// and hexadecimal digits (up to 32 bits, taken as a signed value). Surrounding quotes and
// blanks are allowed; anything else makes it no integer and returns false.
bool ParseProfileInteger(std::string_view stored, int& value);
