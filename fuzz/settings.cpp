// Arbitrary bytes as the settings file, loaded by the program's deferred start (the options,
// then the command list and the watching list, then the first frame, the hot keys and the
// hook from what was loaded), saved the way OK in the options dialog saves it, and loaded
// again. Whatever a hand-edited file holds, loading must not fail,
// saving must keep every value that was loaded, and loading the saved file must give back
// exactly what was saved.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "FuzzCheck.h"
#include "commands/HotKey.h"
#include "desktop/FormVirtualDesktop.h"
#include "platform/sim/SimDesktop.h"
#include "settings/GridOption.h"
#include "settings/IniValues.h"
#include "settings/ValueEncoding.h"
#include "shell/OptionDlg.h"
#include "shell/Program.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

// Lists longer than this (both together) are loaded and checked but not saved.
constexpr std::size_t kRoundTripEntries = 5000;

// The values of the options' items, by key: the one that matters for the item's kind.
struct ItemValue {
  bool isInt = false;
  int number = 0;
  std::string text;
  bool operator==(const ItemValue& other) const {
    return isInt == other.isInt && (isInt ? number == other.number : text == other.text);
  }
};
using Values = std::map<std::string, ItemValue>;

// One list entry as plain fields, in declaration order.
using Entry = std::vector<std::string>;
struct Lists {
  std::vector<Entry> commands;
  std::vector<Entry> watching;
  bool operator==(const Lists& other) const = default;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  FUZZ_CHECK(out.good());
}

