#pragma once

#include <string>

namespace tavlo {

// The speech synthesizer's voice for a language folder ("eng" -> "en-gb",
// "den" -> "da"), the voice the asset generator records that language's
// words in; "" for a language the program has no voice for, whose texts are
// then not said rather than said in another language's sounds.
std::string SpeechVoiceOf(const std::string& language);

}  // namespace tavlo
