#include "watching/WatchingDlg.h"

#include "shell/Program.h"

TWatchingDlg::TWatchingDlg(Program& program) : TForm(program.Application, "WatchingDlg") {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
}
