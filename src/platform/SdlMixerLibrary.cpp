#include "platform/SdlMixerLibrary.h"

#include <dlfcn.h>

namespace tavlo {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

SdlMixerLibrary Open() {
  SdlMixerLibrary found;
  void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!library) return found;
  found.Loaded =
      Find(library, "Mix_OpenAudioDevice", found.OpenAudioDevice) &&
      Find(library, "Mix_CloseAudio", found.CloseAudio) &&
      Find(library, "Mix_QuerySpec", found.QuerySpec) &&
      Find(library, "Mix_AllocateChannels", found.AllocateChannels) &&
      Find(library, "Mix_Init", found.Init) && Find(library, "Mix_Quit", found.Quit) &&
      Find(library, "Mix_SetSoundFonts", found.SetSoundFonts) &&
      Find(library, "Mix_LoadWAV", found.LoadWAV) &&
      Find(library, "Mix_QuickLoad_RAW", found.QuickLoad_RAW) &&
      Find(library, "Mix_FreeChunk", found.FreeChunk) &&
      Find(library, "Mix_PlayChannel", found.PlayChannel) &&
      Find(library, "Mix_HaltChannel", found.HaltChannel) &&
      Find(library, "Mix_Pause", found.Pause) && Find(library, "Mix_Resume", found.Resume) &&
      Find(library, "Mix_Playing", found.Playing) && Find(library, "Mix_LoadMUS", found.LoadMUS) &&
      Find(library, "Mix_FreeMusic", found.FreeMusic) &&
      Find(library, "Mix_PlayMusic", found.PlayMusic) &&
      Find(library, "Mix_HaltMusic", found.HaltMusic) &&
      Find(library, "Mix_PauseMusic", found.PauseMusic) &&
      Find(library, "Mix_ResumeMusic", found.ResumeMusic) &&
      Find(library, "Mix_PlayingMusic", found.PlayingMusic) &&
      Find(library, "Mix_SetMusicPosition", found.SetMusicPosition) &&
      Find(library, "Mix_MusicDuration", found.MusicDuration);
  return found;
}

}  // namespace

const SdlMixerLibrary& SdlMixer() {
  static const SdlMixerLibrary mixer = Open();
  return mixer;
}

}  // namespace tavlo
