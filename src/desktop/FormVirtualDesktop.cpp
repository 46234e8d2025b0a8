#include "desktop/FormVirtualDesktop.h"

#include "shell/Program.h"

TFormVirtualDesktop::TFormVirtualDesktop(Program& program)
    : TForm(program.Application, "FormVirtualDesktop") {
  BorderStyle = TBorderStyle::SizeToolWin;
  BorderIcons = false;
  FormStyle = TFormStyle::StayOnTop;
  SetBounds(0, 0, 80, 160);
}
