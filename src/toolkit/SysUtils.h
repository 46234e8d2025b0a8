#pragma once
// The toolkit's exception class and the number conversions of the dialogs.
#include <stdexcept>
#include <string>

// The framework's own exception: what the exception box shows is its message (code page
// 932). Other exceptions reach the box with an empty message.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A text that is not an integer.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A settings file that could not be written.
class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

// Decimal integer with an optional sign, within 32 bits; throws EConvertError naming the
// text otherwise.
int StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int& value);
std::string IntToStr(long long value);
