#include <gtest/gtest.h>

#include "platform/ProgramLocation.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

struct Layout {
  const char* name;
  std::vector<std::string> files;    // made under a fresh prefix
  std::vector<std::string> folders;  // likewise
  const char* installed_folder;      // a leading "@" stands for the prefix: an absolute folder
  const char* expected;              // the program folder, relative to the prefix
};

// The executable always lives in <prefix>/bin; the layouts differ in where
// "paths.txt" is.
TEST(ProgramLocationTests, TheProgramFolderIsTheOneWithPathsTxt) {
  const Layout layouts[] = {
      // The build tree: the resources are staged beside the executable.
      {"beside the executable", {"bin/paths.txt"}, {}, "../share/tavlo", "bin"},
      // Installed: the name comes out without "..", as messages show it.
      {"installed under the prefix", {"share/tavlo/paths.txt"}, {}, "../share/tavlo",
       "share/tavlo"},
      // A program folder copied with its executable in it is used as it is,
      // even where an installed one exists as well.
      {"beside wins over installed",
       {"bin/paths.txt", "share/tavlo/paths.txt"},
       {},
       "../share/tavlo",
       "bin"},
      {"an absolute installed folder", {"opt/tavlo/paths.txt"}, {}, "@opt/tavlo", "opt/tavlo"},
      // Nothing found: the executable's folder, where the message points.
      {"neither falls back to the executable", {}, {}, "../share/tavlo", "bin"},
      {"only the installed folder named counts", {"share/other/paths.txt"}, {}, "../share/tavlo",
       "bin"},
      {"a folder named paths.txt is no paths file",
       {"share/tavlo/paths.txt"},
       {"bin/paths.txt"},
       "../share/tavlo",
       "share/tavlo"},
  };
  for (const Layout& layout : layouts) {
    testing::TempFolder prefix;
    std::filesystem::create_directories(prefix / "bin");
    for (const std::string& file : layout.files) testing::WriteFile(prefix / file, "USER\r\nTavlo\r\n");
    for (const std::string& folder : layout.folders) {
      std::filesystem::create_directories(prefix / folder);
    }
    std::string installed = layout.installed_folder;
    if (installed.front() == '@') installed = (prefix.Path() / installed.substr(1)).string();

    EXPECT_EQ(LocateProgramFolder(prefix / "bin", installed), prefix / layout.expected)
        << layout.name;
  }
}

}  // namespace
}  // namespace tavlo
