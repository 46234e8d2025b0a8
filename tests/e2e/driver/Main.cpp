// twdriver: plays the user and the other applications in the end-to-end scenarios.
//   twdriver <command> [arguments...]
// Every fact a command observes becomes one line of the result file (environment variable
// TW_RESULT) and of stdout. The last line is "driver-exit=N": processes started inside a
// Wine virtual desktop do not always pass their exit code on, the file always does.
#include <windows.h>

#include <exception>

#include "Commands.h"
#include "DriverUtil.h"

std::map<std::wstring, DriverCommand>& DriverCommands() {
  static std::map<std::wstring, DriverCommand> commands;
  return commands;
}

namespace {

void WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring ResultPath() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableW(L"TW_RESULT", path, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return {};
  return std::wstring(path, length);
}

int Usage() {
  Report("error=usage: twdriver <command> [arguments...]");
  for (const auto& [name, command] : DriverCommands()) Report("command " + Utf8(name));
  return kUsage;
}

}  // namespace

void Report(const std::string& line) {
  const std::string bytes = line + "\n";
  // Opened per line so that a scenario can read what a long-running command has seen so far.
  static const std::wstring path = ResultPath();
  if (!path.empty()) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      WriteAll(file, bytes);
      CloseHandle(file);
    }
  }
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) WriteAll(out, bytes);
}

int wmain(int argc, wchar_t** argv) {
  int code = kUsage;
  if (argc < 2) {
    code = Usage();
  } else {
    auto found = DriverCommands().find(argv[1]);
    if (found == DriverCommands().end()) {
      Report("error=unknown command " + Quote(argv[1]));
      code = Usage();
    } else {
      const std::vector<std::wstring> args(argv + 2, argv + argc);
      try {
        code = found->second(args);
      } catch (const std::exception& e) {
        Report(std::string("error=exception ") + e.what());
        code = kFailure;
      }
    }
  }
  Report("driver-exit=" + std::to_string(code));
  return code;
}
