// OpenAL names are small numbers handed out from the bottom up, so asking the
// library about each of the first few thousand finds every one alive.
#include "openal_probe.h"

#include <AL/al.h>

namespace {
constexpr ALuint namesAsked = 4096;
}  // namespace

int probeLiveOpenAlSources()
{
    int live = 0;
    for (ALuint name = 1; name <= namesAsked; ++name) {
        live += alIsSource(name) == AL_TRUE ? 1 : 0;
    }
    return live;
}

int probeLiveOpenAlBuffers()
{
    int live = 0;
    // Name 0 is the null buffer, always valid and never made.
    for (ALuint name = 1; name <= namesAsked; ++name) {
        live += alIsBuffer(name) == AL_TRUE ? 1 : 0;
    }
    return live;
}
