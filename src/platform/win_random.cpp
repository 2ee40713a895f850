// Windows: rand() and srand() as the GNU C library has them, in place of the C
// runtime's own. The game rolls its boards and animations with rand(), and a
// replay must give the same rolls, pictures and save on every platform.
#include <cstdint>

namespace {
// The additive feedback generator x[i] = x[i-3] + x[i-31], seeded by the
// minimal standard generator and run 310 steps before its first output.
constexpr int degree = 31;
constexpr int separation = 3;
constexpr int warmUp = 10 * degree;
int32_t state[degree];
int front = separation;
int rear = 0;
bool seeded = false;

int32_t step()
{
    const uint32_t value = uint32_t(state[front]) + uint32_t(state[rear]);
    state[front] = int32_t(value);
    front = (front + 1) % degree;
    rear = (rear + 1) % degree;
    return int32_t(value >> 1);
}

void seed(unsigned int seed)
{
    int32_t word = int32_t(seed == 0 ? 1 : seed);
    state[0] = word;
    for (int i = 1; i < degree; ++i) {
        // 16807 * word mod (2^31 - 1), without overflow (Schrage's method).
        const int64_t hi = word / 127773;
        const int64_t lo = word % 127773;
        int64_t next = 16807 * lo - 2836 * hi;
        if (next < 0) {
            next += 2147483647;
        }
        word = int32_t(next);
        state[i] = word;
    }
    front = separation;
    rear = 0;
    for (int i = 0; i < warmUp; ++i) {
        step();
    }
    seeded = true;
}
}  // namespace

extern "C" void srand(unsigned int seedValue)
{
    seed(seedValue);
}

extern "C" int rand()
{
    if (!seeded) {
        seed(1);
    }
    return step();
}
