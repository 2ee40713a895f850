// The automated player: it judges every swap of neighbours on the board as the
// game left it, prefers long runs and cascades, and makes its move with two
// clicks or a drag, or with the keys or a controller's buttons, through the
// same event source as a person's hands.
#include "autoplay.h"

#include <cstdlib>
#include <deque>
#include <random>
#include <vector>

#include "base/actions.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/board_cursor.h"
#include "game/flyers.h"
#include "game/focus.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "graphics/text.h"
#include "invariants.h"
#include "platform/window.h"
#include "screens/main_menu.h"

namespace {
// Where the player presses outside the board: the middle of a button.
constexpr layout::Point boardMenu = layout::menuButtonHit.middle();
constexpr layout::Point menuExit = layout::menuButtons[exitButton].hit.middle();
constexpr layout::Point endButton = layout::endButtonHit.middle();
// How far a drag carries the pointer: past the game's 10-pixel threshold, and
// still inside the neighbour's cell.
constexpr int dragDistance = 30;
// The end picture slides in for about a second; the player waits for it.
constexpr double endPictureWait = 1.5;

// One frame's worth of the player's hand: where the pointer goes, then what
// happens there.
struct Touch {
    bool movePointer = false;
    int x = 0;
    int y = 0;
    std::vector<PlatformEvent> events;
};

AutoplayOptions options;
std::mt19937 rng;
std::deque<Touch> hand;
long moves = 0;
long drags = 0;
double thought = 0;  // game time spent looking at the settled board
double endPictureSeen = 0;
bool moveInFlight = false;  // a move was made and the board has not settled since
int scoreBeforeMove = 0;
AutoplayMove lastMove{};
bool typedName = false;
bool leaving = false;
bool reached = false;
bool finishedLastLevel = false;  // the end picture's button was pressed
bool stuck = false;              // a settled board without any move

// Kinds as the player sees them, [column][row]; pieces yet unseen get numbers
// of their own from 100 up, so they never line up with anything.
struct Grid {
    int kinds[boardColumns][boardRows];
};

struct Marks {
    bool marked[boardColumns][boardRows];
};

Grid seenBoard()
{
    Grid g{};
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            g.kinds[c][r] = cellAt(c, r).kind;
        }
    }
    return g;
}

// Cells in a run of three or more, the game's way: every centred triple.
int markRuns(const Grid& g, Marks& marks)
{
    marks = {};
    int count = 0;
    auto mark = [&](int c, int r) {
        count += marks.marked[c][r] ? 0 : 1;
        marks.marked[c][r] = true;
    };
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const int k = g.kinds[c][r];
            if (c >= 1 && c + 1 < boardColumns && g.kinds[c - 1][r] == k && g.kinds[c + 1][r] == k) {
                mark(c - 1, r);
                mark(c, r);
                mark(c + 1, r);
            }
            if (r >= 1 && r + 1 < boardRows && g.kinds[c][r - 1] == k && g.kinds[c][r + 1] == k) {
                mark(c, r - 1);
                mark(c, r);
                mark(c, r + 1);
            }
        }
    }
    return count;
}

// The board after a swap and everything it clears, as far as the player can
// see it: pieces yet unseen fill the gaps from the top. Returns what the swap
// is worth: every cleared cell counts, and cells of each later cascade more.
int playOut(Grid& g, const AutoplayMove& m)
{
    std::swap(g.kinds[m.column][m.row], g.kinds[m.toColumn][m.toRow]);
    int value = 0;
    int unseen = 100;
    Marks marks{};
    for (int wave = 1;; ++wave) {
        const int cleared = markRuns(g, marks);
        if (cleared == 0) {
            return value;
        }
        value += cleared * wave;
        for (int c = 0; c < boardColumns; ++c) {
            int to = boardRows - 1;
            for (int r = boardRows - 1; r >= 0; --r) {
                if (!marks.marked[c][r]) {
                    g.kinds[c][to--] = g.kinds[c][r];
                }
            }
            while (to >= 0) {
                g.kinds[c][to--] = unseen++;
            }
        }
    }
}

