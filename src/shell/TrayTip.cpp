// The tray icon's tip: the program's name, and a second line while windows refuse to move.
#include "shell/OptionDlg.h"
#include "shell/OptionDlgTexts.h"
#include "shell/Program.h"

namespace t = texts::option;

void TOptionDlg::ShowMovesRefused(bool refused) {
  const std::string& title = program_.Application.Title;
  TrayIcon1->SetHint(refused ? title + "\n" + t::TipMovesRefused : title);
}
