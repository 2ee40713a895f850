// Moving to another screen: the one place that sets the screen, asks for the
// falling-tile transition, puts out the menu's light and plays the click.
#pragma once

// What comes with a switch besides the new screen.
enum : unsigned {
    withTransition = 1u,  // the old picture falls away in tiles
    withMenuReset = 2u,   // the main menu shows no lit button when it returns
    withClick = 4u,       // the button click sound
};

void switchScreen(int screen, unsigned what);