template <typename Visit> void eachSwap(Visit visit)
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            if (c + 1 < boardColumns) {
                visit(AutoplayMove{c, r, c + 1, r});
            }
            if (r + 1 < boardRows) {
                visit(AutoplayMove{c, r, c, r + 1});
            }
        }
    }
}

// Swaps that clear something on a board, counting only the pieces in sight.
int movesOn(const Grid& g)
{
    int count = 0;
    Marks marks{};
    eachSwap([&](const AutoplayMove& m) {
        Grid after = g;
        std::swap(after.kinds[m.column][m.row], after.kinds[m.toColumn][m.toRow]);
        count += markRuns(after, marks) > 0 ? 1 : 0;
    });
    return count;
}

int centreX(int column)
{
    return layout::cellArea(column, 0).middle().x;
}

int centreY(int row)
{
    return layout::cellArea(0, row).middle().y;
}

Touch pointerTo(int x, int y)
{
    Touch t;
    t.movePointer = true;
    t.x = x;
    t.y = y;
    return t;
}

Touch press(int x, int y)
{
    Touch t = pointerTo(x, y);
    t.events.push_back({EventType::buttonDown, 0});
    return t;
}

Touch release()
{
    Touch t;
    t.events.push_back({EventType::buttonUp, 0});
    return t;
}

Touch key(EventType type, int code = 0)
{
    Touch t;
    t.events.push_back({type, code});
    return t;
}

void click(int x, int y)
{
    hand.push_back(press(x, y));
    hand.push_back(release());
}

// The key or the controller button the player's hand presses for an action.
Touch actionTouch(Action action)
{
    if (options.hand == AutoplayHand::pad) {
        static const int padCodes[] = {padUp, padDown, padLeft, padRight, padA, padB, padY, padStart};
        return key(EventType::padButton, padCodes[int(action)]);
    }
    static const int keyCodes[] = {keyUp, keyDown, keyLeft, keyRight, keyEnter, keyEscape, keyH, keyP};
    return key(EventType::key, keyCodes[int(action)]);
}

// The first arrow or press only shows where the focus stands.
void showFocusFirst()
{
    if (!focusShown()) {
        hand.push_back(actionTouch(Action::down));
    }
}

// Walks the cursor to the piece, picks it and sends it toward its neighbour.
void moveByCursor(const AutoplayMove& m)
{
    showFocusFirst();
    int column = 0;
    int row = 0;
    boardCursor(column, row);
    for (; column != m.column; column += column < m.column ? 1 : -1) {
        hand.push_back(actionTouch(column < m.column ? Action::right : Action::left));
    }
    for (; row != m.row; row += row < m.row ? 1 : -1) {
        hand.push_back(actionTouch(row < m.row ? Action::down : Action::up));
    }
    hand.push_back(actionTouch(Action::press));
    hand.push_back(actionTouch(m.toColumn > m.column   ? Action::right
                               : m.toColumn < m.column ? Action::left
                               : m.toRow > m.row       ? Action::down
                                                       : Action::up));
}

// The name the arcade way: clear it, then each letter from "A" by up and down.
void enterNameByPad()
{
    for (int i = 0; i < nameLength; ++i) {
        hand.push_back(actionTouch(Action::left));
    }
    bool first = true;
    for (unsigned char c : options.name) {
        if (!first) {
            hand.push_back(actionTouch(Action::right));
        }
        int at = first ? 'A' - 1 : 'A';
        first = false;
        for (; at != c; at += at < c ? 1 : -1) {
            hand.push_back(actionTouch(at < c ? Action::up : Action::down));
        }
    }
    hand.push_back(actionTouch(Action::press));
}

void makeMove(const AutoplayMove& m)
{
    lastMove = m;
    scoreBeforeMove = score;
    moveInFlight = true;
    ++moves;
    if (options.hand != AutoplayHand::mouse) {
        moveByCursor(m);
    } else if (rng() % 2) {
        // Press on the piece and pull it onto its neighbour.
        ++drags;
        hand.push_back(press(centreX(m.column), centreY(m.row)));
        hand.push_back(pointerTo(centreX(m.column) + (m.toColumn - m.column) * dragDistance,
                                 centreY(m.row) + (m.toRow - m.row) * dragDistance));
        hand.push_back(release());
    } else {
        click(centreX(m.column), centreY(m.row));
        click(centreX(m.toColumn), centreY(m.toRow));
    }
}

