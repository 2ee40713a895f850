// The replay script format:
//   F move X Y | F down | F up | F click X Y | F text STRING
//   F key return|pause|backspace | F focus lost|gained | F close
// "#" starts a comment. A click presses at F and releases at F+1.
#include "replay_script.h"

#include <sstream>

namespace {
bool parseLine(const std::string& line, std::vector<ScriptEvent>& events, std::string& why)
{
    std::istringstream in(line);
    ScriptEvent e;
    std::string verb;
    if (!(in >> e.frame) || e.frame < 0) {
        why = "expected a frame number";
        return false;
    }
    if (!(in >> verb)) {
        why = "expected an event after the frame number";
        return false;
    }
    auto noMore = [&in]() {
        std::string rest;
        return !(in >> rest);
    };
    if (verb == "move" || verb == "click") {
        if (!(in >> e.x >> e.y) || !noMore()) {
            why = verb + " takes X and Y";
            return false;
        }
        e.kind = ScriptEvent::move;
        events.push_back(e);
        if (verb == "click") {
            e.kind = ScriptEvent::down;
            events.push_back(e);
            e.kind = ScriptEvent::up;
            e.frame += 1;
            events.push_back(e);
        }
        return true;
    }
    if (verb == "down" || verb == "up" || verb == "close") {
        if (!noMore()) {
            why = verb + " takes no arguments";
            return false;
        }
        e.kind = verb == "down" ? ScriptEvent::down : verb == "up" ? ScriptEvent::up : ScriptEvent::close;
        events.push_back(e);
        return true;
    }
    if (verb == "text") {
        std::getline(in >> std::ws, e.text);
        if (e.text.empty()) {
            why = "text takes a string";
            return false;
        }
        e.kind = ScriptEvent::typeText;
        events.push_back(e);
        return true;
    }
    std::string arg;
    in >> arg;
    if (!noMore()) {
        why = "too many arguments";
        return false;
    }
    if (verb == "key" && (arg == "return" || arg == "pause" || arg == "backspace")) {
        e.kind = arg == "return"  ? ScriptEvent::keyReturn
                 : arg == "pause" ? ScriptEvent::keyPause
                                  : ScriptEvent::keyBackspace;
    } else if (verb == "focus" && (arg == "lost" || arg == "gained")) {
        e.kind = arg == "lost" ? ScriptEvent::focusLost : ScriptEvent::focusGained;
    } else {
        why = "unknown event '" + verb + (arg.empty() ? "" : " " + arg) + "'";
        return false;
    }
    events.push_back(e);
    return true;
}
}  // namespace

bool parseScript(const std::string& source, std::vector<ScriptEvent>& events, std::string& error)
{
    std::istringstream lines(source);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const auto hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        std::string why;
        if (!parseLine(line, events, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    return true;
}
