#include "media/sdlapi.h"

#include <dlfcn.h>

namespace w4::sdl {

namespace {

// Kept open for the rest of the process: SDL runs threads of its own once started.
void* Open(const char* library) { return dlopen(library, RTLD_NOW | RTLD_LOCAL); }

template <typename Pointer>
bool Find(void* library, const char* name, Pointer& pointer)
{
    pointer = reinterpret_cast<Pointer>(dlsym(library, name));
    return pointer != nullptr;
}

const Api* LoadOnce()
{
    static Api api;
    void* base = Open("libSDL2-2.0.so.0");
    void* mixer = base ? Open("libSDL2_mixer-2.0.so.0") : nullptr;
    if (base == nullptr || mixer == nullptr)
        return nullptr;
    bool complete = true;
#define W4_FIND_BASE(name) complete = Find(base, #name, api.name) && complete;
#define W4_FIND_MIXER(name) complete = Find(mixer, #name, api.name) && complete;
    W4_SDL_FUNCTIONS(W4_FIND_BASE)
    W4_MIXER_FUNCTIONS(W4_FIND_MIXER)
#undef W4_FIND_BASE
#undef W4_FIND_MIXER
    return complete ? &api : nullptr;
}

} // namespace

const Api* Load()
{
    static const Api* const api = LoadOnce();
    return api;
}

} // namespace w4::sdl
