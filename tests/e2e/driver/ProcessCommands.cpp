// Commands about processes: starting one as another application would, waiting for one,
// ending one, and the named objects a process holds.
#include <windows.h>

#include "Commands.h"
#include "DriverUtil.h"

namespace {

std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only before a quote.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

void ReportProcesses(const std::vector<ProcessEntry>& processes) {
  for (const auto& p : processes) {
    Report("process pid=" + std::to_string(p.pid) + " image=" + Quote(p.image));
  }
  Report("count=" + std::to_string(processes.size()));
}

// start-and-wait <exe> [timeout-ms] [arguments...]
int StartAndWait(const std::vector<std::wstring>& args) {
  if (args.empty()) {
    Report("error=usage: start-and-wait <exe> [timeout-ms] [arguments...]");
    return kUsage;
  }
  DWORD timeout = 5000;
  if (args.size() > 1) {
    auto parsed = ParseNumber(args[1]);
    if (!parsed) {
      Report("error=timeout is not a number: " + Quote(args[1]));
      return kUsage;
    }
    timeout = *parsed;
  }
  std::wstring commandLine = QuoteArgument(args[0]);
  for (size_t i = 2; i < args.size(); ++i) commandLine += L" " + QuoteArgument(args[i]);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const ULONGLONG started = GetTickCount64();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Report("error=CreateProcess failed with " + std::to_string(GetLastError()));
    return kFailure;
  }
  Report("pid=" + std::to_string(process.dwProcessId));
  const DWORD waited = WaitForSingleObject(process.hProcess, timeout);
  const ULONGLONG elapsed = GetTickCount64() - started;
  const bool exited = waited == WAIT_OBJECT_0;
  Report(std::string("exited=") + (exited ? "1" : "0"));
  if (exited) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Report("exit-code=" + std::to_string(exitCode));
  }
  Report("elapsed-ms=" + std::to_string(elapsed));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exited ? kYes : kNo;
}

// processes <image|*>
int Processes(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: processes <image|*>");
    return kUsage;
  }
  const auto found = FindProcesses(args[0]);
  ReportProcesses(found);
  return found.empty() ? kNo : kYes;
}

// wait-process <image> <timeout-ms>: until at least one such process runs.
int WaitProcess(const std::vector<std::wstring>& args) {
  const auto timeout = args.size() == 2 ? ParseNumber(args[1]) : std::nullopt;
  if (!timeout) {
    Report("error=usage: wait-process <image> <timeout-ms>");
    return kUsage;
  }
  const ULONGLONG end = GetTickCount64() + *timeout;
  auto found = FindProcesses(args[0]);
  while (found.empty() && GetTickCount64() < end) {
    Sleep(50);
    found = FindProcesses(args[0]);
  }
  ReportProcesses(found);
  return found.empty() ? kNo : kYes;
}

// kill-process <image|pid>: ends every such process as a crash would, and waits for each.
int KillProcess(const std::vector<std::wstring>& args) {
  if (args.size() != 1 || args[0] == L"*") {
    Report("error=usage: kill-process <image|pid>");
    return kUsage;
  }
  std::vector<DWORD> pids;
  if (auto pid = ParseNumber(args[0])) {
    pids.push_back(*pid);
  } else {
    for (const auto& p : FindProcesses(args[0])) pids.push_back(p.pid);
  }
  size_t killed = 0;
  for (DWORD pid : pids) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) {
      Report("error=cannot open pid=" + std::to_string(pid));
      continue;
    }
    if (TerminateProcess(process, 1) && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0) {
      Report("killed pid=" + std::to_string(pid));
      ++killed;
    } else {
      Report("error=pid=" + std::to_string(pid) + " did not end");
    }
    CloseHandle(process);
  }
  Report("count=" + std::to_string(killed));
  return killed > 0 && killed == pids.size() ? kYes : kNo;
}

// mutex-exists <name>
int MutexExists(const std::vector<std::wstring>& args) {
  if (args.size() != 1) {
    Report("error=usage: mutex-exists <name>");
    return kUsage;
  }
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, args[0].c_str());
  Report(std::string("mutex-exists=") + (mutex != nullptr ? "1" : "0"));
  if (mutex == nullptr) return kNo;
  CloseHandle(mutex);
  return kYes;
}

}  // namespace

TW_DRIVER_COMMAND(L"start-and-wait", StartAndWait);
TW_DRIVER_COMMAND(L"processes", Processes);
TW_DRIVER_COMMAND(L"wait-process", WaitProcess);
TW_DRIVER_COMMAND(L"kill-process", KillProcess);
TW_DRIVER_COMMAND(L"mutex-exists", MutexExists);
