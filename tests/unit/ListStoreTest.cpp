#include <gtest/gtest.h>

#include <filesystem>

#include "ListTestForms.h"
#include "SettingsTestSupport.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

using namespace list_test;
using settings_test::ReadFile;
using settings_test::WriteFile;

struct ListStoreTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
  settings_test::ScratchDir dir;
  std::string path = dir.Path("tarnwick.ini");
  CCommandOption commands{app, path};
  CWatchingOption watching{app, path};
  CommandTestDialog commandDlg{app, commands};
  WatchingTestDialog watchingDlg{app, watching};

  void AddCommand(const std::string& name, const std::string& title = "",
                  const std::string& hotKey = "", const std::string& program = "") {
    commands["Name"].SetTextValue(name);
    commands["WindowTitle"].SetTextValue(title);
    commands["HotKey"].SetTextValue(hotKey);
    commands["Program"].SetTextValue(program);
    commands.StoreEntry(-1);
  }
  void AddRule(const std::string& name, const std::string& title, int alpha, int left) {
    watching.LoadEntry(-1);
    watching["Name"].SetTextValue(name);
    watching["WindowTitle"].SetTextValue(title);
    watching["Translucent"].SetIntValue(1);
    watching["TranslucentAlpha"].SetIntValue(alpha);
    watching["PositionLeft"].SetIntValue(left);
    watching.StoreEntry(-1);
  }
  std::vector<std::string> Names(const CCommandOption& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i) names.push_back(list.Entry(i).Name);
    return names;
  }
};

TEST_F(ListStoreTest, EntryTenIsSuffixedWithoutLeadingZeros) {
  for (int i = 0; i < 11; ++i) AddCommand("c" + std::to_string(i));
  ASSERT_TRUE(commands.Save());
  std::string file = ReadFile(path);
  EXPECT_NE(file.find("\r\nName10=\"c10\"\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\r\nName9=\"c9\"\r\n"), std::string::npos) << file;
  EXPECT_EQ(file.find("Name010"), std::string::npos) << file;

  commands.Clear();
  ASSERT_TRUE(commands.Load());
  ASSERT_EQ(commands.Count(), 11);
  EXPECT_EQ(commands.Entry(10).Name, "c10");
}

TEST_F(ListStoreTest, ShrunkListLeavesOldKeysThatLoadNeverReads) {
  for (const char* name : {"a", "b", "c", "d", "e"}) AddCommand(name);
  ASSERT_TRUE(commands.Save());
  commands.RemoveEntry(1);
  commands.RemoveEntry(3);
  ASSERT_TRUE(commands.Save());

  std::string file = ReadFile(path);
  EXPECT_NE(file.find("Count=3\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("Name2=\"d\""), std::string::npos) << file;
  EXPECT_NE(file.find("Name3=\"d\""), std::string::npos) << file;  // left from before
  EXPECT_NE(file.find("Name4=\"e\""), std::string::npos) << file;

  ASSERT_TRUE(commands.Load());
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"a", "c", "d"}));
}

TEST_F(ListStoreTest, MissingKeysInheritFromTheEntryBeforeAndEntryZeroFromDefaults) {
  WriteFile(path,
            "[Command]\r\nCount=3\r\n"
            "Name0=\"first\"\r\nProgram0=\"run.exe\"\r\nHotKey0=\"Ctrl+F1\"\r\n"
            "Name1=\"second\"\r\n"
            "HotKey2=\"\"\r\n"
            "[Watching]\r\nCount=2\r\n"
            "Name0=\"w\"\r\n"
            "Name1=\"v\"\r\nTranslucentAlpha1=50\r\nFrame1=1\r\n");
  // Whatever the items held last (rule application loads every rule into them) must not
  // leak into the entries.
  commands["WindowTitle"].SetTextValue("stale");
  watching["TranslucentAlpha"].SetIntValue(17);
  watching["FramePosition"].SetIntValue(9);
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());

  ASSERT_EQ(commands.Count(), 3);
  EXPECT_EQ(commands.Entry(0).WindowTitle, "");
  EXPECT_EQ(commands.Entry(1).Name, "second");
  EXPECT_EQ(commands.Entry(1).Program, "run.exe");
  EXPECT_EQ(commands.Entry(1).HotKey, "Ctrl+F1");
  EXPECT_EQ(commands.Entry(2).Name, "second");
  EXPECT_EQ(commands.Entry(2).Program, "run.exe");
  EXPECT_EQ(commands.Entry(2).HotKey, "");

  ASSERT_EQ(watching.Count(), 2);
  EXPECT_EQ(watching.Entry(0).TranslucentAlpha, 200);
  EXPECT_EQ(watching.Entry(0).FramePosition, 1);
  EXPECT_EQ(watching.Entry(1).TranslucentAlpha, 50);
  EXPECT_EQ(watching.Entry(1).Frame, 1);
  EXPECT_EQ(watching.Entry(1).FramePosition, 1);
}

