#include "commands/CommandDlg.h"

#include "shell/Program.h"

TCommandDlg::TCommandDlg(Program& program) : TForm(program.Application, "CommandDlg") {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
}
