#include "shell/FormMain.h"

#include "shell/Program.h"
#include "shell/VersionInfo.h"

TFormMain::TFormMain(Program& program) : TForm(program.Application, "FormMain") {
  SetCaption("FormMain");
  BorderIcons = false;
  SetClientSize(238, 102);
  // Read before the other forms exist: the options dialog's caption and the version box
  // are made from it.
  ReadVersionInfo(program.Platform, program.VersionInfo);
}
