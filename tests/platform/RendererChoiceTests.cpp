#include "platform/RendererChoice.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(RendererChoiceTests, OnlyScalingOnARealGpuIsWorthAnAcceleratedRendererUnlessForced) {
  using enum RendererKind;
  struct Case {
    RendererRequest Request;
    Scaling Scale;
    GraphicsHardware Hardware;
    RendererKind Expected;
  };
  const Case cases[] = {
      {RendererRequest::Automatic, Scaling::OneToOne, GraphicsHardware::Gpu, Software},
      {RendererRequest::Automatic, Scaling::OneToOne, GraphicsHardware::SoftwareOnly, Software},
      {RendererRequest::Automatic, Scaling::Scaled, GraphicsHardware::SoftwareOnly, Software},
      {RendererRequest::Automatic, Scaling::Scaled, GraphicsHardware::Gpu, Accelerated},
      {RendererRequest::Software, Scaling::Scaled, GraphicsHardware::Gpu, Software},
      {RendererRequest::Accelerated, Scaling::OneToOne, GraphicsHardware::SoftwareOnly,
       Accelerated},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseRenderer(c.Request, c.Scale, c.Hardware), c.Expected)
        << static_cast<int>(c.Request) << " " << static_cast<int>(c.Scale) << " "
        << static_cast<int>(c.Hardware);
  }
}

TEST(RendererChoiceTests, TheEnvironmentNamesARendererInAnyCaseAndAnythingElseIsAutomatic) {
  EXPECT_EQ(RendererRequestFromText("software"), RendererRequest::Software);
  EXPECT_EQ(RendererRequestFromText("Accelerated"), RendererRequest::Accelerated);
  EXPECT_EQ(RendererRequestFromText("SOFTWARE"), RendererRequest::Software);
  EXPECT_EQ(RendererRequestFromText(""), RendererRequest::Automatic);
  EXPECT_EQ(RendererRequestFromText("opengl"), RendererRequest::Automatic);
}

TEST(RendererChoiceTests, AWindowOfThePicturesOwnSizeIsOneToOneAndAnyOtherIsScaled) {
  EXPECT_EQ(ScalingOf(800, 600, 800, 600), Scaling::OneToOne);
  EXPECT_EQ(ScalingOf(1920, 1080, 800, 600), Scaling::Scaled);
  EXPECT_EQ(ScalingOf(800, 601, 800, 600), Scaling::Scaled);
}

}  // namespace
}  // namespace tavlo
