#include "games/CoveredPicturesGame.h"

#include <utility>

namespace tavlo {

CoveredPicturesGame::CoveredPicturesGame(const GameContext& context, int game_number,
                                         Color background, std::string folder)
    : GameForm(context, game_number), background_(background), folder_(std::move(folder)) {}

void CoveredPicturesGame::LoadGameGraphics() {
  Graphics().BackColor = background_;
  frames_.Load(*this, folder_, kSlots);
  set_.Load(*this, folder_);
}

void CoveredPicturesGame::FreeGameGraphics() {
  frames_.CleanUp();
  set_.CleanUp();
}

void CoveredPicturesGame::StartRound() {
  current_ = 0;
  for (std::size_t i = 0; i < kSlots; ++i) {
    KeepRow(i, DealPicture(set_.Slots()[i]));
    set_.Offer(i);
  }
  set_.Shuffle(Switches());
  LayOutRound();
  UpdateScreen();
}

void CoveredPicturesGame::GameMouseDown(int button, int, int x, int y) {
  if (SayPictureUnder(set_.Slots(), x, y) || !Working()) return;
  const SpriteClass* choice = set_.Pick(button, x, y, [this](const std::string& sound) {
    PlaySpeech(sound, PlayMode::Asynchronous);
  });
  if (choice == nullptr) return;
  // The answer is right when its word is the slot's, whichever row it came from.
  if (choice->Text == CurrentSlot().Text) {
    AnswerCorrect();
  } else {
    ReportWrong();
  }
}

void CoveredPicturesGame::AnswerCorrect() {
  ReportCorrect();
  SayFoundAnswer();
  set_.Slots()[static_cast<std::size_t>(current_)].Selected = true;
  NextOfSet(current_, kSlots);
}

}  // namespace tavlo
