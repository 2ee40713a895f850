// Runs the generator twice (in parallel) before the tests, and the helpers they share.
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <future>
#include <stdexcept>

#include "image_files.h"
#include "raster.h"

namespace fs = std::filesystem;

namespace {

struct Runs {
    std::string root, first, second, log;
    bool ok = false;
};

Runs& runs()
{
    static Runs r;
    return r;
}

class GeneratorRuns : public ::testing::Environment {
public:
    void SetUp() override
    {
        Runs& r = runs();
        char pattern[] = "/tmp/plumbrix-datagen-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        ASSERT_NE(made, nullptr);
        r.root = made;
        r.first = r.root + "/a";
        r.second = r.root + "/b";
        auto run = [](const std::string& dir) {
            const std::string cmd =
                std::string("\"") + PLUMBRIX_DATAGEN_EXE + "\" \"" + dir + "\" > \"" + dir + ".log\" 2>&1";
            const int status = std::system(cmd.c_str());
            std::vector<uint8_t> log;
            readFile(dir + ".log", log);
            return std::make_pair(status == 0, "exit status " + std::to_string(status) + ":\n" +
                                                   std::string(log.begin(), log.end()));
        };
        auto a = std::async(std::launch::async, run, r.first);
        auto b = std::async(std::launch::async, run, r.second);
        const auto resultA = a.get(), resultB = b.get();
        r.ok = resultA.first && resultB.first;
        r.log = "first run, " + resultA.second + "\nsecond run, " + resultB.second;
    }
    void TearDown() override
    {
        std::error_code ec;
        if (!runs().root.empty())
            fs::remove_all(runs().root, ec);
    }
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GeneratorRuns);

}  // namespace

const std::string& runDir()
{
    return runs().first;
}
const std::string& secondRunDir()
{
    return runs().second;
}
bool generatorSucceeded()
{
    return runs().ok;
}

const std::string& generatorLog()
{
    return runs().log;
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes))
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

bool Decoded::key(int x, int y) const
{
    const uint8_t* p = at(x, y);
    return isKey565(p[0], p[1], p[2]);
}

namespace {

// The game's BMP path: colour count from biClrUsed (or 2^bits for paletted pictures),
// pixel bits right after the header and the colour table.
bool loadBmpLikeTheGame(const std::vector<uint8_t>& b, Decoded& d)
{
    auto u16 = [&](size_t o) { return unsigned(b[o]) | unsigned(b[o + 1]) << 8; };
    auto u32 = [&](size_t o) { return uint32_t(u16(o)) | uint32_t(u16(o + 2)) << 16; };
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return false;
    const size_t info = 14;
    const uint32_t biSize = u32(info);
    d.width = int32_t(u32(info + 4));
    const int32_t height = int32_t(u32(info + 8));
    const unsigned bits = u16(info + 14);
    if (u32(info + 16) != 0 || (bits != 8 && bits != 24))
        return false;
    uint32_t colours = u32(info + 32);
    if (colours == 0 && bits < 9)
        colours = 1u << bits;
    const size_t table = info + biSize;
    const size_t pixels = table + 4 * size_t(colours);
    d.height = height < 0 ? -height : height;
    const size_t stride = ((size_t(d.width) * bits + 31) / 32) * 4;
    if (b.size() < pixels + stride * size_t(d.height))
        return false;
    d.rgb.assign(size_t(d.width) * d.height * 3, 0);
    for (int y = 0; y < d.height; ++y) {
        const size_t row = pixels + stride * size_t(height > 0 ? d.height - 1 - y : y);
        for (int x = 0; x < d.width; ++x) {
            const uint8_t* p =
                bits == 24 ? &b[row + 3 * size_t(x)] : &b[table + 4 * size_t(b[row + size_t(x)])];
            uint8_t* q = &d.rgb[(size_t(y) * d.width + x) * 3];
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    }
    return true;
}

}  // namespace

Decoded loadPicture(const std::string& file)
{
    const std::vector<uint8_t> bytes = readBytes(runDir() + "/bmp/" + file);
    Decoded d;
    std::string lower = file;
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const bool ok = lower.find(".jpg") != std::string::npos ? decodeJpeg(bytes, d.width, d.height, d.rgb)
                                                            : loadBmpLikeTheGame(bytes, d);
    if (!ok)
        throw std::runtime_error("cannot decode " + file);
    return d;
}

const std::vector<Picture>& intendedPictures()
{
    static const std::vector<Picture> pictures = renderPictures();
    return pictures;
}

const Picture& intended(const std::string& file)
{
    for (const Picture& p : intendedPictures())
        if (p.file == file)
            return p;
    throw std::runtime_error("no picture " + file);
}

long opaqueIn(const Decoded& d, int l, int t, int r, int b)
{
    long n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            n += d.key(x, y) ? 0 : 1;
    return n;
}
