#include "games/GameForm.h"

#include "engine/Application.h"
#include "engine/FilePaths.h"
#include "engine/MilliTimer.h"
#include "engine/Rounding.h"
#include "games/AnswerFeedback.h"
#include "games/ChoiceRecording.h"
#include "games/TextSizeKeys.h"
#include "profiles/OptionDialogs.h"
#include "state/GameNumbers.h"
#include "wordlists/GameTables.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

constexpr int kInputLockMilliseconds = 50;
constexpr int kFrameButtonSize = 60;
constexpr int kFirstInformationOfListFailure = 0;
constexpr int kSecondInformationOfListFailure = 1;
constexpr int kFirstInformationOfMissingPicture = 2;
constexpr int kSecondInformationOfMissingPicture = 3;
constexpr int kListTooLong = 13;
// The menu texts that name the frame buttons when scanning speaks.
constexpr int kListenText = 28;
constexpr int kNextText = 29;
constexpr int kStopText = 30;

// The row under the list's cursor. A cursor left outside the list (a list
// that shrank under it) starts again at the first row rather than reading
// past the end.
std::size_t CursorRow(const WordListState& list) {
  const int index = list.gWordIndex;
  return index < 0 || index >= static_cast<int>(list.gWords.size())
             ? 0
             : static_cast<std::size_t>(index);
}

// Puts the cursor on the row after the given one, or on the first row after
// the last.
void MoveCursorPast(WordListState& list, std::size_t row) {
  list.gWordIndex =
      row + 1 >= list.gWords.size() ? std::int16_t{0} : static_cast<std::int16_t>(row + 1);
}

}  // namespace

GameForm::GameForm(const GameContext& context, int game_number)
    : Form(context.App),
      state_(context.State),
      media_(context.Media),
      Rewards(context.State),
      main_menu_(context.MainMenu),
      game_number_(game_number),
      game_id_(GameIdOf(game_number)),
      one_key_timer_(*this, switches_, [this] { OneKeyTimer_Timer(); }) {
  Caption = "Tavlo";
  switches_.SetNamer([this](const SpriteClass& choice) {
    return ChoiceName(state_, game_id_, choice);
  });
}

void GameForm::Form_Load() {
  if (!SetUpGame()) {
    ExitForm();
    return;
  }
  LoadGameGraphics();
  LoadFrameButtons();
  StartRound();
  // A game whose first round cannot be built has left already.
  if (!IsLoaded()) return;
  switches_.Init(*this);
  App().Host().SetCursor(CursorShape::Arrow);
  UpdateScreen();
}

bool GameForm::SetUpGame() {
  Application& app = App();
  Platform& platform = app.Host();
  platform.SetWindowIcon(Surface::Load(app.ResourcePath("gfx\\icons\\play.ico")));

  state_.gGameId = game_id_;
  state_.Texts.LoadGameData(game_id_);
  state_.gGameName = state_.Texts.GameName(game_number_ - 1);
  PrepareChoices();
  WordListState& words = state_.WordLists;
  words.gWordIndex = 0;
  ProfileStore& profile = state_.Profiles;
  Rewards.gRewardCounter = 0;
  RewardOn = profile.GetReward(game_id_) > 0;
  RewardFrequency = profile.GetRewardFrequency(game_id_);

  const std::int16_t minimum_words = FindGameTable(game_id_).MinimumWords;
  while (true) {
    words.gWordListName = profile.GetWordList(game_id_);
    if (words.gWordListName.empty()) words.gWordListName = state_.Texts.GetDefaultWordList();
    ListLoadFailure failure = ListLoadFailure::None;
    if (LoadDatabaseList(state_, platform, game_id_, minimum_words, &failure)) break;
    const LanguageTexts& texts = state_.Texts;
    const std::string message =
        failure == ListLoadFailure::TooLong
            ? "'" + words.gWordListName + "' " + texts.InformationText(kListTooLong)
            : texts.InformationText(kFirstInformationOfListFailure) + " '" + words.gWordListName +
                  "' " + texts.InformationText(kSecondInformationOfListFailure);
    platform.ShowMessageBox(message, texts.MenuText(0), MessageButtons::Ok,
                            MessageIcon::Exclamation);
    if (ShowGeneralOptions(app, state_, game_id_) != 1) return false;
  }

  words.gRandomWord = profile.GetRandomWord(game_id_) > 0;
  if (words.gRandomWord) words.ShuffleWordList();
  if (profile.OneKeyMode) {
    one_key_timer_.SetInterval(profile.OneKeyInterval * 1000);
    one_key_timer_.SetEnabled(true);
  }
  ScanFrameButtons();
  state_.gFontName = profile.GetFontName(game_id_);
  state_.gFontSize = profile.GetFontSize(game_id_);
  // Input is free from now on; a lock left from an earlier game could lie
  // anywhere on the wrapping millisecond count.
  state_.gInputLockUntil = MilliTimer() - 1;
  return true;
}

