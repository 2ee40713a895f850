// The decoding half of the music stream: an Ogg Vorbis file read front to
// back through the game's own callbacks, within a budget of file bytes.
#pragma once
#include <cstdio>

struct OggVorbis_File;

// What the decoder reads through: the file, and how much more of it the
// current step may read. The budget bounds what a hostile file can cost.
struct MusicSource {
    std::FILE* file = nullptr;
    long budget = 0;
};

class MusicDecoder {
public:
    MusicDecoder() = default;
    ~MusicDecoder();
    MusicDecoder(const MusicDecoder&) = delete;
    MusicDecoder& operator=(const MusicDecoder&) = delete;

    // False for a missing file, or (with a line in the log) one that is not
    // Ogg Vorbis of one or two channels at 1 to 384 kHz.
    bool open(const char* name);
    // Up to `bytes` of 16-bit PCM in the track's shape, whole sample frames;
    // 0 once the track has nothing more (its end, damage without end, or a
    // chained stream of another shape).
    int read(char* out, int bytes);
    void close();
    bool isOpen() const
    {
        return decoder != nullptr;
    }
    int rate() const
    {
        return trackRate;
    }
    int channels() const
    {
        return trackChannels;
    }

private:
    OggVorbis_File* decoder = nullptr;
    MusicSource input;
    int trackRate = 0;
    int trackChannels = 0;
    bool ended = false;
};
