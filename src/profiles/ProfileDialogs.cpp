#include "profiles/ProfileDialogs.h"

#include "engine/Application.h"
#include "profiles/NewProfileDialog.h"
#include "profiles/NewProfileModel.h"
#include "profiles/ProfileDialog.h"
#include "profiles/ProfileDialogModel.h"
#include "state/ProgramState.h"

namespace tavlo {
namespace {

// Lines of the profile texts.
constexpr int kNewTip = 0;
constexpr int kRemoveTip = 1;
constexpr int kResetTip = 2;
constexpr int kOkTip = 3;
constexpr int kNoNameText = 4;
constexpr int kNameRefusedText = 5;
constexpr int kExistingChosenText = 6;
constexpr int kRemoveQuestion = 7;
constexpr int kResetQuestion = 8;
constexpr int kSmallLetters = 9;
constexpr int kCapitals = 10;
constexpr int kBlankKey = 11;
constexpr int kRubOutKey = 12;
// The new player's question in the menu texts.
constexpr int kNewProfileQuestion = 9;

bool AskBeforeDestroying(Application& app, ProgramState& state, int question,
                         const std::string& name) {
  return app.Host().ShowMessageBox(FillIn(state.Texts.ProfilesText(question), name),
                                   state.Texts.MenuText(0), MessageButtons::YesNoDefaultNo,
                                   MessageIcon::Exclamation) == MessageAnswer::Yes;
}

ProfileDialogLook LoadLook(Application& app, const LanguageTexts& texts) {
  ProfileDialogLook look;
  look.NewPicture = Surface::Load(app.ResourcePath("gfx\\dialog\\newbtn.gif"));
  look.RemovePicture = Surface::Load(app.ResourcePath("gfx\\dialog\\removebtn.gif"));
  look.ResetPicture = Surface::Load(app.ResourcePath("gfx\\dialog\\resetbtn.gif"));
  look.NewTip = texts.ProfilesText(kNewTip);
  look.RemoveTip = texts.ProfilesText(kRemoveTip);
  look.ResetTip = texts.ProfilesText(kResetTip);
  look.OkTip = texts.ProfilesText(kOkTip);
  return look;
}

}  // namespace

std::string AskNewProfileName(Application& app, ProgramState& state) {
  const LanguageTexts& texts = state.Texts;
  NewProfileModel model({texts.MenuText(kNewProfileQuestion), texts.ProfilesText(kSmallLetters),
                         texts.ProfilesText(kCapitals), texts.ProfilesText(kBlankKey),
                         texts.ProfilesText(kRubOutKey), texts.ProfilesText(kNoNameText),
                         texts.ProfilesText(kNameRefusedText)});
  NewProfileKeys keys(model);
  NewProfileDialog dialog(model, keys, LoadDialogChrome(app, texts.MenuText(0)));
  app.RunDialog(dialog);
  return dialog.Outcome() == DialogOutcome::Confirmed ? model.Name() : std::string();
}

void ShowProfileDialog(Application& app, ProgramState& state) {
  state.Texts.Reload(&LanguageTexts::LoadProfilesTexts);
  ProfileDialogModel model(state.Profiles);
  model.ListProfiles(state.Profiles.gProfileName);
  ProfileDialogLook look = LoadLook(app, state.Texts);
  ProfileControl focus = ProfileControl::ProfileList;
  // New, Remove and Reset end the dialog for their own dialogs and questions,
  // which cannot open inside it; then it is shown again as they left it.
  while (true) {
    ProfileDialogKeys keys(model, focus);
    ProfileDialog dialog(model, keys, look, LoadDialogChrome(app, state.Texts.MenuText(0)));
    app.RunDialog(dialog);
    if (dialog.Outcome() != DialogOutcome::Confirmed) return;
    look.Notice.clear();
    switch (keys.Requested()) {
      case ProfileAction::None:
        model.ConfirmChoice();
        return;
      case ProfileAction::New: {
        focus = ProfileControl::NewButton;
        const std::string name = AskNewProfileName(app, state);
        if (!name.empty() && model.AddProfile(name) == NewProfileResult::ExistingChosen) {
          look.Notice = FillIn(state.Texts.ProfilesText(kExistingChosenText), name);
        }
        break;
      }
      case ProfileAction::Remove:
        focus = ProfileControl::RemoveButton;
        if (AskBeforeDestroying(app, state, kRemoveQuestion, model.SelectedName())) {
          model.RemoveSelected();
        }
        break;
      case ProfileAction::Reset:
        focus = ProfileControl::ResetButton;
        if (AskBeforeDestroying(app, state, kResetQuestion, model.CurrentProfile())) {
          model.ResetCurrent();
        }
        break;
    }
  }
}

}  // namespace tavlo
