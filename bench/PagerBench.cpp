// Drawing the pager with many windows on the headless canvas: time per picture and per
// window. The canvas keeps every shape it is given; it is emptied between pictures (plain
// records: that costs next to nothing beside drawing them).
#include <benchmark/benchmark.h>

#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Program.h"
#include "toolkit/headless/HeadlessBackend.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace {

void DrawPager(benchmark::State& state) {
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
    w.Style = win::WsVisible;
    const int top = (i % 4) * 768 + i % 500;  // spread over the four frames
    w.Rect = {i % 700, top, i % 700 + 300, top + 200};
    desktop.AddWindow(w);
  }
  TFormVirtualDesktop& pager = *program.FormVirtualDesktop;
  pager.SetClientSize(152, 472);
  pager.RefreshWindowList();
  auto& canvas = static_cast<HeadlessCanvas&>(*pager.ImageFrame->Canvas().Device());

  for (auto _ : state) {
    canvas.Shapes.clear();
    pager.DrawPager();
  }
  state.counters["per_window"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * windows,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(DrawPager)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
