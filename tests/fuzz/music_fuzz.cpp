// Fuzzing a music track: the decoder's open and every read through its own
// callbacks to the end, then the stream's open, which fills and queues the
// device's buffers, and its close.
#include <cstdint>
#include <vector>

#include "audio/music_decoder.h"
#include "audio/music_stream.h"
#include "fuzz_support.h"

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder(false);
    return initMusicDevice() ? 0 : 1;
}

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput("Fuzz.ogg", data, size);
    MusicDecoder decoder;
    if (decoder.open("Fuzz.ogg")) {
        std::vector<char> block(16384);
        while (decoder.read(block.data(), int(block.size())) > 0) {}
    }
    if (musicStream.open("Fuzz.ogg", true)) {
        musicStream.play();
        musicStream.update();
    }
    musicStream.close();
    return 0;
}
