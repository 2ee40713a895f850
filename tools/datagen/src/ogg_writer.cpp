// Ogg Vorbis encoding through libvorbisenc, with a fixed stream serial number.
#include <vorbis/vorbisenc.h>

#include <algorithm>

#include "audio_files.h"
#include "synth.h"

namespace {
void appendPage(std::vector<uint8_t>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}
}  // namespace

std::vector<uint8_t> encodeOgg(const Track& t, int serial)
{
    std::vector<uint8_t> out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, sampleRate, 0.4f) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", "Plumbrix kitchen tune");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);
    ogg_page og;
    ogg_packet op;
    {
        ogg_packet header, comments, code;
        vorbis_analysis_headerout(&vd, &vc, &header, &comments, &code);
        ogg_stream_packetin(&os, &header);
        ogg_stream_packetin(&os, &comments);
        ogg_stream_packetin(&os, &code);
        while (ogg_stream_flush(&os, &og) != 0)
            appendPage(out, og);
    }
    const size_t frames = t.left.size();
    const size_t chunk = 4096;
    bool eos = false, ended = false;
    size_t pos = 0;
    while (!eos) {
        if (pos < frames) {
            const size_t n = std::min(chunk, frames - pos);
            float** buffer = vorbis_analysis_buffer(&vd, int(n));
            std::copy_n(&t.left[pos], n, buffer[0]);
            std::copy_n(&t.right[pos], n, buffer[1]);
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        } else if (!ended) {
            vorbis_analysis_wrote(&vd, 0);
            ended = true;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op) != 0) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) {
                    appendPage(out, og);
                    if (ogg_page_eos(&og))
                        eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}
