#pragma once
// A program started on SimDesktop and the headless toolkit, its deferred start done, for
// tests that send it what Windows and the hook library would.
#include <memory>

#include "TempDir.h"
#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"
#include "toolkit/headless/HeadlessBackend.h"

struct RunningProgram {
  TempDir dir;
  SimDesktop desktop;
  HeadlessBackend backend;
  std::unique_ptr<Program> program;

  explicit RunningProgram(const std::string& settings = "") {
    desktop.ExecutablePath = dir.File("tarnwick.exe");
    if (!settings.empty()) dir.Write("tarnwick.ini", settings);
    // The program's forms are windows of the simulated desktop, in its own process.
    backend.OnRealizeForm = [this](TForm& form) {
      SimWindow window;
      window.ClassName = form.ClassName();
      window.Title = form.Caption();
      window.ProcessId = desktop.CurrentProcessId;
      window.ThreadId = desktop.CurrentThreadId;
      return desktop.AddWindow(window);
    };
    backend.OnShowForm = [this](TForm& form, bool visible) {
      long& style = desktop.Windows[form.Handle()].Style;
      style = visible ? (style | win::WsVisible) : (style & ~win::WsVisible);
    };
  }
  // Creates the forms and runs the deferred start, as the first idle moment would.
  Program& Start() {
    program = std::make_unique<Program>(desktop, backend);
    program->CreateForms();
    bool done = false;
    program->Application.OnIdle(done);
    return *program;
  }
  TOptionDlg& Dialog() { return *program->OptionDlg; }
  TFormVirtualDesktop& Pager() { return *program->FormVirtualDesktop; }
  void Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam = 0) {
    std::intptr_t result = 0;
    Dialog().HandleMessage(message, wParam, lParam, result);
  }
  WindowHandle AddWindow(const std::string& className, const std::string& title, TRect rect,
                         unsigned processId = 2) {
    SimWindow window;
    window.ClassName = className;
    window.Title = title;
    window.Style = win::WsVisible | win::WsCaption;
    window.Rect = rect;
    window.NormalRect = rect;
    window.ProcessId = processId;
    window.ThreadId = processId * 10;
    return desktop.AddWindow(window);
  }
};
