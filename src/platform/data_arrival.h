// Data files that arrive after the game has started: a browser fetches the
// sounds and the music while the title shows, and the game plays without them.
#pragma once

// Work to run between frames each time such files have landed in the game's
// folder. On the desktop every file is there from the start and it never runs.
void platformSetDataArrivalWork(void (*work)());
