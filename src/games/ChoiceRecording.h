#pragma once

#include <string>

#include "engine/HighlightSpeech.h"

namespace tavlo {

class SpriteClass;
struct ProgramState;

// The recording that names a game's choice when scanning speaks it, or ""
// when there is none. In this order: the game's fixed answers (its data
// file's lines, such as Game 1's "a" and "an") by the language's own
// recordings; the word's recording that the choice's Label names
// ("apple.wav"); then a recording of the data folder named after the
// choice's Text or Label, as the word ("cat.wav") or as its words joined by
// hyphens ("the-cat-sat.wav").
std::string ChoiceRecording(const ProgramState& state, const std::string& game_id,
                            const SpriteClass& choice);

// The choice's name for spoken scanning: its recording as above, and its text
// (the Text it shows, else a Label that names no sound file) in the language's
// voice, said in generated speech where the recording is missing.
SpokenName ChoiceName(const ProgramState& state, const std::string& game_id,
                      const SpriteClass& choice);

}  // namespace tavlo
