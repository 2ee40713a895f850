// Streaming Ogg Vorbis music: the decoder reading through the stream's own
// callbacks, and the refills that keep the music device's source fed.
#include "audio/music_stream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "base/error.h"
#include "platform/file.h"
#include "platform/music_device.h"

MusicStream musicStream;
std::map<unsigned, BufferRecord> bufferRegistry;

namespace {
constexpr int refillBytes = 100024;  // whole sample frames for 16-bit mono and stereo
// A file whose decoder reports nothing but errors is treated as ended.
constexpr int maxDecoderErrors = 64;
// File bytes the decoder may read to find the headers, and for one refill.
// A real track needs a few kilobytes for either; a file that asks for more is
// damaged or hostile, and stops there as if it had ended.
constexpr long openBudget = 1L << 20;
constexpr long refillBudget = 1L << 20;
// The rates and channel counts a track may have.
constexpr long lowestRate = 1000;
constexpr long highestRate = 384000;
constexpr int bytesPerSample = 2;

size_t readCallback(void* destination, size_t size, size_t count, void* from)
{
    auto* input = static_cast<MusicSource*>(from);
    if (!input || !input->file || size == 0 || input->budget <= 0) {
        return 0;
    }
    const size_t wanted = std::min(size * count, size_t(input->budget));
    const size_t got = std::fread(destination, 1, wanted, input->file);
    input->budget -= long(got);
    return got / size;
}

int closeCallback(void*)
{
    return 0;  // the stream closes its own file
}

bool endsInOgg(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    std::string extension = dot ? dot + 1 : "";
    for (char& c : extension) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return extension == "OGG";
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

MusicStream::~MusicStream()
{
    // Not the source or the buffers: they went with the device, if not before.
    if (decoder) {
        ov_clear(decoder);
        delete decoder;
    }
    if (input.file) {
        std::fclose(input.file);
    }
}

bool MusicStream::openDecoder(const char* name)
{
    input.file = platformOpenDataFile(name);
    if (!input.file) {
        return false;
    }
    input.budget = openBudget;
    decoder = new OggVorbis_File;
    // Without seek and tell callbacks the decoder reads the file front to back
    // and never looks ahead through it: opening costs the first headers only,
    // however many streams are chained behind them.
    const ov_callbacks callbacks = {readCallback, nullptr, closeCallback, nullptr};
    if (ov_open_callbacks(&input, decoder, nullptr, 0, callbacks) < 0) {
        // The decoder clears itself when the open fails.
        delete decoder;
        decoder = nullptr;
        logDiagnostic("Music: %s is not Ogg Vorbis, or not within bounds\n", name);
        return false;
    }
    const vorbis_info* info = ov_info(decoder, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate < lowestRate ||
        info->rate > highestRate) {
        logDiagnostic("Music: %s has a shape that cannot be played\n", name);
        return false;
    }
    rate = int(info->rate);
    channels = info->channels;
    return true;
}

bool MusicStream::open(const char* name, bool loop)
{
    close();
    if (!platformMusicDeviceOpen() || !endsInOgg(name)) {
        return false;
    }
    if (!openDecoder(name)) {
        close();
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
        bufferRegistry[buffer] = BufferRecord{buffer, rate, channels};
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
    if (!decoder || ended) {
        return false;
    }
    std::vector<char> block(static_cast<size_t>(refillBytes));
    int got = 0;
    int errors = 0;
    input.budget = refillBudget;
    while (got < refillBytes && !ended) {
        int section = 0;
        const long r =
            ov_read(decoder, block.data() + got, refillBytes - got, 0, bytesPerSample, 1, &section);
        if (r > 0) {
            // A chained stream may change its shape; one queue cannot, so the
            // track ends where the new shape begins.
            const vorbis_info* info = ov_info(decoder, -1);
            if (!info || info->rate != rate || info->channels != channels) {
                ended = true;
                break;
            }
            got += int(r);
            errors = 0;
        } else if (r == 0 || ++errors > maxDecoderErrors) {
            ended = true;  // the end, or holes without end
        }
    }
    got -= got % (bytesPerSample * channels);
    if (got <= 0) {
        ended = true;
        return false;
    }
    platformSetMusicBufferData(buffer, channels, block.data(), got, rate);
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
    if (decoder) {
        ov_clear(decoder);
        delete decoder;
        decoder = nullptr;
    }
    if (input.file) {
        std::fclose(input.file);
        input.file = nullptr;
    }
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
    rate = 0;
    channels = 0;
    streaming = 0;
}