bool anySwapFlag()
{
    for (const Cell& cell : board) {
        if (cell.swapping) {
            return true;
        }
    }
    return false;
}

// The board takes a move: nothing moves on it and the game screen accepts clicks.
bool boardSettled()
{
    return currentScreen == screenGame && !transitionActive && gamePhase == phasePlay && !endOfGameFlag &&
           !paused && !dropIn && !flyOutRunning && !falling && !hintActive && selectState == selectNone &&
           !anySwapFlag() && boardFull();
}

void typeName()
{
    if (options.hand == AutoplayHand::pad) {
        enterNameByPad();
        typedName = true;
        return;
    }
    for (int i = 0; i < nameLength; ++i) {
        hand.push_back(key(EventType::character, backspaceCode));
    }
    for (unsigned char c : options.name) {
        hand.push_back(key(EventType::character, c));
    }
    hand.push_back(key(EventType::key, keyEnter));
    typedName = true;
}

// On the menu: Exit by the mouse, or by keys once the focus lights it. A key
// waits a frame for the light to follow it.
void leaveThroughExit()
{
    if (options.hand == AutoplayHand::mouse) {
        click(menuExit.x, menuExit.y);
        return;
    }
    showFocusFirst();
    hand.push_back(actionTouch(focusShown() && menuHighlight == exitButton ? Action::press : Action::down));
    hand.push_back(Touch{});
}

void apply(const Touch& t)
{
    if (t.movePointer) {
        platformSetSimulatedPointer(t.x, t.y, true);
    }
    for (const PlatformEvent& e : t.events) {
        platformInjectEvent(e);
    }
}
}  // namespace

// A decent player: cleared cells count, those of cascades double and more,
// and so do the moves still in sight afterwards, twice each, because an
// untimed game ends on a board without moves. The seed decides between equals.
bool chooseAutoplayMove(AutoplayMove& chosen)
{
    const Grid g = seenBoard();
    std::vector<AutoplayMove> best;
    long bestRank = 0;
    eachSwap([&](const AutoplayMove& m) {
        Grid after = g;
        const int value = playOut(after, m);
        if (value == 0) {
            return;
        }
        const long rank = 2L * movesOn(after) + value;
        if (rank > bestRank) {
            bestRank = rank;
            best.clear();
        }
        if (rank == bestRank) {
            best.push_back(m);
        }
    });
    if (best.empty()) {
        return false;
    }
    chosen = best[rng() % best.size()];
    // Either piece may be the one the player takes hold of.
    if (rng() % 2) {
        std::swap(chosen.column, chosen.toColumn);
        std::swap(chosen.row, chosen.toRow);
    }
    return true;
}

bool parseAutoplayGoal(const std::string& text, AutoplayGoal& goal)
{
    const auto colon = text.find(':');
    const std::string word = text.substr(0, colon);
    if (colon == std::string::npos) {
        goal.count = 0;
        goal.kind = word == "name-entry" ? AutoplayGoal::nameEntry
                    : word == "table"    ? AutoplayGoal::table
                    : word == "finish"   ? AutoplayGoal::finish
                                         : AutoplayGoal::none;
        return goal.kind != AutoplayGoal::none;
    }
    char* end = nullptr;
    const long n = std::strtol(text.c_str() + colon + 1, &end, 10);
    if (*end != 0 || end == text.c_str() + colon + 1 || n < 1 || n > 100000) {
        return false;
    }
    goal.count = int(n);
    goal.kind = word == "level"   ? AutoplayGoal::level
                : word == "leave" ? AutoplayGoal::leave
                                  : AutoplayGoal::none;
    return goal.kind != AutoplayGoal::none;
}

bool parseAutoplayHand(const std::string& text, AutoplayHand& hand)
{
    if (text != "mouse" && text != "keys" && text != "pad") {
        return false;
    }
    hand = text == "mouse" ? AutoplayHand::mouse : text == "keys" ? AutoplayHand::keys : AutoplayHand::pad;
    return true;
}

