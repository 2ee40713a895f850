// End-to-end runs of the real game through the headless driver: a private copy
// of the data folder, scripted input, and the game's state read back.
#pragma once
#include <map>
#include <string>
#include <vector>

using GameState = std::map<std::string, std::string>;

// Fills a folder with links to the generated artwork, sounds, music and help
// page; the game writes its save file there.
bool linkGameData(const std::string& folder);
// Runs the driver in that folder with a script; the state after the last frame
// is returned in state (empty when the run failed). Extra arguments are passed on.
int runGame(const std::string& folder, const std::string& script, long frames, GameState& state,
            const std::string& extra = "", unsigned long ticks = 1000);
int stateInt(const GameState& state, const std::string& key);
// A whole file as bytes, empty when it is missing.
std::string readFileText(const std::string& path);
// A state dump of the driver, empty when the file is missing.
GameState readGameState(const std::string& path);
// The sound requests of a state dump, in order.
std::vector<int> soundIds(const GameState& state);
