// Building small WAV images and files for the sound tests.
#include "wave_test_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
void put32(Bytes& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(uint8_t(v >> (8 * i)));
    }
}

void put16(Bytes& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
}  // namespace

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes chunk(const char* id, const Bytes& body, uint32_t declaredSize)
{
    Bytes out(id, id + 4);
    put32(out, declaredSize);
    out = out + body;
    if (body.size() % 2) {
        out.push_back(0);
    }
    return out;
}

Bytes chunk(const char* id, const Bytes& body)
{
    return chunk(id, body, uint32_t(body.size()));
}

Bytes riff(const Bytes& chunks, uint32_t declaredSize)
{
    Bytes out{'R', 'I', 'F', 'F'};
    put32(out, declaredSize);
    return out + Bytes{'W', 'A', 'V', 'E'} + chunks;
}

Bytes riff(const Bytes& chunks)
{
    return riff(chunks, uint32_t(4 + chunks.size()));
}

Bytes fmtBody(int channels, int rate, int bits)
{
    Bytes out;
    put16(out, 1);
    put16(out, uint16_t(channels));
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate * channels * bits / 8));
    put16(out, uint16_t(channels * bits / 8));
    put16(out, uint16_t(bits));
    return out;
}

Bytes pcm16(const std::vector<int16_t>& values)
{
    Bytes out;
    for (int16_t v : values) {
        put16(out, uint16_t(v));
    }
    return out;
}

std::vector<int16_t> squareWave(int frames, int amplitude, int period)
{
    std::vector<int16_t> out;
    out.reserve(size_t(frames));
    for (int i = 0; i < frames; ++i) {
        out.push_back(int16_t(i % period < period / 2 ? amplitude : -amplitude));
    }
    return out;
}

Bytes waveFile(int channels, int rate, int bits, const Bytes& data)
{
    return riff(chunk("fmt ", fmtBody(channels, rate, bits)) + chunk("data", data));
}

bool writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
