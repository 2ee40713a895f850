// What a key or a controller button asks the game for. The shell turns keys
// and buttons into these; the screens act on them, never on the keys.
#pragma once

enum class Action { up, down, left, right, press, back, hint, pause };
