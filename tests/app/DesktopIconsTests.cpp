#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DesktopIcons.h"

namespace tavlo {
namespace {

// A desktop icon view that the test fills, keeping a log of what the program
// asked of it.
class FakeListView : public DesktopListView {
 public:
  bool AutoArrange() override { return auto_arrange; }
  void ToggleAutoArrange() override {
    auto_arrange = !auto_arrange;
    log.push_back(auto_arrange ? "arrange on" : "arrange off");
  }
  int ItemCount() override { return static_cast<int>(icons.size()); }
  IconPosition ItemPosition(int item) override {
    log.push_back("read " + std::to_string(item));
    return icons[static_cast<size_t>(item)];
  }
  void SetItemPosition(int item, IconPosition position) override {
    log.push_back("move " + std::to_string(item));
    icons[static_cast<size_t>(item)] = position;
  }

  bool auto_arrange = false;
  std::vector<IconPosition> icons;
  std::vector<std::string> log;
};

class FakeShell : public DesktopShell {
 public:
  DesktopListView* FindDesktopListView() override { return view; }
  DesktopListView* view = nullptr;
};

std::vector<IconPosition> Grid(int count, int offset = 0) {
  std::vector<IconPosition> icons;
  for (int i = 0; i < count; ++i) icons.push_back({10 + offset, 70 * i + offset});
  return icons;
}

class DesktopIconsTests : public ::testing::Test {
 protected:
  DesktopIconsTests() { shell.view = &view; }
  FakeListView view;
  FakeShell shell;
  DesktopIcons icons{shell};
};

TEST_F(DesktopIconsTests, AutomaticArrangementIsOffWhileThePlacesAreReadAndOnAgainAfterwards) {
  view.auto_arrange = true;
  view.icons = Grid(2);
  icons.SaveDesktopIcons();
  icons.RestoreDesktopIcons();
  EXPECT_EQ(view.log, (std::vector<std::string>{"arrange off", "read 0", "read 1", "move 0",
                                                "move 1", "arrange on"}));
  // A second restore must not switch it off again.
  icons.RestoreDesktopIcons();
  EXPECT_TRUE(view.auto_arrange);
}

TEST_F(DesktopIconsTests, IconsGoBackToTheirPlacesAndOneAddedMeanwhileKeepsItsOwn) {
  view.icons = Grid(30);
  EXPECT_TRUE(icons.SaveDesktopIcons());
  view.icons = Grid(31, 500);  // rearranged by the shell for the smaller display
  icons.RestoreDesktopIcons();
  EXPECT_EQ(std::vector<IconPosition>(view.icons.begin(), view.icons.begin() + 30), Grid(30));
  EXPECT_EQ(view.icons[30], Grid(31, 500)[30]);
}

TEST_F(DesktopIconsTests, WithoutIconsOrWithoutAnIconViewNothingIsKeptOrMoved) {
  EXPECT_FALSE(icons.SaveDesktopIcons());
  view.icons = Grid(2, 40);
  icons.RestoreDesktopIcons();
  EXPECT_EQ(view.icons, Grid(2, 40));

  LinuxDesktopShell linux_shell;
  DesktopIcons on_linux(linux_shell);
  EXPECT_FALSE(on_linux.SaveDesktopIcons());
  on_linux.RestoreDesktopIcons();
  EXPECT_TRUE(on_linux.SavedIconPositions.empty());
}

}  // namespace
}  // namespace tavlo
