// Shared by the fuzz targets: the headless set-up each needs once per process,
// and the input put where the game reads its files.
#pragma once
#include <cstddef>
#include <cstdint>

// A fresh scratch folder made the working directory, with "bmp", "sound" and
// "music" links into the generated data when `withData`, else an empty
// "bmp" folder of its own. Error boxes are recorded nowhere and end nothing,
// and diagnostics are dropped, so that a damaged input only fails its load.
void enterScratchFolder(bool withData);
// The dummy-driver window and a windowed display, as the game makes them.
void openFuzzDisplay();
void writeInput(const char* path, const uint8_t* data, size_t size);
