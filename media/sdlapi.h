#pragma once
// SDL and SDL_mixer, opened the first time sound or the gamepad starts rather than when the
// program starts: with what they depend on (sound servers, decoders, display libraries) they are
// some fifty shared libraries, and loading them took longer than showing the window. Only the
// functions the sound and gamepad code call are looked up.

#include <SDL.h>
#include <SDL_mixer.h>

namespace w4::sdl {

#define W4_SDL_FUNCTIONS(X)                                                                                  \
    X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_RWFromFile) X(SDL_JoystickEventState)   \
    X(SDL_JoystickUpdate) X(SDL_NumJoysticks) X(SDL_JoystickOpen) X(SDL_JoystickClose)                      \
    X(SDL_JoystickGetAttached) X(SDL_JoystickNumAxes) X(SDL_JoystickNumHats) X(SDL_JoystickNumButtons)     \
    X(SDL_JoystickGetAxis) X(SDL_JoystickGetHat) X(SDL_JoystickGetButton)

#define W4_MIXER_FUNCTIONS(X)                                                                                \
    X(Mix_Init) X(Mix_Quit) X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_AllocateChannels) X(Mix_LoadWAV_RW)  \
    X(Mix_LoadMUS) X(Mix_FreeChunk) X(Mix_FreeMusic) X(Mix_VolumeChunk) X(Mix_VolumeMusic)                 \
    X(Mix_PlayChannelTimed) X(Mix_PlayMusic) X(Mix_HaltMusic) X(Mix_PlayingMusic) X(Mix_PausedMusic)       \
    X(Mix_Playing)

struct Api {
#define W4_SDL_POINTER(name) decltype(&::name) name = nullptr;
    W4_SDL_FUNCTIONS(W4_SDL_POINTER)
    W4_MIXER_FUNCTIONS(W4_SDL_POINTER)
#undef W4_SDL_POINTER
};

// The functions, loaded on the first call; null when a library or a function is missing, and
// then sound stays silent and no gamepad is read.
const Api* Load();

} // namespace w4::sdl
