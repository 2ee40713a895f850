// Shared between the platform's own files only; the game never includes it.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "platform/picture_fit.h"
#include "platform/window.h"

struct PlatformSurface {
    SDL_Surface* pixels = nullptr;
    bool keyOn = false;  // whether SDL's colour key is enabled right now
    uint32_t key = 0;
    bool hasKey = false;
};

constexpr Uint32 displayPixelFormat = SDL_PIXELFORMAT_RGB565;

// The game's window; null before it is made and after it is gone.
SDL_Window* gameWindow();

// False under SDL's headless drivers, where nobody would see a window or a
// message box.
bool realDesktop();

// Chooses how pictures reach the window, once, when it first gets its mode;
// later calls keep that choice until the presenter is closed.
bool openPresenter(SDL_Window* window);
void closePresenter();
// The next present sends the whole window again (exposed, resized, new mode).
void redrawWholeWindow();
// The renderer was reset and may have lost its texture: the next present
// sends the whole picture again, whichever way it goes.
void rendererReset();
// The window went to another display, which may refresh at another rate.
void displayChanged();
// The window's drawable area in pixels and the picture's fit in it.
PictureFit windowFit(int& width, int& height);

// What differs between a desktop window and a browser's canvas
// (window_mode.cpp; web_window_mode.cpp): the window's flags beyond hidden,
// and going into and out of full screen.
Uint32 windowStyle();
bool enterFullscreen(SDL_Window* window);
void leaveFullscreen(SDL_Window* window);

// Render nodes or a GPU driver's devices (gpu_probe.cpp; win_gpu_probe.cpp).
bool anyGpuDevice();

// Where no other library plays the music (win_music_device.cpp), the effects'
// device mixes it in: the mixer adds `frames` stereo frames at `rate` to `acc`,
// with the device locked. Null takes it out again.
void setMusicMixer(void (*mixer)(float* acc, int frames, int rate));
// Holds the effects' mixer while the music's state changes under it.
void lockAudioMixer();
void unlockAudioMixer();

// Presents a finished 640x480 RGB565 picture in the window.
bool presentPicture(const void* pixels, int pitch);
// Shows the window the first time a picture is ready for it.
void revealWindow();
// Input comes from a script (the headless driver, the frame benchmark).
bool inputSimulated();

// The session recorder (recorder.cpp), fed by the event source. It starts only
// for real input, when PLUMBRIX_RECORD names a file.
void recorderStart();
void recorderStop();
// A poll begins; false unless recording.
bool recorderPoll();
void recorderEvent(const PlatformEvent& event);
// Notes the pointer; a second reading in the same pass gets the first one's answer.
void recorderPointer(int& x, int& y, bool& outside);
// A wait for events has ended the pass.
void recorderWaited();

// Game controllers (game_pad.cpp), opened as they are plugged in and closed as
// they go, for real input only.
void openGamePads();
void closeGamePads();
// A controller's event as the game's; false for anything the game does not read.
bool translatePadEvent(const SDL_Event& e, PlatformEvent& out);
// The repeat of a held direction, once it is due.
bool padRepeatDue(PlatformEvent& out);
