#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/InputEvent.h"
#include "profiles/OkCancelKeys.h"

namespace tavlo {
namespace {

enum class BoxControl { Box, Greyed, OKButton, CancelButton };

// A dialog with a check box and a greyed-out control; OK counts its stores
// and refuses while Refuse is set.
class BoxKeys : public OkCancelKeysFor<BoxControl> {
 public:
  bool Enabled(BoxControl control) const override { return control != BoxControl::Greyed; }

  bool Box = false;
  bool Refuse = false;
  int Stores = 0;

 private:
  void Activate(BoxControl /*control*/) override { Box = !Box; }
  bool StoreChoices() override {
    if (Refuse) return false;
    ++Stores;
    return true;
  }
};

enum class NoteControl { Text, OKButton };

// An OK-only dialog with a text box that takes letters and Space itself.
class NoteKeys : public OkCancelKeysFor<NoteControl, DialogButtons::OkOnly> {
 public:
  std::string Text;

 private:
  bool TakeKey(const DialogKeyPress& press) override {
    const bool letter = press.Code >= keys::kA && press.Code <= keys::kZ;
    if (Focused() != NoteControl::Text || (!letter && press.Code != keys::kSpace)) return false;
    Text += static_cast<char>(letter ? press.Code - keys::kA + 'a' : ' ');
    return true;
  }
  void Activate(NoteControl /*control*/) override {}
  bool StoreChoices() override { return true; }
};

void Press(OkCancelKeys& keys, const std::vector<int>& key_codes) {
  for (const int key : key_codes) keys.OnKey(key, 0);
}

TEST(OkCancelKeysTests, OkStoresOnceCancelStoresNothingAndTheEndIsFinal) {
  struct Case {
    std::vector<int> Keys;
    DialogOutcome Outcome;
    int Stores;
  };
  const Case cases[] = {
      {{keys::kSpace, keys::kEnter}, DialogOutcome::Confirmed, 1},  // past the greyed control
      {{keys::kLeft, keys::kEnter}, DialogOutcome::Cancelled, 0},
      {{keys::kEnter, keys::kEscape}, DialogOutcome::Cancelled, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Keys));
    BoxKeys keys;
    Press(keys, c.Keys);
    EXPECT_EQ(keys.Outcome(), c.Outcome);
    const bool box = keys.Box;
    Press(keys, {keys::kUp, keys::kUp, keys::kUp, keys::kEnter});
    keys.Confirm();
    keys.Cancel();
    EXPECT_EQ(keys.Outcome(), c.Outcome);
    EXPECT_EQ(keys.Stores, c.Stores);
    EXPECT_EQ(keys.Box, box);
  }
}

TEST(OkCancelKeysTests, ARefusedOkKeepsTheDialogOpen) {
  BoxKeys keys;
  keys.Refuse = true;
  Press(keys, {keys::kSpace, keys::kEnter});
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Open);
  keys.Refuse = false;
  keys.Confirm();
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Confirmed);
  EXPECT_EQ(keys.Stores, 1);
}

TEST(OkCancelKeysTests, ABusyControlTakesItsKeysFirstAndOkAloneStillCancelsWithEscape) {
  NoteKeys keys;
  Press(keys, {keys::kA, keys::kSpace, keys::kZ});
  EXPECT_EQ(keys.Text, "a z");
  EXPECT_EQ(keys.Focused(), NoteControl::Text);
  Press(keys, {keys::kTab});
  EXPECT_TRUE(keys.OkFocused());
  EXPECT_FALSE(keys.CancelFocused());
  Press(keys, {keys::kTab});
  EXPECT_EQ(keys.Focused(), NoteControl::Text);
  Press(keys, {keys::kEscape});
  EXPECT_EQ(keys.Outcome(), DialogOutcome::Cancelled);
}

}  // namespace
}  // namespace tavlo
