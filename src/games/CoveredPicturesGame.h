#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/Drawing.h"
#include "games/CoveredPictures.h"
#include "games/GameForm.h"
#include "games/ProgressFrames.h"

namespace tavlo {

// What Games 2 and 5 share: four words are dealt at once, each as a covered
// picture in a slot with a progress frame of its own, and offered again as a
// shuffled row of pictures below. The child works the slots in order, picking
// the picture whose word belongs in the current one; a right pick uncovers
// it, and the fourth one earns a reward before the next four are dealt. A
// game adds the texts it keeps with each slot, its layout and its drawing.
class CoveredPicturesGame : public GameForm {
 public:
  static constexpr std::size_t kSlots = CoveredPictures::kCount;

  std::vector<SpriteClass*> ChoiceSprites() override { return set_.ChoiceSprites(); }

  // The slots and the choices.
  const CoveredPictures& Pictures() const { return set_; }
  // The progress frames, one for each slot.
  const ProgressFrames& Frames() const { return frames_; }
  // The slot being worked; kSlots once the set is finished.
  int Current() const { return current_; }

 protected:
  // The game's pictures come from its folder ("gfx\\game02\\"), on the colour
  // the frame pictures are smoothed onto.
  CoveredPicturesGame(const GameContext& context, int game_number, Color background,
                      std::string folder);

  void LoadGameGraphics() override;
  void FreeGameGraphics() override;
  // Deals a row into each slot, hands it to KeepRow, shuffles the choices,
  // lays the round out and shows it.
  void StartRound() override;
  void GameMouseDown(int button, int shift, int x, int y) override;

  // What the game keeps of the row dealt into a slot, besides its picture.
  virtual void KeepRow(std::size_t slot, const WordRecord& row) = 0;
  virtual void LayOutRound() = 0;
  // Says the current slot's answer once it is found, before it is uncovered.
  virtual void SayFoundAnswer() = 0;

  // The slot being worked, while one is (check Working() first).
  bool Working() const { return current_ < static_cast<int>(kSlots); }
  const SpriteClass& CurrentSlot() const { return set_.Slots()[static_cast<std::size_t>(current_)]; }

  ProgressFrames frames_;
  CoveredPictures set_;

 private:
  void AnswerCorrect();

  Color background_;
  std::string folder_;
  int current_ = 0;
};

}  // namespace tavlo
