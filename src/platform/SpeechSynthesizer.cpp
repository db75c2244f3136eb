#include "platform/SpeechSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cctype>
#include <mutex>
#include <string_view>

#include "platform/SharedLibrary.h"

namespace tavlo {
namespace {

// The pace of the program's recordings: 115 words a minute, with a gap of
// 60 ms between words, slow enough for a child learning to read.
constexpr int kWordsPerMinute = 115;
constexpr int kWordGapTensOfMilliseconds = 6;

// The library keeps its state in globals, so it is started once for the
// process and every synthesizer shares it, one text at a time. It is never
// shut down: its shutdown can wait for ever on a thread of its own, and the
// process's end frees it anyway.
//
// The library is opened on the first text, not linked: with its sound output
// it cost every start a little, and most screens speak from recordings.
struct Library {
  std::mutex Lock;
  bool Tried = false;
  int SampleRate = 0;
  std::string Voice;
  decltype(&espeak_Initialize) Initialize = nullptr;
  decltype(&espeak_SetSynthCallback) SetSynthCallback = nullptr;
  decltype(&espeak_SetVoiceByProperties) SetVoiceByProperties = nullptr;
  decltype(&espeak_GetCurrentVoice) GetCurrentVoice = nullptr;
  decltype(&espeak_SetParameter) SetParameter = nullptr;
  decltype(&espeak_Synth) Synth = nullptr;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

// The samples of one text go to the vector named in the text's user data.
int CollectSamples(short* samples, int count, espeak_EVENT* events) {
  if (!samples || count <= 0 || !events) return 0;
  auto* collected = static_cast<std::vector<std::int16_t>*>(events->user_data);
  if (collected) collected->insert(collected->end(), samples, samples + count);
  return 0;
}

// Language names match whatever their case ("en-GB" is "en-gb").
bool SameLanguage(const char* language, const std::string& wanted) {
  const std::string_view have(language);
  return std::equal(have.begin(), have.end(), wanted.begin(), wanted.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

// Starts the library on its first use; false when it cannot run.
bool Started(Library& library) {
  if (library.Tried) return library.SampleRate > 0;
  library.Tried = true;
  void* shared = OpenSharedLibrary("libespeak-ng.so.1");
  if (!shared ||
      !(FindLibraryFunction(shared, "espeak_Initialize", library.Initialize) &&
        FindLibraryFunction(shared, "espeak_SetSynthCallback", library.SetSynthCallback) &&
        FindLibraryFunction(shared, "espeak_SetVoiceByProperties", library.SetVoiceByProperties) &&
        FindLibraryFunction(shared, "espeak_GetCurrentVoice", library.GetCurrentVoice) &&
        FindLibraryFunction(shared, "espeak_SetParameter", library.SetParameter) &&
        FindLibraryFunction(shared, "espeak_Synth", library.Synth))) {
    return false;
  }
  // Without this option the library ends the process when its data is missing.
  const int rate =
      library.Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) return false;
  library.SetSynthCallback(CollectSamples);
  library.SampleRate = rate;
  return true;
}

bool UseVoice(Library& library, const std::string& voice) {
  if (voice == library.Voice) return true;
  library.Voice.clear();
  // Voices are chosen by their language ("en-gb"); the library then takes
  // the nearest it has, which may be another language ("no" finds
  // Norwegian), so only a voice of exactly that language is used.
  espeak_VOICE wanted{};
  wanted.languages = voice.c_str();
  if (library.SetVoiceByProperties(&wanted) != EE_OK) return false;
  const espeak_VOICE* chosen = library.GetCurrentVoice();
  // A voice's languages start with a priority byte.
  if (!chosen || !chosen->languages || !SameLanguage(chosen->languages + 1, voice)) return false;
  // A new voice starts at the library's own pace; the program's is kept.
  library.SetParameter(espeakRATE, kWordsPerMinute, 0);
  library.SetParameter(espeakWORDGAP, kWordGapTensOfMilliseconds, 0);
  library.Voice = voice;
  return true;
}

}  // namespace

std::shared_ptr<const SynthesizedSpeech> SpeechSynthesizer::Synthesize(const std::string& text,
                                                                       const std::string& voice) {
  if (text.empty() || voice.empty()) return nullptr;
  const auto found = std::find_if(cache_.begin(), cache_.end(), [&](const Cached& cached) {
    return cached.Voice == voice && cached.Text == text;
  });
  if (found != cache_.end()) {
    Cached hit = *found;
    cache_.erase(found);
    cache_.push_front(hit);
    return hit.Speech;
  }
  auto speech = std::make_shared<SynthesizedSpeech>();
  {
    Library& library = TheLibrary();
    const std::lock_guard lock(library.Lock);
    if (!Started(library) || !UseVoice(library, voice)) return nullptr;
    speech->SampleRate = library.SampleRate;
    std::vector<std::int16_t>* samples = &speech->Samples;
    const espeak_ERROR result = library.Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                              espeakCHARS_UTF8, nullptr, samples);
    if (result != EE_OK || speech->Samples.empty()) return nullptr;
  }
  speech->Samples.shrink_to_fit();
  cache_.push_front({voice, text, speech});
  if (cache_.size() > kCachedTexts) cache_.pop_back();
  return speech;
}

}  // namespace tavlo
