// The version reader against simulated version resources, and where the program shows
// what it read: the options dialog's caption and the version box.
#include <gtest/gtest.h>

#include "RunningProgram.h"
#include "platform/sim/SimDesktop.h"
#include "shell/Program.h"
#include "shell/VersionInfo.h"
#include "watching/AboutBox.h"

namespace {

// One entry of "\VarFileInfo\Translation": the language word, then the code page word.
std::string Translation(unsigned language, unsigned codePage) {
  return {static_cast<char>(language & 0xFF), static_cast<char>(language >> 8),
          static_cast<char>(codePage & 0xFF), static_cast<char>(codePage >> 8)};
}

const std::string kJapanese = "\\StringFileInfo\\041103a4\\";

std::map<std::string, std::string> FullResource(const std::string& fileVersion = "1.2.3.4") {
  return {{"\\VarFileInfo\\Translation", Translation(0x0411, 932)},
          {kJapanese + "ProductName", "Tarnwick"},
          {kJapanese + "FileVersion", fileVersion},
          {kJapanese + "LegalCopyright", "Copyright (C) 2026 Tarnwick"}};
}

TVersionInfo Read(SimDesktop& desktop) {
  TVersionInfo info;
  ReadVersionInfo(desktop, info);
  return info;
}

TEST(VersionInfo, ReadsTheThreeStringsAndDropsTheLastVersionPart) {
  SimDesktop desktop;
  desktop.VersionResource = FullResource();
  const TVersionInfo info = Read(desktop);
  EXPECT_EQ(info.ProductName, "Tarnwick");
  EXPECT_EQ(info.FileVersion, "1.2.3");
  EXPECT_EQ(info.LegalCopyright, "Copyright (C) 2026 Tarnwick");
}

TEST(VersionInfo, FileVersionLosesOnlyWhatFollowsTheLastDot) {
  const std::pair<std::string, std::string> cases[] = {
      {"2.5.1.0", "2.5.1"}, {"7", "7"}, {"1.", "1"}, {".5", ""}, {"", ""}};
  for (const auto& [stored, shown] : cases) {
    SimDesktop desktop;
    desktop.VersionResource = FullResource(stored);
    EXPECT_EQ(Read(desktop).FileVersion, shown) << stored;
  }
}

TEST(VersionInfo, StringsComeFromTheBlockOfTheFirstTranslation) {
  SimDesktop desktop;
  const std::string english = "\\StringFileInfo\\040904e4\\";
  desktop.VersionResource = {
      {"\\VarFileInfo\\Translation", Translation(0x0409, 1252) + Translation(0x0411, 932)},
      {english + "ProductName", "English name"},
      {english + "FileVersion", "3.0.0.9"},
      {kJapanese + "ProductName", "Japanese name"},
      {kJapanese + "LegalCopyright", "Japanese notice"}};
  const TVersionInfo info = Read(desktop);
  EXPECT_EQ(info.ProductName, "English name");
  EXPECT_EQ(info.FileVersion, "3.0.0");
  EXPECT_EQ(info.LegalCopyright, "") << "the English block has none";
}

TEST(VersionInfo, EachMissingStringLeavesOnlyItsOwnFieldEmpty) {
  for (const char* missing : {"ProductName", "FileVersion", "LegalCopyright"}) {
    SimDesktop desktop;
    desktop.VersionResource = FullResource();
    desktop.VersionResource.erase(kJapanese + missing);
    const TVersionInfo info = Read(desktop);
    EXPECT_EQ(info.ProductName.empty(), std::string(missing) == "ProductName") << missing;
    EXPECT_EQ(info.FileVersion.empty(), std::string(missing) == "FileVersion") << missing;
    EXPECT_EQ(info.LegalCopyright.empty(), std::string(missing) == "LegalCopyright") << missing;
  }
}

TEST(VersionInfo, NoResourceAFailingReadOrNoTranslationLeaveEverythingEmpty) {
  SimDesktop none;
  EXPECT_EQ(Read(none).ProductName, "");
  EXPECT_EQ(none.CallCount("GetFileVersionInfoW"), 0) << "a size of 0 stops at once";

  SimDesktop failing;
  failing.VersionResource = FullResource();
  failing.VersionReadFails = true;
  const TVersionInfo unread = Read(failing);
  EXPECT_EQ(unread.ProductName + unread.FileVersion + unread.LegalCopyright, "");

  SimDesktop untranslated;
  untranslated.VersionResource = FullResource();
  untranslated.VersionResource.erase("\\VarFileInfo\\Translation");
  const TVersionInfo info = Read(untranslated);
  EXPECT_EQ(info.ProductName + info.FileVersion + info.LegalCopyright, "");
  EXPECT_EQ(untranslated.CallCount("VerQueryValueA"), 1);
}

TEST(VersionInfo, CaptionAndVersionBoxShowWhatWasRead) {
  RunningProgram run;
  run.desktop.VersionResource = FullResource("1.0.0.0");
  Program& program = run.Start();
  EXPECT_EQ(program.VersionInfo.FileVersion, "1.0.0");
  EXPECT_EQ(run.Dialog().Caption(), "Tarnwick 1.0.0");
  const TAboutBox& box = *program.AboutBox;
  EXPECT_EQ(box.ProductName->Caption(), "Tarnwick");
  EXPECT_EQ(box.Version->Caption(), "version 1.0.0");
  EXPECT_EQ(box.Copyright->Caption(), "Copyright (C) 2026 Tarnwick");
}

TEST(VersionInfo, WithoutAResourceTheCaptionIsABlankAndTheBoxShowsVersionAlone) {
  RunningProgram run;
  Program& program = run.Start();
  EXPECT_EQ(run.Dialog().Caption(), " ");
  const TAboutBox& box = *program.AboutBox;
  EXPECT_EQ(box.ProductName->Caption(), "");
  EXPECT_EQ(box.Version->Caption(), "version ");
  EXPECT_EQ(box.Copyright->Caption(), "");
}

}  // namespace