// A folder of its own per process, in memory when possible: every save flushes the file.
fs::path MakeScratchDir() {
  std::error_code error;
  fs::path base = "/dev/shm";
  if (!fs::is_directory(base, error) || ::access(base.c_str(), W_OK) != 0)
    base = fs::temp_directory_path();
  // A run that stopped on a failure could not remove its folder: remove those whose
  // process is gone.
  const std::string prefix = "tw-fuzz-settings-";
  for (const auto& entry : fs::directory_iterator(base, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      fs::remove_all(entry.path(), error);
  }
  fs::path dir = base / (prefix + std::to_string(::getpid()));
  fs::remove_all(dir, error);
  fs::create_directories(dir);
  return dir;
}

class Harness {
 public:
  Harness() : dir_(MakeScratchDir()) {
    desktop_.ExecutablePath = (dir_ / "tarnwick.exe").string();
    // The forms are windows of the simulated desktop, in the program's own process.
    backend_.OnRealizeForm = [this](TForm& form) {
      SimWindow window;
      window.ClassName = form.ClassName();
      window.Title = form.Caption();
      window.ProcessId = desktop_.CurrentProcessId;
      window.ThreadId = desktop_.CurrentThreadId;
      return desktop_.AddWindow(window);
    };
    program_ = std::make_unique<Program>(desktop_, backend_);
    program_->CreateForms();
    // The deferred start, without a settings file: every value at its design-time default.
    bool done = false;
    program_->Application.OnIdle(done);
    FUZZ_CHECK(!fs::exists(SettingsFile()));
    defaults_ = TakeValues();
  }
  ~Harness() {
    program_.reset();
    std::error_code error;
    fs::remove_all(dir_, error);
  }

  void Run(std::string_view bytes) {
    COption& options = program_->OptionSettings;
    ResetToBeforeStart();
    WriteFile(SettingsFile(), bytes);

    bool done = false;
    program_->OptionDlg->IdleStart(done);
    FUZZ_CHECK(done);
    const Values loaded = TakeValues();
    const Lists lists = TakeLists();
    CheckLoaded(loaded, lists);
    CheckStarted(loaded, lists);
    FUZZ_CHECK(ReadFile(SettingsFile()) == bytes);  // loading never writes
    if (bytes.find('=') == std::string_view::npos) {
      // Without a single key line the file holds no value.
      FUZZ_CHECK(loaded == defaults_);
      FUZZ_CHECK(lists.commands.empty() && lists.watching.empty());
    }
    // A dozen bytes can claim the largest lists, whose save writes megabytes: seconds here,
    // minutes under the sanitizers. Their entries take the same path as a short list's.
    if (lists.commands.size() + lists.watching.size() > kRoundTripEntries) return;

    // OK in the options dialog. Values the range checks refuse keep the dialog open
    // without touching anything; the user then corrects them and presses OK again.
    Values expected = AfterTransfer(loaded);
    if (!options.Save()) {
      FUZZ_CHECK(backend_.Boxes.size() == 1);
      FUZZ_CHECK(ReadFile(SettingsFile()) == bytes);
      FUZZ_CHECK(TakeValues() == loaded);
      FUZZ_CHECK(TakeLists() == lists);
      CorrectRangeFields(expected);
      FUZZ_CHECK(options.Save());
    }
    FUZZ_CHECK(!fs::exists(SettingsFile().string() + ".tmp"));
    const Values saved = TakeValues();
    CompareValues("saved", saved, expected);
    FUZZ_CHECK(TakeLists() == lists);
    const std::string written = ReadFile(SettingsFile());

    // Nothing may come from the values held before: every key must be in the file now.
    Poison();
    FUZZ_CHECK(options.Load());
    CompareValues("loaded again", TakeValues(), saved);
    bool cut = false;
    const Lists reloaded = ExpectedAfterReload(lists, cut);
    if (!(TakeLists() == reloaded)) ReportLists(reloaded, TakeLists());
    FUZZ_CHECK(TakeLists() == reloaded);

    // Saving what was loaded from a saved file changes no byte.
    if (cut) return;
    FUZZ_CHECK(options.Save());
    if (ReadFile(SettingsFile()) != written) {
      fuzz::PrintEscaped("first save", written);
      fuzz::PrintEscaped("second save", ReadFile(SettingsFile()));
    }
    FUZZ_CHECK(ReadFile(SettingsFile()) == written);
  }

 private:
  fs::path SettingsFile() const { return dir_ / "tarnwick.ini"; }

  // The state of a fresh program whose forms exist: design-time values in the controls and
  // the items (the start reads the controls first, and the file keeps what it lacks), the
  // pager hidden, no hot key registered, the hook not started.
  void ResetToBeforeStart() {
    PutValues(defaults_);
    program_->OptionSettings.ToControls();
    program_->FormVirtualDesktop->Close();
    desktop_.System->HotKeys.clear();
    desktop_.HookStarted = false;
    desktop_.HookTarget = 0;
    desktop_.Calls.clear();
    backend_.Boxes.clear();
  }

  // What the start did with the loaded values.
  void CheckStarted(const Values& loaded, const Lists& lists) {
    // The first frame: "InitialFrame" counted from 1, within the frames there are.
    const long long initial = loaded.at("VirtualDesktopInitialFrame").number;
    const long long frames = std::max(loaded.at("VirtualDesktopCount").number, 1);
    FUZZ_CHECK(program_->FormVirtualDesktop->CurrentFrame ==
               std::clamp(initial - 1, 0LL, frames - 1));

    const WindowHandle window = program_->OptionDlg->Handle();
    FUZZ_CHECK(desktop_.HookStarted && desktop_.HookTarget == window);
    FUZZ_CHECK(desktop_.HookSnappingKey == loaded.at("SnappingKey").number);

    // Every registration: a global id with its setting's text, or a command's index with
    // its entry's text; the key and modifiers are what that text parses to.
    static const std::map<int, const char*> kGlobalIds = {
        {0xBFFF, "HotKeyTranslucent"},        {0xBFFE, "HotKeyGetInfo"},
        {0xBFFD, "VirtualDesktopHotKeyUp"},   {0xBFFC, "VirtualDesktopHotKeyDown"},
        {0xBFFB, "VirtualDesktopHotKeyLeft"}, {0xBFFA, "VirtualDesktopHotKeyRight"}};
    for (const SimHotKey& hotKey : desktop_.System->HotKeys) {
      FUZZ_CHECK(hotKey.Window == window);
      std::string text;
      if (auto global = kGlobalIds.find(hotKey.Id); global != kGlobalIds.end()) {
        text = loaded.at(global->second).text;
      } else {
        FUZZ_CHECK(hotKey.Id >= 0 && static_cast<std::size_t>(hotKey.Id) < lists.commands.size());
        text = lists.commands[static_cast<std::size_t>(hotKey.Id)][2];
      }
      const std::uint16_t value = TextToHotKey(desktop_, text);
      FUZZ_CHECK(hotKey.Key == (value & kHotKeyCodeMask));
      FUZZ_CHECK(hotKey.Key >= 0x08 && hotKey.Key <= 0xFF);
      FUZZ_CHECK(hotKey.Modifiers == HotKeyModifiers(value));
    }
  }

  Values TakeValues() const {
    Values values;
    for (const auto& [key, item] : program_->OptionSettings)
      if (item.Body) values[key] = {item.IsInt(), item.IntValue(), item.TextValue()};
    return values;
  }

  void PutValues(const Values& values) {
    for (auto& [key, item] : program_->OptionSettings) {
      auto found = values.find(key);
      FUZZ_CHECK(found != values.end() || !item.Body);
      if (found == values.end()) continue;
      item.SetIntValue(found->second.number);
      item.SetTextValue(found->second.text);
    }
  }

  void Poison() {
    for (auto& [key, item] : program_->OptionSettings) {
      item.SetIntValue(0x5EED5EED);
      item.SetTextValue("\x7F(not read from the file)");
    }
  }

  Lists TakeLists() const {
    Lists lists;
    const CCommandOption& commands = program_->CommandSettings;
    for (int i = 0; i < commands.Count(); ++i) {
      const auto& e = commands.Entry(i);
      lists.commands.push_back(
          {e.Name, e.WindowTitle, e.HotKey, std::to_string(e.Reserved), e.Program});
    }
    const CWatchingOption& watching = program_->WatchingSettings;
    for (int i = 0; i < watching.Count(); ++i) {
      const auto& e = watching.Entry(i);
      lists.watching.push_back({e.Name, e.WindowTitle, std::to_string(e.Translucent),
                                std::to_string(e.TranslucentAlpha), std::to_string(e.Position),
                                std::to_string(e.PositionLeft), std::to_string(e.PositionTop),
                                std::to_string(e.Frame), std::to_string(e.FramePosition)});
    }
    return lists;
  }

  // The lists as a load of their saved form gives them back. A memo's stored form doubles
  // every lone backslash, so a memo loaded from a hand-edited file can be stored longer
  // than the reader takes (kProfileTextLimit bytes): it comes back as the decoding of the
  // part that was read. Every other value comes back unchanged.
  static Lists ExpectedAfterReload(const Lists& lists, bool& cut) {
    Lists expected = lists;
    for (Entry& e : expected.commands) {
      const std::string stored = EncodeMemoText(e[1]);
      if (stored.size() <= kProfileTextLimit) continue;
      e[1] = DecodeMemoText(ProfileText('"' + stored + '"'));
      cut = true;
    }
    return expected;
  }

  // What a stored value can be after a load, whatever the file held.
  void CheckLoaded(const Values& values, const Lists& lists) const {
    for (const auto& [key, value] : values) {
      if (value.isInt) continue;
      CheckSingleLineText(value.text);
    }
    FUZZ_CHECK(lists.commands.size() <= static_cast<std::size_t>(kMaxListEntries));
    FUZZ_CHECK(lists.watching.size() <= static_cast<std::size_t>(kMaxListEntries));
    for (const Entry& e : lists.commands) {
      CheckSingleLineText(e[0]);
      CheckMemoText(e[1]);
      CheckSingleLineText(e[2]);
      CheckSingleLineText(e[4]);
    }
    for (const Entry& e : lists.watching) {
      CheckSingleLineText(e[0]);
      CheckSingleLineText(e[1]);
    }
  }

  static void CheckSingleLineText(std::string_view text) {
    FUZZ_CHECK(text.size() <= kProfileTextLimit);
    FUZZ_CHECK(text.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos);
  }

  // Decoded memo text: line breaks only as CR LF pairs, no NUL.
  static void CheckMemoText(std::string_view text) {
    FUZZ_CHECK(text.find('\0') == std::string_view::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
      if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
    }
  }

  // The values as the bound controls give them back to Save: a check mark holds only on
  // or off, a choice only an existing index or none; edits and memos keep what they show.
  Values AfterTransfer(const Values& values) const {
    Values out = values;
    for (const auto& [key, item] : program_->OptionSettings) {
      if (!item.Body) continue;
      ItemValue& value = out[key];
      TComponent* control = item.Control();
      auto choice = [&](std::size_t count) {
        if (value.number < -1 || value.number >= static_cast<int>(count)) value.number = -1;
      };
      if (dynamic_cast<TCheckBox*>(control) || dynamic_cast<TMenuItem*>(control))
        value.number = value.number != 0 ? 1 : 0;
      else if (auto* group = dynamic_cast<TRadioGroup*>(control))
        choice(group->Items().size());
      else if (auto* combo = dynamic_cast<TComboBox*>(control); combo && item.IsInt())
        choice(combo->Items().size());
    }
    return out;
  }

  // The four checked number fields set into their ranges, as a user would before OK.
  void CorrectRangeFields(Values& expected) {
    COption& options = program_->OptionSettings;
    auto correct = [&](const char* key, int low, int high, int fallback) {
      int& value = expected.at(key).number;
      if (value < low || value > high) {
        value = fallback;
        auto* edit = dynamic_cast<TCustomEdit*>(options[key].Control());
        FUZZ_CHECK(edit != nullptr);
        edit->SetText(std::to_string(fallback));
      }
      return value;
    };
    correct("TranslucentAlpha", 1, 255, 200);
    const int count = correct("VirtualDesktopCount", 1, 10, 4);
    correct("VirtualDesktopInitialFrame", 1, count, 1);
    correct("VirtualDesktopMiniWidth", 8, 64, 16);
  }

  static void CompareValues(const char* stage, const Values& actual, const Values& expected) {
    if (actual == expected) return;
    for (const auto& [key, value] : expected) {
      auto found = actual.find(key);
      if (found != actual.end() && found->second == value) continue;
      std::fprintf(stderr, "%s: %s differs\n", stage, key.c_str());
      if (found != actual.end()) {
        std::fprintf(stderr, "  %d / %d\n", found->second.number, value.number);
        fuzz::PrintEscaped("  actual", found->second.text);
        fuzz::PrintEscaped("  expected", value.text);
      }
    }
    FUZZ_CHECK(actual == expected);
  }

  static void ReportLists(const Lists& expected, const Lists& actual) {
    std::fprintf(stderr, "commands %zu / %zu, watching %zu / %zu\n", actual.commands.size(),
                 expected.commands.size(), actual.watching.size(), expected.watching.size());
    auto report = [](const char* list, const std::vector<Entry>& a, const std::vector<Entry>& b) {
      for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        for (std::size_t f = 0; f < a[i].size(); ++f)
          if (a[i][f] != b[i][f]) {
            std::fprintf(stderr, "%s entry %zu field %zu differs\n", list, i, f);
            fuzz::PrintEscaped("  actual", a[i][f]);
            fuzz::PrintEscaped("  expected", b[i][f]);
            return;
          }
    };
    report("command", actual.commands, expected.commands);
    report("watching", actual.watching, expected.watching);
  }

  fs::path dir_;
  SimDesktop desktop_;
  HeadlessBackend backend_;
  std::unique_ptr<Program> program_;
  Values defaults_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness harness;
  harness.Run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
