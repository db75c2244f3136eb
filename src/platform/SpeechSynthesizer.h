#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tavlo {

// Speech that the synthesizer made: 16-bit samples of one channel.
struct SynthesizedSpeech {
  std::vector<std::int16_t> Samples;
  int SampleRate = 0;
};

// Texts said by eSpeak NG, in memory, in the slow clear voice the program's
// recordings have. The library and its voice data are loaded by the first
// text, not before: most runs never say a text. Making a short sentence
// takes a few milliseconds, so it is done on the caller's thread; the last
// few texts are kept, as scanning says the same choices round after round.
// Synthesizers share the process's one speech engine, one text at a time.
class SpeechSynthesizer {
 public:
  // The text in the voice ("en-gb", "da"); nothing when the library, its
  // data or the voice is missing, or the text makes no sound.
  std::shared_ptr<const SynthesizedSpeech> Synthesize(const std::string& text,
                                                       const std::string& voice);

  static constexpr std::size_t kCachedTexts = 8;

 private:
  struct Cached {
    std::string Voice;
    std::string Text;
    std::shared_ptr<const SynthesizedSpeech> Speech;
  };

  // The most recently said first.
  std::deque<Cached> cache_;
};

}  // namespace tavlo
