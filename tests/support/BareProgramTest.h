#pragma once

#include "state/ProgramState.h"
#include "support/BareApplicationTest.h"

namespace tavlo::testing {

// The application and the shared state on the fake platform, over a program
// folder that starts empty: for tests of one part of the program that put
// into the folder only the files the part reads (a sound, a picture folder, a
// language file), where the program's own resources would be in the way.
class BareProgramTest : public BareApplicationTest {
 protected:
  BareProgramTest() : state(platform, folder.Path()) {}

  ProgramState state;
};

}  // namespace tavlo::testing
