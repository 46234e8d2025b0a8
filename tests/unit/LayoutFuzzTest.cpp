// Arbitrary bytes as the settings file: the options load, which loads both lists, must
// take whatever it is given, and what it took must survive a save and a second load.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>

#include "ListTestForms.h"
#include "SettingsTestSupport.h"
#include "settings/IniFile.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using namespace list_test;

// A random file made of lines that look enough like a settings file to reach the lists:
// section headers, keys of both lists with small indexes, values made of pieces that
// matter to the reader (quotes, escapes, signs, hex, double-byte lead bytes, NULs), and
// raw bytes.
constexpr std::array kSections = {"[Command]", "[Watching]", "[command]",       "[ WATCHING ]",
                                  "[Option]",  "[Watching",  "[VirtualDesktop]"};
constexpr std::array kKeys = {"Count",        "count",
                              "Name",         "WindowTitle",
                              "HotKey",       "Program",
                              "Frame",        "FramePosition",
                              "Translucent",  "TRANSLUCENTALPHA",
                              "PositionLeft", "PositionTop",
                              "Position",     "",
                              "Name00"};
constexpr std::array kPieces = {"\"", "\\", "\\n",  "\\\\",     "\\%",  "0",   "1",          "3",
                                "12", "-3", "0x1F", "0X",       "-",    " ",   "\t",         "=",
                                ";",  "@",  "\x81", "\x82\xA0", "\x1A", "a b", "99999999999"};
constexpr std::array kLineEnds = {"\r\n", "\n", "\r"};

template <std::size_t N>
const char* Pick(std::mt19937& random, const std::array<const char*, N>& texts) {
  return texts[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

std::string RandomFile(std::mt19937& random) {
  auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  std::string file;
  for (int lines = below(40); lines > 0; --lines) {
    const int kind = below(20);
    if (kind < 3) {
      file += Pick(random, kSections);
    } else if (kind < 6) {
      // A count, usually a small number, so that entries follow.
      file += below(2) ? "Count=" : "count = ";
      file += below(5) ? std::to_string(below(9) - 1) : Pick(random, kPieces);
    } else if (kind < 17) {
      file += Pick(random, kKeys);
      if (below(4) > 0) file += std::to_string(below(6));
      file += below(5) ? "=" : " = ";
      for (int pieces = below(6); pieces > 0; --pieces) file += Pick(random, kPieces);
      if (below(10) == 0) file.push_back('\0');
    } else {
      for (int bytes = below(30); bytes > 0; --bytes) file.push_back(static_cast<char>(below(256)));
    }
    file += Pick(random, kLineEnds);
  }
  return file;
}

// Replaces the file's content in place. Truncating a file to nothing (or making a new one
// each time) costs a file-system flush or a new inode per input.
void Overwrite(const std::string& path, const std::string& bytes) {
  { std::fstream(path, std::ios::in | std::ios::out | std::ios::binary) << bytes; }
  std::filesystem::resize_file(path, bytes.size());
}

template <class TList>
std::vector<std::string> Snapshot(TList& list) {
  std::vector<std::string> values;
  for (int i = 0; i < list.Count(); ++i) {
    list.LoadEntry(i);
    for (const auto& [key, item] : list)
      values.push_back(key + "=" +
                       (item.IsInt() ? std::to_string(item.IntValue()) : item.TextValue()));
  }
  return values;
}

TEST(LayoutFuzzTest, AnyFileLoadsWithinTheBoundAndSurvivesASaveAndALoad) {
  HeadlessBackend backend;
  TApplication app{backend};
  settings_test::ScratchDir dir;
  const std::string path = dir.Path("tarnwick.ini");
  settings_test::OptionTestForm optionDlg{app};
  COption options{app, path};
  CCommandOption commands{app, path};
  CWatchingOption watching{app, path};
  CommandTestDialog commandDlg{app, commands};
  WatchingTestDialog watchingDlg{app, watching};
  optionDlg.BindTo(options);
  options.CommandSettings = &commands;
  options.WatchingSettings = &watching;

  settings_test::WriteFile(path, "");
  std::mt19937 random(20240611);
  int nonEmptyLists = 0, roundTrips = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string file = RandomFile(random);
    Overwrite(path, file);
    ASSERT_TRUE(options.Load()) << round;
    ASSERT_LE(commands.Count(), kMaxListEntries);
    ASSERT_LE(watching.Count(), kMaxListEntries);
    nonEmptyLists += commands.Count() > 0 || watching.Count() > 0;
    // A save goes through the disk (and waits for it); ten make the point.
    if (roundTrips == 10 || (commands.Count() == 0 && watching.Count() == 0)) continue;
    ++roundTrips;
    const auto commandValues = Snapshot(commands);
    const auto watchingValues = Snapshot(watching);
    {
      // Both lists into one write of the file, as the options save does.
      CIniFile outer(path);
      ASSERT_TRUE(commands.Save()) << round;
      ASSERT_TRUE(watching.Save()) << round;
      ASSERT_TRUE(outer.Close()) << round;
    }
    ASSERT_TRUE(commands.Load()) << round;
    ASSERT_TRUE(watching.Load()) << round;
    ASSERT_EQ(Snapshot(commands), commandValues) << "round " << round;
    ASSERT_EQ(Snapshot(watching), watchingValues) << "round " << round;
  }
  // The inputs did reach the lists.
  EXPECT_GT(nonEmptyLists, 500);
  EXPECT_EQ(roundTrips, 10);
  EXPECT_TRUE(backend.Boxes.empty());
}

}  // namespace
