#pragma once

#include <string_view>

namespace tavlo {

// How the window shows the program's 800 x 600 picture.
enum class RendererKind {
  // SDL's software renderer, drawing into the window's own pixels: no
  // graphics driver is loaded, and at 1:1 showing a frame is one copy.
  Software,
  // An OpenGL (or other GPU) renderer: worth its driver only where a real
  // graphics processor scales the picture to a large screen.
  Accelerated,
};

// What the user asked for in the environment variable TAVLO_RENDERER.
enum class RendererRequest { Automatic, Software, Accelerated };

enum class Scaling { OneToOne, Scaled };
enum class GraphicsHardware { SoftwareOnly, Gpu };

// "software" and "accelerated" (in any case) force that renderer; anything
// else, or no value, leaves the choice to the program.
RendererRequest RendererRequestFromText(std::string_view text);

// The renderer for a window that shows the picture at the given scaling on
// the given hardware. Without a request, only scaling on a real GPU is worth
// an accelerated renderer: at 1:1 there is nothing for a GPU to do, and a
// software OpenGL (Mesa's llvmpipe) costs more time and 60 MB more memory
// than SDL's own software scaling.
RendererKind ChooseRenderer(RendererRequest request, Scaling scaling, GraphicsHardware hardware);

// The window's scaling: 1:1 when it shows the picture at its own size.
Scaling ScalingOf(int window_width, int window_height, int picture_width, int picture_height);

// A real GPU shows itself as a DRM render node (/dev/dri/renderD128 ...);
// without one, OpenGL can only be Mesa's software rasteriser.
GraphicsHardware DetectGraphicsHardware();

}  // namespace tavlo
