// A command's hot key: its window to the front, the next of several on each press, or the
// command line started when no window matches.
#include "desktop/FormVirtualDesktop.h"
#include "general/EnumerateWindows.h"
#include "shell/CommandCandidates.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"

void TOptionDlg::ExecuteCommand(int id) {
  Desktop& desktop = program_.Platform;
  TFormVirtualDesktop& pager = *program_.FormVirtualDesktop;
  CWindowList windows;
  EnumerateWindows(desktop, windows);
  CCommandOption& commands = program_.CommandSettings;
  // An id beyond the list loads the empty defaults: nothing matches, nothing starts.
  commands.LoadEntry(id);
  std::vector<HandlePack> candidates =
      CollectCandidates(SplitPatternLines(commands["WindowTitle"].TextValue()), windows);
  WindowHandle target =
      ChooseCommandTarget(candidates, desktop.GetForegroundWindow(), pager.ScreenSize);

  if (target) {
    desktop.ShowWindow(target, win::SwRestore);
    if (!program_.Application.OnIdle) {  // start-up is complete
      desktop.SetForegroundWindow(target);
      pager.NotifyActivation(5, target, true);
    }
    return;
  }
  const std::string commandLine = commands["Program"].TextValue();
  if (commandLine.empty()) return;
  Desktop::ProcessInformation process;
  if (desktop.CreateProcessA(commandLine, win::CreateNewConsole, process)) {
    desktop.CloseHandle(process.Process);
    desktop.CloseHandle(process.Thread);
  }
}
