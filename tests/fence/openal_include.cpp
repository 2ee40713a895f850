// Must not compile: code above the platform layer including OpenAL.
#include <AL/al.h>
