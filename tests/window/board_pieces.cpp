// Reading the pieces off a picture of the board.
#include "board_pieces.h"

#include <fstream>

#include "game/board.h"
#include "game/hints.h"
#include "platform/picture_fit.h"

namespace {
// A cell's middle, clear of the frames drawn on its edges.
constexpr int margin = 10;

Picture cellMiddle(const Picture& p, int column, int row)
{
    Picture middle;
    middle.width = middle.height = cellSize - 2 * margin;
    for (int y = 0; y < middle.height; ++y) {
        for (int x = 0; x < middle.width; ++x) {
            middle.rgb.push_back(
                p.at(boardLeft + column * cellSize + margin + x, boardTop + row * cellSize + margin + y) &
                0xF8FCF8);
        }
    }
    return middle;
}

bool shows(const Picture& middle, const PieceLook& look)
{
    for (size_t i = 0; i < middle.rgb.size(); ++i) {
        if (look.own[i] && middle.rgb[i] != look.middle.rgb[i]) {
            return false;
        }
    }
    return true;
}
}  // namespace

PieceLooks pieceLooksOf(const Picture& shot, const std::string& stateFile)
{
    std::ifstream in(stateFile);
    std::string rows;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("board ", 0) == 0) {
            rows = line.substr(6);
        }
    }
    PieceLooks looks;
    if (shot.width != pictureWidth || rows.size() < size_t(boardRows) * 9 - 1) {
        return looks;
    }
    for (int r = 0; r < boardRows; ++r) {
        for (int c = 0; c < boardColumns; ++c) {
            const Picture middle = cellMiddle(shot, c, r);
            const auto [it, first] = looks.try_emplace(rows[size_t(r) * 9 + size_t(c)] - '0');
            PieceLook& look = it->second;
            if (first) {
                look.middle = middle;
                look.own.assign(middle.rgb.size(), true);
            }
            for (size_t i = 0; i < middle.rgb.size(); ++i) {
                look.own[i] = look.own[i] && middle.rgb[i] == look.middle.rgb[i];
            }
        }
    }
    return looks;
}

bool readPieces(const Picture& shown, const PieceLooks& looks, int (&kinds)[8][8])
{
    if (shown.width != pictureWidth || shown.height != pictureHeight) {
        return false;
    }
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const Picture middle = cellMiddle(shown, c, r);
            kinds[c][r] = -1;
            for (const auto& [kind, look] : looks) {
                if (shows(middle, look)) {
                    kinds[c][r] = kind;
                }
            }
            if (kinds[c][r] < 0) {
                return false;
            }
        }
    }
    return true;
}

bool firstMove(const int (&kinds)[8][8], int& fromColumn, int& fromRow, int& toColumn, int& toRow)
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            cellAt(c, r).kind = uint8_t(kinds[c][r]);
        }
    }
    if (!hasMove()) {
        return false;
    }
    findHint();
    fromColumn = hintFirstColumn;
    fromRow = hintFirstRow;
    toColumn = hintSecondColumn;
    toRow = hintSecondRow;
    return true;
}
