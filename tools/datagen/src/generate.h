// Writing the whole runtime data folder: pictures, sound effects, music and help page.
#pragma once

#include <ostream>
#include <string>

// Writes OUTDIR/bmp/*, OUTDIR/sound/01.wav..10.wav, OUTDIR/music/track0..3.ogg and
// OUTDIR/ReadMe.htm. Every keyed picture is decoded again and its colour key checked
// against the intended mask. Returns false (after saying why on `log`) on any failure.
bool generateAll(const std::string& outDir, std::ostream& log);
