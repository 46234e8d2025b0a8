// Load and save of the general options against a realistic settings file, and the INI
// image with the keys of a long command list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../tests/unit/TempDir.h"
#include "settings/Binding.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/Option.h"
#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

// A folder of this process's own (removed at exit): two benchmark runs at once must not
// write or remove each other's files.
std::string BenchPath(const char* name) {
  static const TempDir dir;
  return dir.File(name);
}

// The keys of `count` command entries, as the command list writes them.
std::string CommandSection(int count) {
  std::string text = "[Command]\r\nCount=" + std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i) {
    std::string n = std::to_string(i);
    text += "HotKey" + n + "=\"Shift+Ctrl+Alt+F" + std::to_string(i % 12 + 1) + "\"\r\n";
    text += "Name" + n + "=\"Command number " + n + "\"\r\n";
    text += "Program" + n + "=\"C:\\Program Files\\Tool" + n + "\\tool.exe /open\"\r\n";
    text += "WindowTitle" + n + "=\"Tool " + n + "\\n@ToolWindowClass\"\r\n";
  }
  return text;
}

std::string RealisticFile() {
  return "[Option]\r\nHotKeyGetInfo=\"Shift+Ctrl+Alt+End\"\r\n"
         "HotKeyTranslucent=\"Shift+Ctrl+Alt+Home\"\r\nSnappingKey=2\r\n"
         "TranslucentAlpha=180\r\nVirtualDesktop=1\r\n\r\n"
         "[VirtualDesktop]\r\nCount=6\r\nFixed=1\r\nHotKeyDown=\"Shift+Ctrl+Alt+Down\"\r\n"
         "HotKeyLeft=\"Shift+Ctrl+Alt+Left\"\r\nHotKeyRight=\"Shift+Ctrl+Alt+Right\"\r\n"
         "HotKeyUp=\"Shift+Ctrl+Alt+Up\"\r\nInactive=1\r\nInitialFrame=2\r\nMiniWidth=24\r\n"
         "MoveActiveFrame=1\r\nLeft=900\r\nTop=20\r\nWidth=80\r\nHeight=160\r\n\r\n" +
         CommandSection(20) + "\r\n[Watching]\r\nCount=0\r\n";
}

// The options dialog's bound controls.
struct OptionsFixture {
  HeadlessBackend backend;
  TApplication app{backend};
  TForm form{app, "OptionDlg"};
  COption options;

  explicit OptionsFixture(const std::string& path) : options(app, path) {
    auto edit = [&](const char* name, const char* text, bool number, const char* section) {
      auto* control = Create<TLabeledEdit>(&form, name);
      control->SetText(text);
      number ? BindInt(options, control, section) : Bind(options, control, section);
    };
    auto choice = [&](auto* control, int items, const char* section) {
      control->SetItems(std::vector<std::string>(static_cast<std::size_t>(items), "item"));
      control->SetItemIndex(0);
      BindInt(options, control, section);
    };
    edit("LabeledEditHotKeyTranslucent", "Shift+Ctrl+Alt+Home", false, "Option");
    edit("LabeledEditTranslucentAlpha", "200", true, "Option");
    edit("LabeledEditHotKeyGetInfo", "Shift+Ctrl+Alt+End", false, "Option");
    choice(Create<TComboBox>(&form, "ComboBoxSnappingKey"), 4, "Option");
    choice(Create<TRadioGroup>(&form, "RadioGroupVirtualDesktop"), 3, "Option");
    edit("LabeledEditVirtualDesktopCount", "4", true, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopInitialFrame", "1", true, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopMiniWidth", "16", true, "VirtualDesktop");
    choice(Create<TRadioGroup>(&form, "RadioGroupVirtualDesktopInactive"), 3, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopHotKeyUp", "Shift+Ctrl+Alt+Up", false, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopHotKeyDown", "Shift+Ctrl+Alt+Down", false, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopHotKeyLeft", "Shift+Ctrl+Alt+Left", false, "VirtualDesktop");
    edit("LabeledEditVirtualDesktopHotKeyRight", "Shift+Ctrl+Alt+Right", false, "VirtualDesktop");
    Bind(options, Create<TCheckBox>(&form, "CheckBoxVirtualDesktopMoveActiveFrame"),
         "VirtualDesktop");
    Bind(options, Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed"), "VirtualDesktop");
  }
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void BM_OptionLoad(benchmark::State& state) {
  const std::string path = BenchPath("load.ini");
  WriteFile(path, RealisticFile());
  OptionsFixture fixture(path);
  for (auto _ : state) benchmark::DoNotOptimize(fixture.options.Load());
  std::filesystem::remove(path);
}
BENCHMARK(BM_OptionLoad);

// Includes the flush to disk and the rename that make the write atomic.
void BM_OptionSave(benchmark::State& state) {
  const std::string path = BenchPath("save.ini");
  WriteFile(path, RealisticFile());
  OptionsFixture fixture(path);
  fixture.options.Load();
  for (auto _ : state) benchmark::DoNotOptimize(fixture.options.Save());
  std::filesystem::remove(path);
}
BENCHMARK(BM_OptionSave)->Unit(benchmark::kMicrosecond);

// Parse a command section of n entries and read every one of its keys.
void BM_IniReadCommandList(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string bytes = RealisticFile() + CommandSection(count);
  const char* fields[] = {"HotKey", "Name", "Program", "WindowTitle"};
  for (auto _ : state) {
    CIniDocument doc(bytes);
    std::size_t found = 0;
    for (int i = 0; i < count; ++i)
      for (const char* field : fields)
        found += doc.Find("Command", field + std::to_string(i)).has_value();
    benchmark::DoNotOptimize(found);
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_IniReadCommandList)->RangeMultiplier(10)->Range(10, 1000)->Complexity();

// Overwrite every key of n entries in place and build the file's bytes.
void BM_IniWriteCommandList(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string bytes = CommandSection(count);
  const char* fields[] = {"HotKey", "Name", "Program", "WindowTitle"};
  for (auto _ : state) {
    CIniDocument doc(bytes);
    for (int i = 0; i < count; ++i)
      for (const char* field : fields) doc.Set("Command", field + std::to_string(i), "\"x\"");
    benchmark::DoNotOptimize(doc.Serialize());
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_IniWriteCommandList)->RangeMultiplier(10)->Range(10, 1000)->Complexity();

}  // namespace
