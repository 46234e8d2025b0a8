// Switching frames with many windows on the simulated desktop, as a hot key does it (the
// window list taken first, then every window moved): time per switch and per window, and
// the logged window calls a switch makes per window. Every tenth window is maximized and
// so is moved twice.
// Beside it, the floor a switch cannot go below: the same windows moved by one SetWindowPos
// each, with nothing else done; the list alone; the system's parts of a switch (its list,
// its moves, its picture) with no program in between; and the same switch of 200 windows on
// three monitors against one, as a ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "desktop/FormVirtualDesktop.h"
#include "general/EnumerateWindows.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Program.h"
#include "toolkit/headless/HeadlessBackend.h"
#include "toolkit/headless/HeadlessCanvas.h"

namespace {

// The simulated desktop, which can keep the batches of moves it is handed.
struct BatchKeepingDesktop : SimDesktop {
  bool KeepBatches = false;
  std::vector<std::vector<TWindowMove>> Batches;

  std::vector<std::size_t> MoveWindows(const std::vector<TWindowMove>& moves) override {
    if (KeepBatches) Batches.push_back(moves);
    return SimDesktop::MoveWindows(moves);
  }
};

// The program on four vertical frames, with `windows` windows on the first.
struct FramesFixture {
  BatchKeepingDesktop desktop;
  HeadlessBackend backend;
  std::unique_ptr<Program> program;
  std::vector<WindowHandle> handles;

  explicit FramesFixture(int windows, std::vector<TMonitor> monitors = {}) {
    desktop.SetMonitors(std::move(monitors));
    program = std::make_unique<Program>(desktop, backend);
    program->CreateForms();
    program->OptionSettings.Initialize();
    program->Application.OnIdle = nullptr;
    program->OptionSettings["VirtualDesktop"].SetIntValue(1);
    program->OptionSettings["VirtualDesktopCount"].SetIntValue(4);
    for (int i = 0; i < windows; ++i) {
      SimWindow w;
      w.ClassName = "Window" + std::to_string(i);
      w.Style = win::WsVisible | (i % 10 == 0 ? win::WsMaximize : 0);
      w.Rect = {i % 700, i % 500, i % 700 + 300, i % 500 + 200};
      handles.push_back(desktop.AddWindow(w));
    }
    program->FormVirtualDesktop->RefreshWindowList();
  }