TEST_F(ListStoreTest, RuleNumbersOutOfRangeLoadAsTheNearestAllowed) {
  WriteFile(path,
            "[Watching]\r\nCount=3\r\n"
            "Name0=a\r\nTranslucentAlpha0=0\r\nFramePosition0=0\r\n"
            "Name1=b\r\nTranslucentAlpha1=256\r\nFramePosition1=11\r\n"
            "Name2=c\r\nTranslucentAlpha2=-5\r\nFramePosition2=2147483647\r\n");
  ASSERT_TRUE(watching.Load());
  ASSERT_EQ(watching.Count(), 3);
  const int alphas[] = {1, 255, 1}, frames[] = {1, 10, 10};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(watching.Entry(i).TranslucentAlpha, alphas[i]) << i;
    EXPECT_EQ(watching.Entry(i).FramePosition, frames[i]) << i;
  }
}

TEST_F(ListStoreTest, MemoTitleIsEncodedOnOneLineButPlainTitleIsNot) {
  AddCommand("two", "Untitled - Notes\r\n@C:\\n class");
  AddRule("plain", "C:\\new folder", 200, 0);
  ASSERT_TRUE(commands.Save());
  ASSERT_TRUE(watching.Save());
  std::string file = ReadFile(path);
  EXPECT_NE(file.find("\r\nWindowTitle0=\"Untitled - Notes\\n@C:\\\\n class\"\r\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("\r\nWindowTitle0=\"C:\\new folder\"\r\n"), std::string::npos) << file;

  commands.Clear();
  watching.Clear();
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());
  EXPECT_EQ(commands.Entry(0).WindowTitle, "Untitled - Notes\r\n@C:\\n class");
  EXPECT_EQ(watching.Entry(0).WindowTitle, "C:\\new folder");
}

TEST_F(ListStoreTest, MovesAndRemovesRenumberAndIgnoreIndexesOutOfRange) {
  for (const char* name : {"a", "b", "c"}) AddCommand(name);
  commands.MoveEntryDown(0);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "a", "c"}));
  commands.MoveEntryUp(2);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "c", "a"}));
  commands.MoveEntryUp(1);
  commands.MoveEntryDown(0);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "c", "a"}));

  // Out of range: nothing happens.
  commands.MoveEntryUp(0);
  commands.MoveEntryDown(2);
  commands.RemoveEntry(3);
  commands.RemoveEntry(-1);
  commands["Name"].SetTextValue("x");
  commands.StoreEntry(3);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"b", "c", "a"}));

  ASSERT_TRUE(commands.Save());
  EXPECT_NE(ReadFile(path).find("Name0=\"b\""), std::string::npos);
  commands.RemoveEntry(0);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"c", "a"}));
}

TEST_F(ListStoreTest, LoadEntryFillsItemsOnlyAndOutOfRangeGivesTheDefaults) {
  AddRule("r", "@R", 90, 300);
  watchingDlg.Name->SetText("typed");
  watching.LoadEntry(0);
  EXPECT_EQ(watching["Name"].TextValue(), "r");
  EXPECT_EQ(watching["PositionLeft"].IntValue(), 300);
  EXPECT_EQ(watchingDlg.Name->Text(), "typed");  // controls are not touched

  for (int index : {-1, 1, 99}) {
    watching.LoadEntry(index);
    EXPECT_EQ(watching["Name"].TextValue(), "");
    EXPECT_EQ(watching["Translucent"].IntValue(), 0);
    EXPECT_EQ(watching["TranslucentAlpha"].IntValue(), 200);
    EXPECT_EQ(watching["FramePosition"].IntValue(), 1);
  }
}

TEST_F(ListStoreTest, StoreEntryOverwritesInPlaceAndKeepsTheUnboundField) {
  commands.DefaultEntry.Reserved = 7;
  AddCommand("a");
  AddCommand("b");
  commands.LoadEntry(0);
  commands["Program"].SetTextValue("new.exe");
  commands.StoreEntry(0);
  ASSERT_EQ(commands.Count(), 2);
  EXPECT_EQ(commands.Entry(0).Name, "a");
  EXPECT_EQ(commands.Entry(0).Program, "new.exe");
  EXPECT_EQ(commands.Entry(0).Reserved, 7);
  EXPECT_EQ(commands.Entry(1).Program, "");
}

struct CountCase {
  const char* count;
  int expected;
  friend std::ostream& operator<<(std::ostream& out, const CountCase& c) {
    return out << "Count=" << c.count;
  }
};

