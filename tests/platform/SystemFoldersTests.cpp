#include <gtest/gtest.h>

#include "platform/InstanceLock.h"
#include "platform/SystemFolders.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

TEST(SystemFoldersTests, UserDirsNameTheDocumentsFolder) {
  const std::string user_dirs =
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n";
  EXPECT_EQ(DocumentsFolderFromUserDirs(user_dirs, "/home/anna"), "/home/anna/Dokumenter");
  EXPECT_EQ(DocumentsFolderFromUserDirs("XDG_DOCUMENTS_DIR=\"/srv/docs\"\n", "/home/anna"),
            "/srv/docs");
  EXPECT_EQ(DocumentsFolderFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/anna"),
            "/home/anna");
  EXPECT_EQ(DocumentsFolderFromUserDirs("XDG_MUSIC_DIR=\"$HOME/Music\"\n", "/home/anna"), "");
  EXPECT_EQ(DocumentsFolderFromUserDirs("#XDG_DOCUMENTS_DIR=\"$HOME/x\"\n", "/home/anna"), "");
}

TEST(SystemFoldersTests, TheExecutableFolderHoldsThisTest) {
  EXPECT_TRUE(std::filesystem::is_directory(ExecutableFolder()));
}

TEST(InstanceLockTests, OnlyTheFirstHolderRunsUntilItLetsGo) {
  testing::TempFolder folder;
  auto first = std::make_unique<InstanceLock>(folder / "tavlo.lock");
  InstanceLock second(folder / "tavlo.lock");
  EXPECT_TRUE(first->Acquire());
  EXPECT_TRUE(first->Acquire());
  EXPECT_FALSE(second.Acquire());
  first.reset();
  EXPECT_TRUE(second.Acquire());
}

}  // namespace
}  // namespace tavlo
