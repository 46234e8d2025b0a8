#pragma once
// The end-to-end driver's commands. Each command lives in a file of its own and registers
// itself with TW_DRIVER_COMMAND; Main.cpp dispatches on the first argument.
#include <functional>
#include <map>
#include <string>
#include <vector>

// A command gets its arguments (after its name) and returns the process exit code.
// What it reports goes to the result file named by the environment variable
// TW_RESULT (explorer /desktop does not pass exit codes on), one line per fact.
using DriverCommand = std::function<int(const std::vector<std::wstring>& args)>;

std::map<std::wstring, DriverCommand>& DriverCommands();

struct DriverCommandRegistration {
  DriverCommandRegistration(const wchar_t* name, DriverCommand command) {
    DriverCommands()[name] = std::move(command);
  }
};

#define TW_DRIVER_COMMAND_CAT2(a, b) a##b
#define TW_DRIVER_COMMAND_CAT(a, b) TW_DRIVER_COMMAND_CAT2(a, b)
#define TW_DRIVER_COMMAND(name, fn) \
  static DriverCommandRegistration TW_DRIVER_COMMAND_CAT(registration_, __LINE__)(name, fn)

// Appends one line (UTF-8) to the result file; also writes it to stdout.
void Report(const std::string& line);
