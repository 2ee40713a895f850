// Counts of the OpenAL sources and buffers alive in the current context, as
// the library itself knows them: a leak check that does not trust the game's
// own bookkeeping.
#pragma once

int probeLiveOpenAlSources();
int probeLiveOpenAlBuffers();
