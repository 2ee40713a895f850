// The game's own state as text, for end-to-end tests of scripted runs.
#include "replay_state.h"

#include <cstdio>
#include <string>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "graphics/text.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"

namespace {
std::string sounds;
int lastSound = 0;

// Sound requests in order, as decimal ids separated by spaces, so ids of two
// digits read back unambiguously; a request repeating the one before it is
// noted once.
void noteSound(int id)
{
    if (sounds.empty() || id != lastSound) {
        sounds += " " + std::to_string(id);
    }
    lastSound = id;
}
}  // namespace

void recordSounds()
{
    soundObserver = noteSound;
}

bool writeGameState(const char* path)
{
    FILE* f = std::fopen(path, "wb");
    if (!f) {
        return false;
    }
    std::fprintf(f, "currentScreen %d\ngamePhase %d\nscore %d\nshownScore %.6g\nbar %.6g\nshownBar %.6g\n",
                 currentScreen, gamePhase, score, double(shownScore), double(bar), double(shownBar));
    std::fprintf(f, "level %d\ngameMode %d\npieceKindCount %d\nmultiplier %d\nselectState %d\n", level,
                 gameMode, pieceKindCount, multiplier, selectState);
    std::fprintf(f, "noGameInProgress %d\nnameEntryActive %d\nendOfGameFlag %d\npaused %d\n",
                 noGameInProgress, nameEntryActive, endOfGameFlag, paused);
    std::fprintf(f, "transitionActive %d\nmenuHighlight %d\nshownTable %d\nplacedRank %d\n", transitionActive,
                 menuHighlight, shownTable, placedRank);
    std::fprintf(f, "dropIn %d\nflyOutRunning %d\nfalling %d\nhintActive %d\nflyers %zu\nmixerRequest %d\n",
                 dropIn, flyOutRunning, falling, hintActive, flyers.size(), mixerRequest);
    std::fprintf(f, "easyFood %d\nsystemCursor %d\nfullscreen %d\nmusicSliderX %d\nsoundSliderX %d\n",
                 easyFood, systemCursor, fullscreen, musicSliderX, soundSliderX);
    std::fprintf(f, "nameBuffer %s\n", nameBuffer);
    // Kinds row by row, top row first, one digit per cell.
    std::string kinds;
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            kinds += char('0' + cellAt(c, r).kind % 10);
        }
        kinds += r < 7 ? "/" : "";
    }
    std::fprintf(f, "board %s\nsounds%s\n", kinds.c_str(), sounds.c_str());
    return std::fclose(f) == 0;
}
