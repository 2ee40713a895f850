// The OpenAL device behind the music: one context, and thin calls on the
// sources and buffers of the stream that the audio layer feeds.
#include "platform/music_device.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <string>

#include "platform/window.h"

namespace {
ALCdevice* device = nullptr;
ALCcontext* context = nullptr;

bool checkContextError()
{
    const ALCenum code = alcGetError(device);
    if (code == ALC_NO_ERROR) {
        return true;
    }
    const std::string text = std::string("ALC error: ") + alcGetString(device, code);
    platformMessageBox("Error", text.c_str(), true);
    return false;
}
}  // namespace

bool platformOpenMusicDevice()
{
    // Whatever output the system offers by default.
    device = alcOpenDevice(nullptr);
    if (!device) {
        return false;
    }
    context = alcCreateContext(device, nullptr);
    if (!checkContextError() || !context) {
        return false;
    }
    alcMakeContextCurrent(context);
    const float zero[3] = {0, 0, 0};
    const float orientation[6] = {0, 0, -1, 0, 1, 0};
    alListenerfv(AL_POSITION, zero);
    alListenerfv(AL_VELOCITY, zero);
    alListenerfv(AL_ORIENTATION, orientation);
    return true;
}

bool platformMusicDeviceOpen()
{
    return device != nullptr;
}

void platformCloseMusicDevice()
{
    if (!device) {
        return;
    }
    alGetError();
    alcMakeContextCurrent(nullptr);
    if (context) {
        alcDestroyContext(context);
    }
    alcCloseDevice(device);
    context = nullptr;
    device = nullptr;
}

bool platformCheckMusicError()
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

unsigned platformCreateMusicSource()
{
    ALuint source = 0;
    alGenSources(1, &source);
    return source;
}

void platformSetUpMusicSource(unsigned source, bool looping)
{
    const float zero[3] = {0, 0, 0};
    alSourcef(source, AL_PITCH, 1.0f);
    alSourcef(source, AL_GAIN, 1.0f);
    alSourcefv(source, AL_POSITION, zero);
    alSourcefv(source, AL_VELOCITY, zero);
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
}

void platformSetMusicSourceLooping(unsigned source, bool looping)
{
    alSourcei(source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
}

bool platformMusicSourceExists(unsigned source)
{
    return alIsSource(source) == AL_TRUE;
}

void platformPlayMusicSource(unsigned source)
{
    alSourcePlay(source);
}

void platformStopMusicSource(unsigned source)
{
    alSourceStop(source);
}

void platformDeleteMusicSource(unsigned source)
{
    ALuint id = source;
    alDeleteSources(1, &id);
}

void platformSetMusicSourceGain(unsigned source, float gain)
{
    alSourcef(source, AL_GAIN, gain);
}

int platformProcessedMusicBuffers(unsigned source)
{
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    return processed;
}

bool platformMusicSourceStopped(unsigned source)
{
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_STOPPED;
}

unsigned platformCreateMusicBuffer()
{
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    return buffer;
}

void platformDeleteMusicBuffer(unsigned buffer)
{
    ALuint id = buffer;
    alDeleteBuffers(1, &id);
}

void platformSetMusicBufferData(unsigned buffer, int channels, const void* pcm, int bytes, int rate)
{
    alBufferData(buffer, channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, pcm, bytes, rate);
}

void platformQueueMusicBuffer(unsigned source, unsigned buffer)
{
    ALuint id = buffer;
    alSourceQueueBuffers(source, 1, &id);
}

unsigned platformUnqueueMusicBuffer(unsigned source)
{
    ALuint buffer = 0;
    alSourceUnqueueBuffers(source, 1, &buffer);
    return buffer;
}
