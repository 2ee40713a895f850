// The replay script format:
//   F move X Y [outside] | F down | F up | F click X Y | F text STRING | F char CODE
//   F key up|down|left|right|enter|return|space|escape|h|p|pause|backspace
//   F pad a|b|y|start|dpup|dpdown|dpleft|dpright | F focus lost|gained | F close | F expose | F dt SECONDS
//   #! frames N | #! dt SECONDS | #! ticks N | #! shots F... | #! states F... | #! save-from FILE
// "#" starts a comment. A click presses at F and releases at F+1. Events are
// applied in frame order, whatever the order of their lines.
#include "replay_script.h"

#include <algorithm>
#include <sstream>

#include "platform/window.h"

namespace {
// A "#!" line: the run's parameters, kept beside its events.
bool parseHeader(const std::string& line, ScriptHeader& header, std::string& why)
{
    std::string body = line.substr(2);
    body.erase(std::min(body.find('#'), body.size()));
    std::istringstream in(body);
    std::string key;
    in >> key;
    auto noMore = [&in]() {
        std::string rest;
        return !(in >> rest);
    };
    bool ok = false;
    if (key == "frames") {
        ok = bool(in >> header.frames) && header.frames >= 0;
    } else if (key == "dt") {
        ok = bool(in >> header.dt) && header.dt >= 0;
    } else if (key == "ticks") {
        ok = bool(in >> header.ticks) && header.ticks >= 0;
    } else if (key == "shots" || key == "states") {
        std::vector<long>& frames = key == "shots" ? header.shots : header.states;
        for (long f = 0; in >> f;) {
            frames.push_back(f);
        }
        ok = in.eof() && !frames.empty();
    } else if (key == "save-from") {
        ok = bool(in >> header.saveFrom);
    } else {
        why = "unknown header '" + key + "'";
        return false;
    }
    if (!ok || !noMore()) {
        why = "bad value for header '" + key + "'";
        return false;
    }
    return true;
}

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
        if (!(in >> e.x >> e.y)) {
            why = verb + " takes X and Y";
            return false;
        }
        std::string flag;
        if (verb == "move" && in >> flag) {
            e.outside = flag == "outside";
        }
        if (!noMore() || (!flag.empty() && !e.outside)) {
            why = verb == "move" ? "move takes X, Y and optionally 'outside'" : "click takes X and Y";
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
    if (verb == "down" || verb == "up" || verb == "close" || verb == "expose") {
        if (!noMore()) {
            why = verb + " takes no arguments";
            return false;
        }
        e.kind = verb == "down"    ? ScriptEvent::down
                 : verb == "up"    ? ScriptEvent::up
                 : verb == "close" ? ScriptEvent::close
                                   : ScriptEvent::expose;
        events.push_back(e);
        return true;
    }
    if (verb == "dt") {
        if (!(in >> e.seconds) || e.seconds < 0 || !noMore()) {
            why = "dt takes a frame time in seconds";
            return false;
        }
        e.kind = ScriptEvent::frameTime;
        events.push_back(e);
        return true;
    }
    // Characters the text form cannot carry: a space, or "#".
    if (verb == "char") {
        int code = 0;
        if (!(in >> code) || code < 1 || code > 255 || !noMore()) {
            why = "char takes a character code from 1 to 255";
            return false;
        }
        e.kind = ScriptEvent::typeText;
        e.text = std::string(1, char(code));
        events.push_back(e);
        return true;
    }
    if (verb == "text") {
        std::getline(in >> std::ws, e.text);
        // Blanks before a trailing comment are layout, not typing; "char 32"
        // types a space at the end.
        e.text.erase(e.text.find_last_not_of(" \t\r") + 1);
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
    if (verb == "key" && arg == "backspace") {
        e.kind = ScriptEvent::keyBackspace;
    } else if (verb == "key" && keyNamed(arg.c_str()) >= 0) {
        e.kind = ScriptEvent::key;
        e.code = keyNamed(arg.c_str());
    } else if (verb == "pad" && padButtonNamed(arg.c_str()) >= 0) {
        e.kind = ScriptEvent::pad;
        e.code = padButtonNamed(arg.c_str());
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

bool parseScript(const std::string& source, std::vector<ScriptEvent>& events, ScriptHeader& header,
                 std::string& error)
{
    std::istringstream lines(source);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const auto start = line.find_first_not_of(" \t");
        if (start != std::string::npos && line.compare(start, 2, "#!") == 0) {
            std::string why;
            if (!parseHeader(line.substr(start), header, why)) {
                error = "line " + std::to_string(number) + ": " + why;
                return false;
            }
            continue;
        }
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
    // A line may stand anywhere in the file; events of one frame keep the
    // order of their lines.
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return true;
}
