#include "profiles/OptionDialogs.h"

#include <vector>

#include "engine/Application.h"
#include "platform/Fonts.h"
#include "profiles/AccessOptionsDialog.h"
#include "profiles/AccessOptionsModel.h"
#include "profiles/FontDialog.h"
#include "profiles/FontDialogModel.h"
#include "profiles/GeneralOptionsDialog.h"
#include "profiles/GeneralOptionsModel.h"
#include "profiles/Options15Dialog.h"
#include "profiles/Options15Model.h"
#include "state/ProfileStore.h"
#include "state/ProgramState.h"
#include "wordlists/WordListStore.h"

namespace tavlo {
namespace {

// The option text that names the steering game's speed frame.
constexpr int kSpeedCaption = 4;
// The option texts of the access dialog, in the order of its captions.
constexpr int kFirstAccessCaption = 5;
// The menu text that is the access dialog's title.
constexpr int kAccessTitle = 26;

// The options belong to one game, so the dialog's title names it.
std::string GeneralOptionsTitle(const ProgramState& state, const std::string& game_id) {
  const int index = GameIndexOf(game_id);
  if (index < 0) return state.Texts.MenuText(0);
  return state.Texts.GameName(index);
}

std::int16_t SetDialogResult(ProgramState& state, DialogOutcome outcome) {
  state.gDialogResult = outcome == DialogOutcome::Confirmed ? 1 : 0;
  return state.gDialogResult;
}

}  // namespace

std::int16_t ShowGeneralOptions(Application& app, ProgramState& state, const std::string& game_id) {
  std::vector<std::string> word_lists;
  GetWordListNames(state, game_id, word_lists);
  GeneralOptionsModel model(state.Profiles, game_id, std::move(word_lists));
  const GeneralOptionsCaptions captions{state.Texts.OptionText(0), state.Texts.OptionText(1),
                                        state.Texts.OptionText(2), state.Texts.OptionText(3)};
  GeneralOptionsKeys keys(model);
  GeneralOptionsDialog dialog(model, keys, captions,
                              LoadDialogChrome(app, GeneralOptionsTitle(state, game_id)));
  app.RunDialog(dialog);
  return SetDialogResult(state, dialog.Outcome());
}

std::int16_t ShowFontDialog(Application& app, ProgramState& state, const std::string& game_id) {
  FontDialogModel model(state.Profiles, game_id, FontLibrary::Families(),
                        FontLibrary::MatchingFamily(state.Profiles.GetFontName(game_id)));
  FontDialogKeys keys(model);
  FontDialog dialog(model, keys, LoadDialogChrome(app, state.Texts.MenuText(0)));
  app.RunDialog(dialog);
  return SetDialogResult(state, dialog.Outcome());
}

std::int16_t ShowOptions15(Application& app, ProgramState& state) {
  const std::string game_id = Options15Model::kGameId;
  std::vector<std::string> word_lists;
  GetWordListNames(state, game_id, word_lists);
  Options15Model model(state.Profiles, std::move(word_lists));
  const Options15Captions captions{state.Texts.OptionText(0), state.Texts.OptionText(1),
                                   state.Texts.OptionText(kSpeedCaption)};
  Options15Keys keys(model);
  Options15Dialog dialog(model, keys, captions,
                         LoadDialogChrome(app, GeneralOptionsTitle(state, game_id)));
  app.RunDialog(dialog);
  return SetDialogResult(state, dialog.Outcome());
}

std::int16_t ShowAccessOptions(Application& app, ProgramState& state) {
  const LanguageTexts& texts = state.Texts;
  const auto caption = [&](int i) { return texts.OptionText(kFirstAccessCaption + i); };
  AccessOptionsCaptions captions{caption(0), caption(1), caption(2), caption(3),
                                 caption(4), caption(5), caption(6), caption(7),
                                 caption(8), caption(9), caption(10)};
  AccessOptionsModel model(state.Profiles);
  AccessOptionsKeys keys(model);
  AccessOptionsDialog dialog(model, keys, std::move(captions),
                             LoadDialogChrome(app, texts.MenuText(kAccessTitle)));
  app.RunDialog(dialog);
  return SetDialogResult(state, dialog.Outcome());
}

}  // namespace tavlo
