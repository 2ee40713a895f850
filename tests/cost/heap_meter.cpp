// The C library's allocator with a count of the bytes in use. Every allocation
// of the process (SDL, libjpeg, libvorbis, OpenAL, operator new) comes through
// these, so a peak here is what one load really asked for.
#include "heap_meter.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>

// The C library's own allocator under its own names.
// NOLINTBEGIN(bugprone-reserved-identifier, readability-identifier-naming)
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}
// NOLINTEND(bugprone-reserved-identifier, readability-identifier-naming)

namespace {
std::atomic<size_t> inUse{0};
std::atomic<size_t> peak{0};

void* counted(void* block)
{
    if (block) {
        const size_t now = inUse.fetch_add(malloc_usable_size(block)) + malloc_usable_size(block);
        size_t seen = peak.load();
        while (now > seen && !peak.compare_exchange_weak(seen, now)) {}
    }
    return block;
}

void uncount(void* block)
{
    if (block) {
        inUse.fetch_sub(malloc_usable_size(block));
    }
}
}  // namespace

void resetHeapPeak()
{
    peak.store(inUse.load());
}

size_t heapInUse()
{
    return inUse.load();
}

size_t heapPeak()
{
    return peak.load();
}

extern "C" {
void* malloc(size_t size)
{
    return counted(__libc_malloc(size));
}

void* calloc(size_t count, size_t size)
{
    return counted(__libc_calloc(count, size));
}

void* realloc(void* block, size_t size)
{
    const size_t before = block ? malloc_usable_size(block) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved || size == 0) {
        inUse.fetch_sub(before);
        counted(moved);
    }
    return moved;
}

void free(void* block)
{
    uncount(block);
    __libc_free(block);
}

void* memalign(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

// NOLINTNEXTLINE(readability-identifier-naming): the C library's name
void* aligned_alloc(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

// NOLINTNEXTLINE(readability-identifier-naming): the C library's name
int posix_memalign(void** out, size_t alignment, size_t size)
{
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) {
        return EINVAL;
    }
    void* block = counted(__libc_memalign(alignment, size));
    if (!block && size != 0) {
        return ENOMEM;
    }
    *out = block;
    return 0;
}

void* valloc(size_t size)
{
    return counted(__libc_memalign(4096, size));
}

void* pvalloc(size_t size)
{
    return counted(__libc_memalign(4096, (size + 4095) & ~size_t(4095)));
}
}
