// The main of every test executable: SDL is told to use its dummy video and
// audio drivers unless a test or the caller chose others, so that tests run
// the same with and without a display or a sound card.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