void GameForm::LoadFrameButtons() {
  const std::string folder = "gfx\\" + game_id_ + "\\";
  gNextButton.LoadButtonImage(*this, folder + "nextButton.gif", kFrameButtonSize, kFrameButtonSize);
  gStopButton.LoadButtonImage(*this, folder + "stopButton.gif", kFrameButtonSize, kFrameButtonSize);
  gListenButton.LoadButtonImage(*this, folder + "listenButton.gif", kFrameButtonSize,
                                kFrameButtonSize);
  gStopButton.X = 670;
  gStopButton.Y = 5;
  gNextButton.X = 735;
  gNextButton.Y = 5;
  gListenButton.X = 5;
  gListenButton.Y = 5;
}

void GameForm::ScanFrameButtons() {
  if (!state_.Profiles.Access.ScanFrameButtons) {
    switches_.SetClosingItems({});
    return;
  }
  const LanguageTexts& texts = state_.Texts;
  // Listen and next come before stop, so that a child who scans on past the
  // choices reaches help first and the way out last.
  switches_.SetClosingItems({{&gListenButton, texts.SpokenLine("menu", kListenText)},
                             {&gNextButton, texts.SpokenLine("menu", kNextText)},
                             {&gStopButton, texts.SpokenLine("menu", kStopText)}});
}

void GameForm::FreeFrameButtons() {
  gNextButton.CleanUp();
  gStopButton.CleanUp();
  gListenButton.CleanUp();
}

void GameForm::ExitForm() {
  StopAllSounds(App(), media_);
  one_key_timer_.SetEnabled(false);
  Graphics().Cls();
  FreeGameGraphics();
  FreeFrameButtons();
  switches_.CleanUp();
  App().Show(main_menu_);
  Unload();
}

void GameForm::DrawFrameButtons(FrameButtonSet buttons) {
  gStopButton.Visible = buttons.Stop;
  gListenButton.Visible = buttons.Listen;
  gNextButton.Visible = buttons.Next;
  if (buttons.Stop) gStopButton.DrawTransp(*this);
  if (buttons.Listen) gListenButton.DrawTransp(*this);
  if (buttons.Next) gNextButton.DrawTransp(*this);
}

Canvas& GameForm::BeginScreen(FrameButtonSet buttons) {
  Canvas& canvas = Graphics();
  canvas.Cls();
  DrawFrameButtons(buttons);
  return canvas;
}

Canvas& GameForm::BeginScreen(SpriteClass& picture, FrameButtonSet buttons) {
  Canvas& canvas = Graphics();
  canvas.Cls();
  picture.Draw(*this);
  DrawFrameButtons(buttons);
  return canvas;
}

void GameForm::EndScreen() {
  DrawTitle();
  Refresh();
}

std::vector<SpriteClass*> GameForm::ShownSprites(std::vector<SpriteClass>& sprites) {
  std::vector<SpriteClass*> shown;
  for (SpriteClass& sprite : sprites) {
    if (sprite.Visible) shown.push_back(&sprite);
  }
  return shown;
}

void GameForm::DrawFrameHighlights() {
  DrawHighlightBorder(gStopButton);
  DrawHighlightBorder(gNextButton);
  DrawHighlightBorder(gListenButton);
}

void GameForm::DrawHighlightBorder(SpriteClass& sprite) {
  if (sprite.Selected) sprite.DrawBorder(kHighlightBlue, 3, *this);
}

void GameForm::UpdateHover(SpriteClass& sprite, int x, int y) {
  sprite.Selected = sprite.IsUnder(x, y);
}

void GameForm::RefreshHover() {
  for (SpriteClass* sprite : ChoiceSprites()) UpdateHover(*sprite, pointer_x_, pointer_y_);
}

