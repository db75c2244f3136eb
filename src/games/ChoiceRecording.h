#pragma once

#include <string>

namespace tavlo {

class SpriteClass;
struct ProgramState;

// The recording that names a game's choice when scanning speaks it, or ""
// when there is none. In this order: the game's fixed answers (its data
// file's lines, such as Game 1's "a" and "an") by the language's own
// recordings; the word's recording that the choice's Label names
// ("apple.wav"); then a recording of the data folder named after the
// choice's Text or Label, as the word ("cat.wav") or as its words joined by
// hyphens ("the-cat-sat.wav"). The program has no speech engine of its own,
// so a text that has no recording is not said.
std::string ChoiceRecording(const ProgramState& state, const std::string& game_id,
                            const SpriteClass& choice);

}  // namespace tavlo
