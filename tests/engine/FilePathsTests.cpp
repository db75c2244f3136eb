#include <gtest/gtest.h>

#include "engine/FilePaths.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

TEST(FilePathsTests, BackslashesBecomeTheSystemSeparator) {
  EXPECT_EQ(PathFromText("gfx\\menu\\stop.gif"), std::filesystem::path("gfx/menu/stop.gif"));
  EXPECT_EQ(PathFromText("gfx/menu/stop.gif"), std::filesystem::path("gfx/menu/stop.gif"));
}

TEST(FilePathsTests, NamesWrittenInAnotherCaseStillFindTheirFile) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "gfx/Game01/nextButton.gif", "x");
  EXPECT_EQ(ResolvePath(folder.Path(), "GFX\\game01\\NEXTBUTTON.GIF"),
            folder / "gfx/Game01/nextButton.gif");
  EXPECT_EQ(ResolvePath(folder.Path(), (folder / "Gfx/GAME01").string()), folder / "gfx/Game01");
}

TEST(FilePathsTests, OnlyNamesThatStayInsideTheirFolderAreInside) {
  for (const char* inside : {"cat.png", "paint/color/red.gif", "game02\\The cat.wav", "a..b.png"}) {
    EXPECT_TRUE(IsNameInsideFolder(inside)) << inside;
  }
  for (const char* outside : {"", "../cat.png", "images/../../etc/passwd", "..\\x.wav",
                              "/etc/passwd", "\\server\\x.png", "C:\\x.png"}) {
    EXPECT_FALSE(IsNameInsideFolder(outside)) << outside;
  }
}

TEST(FilePathsTests, AMissingFileResolvesToItsExactPath) {
  testing::TempFolder folder;
  EXPECT_EQ(ResolvePath(folder.Path(), "sfx\\missing.wav"), folder / "sfx/missing.wav");
  EXPECT_EQ(ResolvePath(folder.Path(), "/absolute/none.wav"), "/absolute/none.wav");
}

}  // namespace
}  // namespace tavlo
