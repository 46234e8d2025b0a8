// Switching frames with many windows on the simulated desktop: time per switch and per
// window, and the window calls a switch makes per window (the logged ones: the moves; each
// window's style read comes on top). Every tenth window is maximized and so is moved twice.
#include <benchmark/benchmark.h>

#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Program.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

void SwitchToFrame(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  SimDesktop desktop;
  HeadlessBackend backend;
  Program program(desktop, backend);
  program.CreateForms();
  program.OptionSettings.Initialize();
  program.Application.OnIdle = nullptr;
  program.OptionSettings["VirtualDesktop"].SetIntValue(1);
  program.OptionSettings["VirtualDesktopCount"].SetIntValue(4);
  for (int i = 0; i < windows; ++i) {
    SimWindow w;
    w.ClassName = "Window" + std::to_string(i);
    w.Style = win::WsVisible | (i % 10 == 0 ? win::WsMaximize : 0);
    w.Rect = {i % 700, i % 500, i % 700 + 300, i % 500 + 200};
    desktop.AddWindow(w);
  }
  TFormVirtualDesktop& pager = *program.FormVirtualDesktop;
  pager.RefreshWindowList();

  size_t calls = 0;
  int frame = 0;
  for (auto _ : state) {
    desktop.Calls.clear();  // the simulator's log is part of what is timed
    frame = 1 - frame;
    pager.SwitchToFrame(frame);
    calls += desktop.Calls.size();
  }
  const double switches = static_cast<double>(state.iterations());
  state.counters["per_window"] = benchmark::Counter(
      switches * windows, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["calls_per_window"] = static_cast<double>(calls) / (switches * windows);
}
BENCHMARK(SwitchToFrame)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
