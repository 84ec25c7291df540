#pragma once

namespace corvane::platform {

// Asks, once at the start of the process and before any thread, that the heap
// be backed by transparent huge pages where the system allows them: the heap is
// grown now by a reserve in one step and that part marked for huge pages. A
// conversion first touches tens of megabytes of fresh heap, and a fault for
// every 4 KiB page costs more than the work done in it. Linux with glibc only;
// elsewhere, or when the system refuses, the heap stays as it was.
void PreferHugePagesForHeap();

}  // namespace corvane::platform
