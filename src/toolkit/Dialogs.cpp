#include "toolkit/Dialogs.h"

#include "toolkit/Backend.h"
#include "toolkit/Forms.h"
#include "toolkit/ToolkitTexts.h"

void ShowErrorMessage(TApplication& app, const std::string& text) {
  app.MessageBox(text, texts::ErrorCaption, mb::OK | mb::IconError);
}
