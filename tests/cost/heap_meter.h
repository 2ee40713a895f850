// How much the process holds on the heap, and the most it held since the last
// reset: heap_meter.cpp stands in for the C library's allocator to count.
#pragma once
#include <cstddef>

void resetHeapPeak();
// Bytes in use now, and the most in use at any moment since resetHeapPeak.
size_t heapInUse();
size_t heapPeak();
