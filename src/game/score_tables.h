// The six high-score tables (untimed and timed, for 6, 7 and 8 kinds): placing
// a finished game's score and giving the new row its typed name.
#pragma once
#include <cstdint>

struct HighScoreRow {
    char name[100];
    int32_t score;
};
static_assert(sizeof(HighScoreRow) == 104, "a table row is 104 bytes in the save file");

// Row (rank r, mode m, kinds k) is r*6 + m*3 + (k - 6).
extern HighScoreRow highScores[54];
extern int shownTable;       // the kinds whose tables the high-score screen shows
extern int placedRank;       // the last placed score's rank 0..8, 10 when it made no table
extern uint8_t namePending;  // that row still waits for its name

inline HighScoreRow& highScoreRow(int rank, int mode, int kinds)
{
    return highScores[rank * 6 + mode * 3 + (kinds - 6)];
}

bool validKinds(int kinds);
// Every table back to its "Empty" rows.
void resetHighScores();
// Puts the score into the shown table of the given mode.
void placeScore(int mode);
// A finished game goes to the tables: its score is placed in the table of its
// kinds and mode, the high-score screen opens on that table (the switch comes
// with `switchWith`) and waits for the player's name.
void enterFinishedGame(unsigned switchWith);
// The typed name goes into the row the last score was placed in.
void commitName();
