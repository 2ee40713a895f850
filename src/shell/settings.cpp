// The window settings file: a few "name value" lines that a person can read
// and that a damaged or foreign file cannot turn into a crash.
#include "shell/settings.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

const char windowSettingsFile[] = "window.cfg";

namespace {
// Sizes and positions beyond this are damage, not a desktop.
constexpr long largestCoordinate = 1 << 16;

std::string readAtStart;

bool readNumber(const std::string& word, long lowest, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || end != word.c_str() + word.size() || v < lowest || v > largestCoordinate) {
        return false;
    }
    value = int(v);
    return true;
}
}  // namespace

bool parseWindowSettings(const std::string& text, WindowPlacement& placement)
{
    WindowPlacement p;
    bool x = false;
    bool y = false;
    bool width = false;
    bool height = false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name;
        std::string value;
        std::string extra;
        if (!(words >> name >> value) || words >> extra) {
            continue;
        }
        int flag = 0;
        if (name == "x") {
            x = readNumber(value, -largestCoordinate, p.x) || x;
        } else if (name == "y") {
            y = readNumber(value, -largestCoordinate, p.y) || y;
        } else if (name == "width") {
            width = readNumber(value, 1, p.width) || width;
        } else if (name == "height") {
            height = readNumber(value, 1, p.height) || height;
        } else if (name == "maximised" && readNumber(value, 0, flag) && flag <= 1) {
            p.maximised = flag == 1;
        }
    }
    if (!(x && y && width && height)) {
        return false;
    }
    placement = p;
    return true;
}

std::string formatWindowSettings(const WindowPlacement& placement)
{
    std::ostringstream out;
    out << "# The game window's place; delete this file to open it centred again.\n"
        << "x " << placement.x << "\ny " << placement.y << "\nwidth " << placement.width << "\nheight "
        << placement.height << "\nmaximised " << (placement.maximised ? 1 : 0) << "\n";
    return out.str();
}

void loadWindowSettings()
{
    std::ifstream in(windowSettingsFile, std::ios::binary);
    if (!in) {
        return;
    }
    std::ostringstream text;
    text << in.rdbuf();
    WindowPlacement placement;
    if (parseWindowSettings(text.str(), placement)) {
        readAtStart = formatWindowSettings(placement);
        platformSetWindowPlacement(placement);
    }
}

void saveWindowSettings()
{
    WindowPlacement placement;
    if (!platformWindowPlacement(placement)) {
        return;
    }
    const std::string text = formatWindowSettings(placement);
    if (text == readAtStart) {
        return;
    }
    // Written aside and renamed, so an interrupted write leaves the old file.
    const std::string temporary = std::string(windowSettingsFile) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return;
        }
    }
    if (std::rename(temporary.c_str(), windowSettingsFile) == 0) {
        readAtStart = text;
    }
}
