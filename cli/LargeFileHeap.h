#pragma once

#include <cstddef>

namespace corvid::cli {

// Readies the process's heap before a file of `fileBytes` is read into it:
// for a file of megabytes, one stretch of heap large enough for its text and
// model, which the kernel fills with large pages. Fresh memory costs the
// kernel a fault per page on first touch, and for a large file those faults
// took as long as reading it. Small files leave the heap as it is.
void PrepareHeapFor(size_t fileBytes);

} // namespace corvid::cli