class ListCountTest : public ListStoreTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ListCountTest, CountReadFromTheFileIsBounded) {
  // One long title, inherited by every entry the count claims.
  const std::string title(2000, 'T');
  WriteFile(path, std::string("[Watching]\r\nCount=") + GetParam().count +
                      "\r\nName0=\"n\"\r\nWindowTitle0=\"" + title + "\"\r\nFrame1=1\r\n");
  AddRule("old", "@old", 1, 1);

  ASSERT_TRUE(watching.Load());

  const int count = GetParam().expected;
  ASSERT_EQ(watching.Count(), count);
  if (count < 2) return;
  const auto& last = watching.Entry(count - 1);
  EXPECT_EQ(last.Name, "n");
  EXPECT_EQ(last.Frame, 1);
  // Inherited texts share one buffer: a count of thousands does not copy the title
  // thousands of times.
  EXPECT_EQ(&last.WindowTitle.Str(), &watching.Entry(0).WindowTitle.Str());
  EXPECT_EQ(last.WindowTitle.Str(), title);
}

INSTANTIATE_TEST_SUITE_P(List, ListCountTest,
                         ::testing::Values(CountCase{"3", 3}, CountCase{"0x10", 16},
                                           CountCase{"49146", 49146}, CountCase{"49147", 49146},
                                           CountCase{"2147483647", 49146}, CountCase{"0", 0},
                                           CountCase{"-5", 0}, CountCase{"lots", 0},
                                           CountCase{"", 0}, CountCase{"99999999999", 0}));

TEST_F(ListStoreTest, FullListTakesNoMoreEntriesAndSavesItsBound) {
  WriteFile(path, "[Command]\r\nCount=60000\r\nName0=\"x\"\r\n");
  ASSERT_TRUE(commands.Load());
  ASSERT_EQ(commands.Count(), kMaxListEntries);
  commands.StoreEntry(-1);
  EXPECT_EQ(commands.Count(), kMaxListEntries);

  ASSERT_TRUE(commands.Save());
  std::string file = ReadFile(path);
  EXPECT_NE(file.find("Count=49146\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nName49145=\"x\"\r\n"), std::string::npos);
  EXPECT_EQ(file.find("Name49146"), std::string::npos);
}

TEST_F(ListStoreTest, HandEditedFileIsReadWhateverItsCaseAndQuoting) {
  WriteFile(path,
            "[command]\n"
            "count = 0x2\n"
            "name0 = Unquoted name \n"
            "WINDOWTITLE0=a\\nb\n"
            "hotkey0=\"Ctrl+F2\n"
            "[WATCHING]\n"
            "COUNT=1\n"
            "translucentalpha0=0xC8\n"
            "positionleft0= -40\n"
            "PositionTop0=\"-25\"\n"
            "Frame0=yes\n"
            "name0=\"\"\"quoted\"\"\"\n");
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());

  ASSERT_EQ(commands.Count(), 2);
  EXPECT_EQ(commands.Entry(0).Name, "Unquoted name");
  EXPECT_EQ(commands.Entry(0).WindowTitle, "a\r\nb");
  EXPECT_EQ(commands.Entry(0).HotKey, "\"Ctrl+F2");  // one quote only: kept
  EXPECT_EQ(commands.Entry(1).Name, "Unquoted name");

  ASSERT_EQ(watching.Count(), 1);
  const auto& rule = watching.Entry(0);
  EXPECT_EQ(rule.TranslucentAlpha, 200);
  EXPECT_EQ(rule.PositionLeft, -40);
  EXPECT_EQ(rule.PositionTop, -25);
  EXPECT_EQ(rule.Frame, 0);  // no integer: the default
  EXPECT_EQ(rule.Name, "\"\"quoted\"\"");
}

TEST_F(ListStoreTest, ReloadKeepsTheTextsOfUnchangedEntriesAndTheKeptCopyFollows) {
  const auto file = [](const char* name1) {
    return std::string("[Command]\r\nCount=2\r\nName0=\"first\"\r\nName1=\"") + name1 +
           "\"\r\n[Watching]\r\nCount=1\r\nWindowTitle0=\"@Class\"\r\n";
  };
  WriteFile(path, file("second"));
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());
  const std::string* name0 = &commands.Entry(0).Name.Str();
  const std::string* title0 = &watching.Entry(0).WindowTitle.Str();

  WriteFile(path, file("changed"));
  ASSERT_TRUE(commands.Load());
  ASSERT_TRUE(watching.Load());
  EXPECT_EQ(&commands.Entry(0).Name.Str(), name0);  // not made again
  EXPECT_EQ(&watching.Entry(0).WindowTitle.Str(), title0);
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"first", "changed"}));

  // With the file gone, the entries of that last load come back.
  std::filesystem::remove(path);
  commands.Clear();
  ASSERT_TRUE(commands.Load());
  EXPECT_EQ(Names(commands), (std::vector<std::string>{"first", "changed"}));
}

}  // namespace