SpriteClass* GameForm::ChoiceUnder(int x, int y) {
  for (SpriteClass* choice : ChoiceSprites()) {
    if (choice->IsUnder(x, y)) return choice;
  }
  return nullptr;
}

bool GameForm::PickedRight(int x, int y,
                           const std::function<bool(const SpriteClass&)>& is_right) {
  const SpriteClass* choice = ChoiceUnder(x, y);
  if (choice == nullptr) return false;
  if (is_right(*choice)) return true;
  ReportWrong();
  return false;
}

void GameForm::DrawTitle() {
  Canvas& canvas = Graphics();
  canvas.ForeColor = kBlack;
  canvas.FontSize = 18 * state_.gTextScale;
  canvas.CurrentX = 400 - canvas.TextWidth(state_.gGameName) / 2;
  canvas.CurrentY = gStopButton.MiddleY() - canvas.TextHeight(state_.gGameName) / 2;
  canvas.Print(state_.gGameName);
}

bool GameForm::LoadItemPicture(SpriteClass& sprite, PictureFolder folder,
                               const std::string& image) {
  const char* folder_name = folder == PictureFolder::Backgrounds ? "backgrounds/" : "images/";
  if (IsNameInsideFolder(image) &&
      sprite.LoadDCImage(*this, state_.gDataPath + folder_name + image)) {
    return true;
  }
  ShowMissingPicture(image);
  return false;
}

void GameForm::ShowMissingPicture(const std::string& image) {
  const LanguageTexts& texts = state_.Texts;
  App().Host().ShowMessageBox(texts.InformationText(kFirstInformationOfMissingPicture) + " " +
                                  image + " " +
                                  texts.InformationText(kSecondInformationOfMissingPicture),
                              "Tavlo", MessageButtons::Ok, MessageIcon::Exclamation);
}

WordRecord GameForm::TakeWord() {
  WordListState& list = state_.WordLists;
  if (list.gWords.empty()) return {};
  const std::size_t row = CursorRow(list);
  MoveCursorPast(list, row);
  return list.gWords[row];
}

WordRecord GameForm::DealPicture(SpriteClass& picture) {
  WordRecord row = TakeWord();
  picture.CleanUp();
  if (!LoadItemPicture(picture, PictureFolder::Images, row.Image)) {
    picture.Width = kWordPictureSize;
    picture.Height = kWordPictureSize;
  }
  picture.Text = row.Word;
  picture.Label = row.Sound;
  picture.Selected = false;
  return row;
}

std::string GameForm::TextOf(const WordRecord& row, std::size_t slot) {
  return slot < row.Texts.size() ? row.Texts[slot] : std::string();
}

std::int32_t GameForm::NumberOf(const WordRecord& row, std::size_t slot) {
  return slot < row.Numbers.size() ? row.Numbers[slot] : 0;
}

bool GameForm::SayPictureUnder(std::span<const SpriteClass> pictures, int x, int y,
                               const std::string& folder) {
  for (const SpriteClass& picture : pictures) {
    if (picture.IsUnder(x, y)) {
      PlaySpeech(folder + picture.Label, PlayMode::Asynchronous);
      return true;
    }
  }
  return false;
}

bool GameForm::NextOfSet(int& current, int count, ItemReward reward) {
  current += 1;
  if (current < count) {
    // The step shows at once, whether or not the pointer moves.
    UpdateScreen();
    return true;
  }
  CompleteItem(reward);
  StartRound();
  return false;
}

std::vector<WordRecord> GameForm::DealScene(SpriteClass& scene, std::size_t most) {
  scene.CleanUp();
  WordListState& list = state_.WordLists;
  const std::vector<WordRecord>& words = list.gWords;
  std::vector<WordRecord> rows;
  if (words.empty()) return rows;
  const std::size_t start = CursorRow(list);
  const std::string& image = words[start].Image;
  LoadItemPicture(scene, PictureFolder::Backgrounds, image);
  for (std::size_t visited = 0; visited < words.size() && rows.size() < most; ++visited) {
    const WordRecord& row = words[(start + visited) % words.size()];
    if (row.Image == image) rows.push_back(row);
  }
  MoveCursorPast(list, start);
  return rows;
}

