#include "shell/EntryPoint.h"

#include <exception>

#include "desktop/FormVirtualDesktop.h"
#include "platform/Desktop.h"
#include "shell/Program.h"
#include "toolkit/SysUtils.h"

const char* const kSingleInstanceMutexName = "TarnwickMutex";

int RunProgram(Desktop& desktop, ToolkitBackend& backend,
               const std::function<void(Program&)>& onCreated) {
  Desktop::MutexResult mutex = desktop.CreateMutexA(kSingleInstanceMutexName, true);
  if (mutex.LastError == win::ErrorAlreadyExists) {
    // Another instance runs: leave quietly, without a window and without disturbing it.
    if (mutex.Handle) desktop.CloseHandle(mutex.Handle);
    return 0;
  }

  {
    Program program(desktop, backend);
    TApplication& app = program.Application;
    // The hidden application window alone would give a task-bar button and an entry in the
    // task switcher; the tool-window style (and nothing else) keeps both away.
    desktop.SetWindowLongA(app.Handle(), win::GwlExStyle, win::WsExToolWindow);
    app.ShowMainForm = false;
    // Whatever ends the program, windows parked on other frames come back first.
    auto restoreWindows = [&program] {
      if (program.FormVirtualDesktop) program.FormVirtualDesktop->RestoreAllWindows();
    };
    desktop.SetUnhandledExceptionFilter(restoreWindows);
    try {
      program.CreateForms();
      if (onCreated) onCreated(program);
      app.Run();
    } catch (const Exception& e) {
      app.ShowException(e.Message());
      restoreWindows();
    } catch (...) {
      app.ShowException("");
      restoreWindows();
    }
    desktop.SetUnhandledExceptionFilter(nullptr);
  }

  if (mutex.Handle) {
    desktop.ReleaseMutex(mutex.Handle);
    desktop.CloseHandle(mutex.Handle);
  }
  return 0;
}
