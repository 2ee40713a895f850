// "game.sav": a little-endian dump of the game in progress, the high-score
// tables and the settings, 6933 bytes in a fixed order without padding.
#include "screens/save_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "base/bytes.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "platform/file.h"
#include "screens/high_scores.h"
#include "screens/options.h"

void (*saveWriteHook)() = nullptr;

namespace {
const char saveName[] = "game.sav";

class Writer {
public:
    void byte(uint8_t v)
    {
        bytes.push_back(v);
    }
    void u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            byte(uint8_t(v >> (8 * i)));
        }
    }
    void i32(int32_t v)
    {
        u32(uint32_t(v));
    }
    void f32(float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        u32(bits);
    }
    void raw(const void* data, size_t n)
    {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + n);
    }
    std::vector<uint8_t> bytes;
};

class Reader {
public:
    explicit Reader(const uint8_t* data) : p(data) {}
    uint8_t byte()
    {
        return *p++;
    }
    uint32_t u32()
    {
        const uint32_t v = readLe32(p);
        p += 4;
        return v;
    }
    int32_t i32()
    {
        return int32_t(u32());
    }
    float f32()
    {
        const uint32_t bits = u32();
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    void raw(void* out, size_t n)
    {
        std::memcpy(out, p, n);
        p += n;
    }

private:
    const uint8_t* p;
};

void writeCell(Writer& w, const Cell& c)
{
    w.f32(c.x);
    w.f32(c.y);
    w.byte(c.kind);
    w.raw(c.padding1, 3);
    w.f32(c.frame);
    w.byte(c.swapping);
    w.byte(c.highlighted);
    w.raw(c.padding2, 2);
}

Cell readCell(Reader& r)
{
    Cell c{};
    c.x = r.f32();
    c.y = r.f32();
    c.kind = r.byte();
    r.raw(c.padding1, 3);
    c.frame = r.f32();
    c.swapping = r.byte();
    c.highlighted = r.byte();
    r.raw(c.padding2, 2);
    return c;
}

uint8_t flag(uint8_t v)
{
    return v != 0 ? 1 : 0;
}

// The game section as read, applied only when all of it makes sense.
struct GameSection {
    int kinds;
    uint8_t mode;
    float bar;
    float shownBar;
    int level;
    int score;
    float shownScore;
    Cell cells[64];
};

bool plausible(const GameSection& g)
{
    if (!validKinds(g.kinds) || g.mode > modeTimed || g.level < 1 || g.level > lastLevel) {
        return false;
    }
    if (!std::isfinite(g.bar) || !std::isfinite(g.shownBar) || !std::isfinite(g.shownScore)) {
        return false;
    }
    for (const Cell& c : g.cells) {
        // A saved piece lies within two cells' travel of the board's outer cells.
        const layout::Rect& area = layout::boardArea;
        const bool onScreen = c.x >= area.l - 2 * cellSize && c.x <= area.r + cellSize &&
                              c.y >= area.t - 2 * cellSize && c.y <= area.b + cellSize;
        if (!std::isfinite(c.x) || !std::isfinite(c.y) || !onScreen || !std::isfinite(c.frame) ||
            c.frame < 0 || c.frame > layout::pieceFrames || c.kind >= layout::pieceKinds) {
            return false;
        }
    }
    return true;
}

}  // namespace

void writeSaveFile()
{
    Writer w;
    w.i32(pieceKindCount);
    w.byte(gameMode);
    w.f32(bar);
    w.f32(shownBar);
    for (const HighScoreRow& row : highScores) {
        w.raw(row.name, sizeof row.name);
        w.i32(row.score);
    }
    w.i32(level);
    w.i32(score);
    w.f32(shownScore);
    for (const Cell& c : board) {
        writeCell(w, c);
    }
    w.byte(noGameInProgress);
    w.byte(fullscreen);
    w.byte(easyFood);
    w.byte(systemCursor);
    w.i32(musicSliderX);
    w.i32(soundSliderX);
    // Written beside the old file and swapped in whole, so that a full disk or
    // a crash never costs the player the save they had. Nothing is reported.
    platformReplaceFile(saveName, w.bytes, saveWriteHook);
}

bool readSaveFile()
{
    std::vector<uint8_t> bytes;
    // Anything but a complete file counts as no file at all.
    if (!platformReadFile(saveName, saveFileSize, bytes) || bytes.size() != size_t(saveFileSize)) {
        return false;
    }
    Reader r(bytes.data());
    GameSection g{};
    g.kinds = r.i32();
    g.mode = r.byte();
    g.bar = r.f32();
    g.shownBar = r.f32();
    for (HighScoreRow& row : highScores) {
        r.raw(row.name, sizeof row.name);
        row.name[sizeof row.name - 1] = 0;
        row.score = std::clamp(r.i32(), 0, scoreLimit);
    }
    g.level = r.i32();
    g.score = r.i32();
    g.shownScore = r.f32();
    for (Cell& c : g.cells) {
        c = readCell(r);
        c.swapping = flag(c.swapping);
        c.highlighted = flag(c.highlighted);
    }
    noGameInProgress = flag(r.byte());
    fullscreen = flag(r.byte());
    easyFood = flag(r.byte());
    systemCursor = flag(r.byte());
    musicSliderX = r.i32();
    soundSliderX = r.i32();

    if (plausible(g)) {
        pieceKindCount = g.kinds;
        gameMode = g.mode;
        // Numbers out of range are brought into it rather than dropping the
        // game: the counter and the bar then settle as usual.
        bar = std::clamp(g.bar, 0.0f, barLimit);
        shownBar = std::clamp(g.shownBar, 0.0f, barLimit);
        level = g.level;
        score = std::clamp(g.score, 0, scoreLimit);
        shownScore = std::clamp(g.shownScore, 0.0f, float(scoreLimit));
        std::memcpy(board, g.cells, sizeof board);
    } else {
        // A damaged game is dropped; the tables and settings are kept.
        pieceKindCount = 6;
        gameMode = modeUntimed;
        resetScoreAndLevel(0);
        noGameInProgress = 1;
        dealBoard(pieceKindCount);
    }
    // The music volume comes from the slider as stored; the knobs are clamped
    // here, on every read, since start-up reads the file a second time for
    // the tables.
    musicVolume = musicVolumeFor(musicSliderX);
    clampSliders();
    return true;
}
