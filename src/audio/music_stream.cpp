// Streaming Ogg Vorbis music: the refills that keep the music device's source
// fed from the decoder, and the end of a track once all of it was heard.
#include "audio/music_stream.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "base/error.h"
#include "platform/music_device.h"

MusicStream musicStream;
std::map<unsigned, BufferRecord> bufferRegistry;

namespace {
constexpr int refillBytes = 100024;  // whole sample frames for 16-bit mono and stereo

bool endsInOgg(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    return dot && strcasecmp(dot + 1, "ogg") == 0;
}
}  // namespace

bool initMusicDevice()
{
    return platformOpenMusicDevice();
}

void shutdownMusicDevice()
{
    if (!platformMusicDeviceOpen()) {
        return;
    }
    musicStream.close();
    for (auto& entry : bufferRegistry) {
        platformDeleteMusicBuffer(entry.second.buffer);
    }
    bufferRegistry.clear();
    platformCloseMusicDevice();
}

MusicStream::~MusicStream() = default;

bool MusicStream::open(const char* name, bool loop)
{
    close();
    if (!platformMusicDeviceOpen() || !endsInOgg(name)) {
        return false;
    }
    if (!decoder.open(name)) {
        return false;
    }
    looping = loop ? 1 : 0;
    source = platformCreateMusicSource();
    if (!platformCheckMusicError()) {
        close();
        return false;
    }
    platformSetUpMusicSource(source, false);
    for (unsigned& buffer : buffers) {
        buffer = platformCreateMusicBuffer();
        if (!platformCheckMusicError()) {
            close();
            return false;
        }
        bufferRegistry[buffer] = BufferRecord{buffer, decoder.rate(), decoder.channels()};
    }
    // A track shorter than one buffer leaves the second one idle: only
    // buffers with sound in them may join the queue.
    for (const unsigned buffer : buffers) {
        if (!ended && fillBuffer(buffer) && !queue(buffer)) {
            close();
            return false;
        }
    }
    if (queued == 0) {
        logDiagnostic("Music: %s holds no sound\n", name);
        close();
        return false;
    }
    streaming = 1;
    return true;
}

bool MusicStream::fillBuffer(unsigned buffer)
{
    if (ended) {
        return false;
    }
    std::vector<char> block(static_cast<size_t>(refillBytes));
    const int got = decoder.read(block.data(), refillBytes);
    // A short read was the last one.
    ended = got < refillBytes;
    if (got <= 0) {
        return false;
    }
    platformSetMusicBufferData(buffer, decoder.channels(), block.data(), got, decoder.rate());
    return platformCheckMusicError();
}

bool MusicStream::queue(unsigned buffer)
{
    platformQueueMusicBuffer(source, buffer);
    if (!platformCheckMusicError()) {
        return false;
    }
    ++queued;
    return true;
}

void MusicStream::play()
{
    if (platformMusicDeviceOpen() && streaming && platformMusicSourceExists(source)) {
        platformPlayMusicSource(source);
    }
}

bool MusicStream::update()
{
    if (!platformMusicDeviceOpen()) {
        return false;
    }
    if (!streaming || !platformMusicSourceExists(source)) {
        return true;
    }
    int processed = platformProcessedMusicBuffers(source);
    while (processed-- > 0) {
        const unsigned buffer = platformUnqueueMusicBuffer(source);
        if (!platformCheckMusicError()) {
            return true;
        }
        --queued;
        if (fillBuffer(buffer) && !queue(buffer)) {
            return true;
        }
    }
    if (ended && queued == 0) {
        // Everything decoded has been heard: tell the track control.
        if (!looping) {
            stop();
        }
        return false;
    }
    // Frames that came too slowly let the queue run dry: start it again.
    if (platformMusicSourceStopped(source) && looping) {
        play();
    }
    return true;
}

void MusicStream::stop()
{
    if (platformMusicDeviceOpen() && platformMusicSourceExists(source)) {
        platformStopMusicSource(source);
    }
}

void MusicStream::setGain(float gain)
{
    // Without a source (no track could be opened) there is nothing to set, and
    // asking anyway would leave an error for the next track to report.
    if (!platformMusicDeviceOpen() || !platformMusicSourceExists(source)) {
        return;
    }
    if (!(gain >= 0)) {
        gain = 0;  // below zero, or not a number
    }
    platformSetMusicSourceGain(source, gain > 1 ? 1 : gain);
}

void MusicStream::close()
{
    decoder.close();
    if (platformMusicDeviceOpen()) {
        // The source goes first: a buffer still queued on it cannot be deleted.
        if (source != 0 && platformMusicSourceExists(source)) {
            platformStopMusicSource(source);
            platformDeleteMusicSource(source);
        }
        for (unsigned& buffer : buffers) {
            if (buffer != 0) {
                platformDeleteMusicBuffer(buffer);
                bufferRegistry.erase(buffer);
            }
            buffer = 0;
        }
    }
    source = 0;
    queued = 0;
    ended = false;
    streaming = 0;
}
