#include <gtest/gtest.h>

#include "state/LanguageTexts.h"
#include "state/ProfileStore.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo {
namespace {

using testing::ReadLines;
using testing::WriteLines;

// A profile's access file as the profile store reads and writes it.
class AccessFileTests : public ::testing::Test {
 protected:
  AccessFileTests() : texts(platform, program.Path()), store(platform, texts, data_path) {
    WriteLines(program / "lang/eng/menu.txt", {"Tavlo"});
    WriteLines(program / "lang/eng/information.txt",
               std::vector<std::string>(12, "The damaged file is kept as"));
    texts.gLanguage = "eng";
    texts.LoadMenuTexts();
    texts.LoadInformationTexts();
    data_path = data.Path().string() + "/";
    std::filesystem::create_directories(data / "profiles");
    store.WriteCurrentProfile("Ann");
    store.ResetProfileOptions();
    store.SaveProfileOptions();
  }

  std::filesystem::path AccessFile() const { return data / "profiles/Ann.access"; }
  std::vector<std::string> HiddenFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(data / "profiles")) {
      const std::string name = entry.path().filename().string();
      if (name.front() == '.') names.push_back(name);
    }
    return names;
  }

  testing::TempFolder program;
  testing::TempFolder data;
  std::string data_path;
  testing::FakePlatform platform;
  LanguageTexts texts;
  ProfileStore store;
};

TEST_F(AccessFileTests, AProfileWithDefaultSettingsGetsNoFileAndLoadsAsBefore) {
  EXPECT_FALSE(std::filesystem::exists(AccessFile()));
  store.Access.ScanLoops = 4;
  store.LoadProfileOptions();
  EXPECT_EQ(store.Access, AccessSettings{});
  EXPECT_EQ(ReadLines(data / "profiles/Ann").size(), 141u);
}

TEST_F(AccessFileTests, SettingsSurviveARoundTripAndUnknownKeysAreKept) {
  WriteLines(AccessFile(), {"# set up by the school", "speak_highlight=1", "voice=slow",
                            "switch2 = joystick:4", "accept_ms=500", "scan_loops=99"});
  store.LoadProfileOptions();
  EXPECT_TRUE(store.Access.SpeakHighlight);
  EXPECT_EQ(store.Access.Switch1, SwitchSource::Key(keys::kSpace)) << "a missing key keeps its default";
  EXPECT_EQ(store.Access.Switch2, SwitchSource::Joystick(4));
  EXPECT_EQ(store.Access.AcceptMilliseconds, 500);
  EXPECT_EQ(store.Access.ScanLoops, AccessSettings::kMostScanLoops) << "read as the nearest end";

  store.Access.Switch1 = SwitchSource::Mouse(mouse_buttons::kRight);
  store.Access.PostSelectPauseMilliseconds = 1000;
  store.Access.FirstItemDelayMilliseconds = 250;
  store.Access.ScanFrameButtons = true;
  ASSERT_TRUE(store.SaveProfileOptions());
  EXPECT_EQ(ReadLines(AccessFile()),
            (std::vector<std::string>{"speak_highlight=1", "switch1=mouse:right", "switch2=joystick:4",
                                      "accept_ms=500", "post_select_pause_ms=1000",
                                      "first_item_delay_ms=250", "scan_loops=20",
                                      "scan_frame_buttons=1", "# set up by the school",
                                      "voice=slow"}));
  const AccessSettings saved = store.Access;
  store.ResetProfileOptions();
  store.LoadProfileOptions();
  EXPECT_EQ(store.Access, saved);
}

TEST_F(AccessFileTests, ADamagedFileGivesTheDefaultsAndIsKeptAsAHiddenCopy) {
  const std::vector<std::vector<std::string>> damaged = {
      {"speak_highlight=1", "this line has no value"},
      {"speak_highlight=yes"},
      {"switch1=Escape"},
      {"accept_ms=-5"},
      {"=1"},
  };
  for (const auto& lines : damaged) {
    for (const std::string& name : HiddenFiles()) std::filesystem::remove(data / "profiles" / name);
    WriteLines(AccessFile(), lines);
    platform.Messages.clear();
    store.LoadProfileOptions();
    EXPECT_EQ(store.Access, AccessSettings{}) << lines.back();
    const auto copies = HiddenFiles();
    ASSERT_EQ(copies.size(), 1u) << lines.back();
    EXPECT_TRUE(copies[0].starts_with(".Ann.access.damaged-")) << copies[0];
    EXPECT_EQ(platform.Messages.size(), 1u) << "the user is told";
    // The options themselves are unharmed.
    EXPECT_EQ(store.gProfileName, "Ann");
  }
}

TEST_F(AccessFileTests, ANewProfileDoesNotInheritTheLastOnesSettings) {
  WriteLines(AccessFile(), {"speak_highlight=1", "other=kept for Ann"});
  store.LoadProfileOptions();
  store.WriteCurrentProfile("Bob");
  store.ResetProfileOptions();
  store.SaveProfileOptions();
  EXPECT_FALSE(std::filesystem::exists(data / "profiles/Bob.access"));
  EXPECT_EQ(ReadLines(AccessFile()), (std::vector<std::string>{"speak_highlight=1", "other=kept for Ann"}));
}

}  // namespace
}  // namespace tavlo