std::string describeGoal(const AutoplayGoal& goal)
{
    switch (goal.kind) {
    case AutoplayGoal::level:
        return "level " + std::to_string(goal.count);
    case AutoplayGoal::nameEntry:
        return "the name entry";
    case AutoplayGoal::table:
        return "its name in the table";
    case AutoplayGoal::leave:
        return "leaving after " + std::to_string(goal.count) + " moves";
    case AutoplayGoal::finish:
        return "the end of the last level";
    case AutoplayGoal::none:
        break;
    }
    return "the last frame";
}

void startAutoplay(const AutoplayOptions& o)
{
    options = o;
    rng.seed(std::mt19937::result_type(o.seed));
    hand.clear();
    moves = drags = 0;
    thought = endPictureSeen = 0;
    moveInFlight = typedName = leaving = reached = stuck = finishedLastLevel = false;
}

bool autoplayBeforeFrame(double dt, std::string& message)
{
    if (!hand.empty()) {
        apply(hand.front());
        hand.pop_front();
        return true;
    }
    const bool settled = boardSettled();
    if (moveInFlight && settled) {
        moveInFlight = false;
        if (score == scoreBeforeMove) {
            message = "the swap of " + cellName(lastMove.column, lastMove.row) + " and " +
                      cellName(lastMove.toColumn, lastMove.toRow) + " cleared nothing";
            return false;
        }
    }
    if (endOfGameFlag && currentScreen == screenGame && !transitionActive) {
        endPictureSeen += dt;
        if (endPictureSeen >= endPictureWait) {
            endPictureSeen = 0;
            finishedLastLevel = true;
            if (options.hand == AutoplayHand::mouse) {
                click(endButton.x, endButton.y);
            } else {
                showFocusFirst();
                hand.push_back(actionTouch(Action::press));
            }
        }
        return true;
    }
    if (currentScreen == screenHighScores && !transitionActive) {
        const bool panelOpen = nameEntryActive != 0;
        if (panelOpen && options.goal.kind != AutoplayGoal::nameEntry && !typedName) {
            typeName();
        }
        // Either the open panel was the goal, or the name it took.
        const bool tableGoal = options.goal.kind == AutoplayGoal::table ||
                               (options.goal.kind == AutoplayGoal::finish && finishedLastLevel);
        reached =
            reached || (panelOpen ? options.goal.kind == AutoplayGoal::nameEntry : typedName && tableGoal);
        return true;
    }
    if (leaving) {
        if (currentScreen == screenMainMenu && !transitionActive) {
            leaveThroughExit();
        }
        return true;
    }
    if (!settled) {
        thought = 0;
        return true;
    }
    // The player leaves once the last pieces have dropped into the mixer (the
    // save file keeps no flying pieces) and the counters have stopped.
    if (options.goal.kind == AutoplayGoal::leave && moves >= options.goal.count) {
        if (!flyers.empty() || mixerRequest || shownScore != float(score) || int(shownBar) != int(bar)) {
            return true;
        }
        leaving = true;
        if (options.hand == AutoplayHand::mouse) {
            click(boardMenu.x, boardMenu.y);
        } else {
            hand.push_back(actionTouch(Action::back));
        }
        return true;
    }
    thought += dt;
    if (thought < options.thinkSeconds) {
        return true;
    }
    thought = 0;
    AutoplayMove m{};
    if (!chooseAutoplayMove(m)) {
        // Only a freshly dealt board can lack a move without ending the game.
        stuck = true;
        return true;
    }
    makeMove(m);
    return true;
}

bool autoplayGameOver()
{
    return gamePhase == phaseUntimedOver || gamePhase == phaseTimeUp || stuck;
}

bool autoplayGoalReached()
{
    if (options.goal.kind == AutoplayGoal::level) {
        // The new level's board has dropped in and waits for a move.
        return level >= options.goal.count && boardSettled();
    }
    return reached || (leaving && windowDestroyed);
}

long autoplayMoves()
{
    return moves;
}

long autoplayDrags()
{
    return drags;
}
