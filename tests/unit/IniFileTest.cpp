#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "SettingsTestSupport.h"
#include "platform/File.h"
#include "settings/IniFile.h"

namespace {

using settings_test::PathExists;
using settings_test::ReadFile;
using settings_test::ScratchDir;
using settings_test::WriteFile;

struct IniFileTest : ::testing::Test {
  ScratchDir dir;
  std::string path = dir.Path("tarnwick.ini");
};

TEST_F(IniFileTest, MissingOrUnreadableFileReadsAsEmptyAndReadingWritesNothing) {
  {
    CIniFile ini(path);
    EXPECT_FALSE(ini.KeyExists("Option", "TranslucentAlpha"));
    EXPECT_EQ(ini.ReadInteger("Option", "TranslucentAlpha", 200), 200);
    EXPECT_EQ(ini.ReadString("Option", "HotKeyGetInfo", "def"), "def");
    EXPECT_TRUE(ini.Close());
  }
  EXPECT_FALSE(PathExists(path));

  std::filesystem::create_directory(path);  // a path that cannot be read as a file
  CIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Option", "TranslucentAlpha", 7), 7);
}

TEST_F(IniFileTest, ReadsFollowTheProfileRules) {
  WriteFile(path,
            "[OPTION]\r\nalpha=0x80\r\nbad=12abc\r\ntext=\"  spaced  \"\r\nbare=  bare  \r\n");
  CIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Option", "Alpha", 0), 128);
  EXPECT_EQ(ini.ReadInteger("Option", "Bad", 55), 55);
  EXPECT_TRUE(ini.KeyExists("Option", "BAD"));
  EXPECT_EQ(ini.ReadString("Option", "Text", ""), "  spaced  ");
  EXPECT_EQ(ini.ReadString("Option", "Bare", ""), "bare");
  EXPECT_EQ(ini.ReadString("Option", "Missing", "default"), "default");
}

// The general options' save opens the file and, while it is open, the lists open it
// again and write their sections. Nothing reaches the disk until the outer access
// closes, and then everything does, in one file.
TEST_F(IniFileTest, NestedAccessesShareOneImageWrittenWhenTheLastCloses) {
  WriteFile(path, "[Command]\r\nCount=5\r\n");
  CIniFile outer(path);
  outer.WriteInteger("Option", "TranslucentAlpha", 100);
  {
    CIniFile inner(path);
    EXPECT_EQ(inner.ReadInteger("Option", "TranslucentAlpha", 0), 100);
    inner.WriteInteger("Command", "Count", 3);
    EXPECT_TRUE(inner.Close());
  }
  EXPECT_EQ(outer.ReadInteger("Command", "Count", 0), 3);
  EXPECT_EQ(ReadFile(path), "[Command]\r\nCount=5\r\n");  // not yet written
  EXPECT_TRUE(outer.Close());
  EXPECT_EQ(ReadFile(path), "[Command]\r\nCount=3\r\n\r\n[Option]\r\nTranslucentAlpha=100\r\n");
  EXPECT_FALSE(PathExists(TemporaryPathFor(path)));

  // Once closed, the next access reads the disk again.
  WriteFile(path, "[Command]\r\nCount=9\r\n");
  CIniFile later(path);
  EXPECT_EQ(later.ReadInteger("Command", "Count", 0), 9);
}

TEST_F(IniFileTest, AccessLeftWithoutCloseWritesUnlessLeftByAnException) {
  {
    CIniFile ini(path);
    ini.WriteInteger("VirtualDesktop", "Fixed", 1);
  }
  EXPECT_EQ(ReadFile(path), "[VirtualDesktop]\r\nFixed=1\r\n");

  try {
    CIniFile ini(path);
    ini.WriteInteger("VirtualDesktop", "Fixed", 0);
    throw std::runtime_error("save aborted");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(ReadFile(path), "[VirtualDesktop]\r\nFixed=1\r\n");
}

TEST_F(IniFileTest, FailedWriteReportsFalseAndLeavesTheFileAsItWas) {
  const std::string before = "; mine\r\n[Option]\r\nTranslucentAlpha=128\r\n";
  WriteFile(path, before);
  std::filesystem::create_directory(TemporaryPathFor(path));  // the temporary cannot be made
  {
    CIniFile ini(path);
    ini.WriteInteger("Option", "TranslucentAlpha", 1);
    EXPECT_FALSE(ini.Close());
  }
  EXPECT_EQ(ReadFile(path), before);

  CIniFile intoMissingFolder(dir.Path("no-such-folder/tarnwick.ini"));
  intoMissingFolder.WriteInteger("Option", "TranslucentAlpha", 1);
  EXPECT_FALSE(intoMissingFolder.Close());
}

TEST(IniFileReplaceTest, ReplacesTheWholeFile) {
  ScratchDir dir;
  const std::string path = dir.Path("file.ini");
  WriteFile(path, std::string(100000, 'o'));
  ASSERT_TRUE(ReplaceFileAtomically(path, "new"));
  EXPECT_EQ(ReadFile(path), "new");
  std::string bytes = "junk";
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "new");
  EXPECT_FALSE(ReadWholeFile(dir.Path("missing"), bytes));
  EXPECT_EQ(bytes, "");
}

}  // namespace

TEST(IniFileReplaceTest, ReadOnlyFileIsNotReplacedWhoeverRunsTheProgram) {
  ScratchDir dir;
  const std::string path = dir.Path("file.ini");
  WriteFile(path, "old");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_FALSE(ReplaceFileAtomically(path, "new"));
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_TRUE(ReplaceFileAtomically(path, "new"));
}
