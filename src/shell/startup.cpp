// Start-up, the display-mode switch, shutdown and the destroy sequence.
#include <cstdlib>

#include "audio/music.h"
#include "audio/music_stream.h"
#include "audio/sound_effects.h"
#include "base/error.h"
#include "game/board.h"
#include "game/game_screen.h"
#include "game/title.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "platform/clock.h"
#include "platform/data_arrival.h"
#include "platform/window.h"
#include "screens/high_scores.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "shell/frame_timer.h"
#include "shell/settings.h"
#include "shell/shell.h"

uint8_t appReady = 0;
int desktopDepth = 0;
int desktopWidth = 0;

namespace {
const char depthMessage[] =
    "This game cannot run in a desktop\nwindow with the current display settings.\nPlease change your "
    "desktop settings to a\n16- or 32-bit display mode and re-run this\ngame.";
}  // namespace

namespace {
// Sounds and music that land after the start play from then on: an effect that
// was missing is loaded, and the track that should be playing starts.
void useArrivedData()
{
    if (!windowDestroyed) {
        loadSilentSoundEffects();
        playTrackIfSilent();
    }
}
}  // namespace

void showDepthMessage()
{
    showError(depthMessage);
}

bool startGame()
{
    // An error box from any layer ends the game through the destroy sequence.
    setShutdownWork(destroyGameWindow);
    platformSetDataArrivalWork(useArrivedData);
    if (!platformInit()) {
        return false;
    }
    loadWindowSettings();
    if (!platformCreateWindow("Plumbrix v1.0")) {
        return false;
    }
    desktopDepth = platformDesktopDepth();
    desktopWidth = platformDesktopWidth();
    if (desktopDepth == 8) {
        showDepthMessage();
        return false;
    }
    if (!createDisplayDevice() || !initialiseAll()) {
        return false;
    }
    appReady = 1;
    frameTimer(timerStart);
    return true;
}

bool initialiseAll()
{
    if (windowDestroyed) {
        return false;
    }
    // A file that was read has clamped the knobs and set the effects volume
    // already; without one the default knobs set it here.
    if (!readSaveFile()) {
        noGameInProgress = 1;
        dealBoard(pieceKindCount);
        clampSliders();
    }
    if (!switchDisplayMode(fullscreen != 0)) {
        return false;
    }
    // Every run opens on the title, whose picture is loaded by now: the window
    // shows it while the sounds and the music load, and is never seen empty.
    drawTitle();
    present();
    initSoundEffects();
    initMusicDevice();
    playTrack(0);
    std::srand(platformTicks());
    initHighScores();
    createPanRegion();
    computeGlyphOffsets();
    resetName();
    return !windowDestroyed;
}

bool switchDisplayMode(bool wantFullscreen)
{
    if (windowDestroyed) {
        return false;
    }
    freeGameArtwork();
    freeArtwork();
    if (!setUpDisplay(wantFullscreen)) {
        destroyGameWindow();
        return false;
    }
    // The loaders report their own failures; the first false ends the switch.
    return loadArtwork() && loadGameArtwork();
}

void shutdownAll()
{
    shutdownSoundEffects();
    shutdownMusicDevice();
    freeGameArtwork();
    freeArtwork();
    deletePanRegion();
}

void destroyGameWindow()
{
    // The sequence runs once, however many paths ask for it.
    if (windowDestroyed) {
        return;
    }
    windowDestroyed = true;
    shutdownAll();
    releaseDisplay();
    saveWindowSettings();
    platformDestroyWindow();
}
