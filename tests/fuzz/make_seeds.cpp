// Writes the generated part of the fuzzing seeds into FOLDER/<target>/: save
// files of a game in progress and of none, and small pictures, sound effects
// and tracks of every shape the readers know, with a few damaged ones.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/screen_state.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/scoring.h"
#include "ogg_test_files.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "test_pictures.h"
#include "test_support.h"
#include "wave_test_files.h"

namespace {
std::string root;

void put(const std::string& target, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(root + "/" + target);
    if (!writeFile(root + "/" + target + "/" + name, bytes)) {
        std::fprintf(stderr, "make_seeds: cannot write %s/%s\n", target.c_str(), name.c_str());
        std::exit(1);
    }
}

void saves()
{
    Bytes inProgress;
    Bytes none;
    // The game writes its save file into the working directory.
    {
        const ScratchDir scratch;
        resetGameState();
        dealBoard(7);
        pieceKindCount = 7;
        gameMode = modeTimed;
        level = 12;
        score = 4321;
        shownScore = 4300;
        bar = 40;
        shownBar = 38;
        noGameInProgress = 0;
        musicSliderX = 300;
        writeSaveFile();
        inProgress = readFile("game.sav");
        noGameInProgress = 1;
        writeSaveFile();
        none = readFile("game.sav");
    }
    put("save", "in-progress.sav", inProgress);
    put("save", "no-game.sav", none);
}

void pictures()
{
    const auto colour = [](int x, int y) { return Rgb{x * 20, y * 30, 128}; };
    for (const int bits : {1, 4, 8, 16, 24, 32}) {
        BmpLayout layout;
        layout.width = 7;
        layout.height = 5;
        layout.bits = bits;
        if (bits <= 8) {
            layout.palette.assign(size_t(1) << bits, Rgb{10, 200, 30});
        }
        put("bmp", std::to_string(bits) + ".bmp",
            encodeBmp(layout, [](int x, int y) { return uint32_t(x + y); }));
        layout.topDown = true;
        put("bmp", std::to_string(bits) + "-top-down.bmp",
            encodeBmp(layout, [](int x, int y) { return uint32_t(x * y); }));
    }
    BmpLayout masked;
    masked.width = 4;
    masked.height = 3;
    masked.bits = 16;
    masked.compression = 3;
    masked.masks = {0xF800, 0x07E0, 0x001F};
    put("bmp", "16-masks.bmp", encodeBmp(masked, [](int x, int) { return uint32_t(x * 0x0841); }));
    put("jpeg", "rgb.jpg", encodeJpeg(20, 12, 3, colour));
    put("jpeg", "grey.jpg", encodeJpeg(9, 17, 1, colour));
    put("jpeg", "progressive.jpg", encodeJpeg(24, 16, 3, colour, true));
}

void sounds()
{
    put("wave", "mono-16.wav", waveFile(1, 22050, 16, pcm16(squareWave(300, 8000, 40))));
    put("wave", "stereo-8.wav", waveFile(2, 8000, 8, Bytes(400, 128)));
    put("wave", "stereo-16-48k.wav", waveFile(2, 48000, 16, pcm16(squareWave(200, 3000, 20))));
    put("wave", "data-first.wav",
        riff(chunk("data", Bytes(64, 128)) + chunk("LIST", Bytes(5, 1)) +
             chunk("fmt ", fmtBody(1, 11025, 8))));
}

void tracks()
{
    put("music", "mono-8k.ogg", encodeOggTone(1, 8000, 0.05));
    put("music", "stereo-44k.ogg", encodeOggTone(2, 44100, 0.1));
    put("music", "mono-192k.ogg", encodeOggTone(1, 192000, 0.01));
    // Two streams chained, the second of another shape.
    put("music", "chained.ogg", encodeOggTone(1, 8000, 0.05, 1) + encodeOggTone(2, 22050, 0.05, 2));
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    root = std::filesystem::absolute(argv[1]).string();
    saves();
    pictures();
    sounds();
    tracks();
    return 0;
}
