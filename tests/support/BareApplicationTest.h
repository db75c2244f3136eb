#pragma once

#include <gtest/gtest.h>

#include "engine/Application.h"
#include "engine/MilliTimer.h"
#include "platform/Fonts.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace tavlo::testing {

// The application on the fake platform, over a program folder that starts
// empty: for tests of one part of the engine that put into the folder only
// the files the part reads (a sound, a picture), where the program's own
// resources would be in the way.
class BareApplicationTest : public ::testing::Test {
 protected:
  BareApplicationTest() : app(WithProgramFolder(), fonts) {}

  TempFolder folder;
  FakePlatform platform;
  ClockSource clock{platform};
  FontLibrary fonts;
  Application app;

 private:
  // The platform, told its program folder before the application asks for it.
  FakePlatform& WithProgramFolder() {
    platform.ProgramFolderPath = folder.Path();
    return platform;
  }
};

}  // namespace tavlo::testing
