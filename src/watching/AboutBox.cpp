#include "watching/AboutBox.h"

#include "shell/Program.h"

TAboutBox::TAboutBox(Program& program) : TForm(program.Application, "AboutBox") {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
  SetClientSize(335, 70);
}
