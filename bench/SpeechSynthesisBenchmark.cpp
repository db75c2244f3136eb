// How long spoken scanning keeps the highlight waiting when a choice has no
// recording: one short sentence synthesized, never found among the texts
// kept from before. The first text also loads the library and its voice.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "platform/SpeechSynthesizer.h"

namespace tavlo {
namespace {

void SentenceSynthesis(benchmark::State& state, const std::string& voice) {
  // More sentences than are kept, taken in turn: each is made anew.
  const std::array<std::string, SpeechSynthesizer::kCachedTexts + 2> sentences = {
      "The clock tells the time.", "The bus is on the road.", "I put a sock on my foot.",
      "A key opens the door.",     "The cat sat on the mat.", "The dog is in the garden.",
      "I can see a big red bus.",  "The fish can swim.",      "A bird is in the tree.",
      "The sun is hot."};
  SpeechSynthesizer synthesizer;
  std::size_t next = 0;
  for (auto _ : state) {
    const auto speech = synthesizer.Synthesize(sentences[next], voice);
    if (!speech) {
      state.SkipWithError("eSpeak NG said nothing");
      break;
    }
    benchmark::DoNotOptimize(speech->Samples.data());
    next = (next + 1) % sentences.size();
  }
}

BENCHMARK_CAPTURE(SentenceSynthesis, English, std::string("en-gb"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SentenceSynthesis, Danish, std::string("da"))->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavlo
