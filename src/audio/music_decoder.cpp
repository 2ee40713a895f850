// Ogg Vorbis through libvorbisfile with the game's own read and close
// callbacks, and without seek or tell: the file is read front to back, so
// opening costs its first headers only, however much is chained behind them.
#include "audio/music_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>

#include "base/error.h"
#include "platform/audio_device.h"
#include "platform/file.h"

namespace {
// A file whose decoder reports nothing but errors is treated as ended.
constexpr int maxDecoderErrors = 64;
// File bytes the decoder may read to find the headers, and for one read. A
// real track needs a few kilobytes for either; a file that asks for more is
// damaged or hostile, and stops there as if it had ended.
constexpr long openBudget = 1L << 20;
constexpr long readBudget = 1L << 20;
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
    return 0;  // the decoder closes its own file
}
}  // namespace

MusicDecoder::~MusicDecoder()
{
    close();
}

bool MusicDecoder::open(const char* name)
{
    close();
    input.file = platformOpenDataFile(name);
    if (!input.file) {
        return false;
    }
    input.budget = openBudget;
    decoder = new OggVorbis_File;
    const ov_callbacks callbacks = {readCallback, nullptr, closeCallback, nullptr};
    if (ov_open_callbacks(&input, decoder, nullptr, 0, callbacks) < 0) {
        // A failed open has cleared the decoder already.
        delete decoder;
        decoder = nullptr;
        close();
        logDiagnostic("Music: %s is not Ogg Vorbis, or not within bounds\n", name);
        return false;
    }
    const vorbis_info* info = ov_info(decoder, -1);
    if (!info || info->channels < 1 || info->channels > 2 || info->rate < platformLowestRate ||
        info->rate > platformHighestRate) {
        close();
        logDiagnostic("Music: %s has a shape that cannot be played\n", name);
        return false;
    }
    trackRate = int(info->rate);
    trackChannels = info->channels;
    return true;
}

int MusicDecoder::read(char* out, int bytes)
{
    if (!decoder || ended || bytes <= 0) {
        return 0;
    }
    int got = 0;
    int errors = 0;
    input.budget = readBudget;
    while (got < bytes && !ended) {
        int section = 0;
        const long r = ov_read(decoder, out + got, bytes - got, 0, bytesPerSample, 1, &section);
        if (r > 0) {
            // A chained stream may change its shape, which one queue of
            // buffers cannot follow: the track ends where the new shape begins.
            const vorbis_info* info = ov_info(decoder, -1);
            if (!info || info->rate != trackRate || info->channels != trackChannels) {
                ended = true;
                break;
            }
            got += int(r);
            errors = 0;
        } else if (r == 0 || ++errors > maxDecoderErrors) {
            ended = true;  // the end, or holes without end
        }
    }
    got -= got % (bytesPerSample * trackChannels);
    if (got == 0) {
        ended = true;
    }
    return got;
}

void MusicDecoder::close()
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
    trackRate = 0;
    trackChannels = 0;
    ended = false;
}
