// Hot-key texts to values, and the registration at start: the six global hot keys and the
// hot keys of n commands against one window. Each text is looked up in the layout's key
// names, built at the first text and kept while the layout stays; the registration grows
// with the number of commands.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "commands/HotKey.h"
#include "commands/HotKeyRegistration.h"
#include "platform/sim/SimDesktop.h"
#include "settings/Binding.h"
#include "settings/CommandOption.h"
#include "settings/Option.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

void BM_TextToHotKey(benchmark::State& state, const char* text, int expected) {
  SimDesktop desktop;
  const std::string input = text;
  std::uint16_t value = 0;
  for (auto _ : state) {
    value = TextToHotKey(desktop, input);
    benchmark::DoNotOptimize(value);
  }
  if (value != expected) state.SkipWithError("the text parsed to another value");
}
// A fixed name, names of the layout in any case, and texts that name no key.
BENCHMARK_CAPTURE(BM_TextToHotKey, HomeWithThreeModifiers, "Shift+Ctrl+Alt+Home", 0xE024);
BENCHMARK_CAPTURE(BM_TextToHotKey, LetterLowerCase, "alt+ctrl+z", 0xC05A);
BENCHMARK_CAPTURE(BM_TextToHotKey, FunctionKey, "alt+^F12", 0xC07B);
BENCHMARK_CAPTURE(BM_TextToHotKey, LayoutName, "Ctrl+Alt+\\", 0xC0DC);
BENCHMARK_CAPTURE(BM_TextToHotKey, ModifiersOnly, "Shift+Ctrl+", 0);
BENCHMARK_CAPTURE(BM_TextToHotKey, NoSuchKey, "Ctrl+Alt+NoSuchKey", 0);

// The six global hot keys with their design texts, and `count` commands whose hot keys
// are what people set: combinations of one to three modifiers with letters, digits and
// function keys, every seventh left empty, some of them repeated (refused as taken).
struct RegistrationFixture {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm optionDlg{app, "OptionDlg"};
  TForm commandDlg{app, "CommandDlg"};
  COption options{app, "unused-hotkey-bench.ini"};
  CCommandOption commands{app, "unused-hotkey-bench.ini"};
  SimDesktop desktop;
  static constexpr WindowHandle kWindow = 0x20010;

  explicit RegistrationFixture(int count) {
    struct Global {
      const char* control;
      const char* section;
      const char* text;
    };
    static constexpr std::array<Global, 6> kGlobals{{
        {"LabeledEditHotKeyTranslucent", "Option", "Shift+Ctrl+Alt+Home"},
        {"LabeledEditHotKeyGetInfo", "Option", "Shift+Ctrl+Alt+End"},
        {"LabeledEditVirtualDesktopHotKeyUp", "VirtualDesktop", "Shift+Ctrl+Alt+Up"},
        {"LabeledEditVirtualDesktopHotKeyDown", "VirtualDesktop", "Shift+Ctrl+Alt+Down"},
        {"LabeledEditVirtualDesktopHotKeyLeft", "VirtualDesktop", "Shift+Ctrl+Alt+Left"},
        {"LabeledEditVirtualDesktopHotKeyRight", "VirtualDesktop", "Shift+Ctrl+Alt+Right"},
    }};
    for (const Global& global : kGlobals) {
      auto* edit = Create<TLabeledEdit>(&optionDlg, global.control);
      edit->SetText(global.text);
      Bind(options, edit, global.section);
    }
    options.FromControls();

    Bind(commands, Create<TEdit>(&commandDlg, "EditName"), "Command");
    Bind(commands, Create<TMemo>(&commandDlg, "MemoWindowTitle"), "Command");
    Bind(commands, Create<TLabeledEdit>(&commandDlg, "LabeledEditHotKey"), "Command");
    Bind(commands, Create<TLabeledEdit>(&commandDlg, "LabeledEditProgram"), "Command");
    commands.Initialize();
    static constexpr std::array kModifiers = {"Ctrl+Alt+", "Shift+Ctrl+", "Alt+",
                                              "Ctrl+",     "Shift+Alt+",  "Shift+Ctrl+Alt+"};
    for (int i = 0; i < count; ++i) {
      std::string key;
      const int k = (i / 6) % 60;
      if (k < 26)
        key = std::string(1, static_cast<char>('A' + k));
      else if (k < 36)
        key = std::string(1, static_cast<char>('0' + k - 26));
      else
        key = "F" + std::to_string(k - 35);
      commands["Name"].SetTextValue("Command " + std::to_string(i));
      commands["HotKey"].SetTextValue(i % 7 == 6 ? "" : kModifiers[i % 6] + key);
      commands.StoreEntry(-1);
    }
  }
};

void BM_RegisterAllHotKeys(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  RegistrationFixture fixture(count);
  std::size_t registered = 0;
  for (auto _ : state) {
    RegisterAllHotKeys(fixture.desktop, fixture.options, fixture.commands,
                       RegistrationFixture::kWindow);
    state.PauseTiming();
    registered = fixture.desktop.System->HotKeys.size();
    UnregisterAllHotKeys(fixture.desktop, fixture.commands, RegistrationFixture::kWindow);
    fixture.desktop.Calls.clear();
    state.ResumeTiming();
  }
  if (fixture.commands.Count() != count || registered < 6)
    state.SkipWithError("the hot keys were not registered");
  state.counters["registered"] = static_cast<double>(registered);
  state.SetComplexityN(count);
}
BENCHMARK(BM_RegisterAllHotKeys)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

}  // namespace
