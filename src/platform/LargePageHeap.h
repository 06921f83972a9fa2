#pragma once

// Start-up fills a few megabytes of fresh heap: the window's backing store, the decoded pictures,
// the font caches. Each 4 KiB page costs a page fault on first touch, and on a virtual machine a
// fault costs ten microseconds or more. Reserving the heap in 2 MiB transparent huge pages turns
// hundreds of those faults into a handful.
//
// Call it first thing in main(), before any other thread starts. Where the C library or the
// kernel offers no huge pages, or a sanitizer owns the heap, it changes nothing that matters.
namespace LargePageHeap {

// What is set aside: enough for everything the first screen allocates.
constexpr long ReservedBytes = 16L << 20;

// Returns how many bytes of the heap were marked for huge pages (0 where none could be).
long reserve();

} // namespace LargePageHeap
