#include "LargeFileHeap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace corvid::cli {

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;

// While a file is read its text, its model (about twice the text) and the
// reader's index of it are held at once.
constexpr size_t kHeapPerFileByte = 4;
// Large pages only where the text and the model surely lie: the text and a
// model at least as large as it. A large page the heap reaches only partly
// into counts whole, rounding the process's peak up by up to 2 MB.
constexpr size_t kLargePagesPerFileByte = 2;
// Half the most glibc lets blocks be taken from the heap instead of
// mappings of their own; a larger file gets a stretch of this size.
constexpr size_t kMostRoom = size_t{16} << 20;

uintptr_t RoundDown(uintptr_t at) {
    return at & ~(kLargePage - 1);
}

uintptr_t RoundUp(uintptr_t at) {
    return RoundDown(at + kLargePage - 1);
}

} // namespace

void PrepareHeapFor(size_t fileBytes) {
    if (fileBytes < kLargePage)
        return;
    const size_t room = std::min(kHeapPerFileByte * fileBytes, kMostRoom);
    // Large blocks (the text, the vectors of records) are taken from the
    // heap instead of mappings of their own, so they fall in the stretch
    // made below; what is freed stays for the next block.
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(2 * room));
    ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * room));
    const auto begin = reinterpret_cast<uintptr_t>(::sbrk(0));
    // Grows the heap by the whole stretch now; freed, the block stays part
    // of the heap as the trim threshold is above it. (Volatile, or the
    // compiler drops the pair.)
    void* volatile block = std::malloc(room);
    std::free(block);
    const uintptr_t end = RoundDown(std::min(reinterpret_cast<uintptr_t>(::sbrk(0)),
                                             begin + kLargePagesPerFileByte * fileBytes));
    const uintptr_t first = RoundUp(begin);
    if (end >= first + kLargePage)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

} // namespace corvid::cli
