// Load and save of the command and watching lists, n entries each, through one access to
// the settings file as the general options make it. Ten times the entries should cost
// about ten times the time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../tests/unit/TempDir.h"
#include "settings/Binding.h"
#include "settings/CommandOption.h"
#include "settings/IniFile.h"
#include "settings/WatchingOption.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

// A folder of this process's own (removed at exit): two benchmark runs at once must not
// write or remove each other's files.
std::string BenchPath(const char* name) {
  static const TempDir dir;
  return dir.File(name);
}

// Both lists with their dialogs' bound controls and `count` distinct entries each.
struct ListsFixture {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm commandDlg{app, "CommandDlg"};
  TForm watchingDlg{app, "WatchingDlg"};
  std::string path;
  CCommandOption commands;
  CWatchingOption watching;

  ListsFixture(const std::string& settingsPath, int count)
      : path(settingsPath), commands(app, settingsPath), watching(app, settingsPath) {
    Bind(commands, Create<TEdit>(&commandDlg, "EditName"), "Command");
    Bind(commands, Create<TMemo>(&commandDlg, "MemoWindowTitle"), "Command");
    Bind(commands, Create<TLabeledEdit>(&commandDlg, "LabeledEditHotKey"), "Command");
    Bind(commands, Create<TLabeledEdit>(&commandDlg, "LabeledEditProgram"), "Command");
    commands.Initialize();
    auto number = [this](const char* name, const char* text) {
      auto* edit = Create<TLabeledEdit>(&watchingDlg, name);
      edit->SetText(text);
      BindInt(watching, edit, "Watching");
    };
    Bind(watching, Create<TEdit>(&watchingDlg, "EditName"), "Watching");
    Bind(watching, Create<TEdit>(&watchingDlg, "EditWindowTitle"), "Watching");
    Bind(watching, Create<TCheckBox>(&watchingDlg, "CheckBoxTranslucent"), "Watching");
    number("LabeledEditTranslucentAlpha", "200");
    Bind(watching, Create<TCheckBox>(&watchingDlg, "CheckBoxPosition"), "Watching");
    number("LabeledEditPositionLeft", "0");
    number("LabeledEditPositionTop", "0");
    Bind(watching, Create<TCheckBox>(&watchingDlg, "CheckBoxFrame"), "Watching");
    number("LabeledEditFramePosition", "1");
    watching.Initialize();

    for (int i = 0; i < count; ++i) {
      const std::string n = std::to_string(i);
      commands["Name"].SetTextValue("Command number " + n);
      commands["WindowTitle"].SetTextValue("Tool " + n + "\r\n@ToolWindowClass");
      commands["HotKey"].SetTextValue("Shift+Ctrl+Alt+F" + std::to_string(i % 12 + 1));
      commands["Program"].SetTextValue("C:\\Program Files\\Tool" + n + "\\tool.exe /open");
      commands.StoreEntry(-1);
      watching["Name"].SetTextValue("Rule " + n);
      watching["WindowTitle"].SetTextValue("@WindowClass" + n);
      watching["Translucent"].SetIntValue(i % 2);
      watching["TranslucentAlpha"].SetIntValue(100 + i % 100);
      watching["PositionLeft"].SetIntValue(i);
      watching["FramePosition"].SetIntValue(i % 10 + 1);
      watching.StoreEntry(-1);
    }
    std::filesystem::remove(path);
    SaveBoth();
  }
  ~ListsFixture() { std::filesystem::remove(path); }

  void LoadBoth() {
    CIniFile file(path);
    commands.Load();
    watching.Load();
    file.Close();
  }
  void SaveBoth() {
    CIniFile file(path);
    commands.Save();
    watching.Save();
    file.Close();
  }
};

void BM_ListLoad(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ListsFixture fixture(BenchPath("load.ini"), count);
  for (auto _ : state) fixture.LoadBoth();
  if (fixture.commands.Count() != count || fixture.watching.Count() != count)
    state.SkipWithError("the lists did not load");
  state.SetComplexityN(count);
}
BENCHMARK(BM_ListLoad)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The settings file's share of a load: opening the file (read and indexed) and looking up
// every key the two lists read, without the lists themselves.
void BM_ListFileReadsOnly(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ListsFixture fixture(BenchPath("reads.ini"), count);
  // In the order the loads read them: entry by entry.
  std::vector<std::pair<const char*, std::string>> keys;
  for (int i = 0; i < count; ++i)
    for (const char* field : {"HotKey", "Name", "Program", "WindowTitle"})
      keys.emplace_back("Command", field + std::to_string(i));
  for (int i = 0; i < count; ++i)
    for (const char* field : {"Frame", "FramePosition", "Name", "Position", "PositionLeft",
                              "PositionTop", "Translucent", "TranslucentAlpha", "WindowTitle"})
      keys.emplace_back("Watching", field + std::to_string(i));
  for (auto _ : state) {
    CIniFile file(fixture.path);
    std::size_t found = 0;
    for (const auto& [section, key] : keys) found += file.KeyExists(section, key);
    benchmark::DoNotOptimize(found);
    file.Close();
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_ListFileReadsOnly)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Includes writing the file, its flush to disk and the rename that make the write atomic.
void BM_ListSave(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ListsFixture fixture(BenchPath("save.ini"), count);
  for (auto _ : state) fixture.SaveBoth();
  state.SetComplexityN(count);
}
BENCHMARK(BM_ListSave)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
