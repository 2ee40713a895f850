// The fuzz targets' common set-up.
#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/error.h"
#include "graphics/display.h"
#include "platform/window.h"

namespace {
std::string scratch;

void ignoreBox(const char*) {}

// Links are removed, never followed: the generated data stays.
void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz set-up: %s\n", what);
    std::abort();
}
}  // namespace

void enterScratchFolder(bool withData)
{
    platformChooseHeadless();
    errorBoxHook = ignoreBox;
    char folder[] = "/tmp/plumbrix-fuzz-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        fail("no scratch folder");
    }
    scratch = folder;
    std::atexit(removeScratch);
    if (!withData) {
        if (mkdir("bmp", 0700) != 0) {
            fail("no bmp folder");
        }
        return;
    }
    const char* data = std::getenv("PLUMBRIX_DATA");
    const std::string from = data ? data : PLUMBRIX_DATA;
    for (const char* entry : {"bmp", "sound", "music"}) {
        if (symlink((from + "/" + entry).c_str(), entry) != 0) {
            fail("cannot link the data folder");
        }
    }
}

void openFuzzDisplay()
{
    if (!platformInit() || !platformCreateWindow("fuzz") || !createDisplayDevice() || !setUpDisplay(false)) {
        fail("no display");
    }
}

void writeInput(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) {
        fail("cannot write the input");
    }
}
