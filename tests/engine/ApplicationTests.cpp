#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Application.h"
#include "engine/Form.h"
#include "engine/MilliTimer.h"
#include "engine/Timer.h"
#include "support/FakePlatform.h"

namespace tavlo {
namespace {

// A form that writes down every event it receives.
class RecordingForm : public Form {
 public:
  RecordingForm(Application& app, std::string name, std::vector<std::string>& log)
      : Form(app), name_(std::move(name)), log_(log) {
    Caption = name_;
  }

  void Form_Load() override {
    log_.push_back(name_ + " load");
    if (on_load) on_load();
  }
  void Form_Unload() override { log_.push_back(name_ + " unload"); }
  void Form_GotFocus() override { log_.push_back(name_ + " focus"); }
  void Form_KeyDown(int key_code, int) override {
    log_.push_back(name_ + " key " + std::to_string(key_code));
    if (on_key) on_key(key_code);
  }
  void Form_KeyPress(const std::string& characters) override {
    log_.push_back(name_ + " typed " + characters);
  }
  void Form_MouseDown(int button, int, int x, int y) override {
    log_.push_back(name_ + " down " + std::to_string(button) + " " + std::to_string(x) + "," +
                   std::to_string(y));
  }

  std::function<void()> on_load;
  std::function<void(int)> on_key;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

class ApplicationTests : public ::testing::Test {
 protected:
  ApplicationTests() : clock(platform), app(platform, fonts) {}

