#include "Memoria.h"

#include <malloc.h>

void ConservaMemoriaLiberada() {
    // Up to 64 MB of free heap kept; blocks under 16 MB taken from the heap, not mapped apart.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
}
