// Streaming Ogg Vorbis music through OpenAL.
#include "audio/music_stream.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <vorbis/vorbisfile.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/window.h"

MusicStream musicStream;
std::map<unsigned, BufferRecord> bufferRegistry;

namespace {
constexpr int refillBytes = 100024;  // whole sample frames for 16-bit mono and stereo
// A file whose decoder reports nothing but errors is treated as ended.
constexpr int maxDecoderErrors = 64;

ALCdevice* alDevice = nullptr;
ALCcontext* alContext = nullptr;

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

bool checkAlcError()
{
    const ALCenum code = alcGetError(alDevice);
    if (code == ALC_NO_ERROR) {
        return true;
    }
    const std::string text = std::string("ALC error: ") + alcGetString(alDevice, code);
    platformMessageBox("Error", text.c_str(), true);
    return false;
}

bool checkAlError()
{
    const ALenum code = alGetError();
    if (code == AL_NO_ERROR) {
        return true;
    }
    const char* what = alGetString(code);
    const std::string text = std::string("OpenAL error: ") + (what ? what : "");
    platformMessageBox("Error", text.c_str(), true);
    return false;
}

bool initMusicDevice()
{
    alDevice = alcOpenDevice(nullptr);
    if (!alDevice) {
        return false;
    }
    alContext = alcCreateContext(alDevice, nullptr);
    if (!checkAlcError() || !alContext) {
        return false;
    }
    alcMakeContextCurrent(alContext);
    const float zero[3] = {0, 0, 0};
    const float orientation[6] = {0, 0, -1, 0, 1, 0};
    alListenerfv(AL_POSITION, zero);
    alListenerfv(AL_VELOCITY, zero);
    alListenerfv(AL_ORIENTATION, orientation);
    return true;
}

void shutdownMusicDevice()
{
    if (!alDevice) {
        return;
    }
    for (auto& entry : bufferRegistry) {
        alDeleteBuffers(1, &entry.second.buffer);
    }
    alGetError();  // buffers still queued go with the device
    bufferRegistry.clear();
    alcMakeContextCurrent(nullptr);
    if (alContext) {
        alcDestroyContext(alContext);
    }
    alcCloseDevice(alDevice);
    alContext = nullptr;
    alDevice = nullptr;
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
    if (!alDevice) {
        return false;
    }
    std::FILE* probe = std::fopen(name, "rb");
    if (!probe) {
        return false;
    }
    std::fclose(probe);
    looping = loop ? 1 : 0;
    alGenSources(1, &source);
    if (!checkAlError()) {
        return false;
    }
    alSourcef(source, AL_PITCH, 1.0f);
    alSourcef(source, AL_GAIN, 1.0f);
    alSourcefv(source, AL_POSITION, position);
    alSourcefv(source, AL_VELOCITY, velocity);
    alSourcei(source, AL_LOOPING, looping);
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
    alSourcei(source, AL_LOOPING, 0);
    info = ov_info(decoder, -1);
    const int rate = int(info->rate);
    const int format = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    for (int i = 0; i < 2; ++i) {
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        if (!checkAlError()) {
            return false;
        }
        bufferRegistry[buffer] = BufferRecord{buffer, rate, format};
        fillBuffer(buffer, refillBytes);
        if (!checkAlError()) {
            return false;
        }
        alSourceQueueBuffers(source, 1, &buffer);
        if (!checkAlError()) {
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
            alBufferData(buffer, it->second.alFormat, block.data(), got, it->second.rate);
            checkAlError();
        }
    }
    return r > 0;
}

void MusicStream::play()
{
    if (alDevice && alIsSource(source)) {
        alSourcePlay(source);
    }
}

bool MusicStream::update()
{
    if (!alDevice) {
        return false;
    }
    if (!streaming || !alIsSource(source)) {
        return true;
    }
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        if (!checkAlError()) {
            return true;
        }
        if (!fillBuffer(buffer, refillBytes)) {
            // The end: rewind, queue the last part, and tell the track control.
            if (decoder) {
                ov_pcm_seek(decoder, 0);
            }
            alSourceQueueBuffers(source, 1, &buffer);
            if (!checkAlError()) {
                return true;
            }
            if (!looping) {
                stop();
            }
            return false;
        }
        alSourceQueueBuffers(source, 1, &buffer);
        if (!checkAlError()) {
            return true;
        }
    }
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    // Frames that came too slowly let the queue run dry: start it again.
    if (state == AL_STOPPED && looping) {
        play();
    }
    return true;
}

void MusicStream::stop()
{
    if (alDevice && alIsSource(source)) {
        alSourceStop(source);
    }
}

void MusicStream::setGain(float gain)
{
    // Without a source (no track could be opened) there is nothing to set, and
    // asking anyway would leave an error for the next track to report.
    if (!alDevice || !alIsSource(source)) {
        return;
    }
    if (!(gain >= 0)) {
        gain = 0;  // below zero, or not a number
    }
    alSourcef(source, AL_GAIN, gain > 1 ? 1 : gain);
}

void MusicStream::close()
{
    if (!alDevice) {
        return;
    }
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (alIsSource(source)) {
        alSourceStop(source);
    }
    if (alIsSource(source)) {
        alDeleteSources(1, &source);
    }
    if (decoder) {
        ov_clear(decoder);
        delete decoder;
        decoder = nullptr;
    }
    streaming = 0;
}