  testing::FakePlatform platform;
  ClockSource clock;
  FontLibrary fonts;
  Application app;
  std::vector<std::string> log;
};

TEST_F(ApplicationTests, ShowLoadsOnceAndGivesTheFocusEachTime) {
  RecordingForm menu(app, "menu", log);
  app.Show(menu);
  app.Show(menu);
  EXPECT_EQ(log, (std::vector<std::string>{"menu load", "menu focus", "menu focus"}));
  EXPECT_EQ(platform.WindowTitle, "menu");
  EXPECT_EQ(app.FrontForm(), &menu);
}

TEST_F(ApplicationTests, AFormThatUnloadsInItsLoadIsNeverShown) {
  RecordingForm menu(app, "menu", log);
  menu.on_load = [&] { menu.Unload(); };
  app.Show(menu);
  EXPECT_EQ(log, (std::vector<std::string>{"menu load", "menu unload"}));
  EXPECT_EQ(app.FrontForm(), nullptr);
  app.Run();
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(ApplicationTests, SwappingScreensGivesTheFocusToTheNewOneOnly) {
  RecordingForm menu(app, "menu", log);
  RecordingForm game(app, "game", log);
  app.Show(menu);
  app.Show(game);
  menu.Unload();
  log.clear();
  // The game returns to the menu: the menu loads again, the game goes.
  app.Show(menu);
  game.Unload();
  EXPECT_EQ(log, (std::vector<std::string>{"menu load", "menu focus", "game unload"}));
}

TEST_F(ApplicationTests, InputGoesToTheFrontFormAndRunEndsWithTheLastForm) {
  RecordingForm menu(app, "menu", log);
  menu.on_key = [&](int) { menu.Unload(); };
  app.Show(menu);
  platform.PushClick(10, 20, 2);
  platform.PushKey(27);
  app.Run();
  EXPECT_EQ(log, (std::vector<std::string>{"menu load", "menu focus", "menu down 2 10,20",
                                           "menu key 27", "menu unload"}));
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(ApplicationTests, CharactersOfAKeyThatOpenedAnotherScreenStayWithTheScreenLeft) {
  RecordingForm menu(app, "menu", log);
  RecordingForm game(app, "game", log);
  menu.on_key = [&](int) { app.Show(game); };
  app.Show(menu);
  log.clear();
  // One key stroke: its key-down opens the game, its characters follow.
  auto stroke = [&](int key_code, const std::string& characters) {
    InputEvent down{EventType::KeyDown};
    down.KeyCode = key_code;
    platform.PushEvent(down);
    if (!characters.empty()) platform.PushText(characters);
    InputEvent up = down;
    up.Type = EventType::KeyUp;
    platform.PushEvent(up);
  };
  stroke(73, "i");
  // A character without a key code of its own (a letter of another layout),
  // then an ordinary letter: both are the game's.
  platform.PushText("\u00e6");
  stroke(74, "J");
  app.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"menu key 73", "game load", "game focus",
                                           "game typed \u00e6", "game key 74", "game typed J"}));
}

TEST_F(ApplicationTests, ShowModalRunsUntilTheDialogUnloadsThenReturnsTheFocus) {
  RecordingForm menu(app, "menu", log);
  RecordingForm dialog(app, "dialog", log);
  dialog.on_key = [&](int) { dialog.Unload(); };
  app.Show(menu);
  platform.PushKey(13);
  app.ShowModal(dialog);
  EXPECT_EQ(log, (std::vector<std::string>{"menu load", "menu focus", "dialog load", "dialog focus",
                                           "dialog key 13", "dialog unload", "menu focus"}));
  EXPECT_EQ(platform.WindowTitle, "menu");
}

TEST_F(ApplicationTests, TimersTickEveryIntervalBetweenHandlers) {
  RecordingForm menu(app, "menu", log);
  std::vector<std::int64_t> ticks;
  Timer timer(menu, [&] {
    ticks.push_back(MilliTimer64());
    if (ticks.size() == 3) menu.Unload();
  });
  app.Show(menu);
  const std::int64_t start = MilliTimer64();
  timer.SetInterval(1000);
  timer.SetEnabled(true);
  app.Run();
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(ticks[0] - start, 1000);
  EXPECT_EQ(ticks[1] - start, 2000);
  EXPECT_EQ(ticks[2] - start, 3000);
}

TEST_F(ApplicationTests, DisabledTimersAndTimersOfUnloadedFormsNeverTick) {
  RecordingForm menu(app, "menu", log);
  RecordingForm hidden(app, "hidden", log);
  int ticks = 0;
  Timer disabled(menu, [&] { ++ticks; });
  disabled.SetInterval(10);
  Timer orphan(hidden, [&] { ++ticks; });
  orphan.SetInterval(10);
  orphan.SetEnabled(true);
  Timer closer(menu, [&] { menu.Unload(); });
  closer.SetInterval(500);
  closer.SetEnabled(true);
  app.Show(menu);
  app.Run();
  EXPECT_EQ(ticks, 0);
}

TEST_F(ApplicationTests, WaitDropsInputAndHoldsTimersUntilItIsOver) {
  RecordingForm menu(app, "menu", log);
  int ticks = 0;
  Timer timer(menu, [&] { ++ticks; });
  app.Show(menu);
  timer.SetInterval(100);
  timer.SetEnabled(true);
  log.clear();
  platform.PushKey(32);
  platform.PushClick(1, 1);
  const std::int64_t start = MilliTimer64();
  app.Wait(2500);
  EXPECT_EQ(MilliTimer64() - start, 2500);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(ticks, 0);
  // A late timer ticks once, not once per interval it missed.
  app.DoEvents();
  EXPECT_EQ(ticks, 1);
}

TEST_F(ApplicationTests, ACloseRequestDuringAWaitIsHandledAfterIt) {
  RecordingForm menu(app, "menu", log);
  app.Show(menu);
  platform.PushEvent(InputEvent{EventType::CloseRequested});
  app.Wait(100);
  EXPECT_TRUE(menu.IsLoaded());
  app.Run();
  EXPECT_FALSE(menu.IsLoaded());
  EXPECT_EQ(platform.EndlessWaits, 0);
}

TEST_F(ApplicationTests, FramesKeepAnEvenPaceAndDeliverInputMeanwhile) {
  RecordingForm game(app, "game", log);
  app.Show(game);
  log.clear();
  app.WaitForNextFrame();
  const std::int64_t start = MilliTimer64();
  platform.PushPause(5);
  platform.PushKey(32);
  for (int frame = 0; frame < 60; ++frame) app.WaitForNextFrame();
  EXPECT_EQ(MilliTimer64() - start, 1000);
  EXPECT_EQ(log, (std::vector<std::string>{"game key 32"}));

  // A frame that overran its time is not made up for by rushing the next ones.
  platform.AdvanceMilliseconds(100);
  const std::int64_t late = MilliTimer64();
  app.WaitForNextFrame();
  EXPECT_EQ(MilliTimer64(), late);
  app.WaitForNextFrame();
  EXPECT_EQ(MilliTimer64() - late, 17);
}

TEST_F(ApplicationTests, RefreshShowsOnlyTheFrontForm) {
  RecordingForm menu(app, "menu", log);
  RecordingForm game(app, "game", log);
  app.Show(menu);
  app.Show(game);
  const int presents = platform.Presents;
  menu.Refresh();
  EXPECT_EQ(platform.Presents, presents);
  game.Refresh();
  EXPECT_EQ(platform.Presents, presents + 1);
  EXPECT_EQ(platform.LastPicture.NativeHandle(), game.Picture().NativeHandle());
}

TEST_F(ApplicationTests, ResourcesResolveAgainstTheProgramFolder) {
  platform.ProgramFolderPath = "/opt/tavlo";
  Application other(platform, fonts);
  EXPECT_EQ(other.ResourcePath("gfx\\menu\\stop.gif"), "/opt/tavlo/gfx/menu/stop.gif");
}

}  // namespace
}  // namespace tavlo
