// Device-independent bitmaps into surfaces (placeholder until the loaders land).
#include "platform/surface.h"

bool platformUploadDib(PlatformSurface*, const uint8_t*, const uint8_t*)
{
    return false;
}
