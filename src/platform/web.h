// What the browser build's own platform files share: the page around the game.
#pragma once

// Tells the page that the game has ended; its last picture stays in view.
void webGameEnded();
