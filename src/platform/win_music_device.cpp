// Windows: the music's sources and buffers kept here and mixed into the
// effects' SDL device, so the download needs no OpenAL library. The calls
// behave as the OpenAL ones the desktop makes: a source plays its queue of
// buffers in order, a buffer it has finished counts as processed until it is
// taken off, and a looping source goes round its queue for ever.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/internal.h"
#include "platform/music_device.h"
#include "platform/window.h"

namespace {
struct Buffer {
    int channels = 2;
    int rate = 44100;
    std::vector<int16_t> pcm;  // interleaved, `channels` values a frame
};

enum class SourceState { initial, playing, stopped };

struct Source {
    float gain = 1;
    bool looping = false;
    SourceState state = SourceState::initial;
    std::deque<unsigned> queue;
    size_t current = 0;   // the queued buffer playing now; queue.size() at the end
    double position = 0;  // in the current buffer's frames
};

bool open = false;
unsigned nextName = 1;
std::map<unsigned, Source> sources;
std::map<unsigned, Buffer> buffers;
// The first error since the last check, as OpenAL keeps it.
std::string pendingError;

void noteError(const char* what)
{
    if (pendingError.empty()) {
        pendingError = what;
    }
}

// Mixer and caller never meet halfway through a change.
class MixerLock {
public:
    MixerLock()
    {
        lockAudioMixer();
    }
    ~MixerLock()
    {
        unlockAudioMixer();
    }
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;
};

Source* findSource(unsigned name)
{
    const auto it = sources.find(name);
    if (it == sources.end()) {
        noteError("Invalid Name");
        return nullptr;
    }
    return &it->second;
}

// Adds one source's sound to the mix, taking its queue forward; linear
// interpolation within each buffer brings it to the device's rate.
void mixSource(Source& s, float* acc, int frames, int rate)
{
    int done = 0;
    while (done < frames && s.state == SourceState::playing) {
        if (s.current >= s.queue.size()) {
            if (s.looping && !s.queue.empty()) {
                s.current = 0;
            } else {
                s.state = SourceState::stopped;
                break;
            }
        }
        const auto found = buffers.find(s.queue[s.current]);
        const Buffer* b = found == buffers.end() ? nullptr : &found->second;
        const size_t count = b ? b->pcm.size() / size_t(b->channels) : 0;
        if (count == 0 || rate <= 0) {
            ++s.current;
            s.position = 0;
            continue;
        }
        const double step = double(b->rate) / rate;
        for (; done < frames && s.position < double(count); ++done, s.position += step) {
            const size_t i = size_t(s.position);
            const size_t j = std::min(i + 1, count - 1);
            const float t = float(s.position - double(i));
            for (int c = 0; c < 2; ++c) {
                const int from = b->channels == 1 ? 0 : c;
                const float a = b->pcm[i * size_t(b->channels) + size_t(from)];
                const float z = b->pcm[j * size_t(b->channels) + size_t(from)];
                acc[done * 2 + c] += (a + (z - a) * t) * s.gain;
            }
        }
        if (s.position >= double(count)) {
            s.position -= double(count);
            ++s.current;
        }
    }
}

void mixMusic(float* acc, int frames, int rate)
{
    for (auto& entry : sources) {
        mixSource(entry.second, acc, frames, rate);
    }
}
}  // namespace

bool platformOpenMusicDevice()
{
    if (!platformAudioOpen()) {
        return false;
    }
    open = true;
    setMusicMixer(mixMusic);
    return true;
}

bool platformMusicDeviceOpen()
{
    return open;
}

void platformCloseMusicDevice()
{
    if (!open) {
        return;
    }
    setMusicMixer(nullptr);
    sources.clear();
    buffers.clear();
    pendingError.clear();
    open = false;
}

bool platformCheckMusicError()
{
    if (pendingError.empty()) {
        return true;
    }
    const std::string text = "Music error: " + pendingError;
    pendingError.clear();
    platformMessageBox("Error", text.c_str(), true);
    return false;
}

unsigned platformCreateMusicSource()
{
    if (!open) {
        return 0;
    }
    MixerLock lock;
    const unsigned name = nextName++;
    sources[name];
    return name;
}

