// process-modules: the libraries a running process has mapped, to tell what it loads at start.
#include <windows.h>
// clang-format off
#include <tlhelp32.h>
// clang-format on

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

// process-modules <image>: one "module=<name>" line per library of the one process of that
// image, in lower case.
int ProcessModules(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: process-modules <image>");
    return kUsage;
  }
  const auto processes = FindProcesses(args[0]);
  if (processes.size() != 1) {
    Report("error=" + std::to_string(processes.size()) + " processes of " + Quote(args[0]));
    return kNo;
  }
  HANDLE snapshot =
      CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processes[0].pid);
  if (snapshot == INVALID_HANDLE_VALUE) {
    Report("error=CreateToolhelp32Snapshot failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more;
       more = Module32NextW(snapshot, &module)) {
    std::wstring name = module.szModule;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    Report("module=" + Utf8(name));
  }
  CloseHandle(snapshot);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"process-modules", ProcessModules);
