// Must not compile: code above the platform layer including SDL.
#include <SDL.h>
#include <SDL2/SDL_video.h>
