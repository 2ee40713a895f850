// Streaming Ogg Vorbis music: one source of the music device fed from a queue
// of two buffers, refilled on the game's own thread once per frame.
#pragma once
#include <cstdio>
#include <map>

struct OggVorbis_File;
struct vorbis_info;

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

    bool open(const char* name, bool looping);
    void play();
    // False when the music has run out (the decoder is then back at the start)
    // or there is no device.
    bool update();
    void stop();
    void close();
    void setGain(float gain);
    bool isStreaming() const
    {
        return streaming != 0;
    }

private:
    bool fillBuffer(unsigned buffer, int bytes);

    unsigned char looping = 0;
    unsigned source = 0;
    OggVorbis_File* decoder = nullptr;
    vorbis_info* info = nullptr;
    std::FILE* file = nullptr;
    unsigned char streaming = 0;
};

extern MusicStream musicStream;
// Every buffer ever created, with the layout of its data; all are deleted when
// the device closes.
extern std::map<unsigned, BufferRecord> bufferRegistry;

bool initMusicDevice();
void shutdownMusicDevice();
