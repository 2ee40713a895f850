// Streaming Ogg Vorbis music: the decoder and its file callbacks, and the
// refills that keep the music device's source fed.
#include "audio/music_stream.h"

#include <vorbis/vorbisfile.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/music_device.h"

MusicStream musicStream;
std::map<unsigned, BufferRecord> bufferRegistry;

namespace {
constexpr int refillBytes = 100024;  // whole sample frames for 16-bit mono and stereo
// A file whose decoder reports nothing but errors is treated as ended.
constexpr int maxDecoderErrors = 64;

size_t readCallback(void* destination, size_t size, size_t count, void* stream)
{
    auto* f = static_cast<std::FILE*>(stream);
    return f ? std::fread(destination, 1, size * count, f) : 0;
}

int seekCallback(void* stream, ogg_int64_t offset, int whence)
{
    auto* f = static_cast<std::FILE*>(stream);
    if (!f) {
        return -1;
    }
    // Forget the end of the file, so that a rewind after the end works.
    std::clearerr(f);
    const int origins[3] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (whence < 0 || whence > 2) {
        return -1;
    }
    return fseeko(f, off_t(offset), origins[whence]) == 0 ? 0 : -1;
}

int closeCallback(void*)
{
    return 0;  // the stream closes its own file
}

long tellCallback(void* stream)
{
    auto* f = static_cast<std::FILE*>(stream);
    return !f || std::ferror(f) ? -1 : long(ftello(f));
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
    for (auto& entry : bufferRegistry) {
        platformDeleteMusicBuffer(entry.second.buffer);
    }
    bufferRegistry.clear();
    platformCloseMusicDevice();
}

MusicStream::~MusicStream()
{
    // Only the file: the device, the source and the decoder are gone by now.
    if (file) {
        std::fclose(file);
    }
}

bool MusicStream::open(const char* name, bool loop)
{
    if (!platformMusicDeviceOpen()) {
        return false;
    }
    std::FILE* probe = std::fopen(name, "rb");
    if (!probe) {
        return false;
    }
    std::fclose(probe);
    looping = loop ? 1 : 0;
    source = platformCreateMusicSource();
    if (!platformCheckMusicError()) {
        return false;
    }
    platformSetUpMusicSource(source, looping != 0);
    const char* dot = std::strrchr(name, '.');
    std::string extension = dot ? dot + 1 : "";
    for (char& c : extension) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    if (extension != "OGG") {
        return false;
    }
    streaming = 1;
    decoder = new OggVorbis_File;
    file = std::fopen(name, "rb");
    const ov_callbacks callbacks = {readCallback, seekCallback, closeCallback, tellCallback};
    if (!file || ov_open_callbacks(file, decoder, nullptr, -1, callbacks) < 0) {
        // The stream stays half open until the next close: nothing is heard.
        delete decoder;
        decoder = nullptr;
        return false;
    }
    // The source never loops by itself; update does the looping.
    platformSetMusicSourceLooping(source, false);
    info = ov_info(decoder, -1);
    const int rate = int(info->rate);
    const int channels = info->channels;
    for (int i = 0; i < 2; ++i) {
        const unsigned buffer = platformCreateMusicBuffer();
        if (!platformCheckMusicError()) {
            return false;
        }
        bufferRegistry[buffer] = BufferRecord{buffer, rate, channels};
        fillBuffer(buffer, refillBytes);
        if (!platformCheckMusicError()) {
            return false;
        }
        platformQueueMusicBuffer(source, buffer);
        if (!platformCheckMusicError()) {
            return false;
        }
    }
    return true;
}

bool MusicStream::fillBuffer(unsigned buffer, int bytes)
{
    if (bytes <= 0 || !decoder) {
        return false;
    }
    std::vector<char> block(static_cast<size_t>(bytes));
    int got = 0;
    long r = 0;
    int errors = 0;
    do {
        int section = 0;
        r = ov_read(decoder, block.data() + got, bytes - got, 0, 2, 1, &section);
        if (r > 0) {
            got += int(r);
            errors = 0;
        } else if (r < 0 && ++errors > maxDecoderErrors) {
            r = 0;  // holes without end: treat as the end of the music
        }
    } while (r != 0 && got < bytes);
    if (got > 0) {
        const auto it = bufferRegistry.find(buffer);
        if (it != bufferRegistry.end()) {
            platformSetMusicBufferData(buffer, it->second.channels, block.data(), got, it->second.rate);
            platformCheckMusicError();
        }
    }
    return r > 0;
}

void MusicStream::play()
{
    if (platformMusicDeviceOpen() && platformMusicSourceExists(source)) {
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
        if (!fillBuffer(buffer, refillBytes)) {
            // The end: rewind, queue the last part, and tell the track control.
            if (decoder) {
                ov_pcm_seek(decoder, 0);
            }
            platformQueueMusicBuffer(source, buffer);
            if (!platformCheckMusicError()) {
                return true;
            }
            if (!looping) {
                stop();
            }
            return false;
        }
        platformQueueMusicBuffer(source, buffer);
        if (!platformCheckMusicError()) {
            return true;
        }
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
    if (!platformMusicDeviceOpen()) {
        return;
    }
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (platformMusicSourceExists(source)) {
        platformStopMusicSource(source);
    }
    if (platformMusicSourceExists(source)) {
        platformDeleteMusicSource(source);
    }
    if (decoder) {
        ov_clear(decoder);
        delete decoder;
        decoder = nullptr;
    }
    streaming = 0;
}
