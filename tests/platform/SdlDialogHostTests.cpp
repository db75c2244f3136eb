#include <gtest/gtest.h>

#include "platform/ModalDialog.h"
#include "platform/SdlPlatform.h"

namespace tavlo {
namespace {

// A dialog that answers itself after a number of frames and records what the
// host gave it.
class CountingDialog : public ModalDialog {
 public:
  explicit CountingDialog(int frames_until_ok) : frames_until_ok_(frames_until_ok) {}

  bool DrawFrame(DialogPictures& pictures) override {
    if (Closed()) return false;
    ++Frames;
    PictureTexture = pictures.TextureOf(Picture);
    EmptyTexture = pictures.TextureOf(Surface());
    if (Frames >= frames_until_ok_) Answer(DialogAnswer::Ok);
    return true;
  }
  void OnKey(int key_code, int) override { Keys.push_back(key_code); }
  void Answer(DialogAnswer answer) override { Result = answer; }
  bool Closed() const override { return Result.has_value(); }

  Surface Picture = Surface::Create(8, 8);
  int Frames = 0;
  std::uintptr_t PictureTexture = 0;
  std::uintptr_t EmptyTexture = 1;
  std::vector<int> Keys;
  std::optional<DialogAnswer> Result;

 private:
  int frames_until_ok_;
};

TEST(SdlDialogHostTests, ADialogIsDrawnInTheWindowUntilItClosesAndGetsItsPictures) {
  SdlPlatform platform;
  if (!platform.OpenWindow("Tavlo")) GTEST_SKIP() << "no video driver";
  Surface back = Surface::Create(800, 600);
  platform.Present(back);

  // The host draws a few frames after each event and then waits for the
  // next one; the dialog closes within those first frames.
  CountingDialog dialog(2);
  platform.RunModalDialog(dialog);
  EXPECT_EQ(dialog.Result, DialogAnswer::Ok);
  EXPECT_EQ(dialog.Frames, 2);
  EXPECT_NE(dialog.PictureTexture, 0u);
  EXPECT_EQ(dialog.EmptyTexture, 0u);

  // A second dialog on the same window: the shared ImGui context carries on.
  CountingDialog second(1);
  platform.RunModalDialog(second);
  EXPECT_EQ(second.Frames, 1);
}

TEST(SdlDialogHostTests, WithoutAWindowTheDialogIsCancelledUndrawn) {
  SdlPlatform platform;
  CountingDialog dialog(1);
  platform.RunModalDialog(dialog);
  EXPECT_EQ(dialog.Result, DialogAnswer::Cancel);
  EXPECT_EQ(dialog.Frames, 0);
}

}  // namespace
}  // namespace tavlo