  // The simulator's log and the headless canvas's record of shapes are part of what is
  // timed; emptied before each switch, so that they do not grow without end.
  void ClearRecords() {
    desktop.Calls.clear();
    static_cast<HeadlessCanvas&>(*program->FormVirtualDesktop->ImageFrame->Canvas().Device())
        .Shapes.clear();
  }
};

void PerWindowCounter(benchmark::State& state, int windows) {
  state.counters["per_window"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * windows,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void SwitchToFrame(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  FramesFixture fixture(windows);
  TFormVirtualDesktop& pager = *fixture.program->FormVirtualDesktop;
  const TRect first = fixture.desktop.Windows[fixture.handles[1]].Rect;

  size_t calls = 0;
  int frame = 0;
  for (auto _ : state) {
    fixture.ClearRecords();
    frame = 1 - frame;
    pager.RefreshAndSwitchToFrame(frame);
    calls += fixture.desktop.Calls.size();
  }
  // An odd number of switches leaves the windows one screen higher.
  const int shift = frame == 1 ? -pager.ScreenSize.Height : 0;
  const TRect now = fixture.desktop.Windows[fixture.handles[1]].Rect;
  if (now.Top != first.Top + shift || now.Left != first.Left)
    state.SkipWithError("the switches did not move the windows by whole screens");
  PerWindowCounter(state, windows);
  state.counters["calls_per_window"] =
      static_cast<double>(calls) / (static_cast<double>(state.iterations()) * windows);
  state.SetComplexityN(windows);
}
BENCHMARK(SwitchToFrame)
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The same windows, one SetWindowPos each, a screen's height up and back in turn.
void MoveEachWindow(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  FramesFixture fixture(windows);
  const int height = fixture.program->FormVirtualDesktop->ScreenSize.Height;
  std::vector<TRect> start;
  for (WindowHandle handle : fixture.handles) start.push_back(fixture.desktop.Windows[handle].Rect);

  int frame = 0;
  for (auto _ : state) {
    fixture.desktop.Calls.clear();
    frame = 1 - frame;
    for (size_t i = 0; i < fixture.handles.size(); ++i)
      fixture.desktop.SetWindowPos(fixture.handles[i], 0, start[i].Left,
                                   start[i].Top - frame * height, 0, 0,
                                   win::SwpNoSize | win::SwpNoZOrder | win::SwpNoActivate);
  }
  const TRect now = fixture.desktop.Windows[fixture.handles[1]].Rect;
  if (now.Top != start[1].Top - frame * height) state.SkipWithError("the windows were not moved");
  PerWindowCounter(state, windows);
  state.SetComplexityN(windows);
}
BENCHMARK(MoveEachWindow)
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The one call through the seam that lists the windows for a switch, alone: the part of the
// switch that is the system's besides the moves.
void ListWindowsOnce(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  FramesFixture fixture(windows);
  std::vector<TListedWindow> listed;
  for (auto _ : state) {
    fixture.ClearRecords();
    fixture.desktop.ListWindows(win::WsVisible, win::WsDisabled, 0, 259, listed);
  }
  if (listed.size() != static_cast<size_t>(windows)) state.SkipWithError("not every window listed");
  PerWindowCounter(state, windows);
  state.SetComplexityN(windows);
}
BENCHMARK(ListWindowsOnce)
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// What a switch asks of the system and cannot do without, on the same windows, with no
// program in between: the one ListWindows call as the switch makes it, the batch of moves
// it hands the desktop (maximized windows by their detour), and the shapes of the pager's
// picture after it, drawn on the canvas. Batches and shapes are taken from a switch there
// and back before the timing.
void SwitchSystemParts(benchmark::State& state) {
  const int windows = static_cast<int>(state.range(0));
  FramesFixture fixture(windows);
  TFormVirtualDesktop& pager = *fixture.program->FormVirtualDesktop;
  auto& device = static_cast<HeadlessCanvas&>(*pager.ImageFrame->Canvas().Device());
  const TRect first = fixture.desktop.Windows[fixture.handles[1]].Rect;

  std::vector<TWindowMove> batches[2];
  std::vector<TDrawnShape> pictures[2];
  fixture.desktop.KeepBatches = true;
  for (int frame : {1, 0}) {
    fixture.ClearRecords();
    fixture.desktop.Batches.clear();
    pager.RefreshAndSwitchToFrame(frame);
    if (fixture.desktop.Batches.size() != 1) {
      state.SkipWithError("a switch did not hand the desktop one batch");
      return;
    }
    batches[frame] = fixture.desktop.Batches.front();
    pictures[frame] = device.Shapes;
  }
  fixture.desktop.KeepBatches = false;

  TCanvas& canvas = pager.ImageFrame->Canvas();
  std::vector<TListedWindow> listed;
  int frame = 0;
  for (auto _ : state) {
    fixture.ClearRecords();
    frame = 1 - frame;
    fixture.desktop.ListWindows(win::WsVisible, win::WsDisabled, 0, kWindowTextBufferSize, listed);
    fixture.desktop.MoveWindows(batches[frame]);
    for (const TDrawnShape& shape : pictures[frame]) {
      canvas.Pen = shape.Pen;
      canvas.Brush = shape.Brush;
      if (shape.Shape == TDrawnShape::Kind::Rectangle) {
        canvas.Rectangle(shape.Rect);
      } else {
        canvas.MoveTo(shape.Rect.Left, shape.Rect.Top);
        canvas.LineTo(shape.Rect.Right, shape.Rect.Bottom);
      }
    }
  }
  // As SwitchToFrame: the windows went whole screens, and every one was listed.
  const int shift = frame == 1 ? -pager.ScreenSize.Height : 0;
  const TRect now = fixture.desktop.Windows[fixture.handles[1]].Rect;
  if (now.Top != first.Top + shift || now.Left != first.Left)
    state.SkipWithError("the batches did not move the windows by whole screens");
  if (listed.size() != static_cast<size_t>(windows)) state.SkipWithError("not every window listed");
  PerWindowCounter(state, windows);
  state.SetComplexityN(windows);
}
BENCHMARK(SwitchSystemParts)
    ->Arg(50)
    ->Arg(200)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// A switch there and back of 200 windows on one monitor and on three (one left of the
// primary, one standing right of it, windows spread over all three), timed in turn; the
// time reported is the three monitors'. "three_vs_one" is their ratio.
void SwitchOnThreeMonitorsVsOne(benchmark::State& state) {
  constexpr int kWindows = 200;
  FramesFixture one(kWindows);
  FramesFixture three(kWindows, {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                 {{-1280, 0, 0, 1024}, {-1280, 0, 0, 984}},
                                 {{1920, -200, 3120, 1720}, {1920, -200, 3120, 1680}}});
  // Spread over the three monitors' width.
  for (size_t i = 0; i < three.handles.size(); ++i) {
    TRect& r = three.desktop.Windows[three.handles[i]].Rect;
    const int left = -1280 + static_cast<int>(i * 4100 / three.handles.size());
    r = {left, r.Top, left + r.Width(), r.Bottom};
  }
  three.program->FormVirtualDesktop->RefreshWindowList();
  const TRect first = three.desktop.Windows[three.handles[1]].Rect;

  using Clock = std::chrono::steady_clock;
  Clock::duration oneTime{}, threeTime{};
  auto timed = [](FramesFixture& fixture, int frame) {
    fixture.ClearRecords();
    const auto start = Clock::now();
    fixture.program->FormVirtualDesktop->RefreshAndSwitchToFrame(frame);
    return Clock::now() - start;
  };
  int frame = 0;
  for (auto _ : state) {
    frame = 1 - frame;
    oneTime += timed(one, frame);
    const Clock::duration t = timed(three, frame);
    threeTime += t;
    state.SetIterationTime(std::chrono::duration<double>(t).count());
  }
  // The step is the height around all three monitors, 1920.
  if (three.desktop.Windows[three.handles[1]].Rect.Top != first.Top - (frame == 1 ? 1920 : 0))
    state.SkipWithError("the switches did not move the windows by the three monitors' height");
  state.counters["three_vs_one"] = std::chrono::duration<double>(threeTime).count() /
                                   std::chrono::duration<double>(oneTime).count();
}
BENCHMARK(SwitchOnThreeMonitorsVsOne)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