void GameForm::LabelButtonsWithGameData(std::vector<SpriteClass>& buttons) {
  const auto& lines = state_.Texts.gGameData;
  if (buttons.size() != lines.size()) {
    switches_.CleanUp();
    buttons = std::vector<SpriteClass>(lines.size());
  }
  for (std::size_t i = 0; i < lines.size(); ++i) buttons[i].Label = lines[i];
}

void GameForm::PlaySpeech(std::string_view relative_file, PlayMode mode) {
  if (!IsNameInsideFolder(relative_file)) return;
  PlayEffectSound(App(), state_.Profiles, state_.SpeechFile(relative_file), mode);
}

void GameForm::ReportCorrect(AnswerSound sound) {
  state_.Profiles.Games[static_cast<size_t>(game_number_ - 1)].AddCorrect();
  if (sound == AnswerSound::Play) PlayCorrectSound(App(), state_.Profiles);
}

void GameForm::ReportWrong() {
  PlayWrongSound(App(), state_.Profiles);
  state_.Profiles.Games[static_cast<size_t>(game_number_ - 1)].AddWrong();
}

void GameForm::CompleteItem(ItemReward reward) {
  tavlo::CompleteItem(
      App(), state_, *this, Rewards, RewardOn, RewardFrequency, [this] { UpdateScreen(); }, reward);
}

bool GameForm::InputLocked() const {
  return ElapsedMilliseconds(MilliTimer(), state_.gInputLockUntil) < 0;
}

void GameForm::LockInput() { state_.gInputLockUntil = MilliTimer() + kInputLockMilliseconds; }

void GameForm::Form_MouseDown(int button, int shift, int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  if (InputLocked()) return;
  if (gStopButton.IsUnder(x, y)) {
    ExitForm();
    return;
  }
  if (gListenButton.IsUnder(x, y)) SpeakAnswer(-1);
  if (gNextButton.IsUnder(x, y)) {
    StartRound();
    if (!IsLoaded()) return;
  }
  GameMouseDown(button, shift, x, y);
  LockInput();
}

void GameForm::Form_MouseMove(int, int, int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  for (SpriteClass* sprite : ChoiceSprites()) UpdateHover(*sprite, x, y);
  UpdateHover(gStopButton, x, y);
  UpdateHover(gListenButton, x, y);
  UpdateHover(gNextButton, x, y);
  UpdateScreen();
}

void GameForm::Form_KeyDown(int key_code, int) {
  // Space and Enter wait until the lock of the last handled press has passed,
  // strictly, so that a bouncing switch steps or selects once.
  const bool free = ElapsedMilliseconds(MilliTimer(), state_.gInputLockUntil) > 0;
  switch (key_code) {
    case keys::kEscape:
      ExitForm();
      return;
    case keys::kSpace:
      if (!free) return;
      switches_.NextSwitch();
      UpdateScreen();
      LockInput();
      return;
    case keys::kEnter:
      if (!free) return;
      // A frame button in the scanning list is clicked as the frame's own,
      // whatever selecting means to the game.
      if (switches_.OnClosingItem()) {
        Form_MouseDown(mouse_buttons::kLeft, 0, switches_.GetXPos(), switches_.GetYPos());
      } else {
        SelectSwitch(switches_.GetXPos(), switches_.GetYPos());
      }
      if (!IsLoaded()) return;
      UpdateScreen();
      LockInput();
      return;
    case keys::kPageDown:
      Form_MouseDown(0, 0, nint(gNextButton.X) + 5, nint(gNextButton.Y) + 5);
      return;
    case keys::F(1):
      ShowGeneralOptions(App(), state_, game_id_);
      AfterOptionsDialog();
      return;
    case keys::F(2):
      SpeakAnswer(-1);
      return;
    case keys::F(9):
      ShowFontDialog(App(), state_, game_id_);
      AfterOptionsDialog();
      return;
    default:
      if (ApplyTextSizeKey(state_, key_code)) UpdateScreen();
      return;
  }
}

void GameForm::SelectSwitch(int x, int y) { Form_MouseDown(mouse_buttons::kLeft, 0, x, y); }

void GameForm::AfterOptionsDialog() {
  if (state_.gDialogResult != 1) return;
  if (SetUpGame()) {
    StartRound();
  } else {
    ExitForm();
  }
}

void GameForm::OneKeyTimer_Timer() { Form_KeyDown(keys::kSpace, 0); }

}  // namespace tavlo
