// The platform's Windows files, run under Wine: rand() rolls as the GNU C
// library's does, files are read and replaced as on Linux, and the music's
// sources and buffers behave as the OpenAL ones on the desktop while they are
// mixed into the effects' device. Prints "N passed, N failed".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/audio_device.h"
#include "platform/file.h"
#include "platform/music_device.h"
#include "platform/window.h"

namespace {
int passed = 0;
int failed = 0;

void check(bool ok, const char* what)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what);
    }
}

// Values of glibc's rand() after srand() with these seeds, the last two
// through the negative words of the seeding.
void randomRollsAsOnLinux()
{
    const unsigned seeds[] = {1, 31337, 2147483648u, 4294967295u};
    const int expected[][4] = {{1804289383, 846930886, 1681692777, 1714636915},
                               {53418360, 66988840, 1189565692, 1513560112},
                               {1336741213, 1210407648, 1447044896, 337392383},
                               {254925627, 1205188300, 366127624, 1401405153}};
    bool same = true;
    for (int s = 0; s < 4; ++s) {
        std::srand(seeds[s]);
        for (int i = 0; i < 4; ++i) {
            same = same && std::rand() == expected[s][i];
        }
    }
    check(same, "rand() after srand() gives glibc's numbers");
    std::srand(0);
    check(std::rand() == expected[0][0], "srand(0) seeds as srand(1)");
}

void filesReadAndReplaceWhole()
{
    const std::vector<uint8_t> first(1500, 7);
    const std::vector<uint8_t> second = {1, 2, 3};
    int pieces = 0;
    static int* counter = nullptr;
    counter = &pieces;
    check(platformReplaceFile("test.bin", first, [] { ++*counter; }), "a new file is written");
    check(pieces == 3, "it goes out in 512-byte pieces");
    std::vector<uint8_t> read;
    check(platformReadFile("test.bin", 4096, read) && read == first, "it reads back whole");
    check(!platformReadFile("test.bin", 1000, read) && read.empty(), "a file over the limit is not read");
    check(platformReplaceFile("test.bin", second) && platformReadFile("test.bin", 4096, read) &&
              read == second,
          "a second write replaces it (binary, no line ends changed)");
    check(!platformOpenDataFile("test.bin.tmp"), "no temporary is left");
    check(!platformOpenDataFile("missing.bin"), "a missing file is null");
    std::FILE* file = platformOpenDataFile("test.bin");
    check(file != nullptr && std::fgetc(file) == 1, "a data file opens for reading");
    if (file) {
        std::fclose(file);
    }
    check(std::system("mkdir folder.bin") == 0 && !platformOpenDataFile("folder.bin") &&
              !platformReadFile("folder.bin", 4096, read),
          "a folder is not a file");
    check(std::system("mkdir test.bin.tmp") == 0 && !platformReplaceFile("test.bin", first) &&
              platformReadFile("test.bin", 4096, read) && read == second,
          "a failed write leaves the old file");
}

constexpr int frames = 1000;

std::vector<int16_t> mixed(int count)
{
    std::vector<int16_t> out(size_t(count) * 2);
    platformMixAudio(out.data(), count);
    return out;
}

// A mono buffer of `count` frames of one value at the device's own rate.
unsigned constantBuffer(int16_t value, int count)
{
    const std::vector<int16_t> pcm(size_t(count), value);
    const unsigned buffer = platformCreateMusicBuffer();
    platformSetMusicBufferData(buffer, 1, pcm.data(), int(pcm.size() * 2), platformAudioRate());
    return buffer;
}

void musicQueuesLikeOpenAl()
{
    if (!platformOpenAudio()) {
        check(false, "the dummy audio device opens");
        return;
    }
    platformHoldAudio(true);
    check(platformOpenMusicDevice() && platformMusicDeviceOpen(), "music opens on the effects' device");
    const unsigned source = platformCreateMusicSource();
    check(platformMusicSourceExists(source) && !platformMusicSourceExists(source + 100),
          "sources exist by name");
    platformSetUpMusicSource(source, false);
    const unsigned a = constantBuffer(1000, frames);
    const unsigned b = constantBuffer(-2000, frames);
    platformQueueMusicBuffer(source, a);
    platformQueueMusicBuffer(source, b);
    check(platformLiveMusicSources() == 1 && platformLiveMusicBuffers() == 2, "live counts");
    check(platformProcessedMusicBuffers(source) == 0 && mixed(10)[0] == 0, "nothing plays before Play");

    platformPlayMusicSource(source);
    std::vector<int16_t> out = mixed(frames);
    check(out[0] == 1000 && out[1] == 1000 && out[2 * frames - 1] == 1000,
          "the first buffer plays on both sides");
    check(platformProcessedMusicBuffers(source) == 1, "a finished buffer counts as processed");
    check(platformUnqueueMusicBuffer(source) == a && platformProcessedMusicBuffers(source) == 0,
          "unqueueing takes the oldest finished buffer");
    platformSetMusicSourceGain(source, 0.5f);
    out = mixed(frames / 2);
    check(out[0] == -1000, "the gain scales the music");
    check(platformCheckMusicError(), "no error so far");
    platformDeleteMusicBuffer(b);
    check(!platformCheckMusicError() && platformLiveMusicBuffers() == 2, "a queued buffer is not deleted");
    check(platformUnqueueMusicBuffer(source) == 0 && !platformCheckMusicError(),
          "unqueueing an unfinished buffer is an error");
    mixed(frames);
    check(platformMusicSourceStopped(source) && mixed(10)[0] == 0,
          "the source stops at the end of its queue");

    platformQueueMusicBuffer(source, a);
    platformSetMusicSourceLooping(source, true);
    platformSetMusicSourceGain(source, 1);
    platformPlayMusicSource(source);
    out = mixed(frames * 5);
    check(!platformMusicSourceStopped(source) && platformProcessedMusicBuffers(source) == 0 &&
              out[0] == -2000,
          "a looping source goes round its queue from the start");
    platformStopMusicSource(source);
    check(platformMusicSourceStopped(source) && platformProcessedMusicBuffers(source) == 2,
          "Stop makes every buffer processed");
    platformUnqueueMusicBuffer(source);
    platformUnqueueMusicBuffer(source);
    platformDeleteMusicSource(source);
    platformDeleteMusicBuffer(a);
    platformDeleteMusicBuffer(b);
    check(platformCheckMusicError() && platformLiveMusicSources() == 0 && platformLiveMusicBuffers() == 0,
          "everything goes without errors");

    // Music at half the device's rate lasts twice as long.
    const unsigned slow = platformCreateMusicSource();
    const std::vector<int16_t> pcm(size_t(frames) * 2, 300);
    const unsigned stereo = platformCreateMusicBuffer();
    platformSetMusicBufferData(stereo, 2, pcm.data(), int(pcm.size() * 2), platformAudioRate() / 2);
    platformQueueMusicBuffer(slow, stereo);
    platformPlayMusicSource(slow);
    out = mixed(frames * 2 - 2);
    check(out[2 * (frames * 2 - 2) - 1] == 300 && !platformMusicSourceStopped(slow),
          "a slower buffer is stretched to the device's rate");
    platformCloseMusicDevice();
    check(!platformMusicDeviceOpen() && mixed(10)[0] == 0, "closed music mixes nothing");
    platformCloseAudio();
}
}  // namespace

int main()
{
    platformChooseHeadless();
    randomRollsAsOnLinux();
    filesReadAndReplaceWhole();
    musicQueuesLikeOpenAl();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
