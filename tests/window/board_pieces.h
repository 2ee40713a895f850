// Reading the pieces off a picture of the board, by the pieces a reference
// picture shows where its state dump names their kinds.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "x_session.h"

// The middle of a kind's cell, and which of its pixels are the piece's own:
// without the coloured tiles the board's backdrop shows around a piece and
// differs from cell to cell.
struct PieceLook {
    Picture middle;
    std::vector<bool> own;
};
using PieceLooks = std::map<int, PieceLook>;

// The reference's pieces: the pixels alike in every cell of a kind.
PieceLooks pieceLooksOf(const Picture& shot, const std::string& stateFile);
// The kinds a picture of a settled board shows; false when a cell shows none.
bool readPieces(const Picture& shown, const PieceLooks& looks, int (&kinds)[8][8]);
// The first move the game's own hint finder sees on these kinds, as cells.
bool firstMove(const int (&kinds)[8][8], int& fromColumn, int& fromRow, int& toColumn, int& toRow);
