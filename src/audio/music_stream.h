// Streaming Ogg Vorbis music: one source of the music device fed from a queue
// of two buffers, refilled on the game's own thread once per frame.
#pragma once
#include <map>

#include "audio/music_decoder.h"

struct BufferRecord {
    unsigned buffer;
    int rate;
    int channels;
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
    // Decodes the next part into the buffer; false when nothing was left.
    bool fillBuffer(unsigned buffer);
    bool queue(unsigned buffer);

    unsigned char looping = 0;
    unsigned source = 0;
    MusicDecoder decoder;
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
