#include "platform/ImGuiRenderer.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <cstdint>

namespace tavlo {
namespace {

constexpr int kSize = 64;

// An ImGui context drawn by ImGuiRenderer through SDL's software renderer into
// a surface, where the tests read the pixels back.
class ImGuiRendererTests : public ::testing::Test {
 protected:
  ImGuiRendererTests() {
    ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    ImGui::GetIO().Fonts->AddFontDefault();
    ImGui::GetIO().DisplaySize = ImVec2(kSize, kSize);
    target_ = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_RGBA32);
    renderer_ = SDL_CreateSoftwareRenderer(target_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    draw_lists_ = new ImGuiRenderer(renderer_);
    ImGui::NewFrame();
  }
  ~ImGuiRendererTests() override {
    delete draw_lists_;
    SDL_DestroyRenderer(renderer_);
    SDL_FreeSurface(target_);
    ImGui::DestroyContext();
  }

  ImDrawList& List() { return *ImGui::GetForegroundDrawList(); }

  void Render() {
    ImGui::Render();
    draw_lists_->Render(*ImGui::GetDrawData());
  }

  // The pixel as 0xRRGGBB.
  std::uint32_t Pixel(int x, int y) const {
    const auto* row = static_cast<const std::uint8_t*>(target_->pixels) + y * target_->pitch;
    const std::uint8_t* pixel = row + x * 4;
    return (pixel[0] << 16) | (pixel[1] << 8) | pixel[2];
  }

  SDL_Surface* target_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  ImGuiRenderer* draw_lists_ = nullptr;
};

TEST_F(ImGuiRendererTests, ShapesAreDrawnInTheirColourOnlyInsideTheirClipRectangle) {
  List().PushClipRect(ImVec2(0, 0), ImVec2(20, kSize));
  List().AddRectFilled(ImVec2(10, 10), ImVec2(30, 30), IM_COL32(255, 0, 0, 255));
  List().PopClipRect();
  Render();
  EXPECT_EQ(Pixel(15, 15), 0xFF0000u);
  EXPECT_EQ(Pixel(25, 15), 0x000000u) << "drawn outside the clip rectangle";
  EXPECT_EQ(Pixel(5, 5), 0x000000u);
  // The renderer's own clip is left as it was: none.
  EXPECT_EQ(SDL_RenderIsClipEnabled(renderer_), SDL_FALSE);
}

TEST_F(ImGuiRendererTests, AnImageIsDrawnWithTheTextureItNamesAndTextWithTheFontAtlas) {
  SDL_Surface* green = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 32, SDL_PIXELFORMAT_RGBA32);
  SDL_FillRect(green, nullptr, SDL_MapRGBA(green->format, 0, 255, 0, 255));
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, green);
  List().AddImage(texture, ImVec2(40, 40), ImVec2(60, 60));
  List().AddText(ImVec2(2, 40), IM_COL32(255, 255, 255, 255), "W");
  Render();
  EXPECT_EQ(Pixel(50, 50), 0x00FF00u);
  int lit = 0;
  for (int y = 40; y < 56; ++y) {
    for (int x = 2; x < 14; ++x) lit += Pixel(x, y) != 0 ? 1 : 0;
  }
  EXPECT_GT(lit, 10) << "the glyph was not drawn";
  SDL_DestroyTexture(texture);
  SDL_FreeSurface(green);
}

}  // namespace
}  // namespace tavlo
