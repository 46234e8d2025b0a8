#pragma once
// Standard message boxes.
#include <string>

class TApplication;

// An error message box with one OK button.
void ShowErrorMessage(TApplication& app, const std::string& text);
