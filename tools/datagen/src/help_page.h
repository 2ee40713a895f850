// The game's help page.
#pragma once

#include <string>

// The complete "ReadMe.htm", a self-contained HTML5 page.
std::string helpPage();