void platformSetUpMusicSource(unsigned source, bool looping)
{
    MixerLock lock;
    if (Source* s = findSource(source)) {
        s->gain = 1;
        s->looping = looping;
    }
}

void platformSetMusicSourceLooping(unsigned source, bool looping)
{
    MixerLock lock;
    if (Source* s = findSource(source)) {
        s->looping = looping;
    }
}

bool platformMusicSourceExists(unsigned source)
{
    MixerLock lock;
    return sources.count(source) != 0;
}

void platformPlayMusicSource(unsigned source)
{
    MixerLock lock;
    if (Source* s = findSource(source)) {
        // Playing again starts from the first queued buffer.
        if (s->state != SourceState::playing) {
            s->current = 0;
            s->position = 0;
        }
        s->state = SourceState::playing;
    }
}

void platformStopMusicSource(unsigned source)
{
    MixerLock lock;
    if (Source* s = findSource(source)) {
        s->state = SourceState::stopped;
        s->current = s->queue.size();
        s->position = 0;
    }
}

void platformDeleteMusicSource(unsigned source)
{
    MixerLock lock;
    if (sources.erase(source) == 0) {
        noteError("Invalid Name");
    }
}

void platformSetMusicSourceGain(unsigned source, float gain)
{
    MixerLock lock;
    if (Source* s = findSource(source)) {
        if (gain < 0) {
            noteError("Invalid Value");
            return;
        }
        s->gain = gain;
    }
}

int platformProcessedMusicBuffers(unsigned source)
{
    MixerLock lock;
    const Source* s = findSource(source);
    if (!s || (s->looping && s->state == SourceState::playing)) {
        return 0;
    }
    return int(std::min(s->current, s->queue.size()));
}

bool platformMusicSourceStopped(unsigned source)
{
    MixerLock lock;
    const Source* s = findSource(source);
    return s && s->state == SourceState::stopped;
}

unsigned platformCreateMusicBuffer()
{
    if (!open) {
        return 0;
    }
    MixerLock lock;
    const unsigned name = nextName++;
    buffers[name];
    return name;
}

void platformDeleteMusicBuffer(unsigned buffer)
{
    if (buffer == 0) {
        return;
    }
    MixerLock lock;
    // A buffer still queued on a source stays, as OpenAL refuses to delete it.
    for (const auto& entry : sources) {
        const auto& q = entry.second.queue;
        if (std::find(q.begin(), q.end(), buffer) != q.end()) {
            noteError("Invalid Operation");
            return;
        }
    }
    if (buffers.erase(buffer) == 0) {
        noteError("Invalid Name");
    }
}

void platformSetMusicBufferData(unsigned buffer, int channels, const void* pcm, int bytes, int rate)
{
    MixerLock lock;
    const auto it = buffers.find(buffer);
    if (it == buffers.end() || bytes < 0 || rate <= 0 || (pcm == nullptr && bytes > 0)) {
        noteError(it == buffers.end() ? "Invalid Name" : "Invalid Value");
        return;
    }
    Buffer& b = it->second;
    b.channels = channels == 1 ? 1 : 2;
    b.rate = rate;
    const auto* values = static_cast<const int16_t*>(pcm);
    const size_t count = size_t(bytes) / sizeof(int16_t) / size_t(b.channels) * size_t(b.channels);
    b.pcm.assign(values, values + count);
}

void platformQueueMusicBuffer(unsigned source, unsigned buffer)
{
    MixerLock lock;
    Source* s = findSource(source);
    if (s && buffers.count(buffer) == 0) {
        noteError("Invalid Name");
        return;
    }
    if (s) {
        s->queue.push_back(buffer);
    }
}

unsigned platformUnqueueMusicBuffer(unsigned source)
{
    MixerLock lock;
    Source* s = findSource(source);
    if (!s) {
        return 0;
    }
    const size_t processed =
        s->looping && s->state == SourceState::playing ? 0 : std::min(s->current, s->queue.size());
    if (processed == 0) {
        noteError("Invalid Value");
        return 0;
    }
    const unsigned buffer = s->queue.front();
    s->queue.pop_front();
    --s->current;
    return buffer;
}

int platformLiveMusicSources()
{
    return int(sources.size());
}

int platformLiveMusicBuffers()
{
    return int(buffers.size());
}
