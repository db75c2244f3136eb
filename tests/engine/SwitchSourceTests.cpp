#include <gtest/gtest.h>

#include "engine/SwitchSource.h"
#include "platform/InputEvent.h"

namespace tavlo {
namespace {

TEST(SwitchSourceTests, NamesReadAndWriteBackTheSameSwitch) {
  const struct {
    const char* Written;
    SwitchSource Expected;
    const char* Name;
  } cases[] = {
      {"Space", SwitchSource::Key(keys::kSpace), "Space"},
      {" enter ", SwitchSource::Key(keys::kEnter), "Enter"},
      {"f12", SwitchSource::Key(keys::F(12)), "F12"},
      {"F1", SwitchSource::Key(keys::F(1)), "F1"},
      {"a", SwitchSource::Key(keys::kA), "A"},
      {"7", SwitchSource::Key(keys::k0 + 7), "7"},
      {"PageDown", SwitchSource::Key(keys::kPageDown), "PageDown"},
      {"mouse:left", SwitchSource::Mouse(mouse_buttons::kLeft), "mouse:left"},
      {"Mouse:RIGHT", SwitchSource::Mouse(mouse_buttons::kRight), "mouse:right"},
      {"joystick:0", SwitchSource::Joystick(0), "joystick:0"},
      {"joystick:127", SwitchSource::Joystick(127), "joystick:127"},
  };
  for (const auto& c : cases) {
    const auto source = ParseSwitchSource(c.Written);
    ASSERT_TRUE(source.has_value()) << c.Written;
    EXPECT_EQ(*source, c.Expected) << c.Written;
    EXPECT_EQ(SwitchSourceName(*source), c.Name) << c.Written;
  }
}

TEST(SwitchSourceTests, WhatNamesNoSwitchIsRefused) {
  // Escape is every screen's way out, so it cannot be a switch.
  for (const char* text : {"", "Escape", "F0", "F13", "mouse:", "mouse:fourth", "joystick:",
                           "joystick:-1", "joystick:128", "joystick:1x", "AB", "Spacebar"}) {
    EXPECT_FALSE(ParseSwitchSource(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace tavlo
