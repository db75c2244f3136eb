#pragma once

struct SDL_Renderer;
struct SDL_Texture;
struct ImDrawData;

namespace tavlo {

// Draws Dear ImGui's draw lists with an SDL renderer: the triangles of each
// draw command go to SDL_RenderGeometry with the command's texture and clip
// rectangle. It owns the texture of ImGui's font atlas; every other texture a
// command names is an SDL_Texture of the renderer that its owner keeps alive.
// Coordinates are the renderer's own (its logical size when one is set), so
// the dialogs scale with the picture behind them.
class ImGuiRenderer {
 public:
  // Uploads the font atlas of the current ImGui context and registers with it
  // as its renderer. The renderer must outlive this object.
  explicit ImGuiRenderer(SDL_Renderer* renderer);
  ~ImGuiRenderer();
  ImGuiRenderer(const ImGuiRenderer&) = delete;
  ImGuiRenderer& operator=(const ImGuiRenderer&) = delete;

  // Draws one frame's lists over what the renderer holds; the caller presents.
  // The renderer's clip rectangle is left as it was found.
  void Render(const ImDrawData& draw_data);

 private:
  void UploadFontAtlas();

  SDL_Renderer* renderer_;
  SDL_Texture* font_texture_ = nullptr;
};

}  // namespace tavlo
