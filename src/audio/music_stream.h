// Streaming Ogg Vorbis music: one source of the music device fed from a queue
// of two buffers, refilled on the game's own thread once per frame.
#pragma once
#include <cstdio>
#include <map>

struct OggVorbis_File;

struct BufferRecord {
    unsigned buffer;
    int rate;
    int channels;
};

// What the decoder reads through: the file, and how much more of it the
// current step may read. The budget bounds what a hostile file can cost.
struct MusicSource {
    std::FILE* file = nullptr;
    long budget = 0;
};

class MusicStream {
public:
    MusicStream() = default;
    virtual ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // False for a missing file, a name not ending in ".ogg", or a file that is
    // not playable Ogg Vorbis (that one with a line in the log).
    bool open(const char* name, bool looping);
    void play();
    // False when the music has run out and its last buffer has played, or
    // there is no device.
    bool update();
    void stop();
    void close();
    void setGain(float gain);
    bool isStreaming() const
    {
        return streaming != 0;
    }

private:
    bool openDecoder(const char* name);
    // Decodes the next part into the buffer; false when nothing was left.
    bool fillBuffer(unsigned buffer);
    bool queue(unsigned buffer);

    unsigned char looping = 0;
    unsigned source = 0;
    OggVorbis_File* decoder = nullptr;
    MusicSource input;
    int rate = 0;
    int channels = 0;
    unsigned buffers[2] = {0, 0};
    int queued = 0;
    bool ended = false;  // the decoder has nothing more to give
    unsigned char streaming = 0;
};

extern MusicStream musicStream;
// The buffers of the open track, with the layout of their data; a track's
// buffers are deleted when it closes.
extern std::map<unsigned, BufferRecord> bufferRegistry;

bool initMusicDevice();
void shutdownMusicDevice();
