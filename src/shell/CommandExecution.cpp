// A command's hot key: its window to the front, the next of several on each press, or the
// command line started when no window matches.
#include "desktop/FormVirtualDesktop.h"
#include "shell/CommandCandidates.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"

void TOptionDlg::ExecuteCommand(int id) {
  Desktop& desktop = program_.Platform;
  TFormVirtualDesktop& pager = *program_.FormVirtualDesktop;
  // Listed into the pager's kept storage, with the cloaking it draws by: the pager then
  // takes this list over instead of asking every window again.
  const CWindowList& windows = pager.ListWindowsForPress();
  CCommandOption& commands = program_.CommandSettings;
  // An id beyond the list loads the empty defaults: nothing matches, nothing starts.
  commands.LoadEntry(id);
  std::vector<HandlePack> candidates =
      CollectCandidates(SplitPatternLines(commands["WindowTitle"].TextValue()), windows);
  const WindowHandle foreground = desktop.GetForegroundWindow();
  // The window in front is the one used last, whether or not its activation was heard of.
  activations_.Activated(foreground, desktop);
  std::optional<TRect> monitors;
  if (program_.OptionSettings["VirtualDesktop"].IntValue() != 0) monitors = pager.MonitorsRect();
  WindowHandle target = ChooseCommandTarget(candidates, foreground, monitors, activations_);

  if (target) {
    desktop.ShowWindow(target, win::SwRestore);
    if (!program_.Application.OnIdle) {  // start-up is complete
      if (desktop.SetForegroundWindow(target)) activations_.Activated(target, desktop);
      pager.NotifyListedActivation(5, target, true);
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
