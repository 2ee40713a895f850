// The automated player of the headless driver: it reads the board from the
// game's own state and plays it with the clicks, drags and keys a person makes.
#pragma once
#include <string>

// Where a run of the automated player ends.
struct AutoplayGoal {
    enum Kind {
        none,       // only the frame count ends the run
        level,      // the game reaches level `count`
        nameEntry,  // the name panel opens after the game
        table,      // the player's name is in the table
        leave,      // after `count` moves the player leaves through the menu's Exit
        finish,     // the last level done, the end picture's button, the name in the table
    };
    Kind kind = none;
    int count = 0;
};

// What the player plays with.
enum class AutoplayHand { mouse, keys, pad };

struct AutoplayOptions {
    unsigned long seed = 1;
    double thinkSeconds = 0.3;  // game time the player looks at a settled board before moving
    std::string name = "Autoplay";
    AutoplayGoal goal;
    AutoplayHand hand = AutoplayHand::mouse;  // what the player plays with
};

// Reads "level:N", "name-entry", "table", "leave:N" or "finish"; false on anything else.
bool parseAutoplayGoal(const std::string& text, AutoplayGoal& goal);
// Reads "mouse", "keys" or "pad"; false on anything else.
bool parseAutoplayHand(const std::string& text, AutoplayHand& hand);
std::string describeGoal(const AutoplayGoal& goal);

struct AutoplayMove {
    int column;
    int row;
    int toColumn;
    int toRow;
};
// The move the player makes on the board as it lies; false when it sees none.
bool chooseAutoplayMove(AutoplayMove& chosen);

void startAutoplay(const AutoplayOptions& options);
// Before each frame's events are handled: looks at the game as the last frame
// left it and injects this frame's input. dt is the frame time to come. False
// with a message when the game went against the player (a move that cleared nothing).
bool autoplayBeforeFrame(double dt, std::string& message);
// Whether the goal has been reached, looked at after each frame.
bool autoplayGoalReached();
// The game has just been lost: no move left, or the time is up, or a new
// board came without a move (the game then waits for ever).
bool autoplayGameOver();
long autoplayMoves();
// Moves made by each way of input, for the summary.
long autoplayDrags();
