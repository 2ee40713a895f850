// The generator's driver: music is composed on worker threads while the pictures, sound
// effects and help page are made, then everything is written and checked.
#include "generate.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "audio_files.h"
#include "help_page.h"
#include "image_files.h"
#include "pictures.h"
#include "synth.h"

namespace fs = std::filesystem;

namespace {

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Decodes what was written and compares its 5-6-5 colour key with the intended mask.
bool checkPicture(const Picture& p, const std::vector<uint8_t>& bytes, std::string& why)
{
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    const bool ok = p.format == Format::jpeg ? decodeJpeg(bytes, w, h, rgb) : decodeBmp(bytes, w, h, rgb);
    if (!ok) {
        why = "cannot decode it again";
        return false;
    }
    if (w != p.image.width || h != p.image.height) {
        why = "decoded size differs";
        return false;
    }
    const long bad = keyMismatches(p.image, w, h, rgb);
    if (bad != 0) {
        why = std::to_string(bad) + " pixels disagree with the intended colour-key mask";
        return false;
    }
    return true;
}

}  // namespace

bool generateAll(const std::string& outDir, std::ostream& log)
{
    const auto start = std::chrono::steady_clock::now();
    std::error_code ec;
    for (const char* sub : {"bmp", "sound", "music"}) {
        fs::create_directories(fs::path(outDir) / sub, ec);
        if (ec) {
            log << "cannot create " << (fs::path(outDir) / sub).string() << ": " << ec.message() << "\n";
            return false;
        }
    }

    // Music on two worker threads, one track at a time each.
    std::vector<std::vector<uint8_t>> oggs(trackCount);
    std::atomic<int> nextTrack{0};
    auto worker = [&] {
        for (int i; (i = nextTrack.fetch_add(1)) < trackCount;)
            oggs[size_t(i)] = encodeOgg(composeTrack(i), 0x504C0000 + i);
    };
    std::thread workers[2] = {std::thread(worker), std::thread(worker)};

    bool ok = true;
    try {
        const auto t0 = std::chrono::steady_clock::now();
        const std::vector<Picture> pictures = renderPictures();
        for (const Picture& p : pictures) {
            const std::vector<uint8_t> bytes = encodePicture(p);
            std::string why;
            if (!checkPicture(p, bytes, why)) {
                log << "bmp/" << p.file << ": " << why << "\n";
                ok = false;
            }
            if (!writeFile((fs::path(outDir) / "bmp" / p.file).string(), bytes)) {
                log << "cannot write bmp/" << p.file << "\n";
                ok = false;
            }
        }
        log << "pictures: " << pictures.size() << " in " << seconds(t0) << " s\n";

        const auto t1 = std::chrono::steady_clock::now();
        for (int n = 1; n <= effectCount; ++n) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d.wav", n);
            if (!writeFile((fs::path(outDir) / "sound" / name).string(),
                           encodeWav(soundEffect(n), sampleRate))) {
                log << "cannot write sound/" << name << "\n";
                ok = false;
            }
        }
        log << "sound effects: " << effectCount << " in " << seconds(t1) << " s\n";

        const std::string html = helpPage();
        if (!writeFile((fs::path(outDir) / "ReadMe.htm").string(), {html.begin(), html.end()})) {
            log << "cannot write ReadMe.htm\n";
            ok = false;
        }
    } catch (const std::exception& e) {
        log << "error: " << e.what() << "\n";
        ok = false;
    }

    const auto t2 = std::chrono::steady_clock::now();
    for (auto& w : workers)
        w.join();
    for (int i = 0; i < trackCount; ++i) {
        const std::string name = "track" + std::to_string(i) + ".ogg";
        if (oggs[size_t(i)].empty() ||
            !writeFile((fs::path(outDir) / "music" / name).string(), oggs[size_t(i)])) {
            log << "cannot encode or write music/" << name << "\n";
            ok = false;
        }
    }
    log << "music: waited " << seconds(t2) << " s for the last track\n";
    log << "total: " << seconds(start) << " s\n";
    return ok;
}
