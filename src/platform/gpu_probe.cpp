// Whether the machine has a GPU that OpenGL could run on: render nodes, or the
// devices of a driver that makes none.
#include <glob.h>

#include <initializer_list>

#include "platform/internal.h"

bool anyGpuDevice()
{
    for (const char* pattern : {"/dev/dri/renderD*", "/dev/nvidia[0-9]*"}) {
        glob_t found{};
        const bool any = glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0;
        globfree(&found);
        if (any) {
            return true;
        }
    }
    return false;
}
