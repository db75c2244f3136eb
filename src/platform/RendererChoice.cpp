#include "platform/RendererChoice.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>

namespace tavlo {

RendererRequest RendererRequestFromText(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "software") return RendererRequest::Software;
  if (lower == "accelerated") return RendererRequest::Accelerated;
  return RendererRequest::Automatic;
}

RendererKind ChooseRenderer(RendererRequest request, Scaling scaling, GraphicsHardware hardware) {
  switch (request) {
    case RendererRequest::Software:
      return RendererKind::Software;
    case RendererRequest::Accelerated:
      return RendererKind::Accelerated;
    case RendererRequest::Automatic:
      break;
  }
  if (scaling == Scaling::Scaled && hardware == GraphicsHardware::Gpu) {
    return RendererKind::Accelerated;
  }
  return RendererKind::Software;
}

Scaling ScalingOf(int window_width, int window_height, int picture_width, int picture_height) {
  return window_width == picture_width && window_height == picture_height ? Scaling::OneToOne
                                                                          : Scaling::Scaled;
}

GraphicsHardware DetectGraphicsHardware() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    if (entry.path().filename().string().starts_with("renderD")) return GraphicsHardware::Gpu;
  }
  return GraphicsHardware::SoftwareOnly;
}

}  // namespace tavlo
