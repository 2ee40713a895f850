// End-to-end runs of the real game through the headless driver.
#include "e2e_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

std::string readFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool linkGameData(const std::string& folder)
{
    for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
        const std::string from = std::string(PLUMBRIX_DATA) + "/" + entry;
        const std::string to = folder + "/" + entry;
        if (symlink(from.c_str(), to.c_str()) != 0) {
            return false;
        }
    }
    return true;
}

int runGame(const std::string& folder, const std::string& script, long frames, GameState& state,
            const std::string& extra, unsigned long ticks)
{
    const std::string scriptFile = folder + "/script.txt";
    const std::string stateFile = folder + "/state.txt";
    std::ofstream(scriptFile) << script;
    std::remove(stateFile.c_str());
    std::ostringstream command;
    command << PLUMBRIX_REPLAY << " --data " << folder << " --frames " << frames << " --ticks " << ticks
            << " --script " << scriptFile << " --state " << frames - 1 << ":" << stateFile << " " << extra
            << " 2>" << folder << "/stderr.txt";
    const int status = std::system(command.str().c_str());
    state = readGameState(stateFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

GameState readGameState(const std::string& path)
{
    GameState state;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        state[line.substr(0, space)] = space == std::string::npos ? "" : line.substr(space + 1);
    }
    return state;
}

int stateInt(const GameState& state, const std::string& key)
{
    const auto it = state.find(key);
    return it == state.end() ? -9999 : std::atoi(it->second.c_str());
}

std::vector<int> soundIds(const GameState& state)
{
    std::vector<int> ids;
    const auto it = state.find("sounds");
    if (it != state.end()) {
        std::istringstream in(it->second);
        for (int id = 0; in >> id;) {
            ids.push_back(id);
        }
    }
    return ids;
}
