#include "engine/TextScale.h"

#include "platform/Platform.h"

namespace tavlo {

double TextScaleForDesktopTextHeight(int text_height) {
  return text_height >= 17 ? 16.0 / text_height : 1.0;
}

void ComputeTextScale(Platform& platform, double& text_scale) {
  if (const auto height = platform.DesktopTextHeight()) {
    text_scale = TextScaleForDesktopTextHeight(*height);
  }
}

}  // namespace tavlo
