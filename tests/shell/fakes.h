// The call recorder shared by the frame-driver tests and their stand-ins.
#pragma once
#include <map>
#include <string>
#include <vector>

extern std::vector<std::string> trace;
// Which click handlers take the click.
extern std::map<std::string, bool> takes;
