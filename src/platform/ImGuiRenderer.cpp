#include "platform/ImGuiRenderer.h"

#include <SDL.h>
#include <imgui.h>

#include <algorithm>
#include <cstddef>

namespace tavlo {
namespace {

// ImGui's vertex colour is four bytes R, G, B, A in memory, the layout of
// SDL_Color, so the vertex array is handed to SDL as it is.
static_assert(sizeof(ImU32) == sizeof(SDL_Color));

// The part of a command's clip rectangle that lies on the display; empty when
// nothing of it is visible. The program has one viewport whose corner is the
// origin, so ImGui's coordinates are the renderer's.
SDL_Rect VisibleClip(const ImVec4& clip, const ImVec2& display_size) {
  const float left = std::max(clip.x, 0.0f);
  const float top = std::max(clip.y, 0.0f);
  const float right = std::min(clip.z, display_size.x);
  const float bottom = std::min(clip.w, display_size.y);
  if (right <= left || bottom <= top) return SDL_Rect{0, 0, 0, 0};
  return SDL_Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                  static_cast<int>(bottom - top)};
}

}  // namespace

ImGuiRenderer::ImGuiRenderer(SDL_Renderer* renderer) : renderer_(renderer) {
  ImGuiIO& io = ImGui::GetIO();
  io.BackendRendererName = "tavlo_sdl_geometry";
  // Every command carries its own vertex offset, so lists of more than 64 K
  // vertices still work with 16-bit indices.
  io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;
  UploadFontAtlas();
}

ImGuiRenderer::~ImGuiRenderer() {
  ImGuiIO& io = ImGui::GetIO();
  io.Fonts->SetTexID(nullptr);
  io.BackendRendererName = nullptr;
  io.BackendFlags &= ~ImGuiBackendFlags_RendererHasVtxOffset;
  if (font_texture_) SDL_DestroyTexture(font_texture_);
}

void ImGuiRenderer::UploadFontAtlas() {
  ImGuiIO& io = ImGui::GetIO();
  unsigned char* pixels = nullptr;
  int width = 0;
  int height = 0;
  io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
  // RGBA32 names the byte order R, G, B, A whatever the machine's endianness,
  // which is how ImGui lays out the atlas.
  font_texture_ =
      SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, width, height);
  if (font_texture_) {
    SDL_UpdateTexture(font_texture_, nullptr, pixels, width * 4);
    SDL_SetTextureBlendMode(font_texture_, SDL_BLENDMODE_BLEND);
    // Full screen scales the dialogs with the picture; smoothing keeps the
    // glyphs' edges soft rather than blocky.
    SDL_SetTextureScaleMode(font_texture_, SDL_ScaleModeLinear);
  }
  // Without a texture the text is lost but the boxes and buttons still draw.
  io.Fonts->SetTexID(static_cast<ImTextureID>(font_texture_));
}

void ImGuiRenderer::Render(const ImDrawData& draw_data) {
  if (!draw_data.Valid || draw_data.DisplaySize.x <= 0 || draw_data.DisplaySize.y <= 0) return;
  SDL_Rect old_clip{0, 0, 0, 0};
  const bool had_clip = SDL_RenderIsClipEnabled(renderer_) == SDL_TRUE;
  if (had_clip) SDL_RenderGetClipRect(renderer_, &old_clip);

  for (int list_index = 0; list_index < draw_data.CmdListsCount; ++list_index) {
    const ImDrawList& list = *draw_data.CmdLists[list_index];
    const ImDrawVert* vertices = list.VtxBuffer.Data;
    const ImDrawIdx* indices = list.IdxBuffer.Data;
    for (const ImDrawCmd& command : list.CmdBuffer) {
      if (command.UserCallback) {
        // ImGui's own marker asks for the render state to be set up again,
        // which here is nothing; any other callback is the caller's drawing.
        if (command.UserCallback != ImDrawCallback_ResetRenderState) {
          command.UserCallback(&list, &command);
        }
        continue;
      }
      const SDL_Rect clip = VisibleClip(command.ClipRect, draw_data.DisplaySize);
      if (clip.w <= 0 || clip.h <= 0) continue;
      SDL_RenderSetClipRect(renderer_, &clip);

      const ImDrawVert* first = vertices + command.VtxOffset;
      const auto* base = reinterpret_cast<const char*>(first);
      const int vertex_count = list.VtxBuffer.Size - static_cast<int>(command.VtxOffset);
      SDL_RenderGeometryRaw(
          renderer_, static_cast<SDL_Texture*>(command.GetTexID()),
          reinterpret_cast<const float*>(base + offsetof(ImDrawVert, pos)), sizeof(ImDrawVert),
          reinterpret_cast<const SDL_Color*>(base + offsetof(ImDrawVert, col)), sizeof(ImDrawVert),
          reinterpret_cast<const float*>(base + offsetof(ImDrawVert, uv)), sizeof(ImDrawVert),
          vertex_count, indices + command.IdxOffset, static_cast<int>(command.ElemCount),
          sizeof(ImDrawIdx));
    }
  }
  SDL_RenderSetClipRect(renderer_, had_clip ? &old_clip : nullptr);
}

}  // namespace tavlo
