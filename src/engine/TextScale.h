#pragma once

#include <optional>

namespace tavlo {

class Platform;

// The factor for every font size a game sets: on a desktop whose text is 17
// pixels high or more, sizes shrink so that texts keep their size in pixels.
double TextScaleForDesktopTextHeight(int text_height);

// Sets text_scale from the desktop's text height; leaves it as it was when the
// height cannot be had.
void ComputeTextScale(Platform& platform, double& text_scale);

}  // namespace tavlo
