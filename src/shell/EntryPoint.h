#pragma once
// The program's run, from the single-instance check to the release of the mutex. WinMain
// calls it with the real Desktop and toolkit backend; tests call it with simulated ones.
#include <functional>

class Desktop;
class ToolkitBackend;
class Program;

// Returns the process exit code (always 0). `onCreated`, when given, sees the program once
// its forms exist (tests use it to arrange what the message loop will do).
int RunProgram(Desktop& desktop, ToolkitBackend& backend,
               const std::function<void(Program&)>& onCreated = {});

extern const char* const kSingleInstanceMutexName;
