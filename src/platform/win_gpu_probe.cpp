// Windows: SDL is built without its OpenGL and Direct3D renderers, so the
// window's own surface is the one way pictures reach the screen.
#include "platform/internal.h"

bool anyGpuDevice()
{
    return false;
}
