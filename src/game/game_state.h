// The whole game's state at once: back to how the program starts (tests and
// scripted runs begin from there), and the part a new game starts afresh.
#pragma once

// Every value the board, the moves, the hints, the score, the HUD, the banner,
// the flying pieces and the shared screen flags keep between frames.
void resetGameState();
// Score, level and the level's frame counters for a new game, with the bar
// and the shown bar at `startBar`.
void resetScoreAndLevel(float startBar);
