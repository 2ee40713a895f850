// Encodes a tone as one logical Ogg Vorbis stream.
#include "ogg_test_files.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {
void appendPage(std::vector<uint8_t>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}
}  // namespace

std::vector<uint8_t> encodeOggTone(int channels, long rate, double seconds, int serial, size_t commentBytes)
{
    std::vector<uint8_t> out;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.1f) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    if (commentBytes > 0) {
        vorbis_comment_add_tag(&comment, "NOTE", std::string(commentBytes, 'a').c_str());
    }
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);
    ogg_page page;
    ogg_packet packet;
    ogg_packet header;
    ogg_packet comments;
    ogg_packet codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &comments, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    while (ogg_stream_flush(&stream, &page) != 0) {
        appendPage(out, page);
    }

    const long frames = std::lround(seconds * double(rate));
    constexpr long piece = 1024;
    long done = 0;
    bool ended = false;
    bool last = false;
    while (!last) {
        const long n = std::min(piece, frames - done);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (long i = 0; i < n; ++i) {
                const float v = 0.3f * float(std::sin(2 * M_PI * 440 * double(done + i) / double(rate)));
                for (int c = 0; c < channels; ++c) {
                    buffer[c][i] = v;
                }
            }
            vorbis_analysis_wrote(&dsp, int(n));
            done += n;
        } else if (!ended) {
            vorbis_analysis_wrote(&dsp, 0);
            ended = true;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(out, page);
                    last = last || ogg_page_eos(&page) != 0;
                }
            }
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
