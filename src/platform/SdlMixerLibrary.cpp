#include "platform/SdlMixerLibrary.h"

#include "platform/SharedLibrary.h"

namespace tavlo {
namespace {

SdlMixerLibrary Open() {
  SdlMixerLibrary found;
  void* library = OpenSharedLibrary("libSDL2_mixer-2.0.so.0");
  if (!library) return found;
  found.Loaded = FindLibraryFunction(library, "Mix_OpenAudioDevice", found.OpenAudioDevice) &&
                 FindLibraryFunction(library, "Mix_CloseAudio", found.CloseAudio) &&
                 FindLibraryFunction(library, "Mix_QuerySpec", found.QuerySpec) &&
                 FindLibraryFunction(library, "Mix_AllocateChannels", found.AllocateChannels) &&
                 FindLibraryFunction(library, "Mix_Init", found.Init) &&
                 FindLibraryFunction(library, "Mix_Quit", found.Quit) &&
                 FindLibraryFunction(library, "Mix_SetSoundFonts", found.SetSoundFonts) &&
                 FindLibraryFunction(library, "Mix_LoadWAV", found.LoadWAV) &&
                 FindLibraryFunction(library, "Mix_QuickLoad_RAW", found.QuickLoad_RAW) &&
                 FindLibraryFunction(library, "Mix_FreeChunk", found.FreeChunk) &&
                 FindLibraryFunction(library, "Mix_PlayChannel", found.PlayChannel) &&
                 FindLibraryFunction(library, "Mix_HaltChannel", found.HaltChannel) &&
                 FindLibraryFunction(library, "Mix_Pause", found.Pause) &&
                 FindLibraryFunction(library, "Mix_Resume", found.Resume) &&
                 FindLibraryFunction(library, "Mix_Playing", found.Playing) &&
                 FindLibraryFunction(library, "Mix_LoadMUS", found.LoadMUS) &&
                 FindLibraryFunction(library, "Mix_FreeMusic", found.FreeMusic) &&
                 FindLibraryFunction(library, "Mix_PlayMusic", found.PlayMusic) &&
                 FindLibraryFunction(library, "Mix_HaltMusic", found.HaltMusic) &&
                 FindLibraryFunction(library, "Mix_PauseMusic", found.PauseMusic) &&
                 FindLibraryFunction(library, "Mix_ResumeMusic", found.ResumeMusic) &&
                 FindLibraryFunction(library, "Mix_PlayingMusic", found.PlayingMusic) &&
                 FindLibraryFunction(library, "Mix_SetMusicPosition", found.SetMusicPosition) &&
                 FindLibraryFunction(library, "Mix_MusicDuration", found.MusicDuration);
  return found;
}

}  // namespace

const SdlMixerLibrary& SdlMixer() {
  static const SdlMixerLibrary mixer = Open();
  return mixer;
}

}  // namespace tavlo
