#include "shell/FormMain.h"

#include "shell/Program.h"

TFormMain::TFormMain(Program& program) : TForm(program.Application, "FormMain") {
  SetCaption("FormMain");
  BorderIcons = false;
  SetClientSize(238, 102);
}
