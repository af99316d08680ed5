#pragma once
#include <cstddef>

// Small blocks for the text and runs a line owns, in size classes of 8 bytes carved from
// megabyte chunks and recycled through a free list per class. Editing a line then never
// reaches the process heap, whose free lists (Wine's above all) can take time in proportion
// to how many blocks the process holds. Larger requests go to the heap. Chunks are kept for
// reuse for the life of the process.
namespace LineBlockPool {

const size_t kMaxPooledBytes = 512;

// bytes of storage aligned to 8; never null (throws std::bad_alloc like new).
void* Allocate(size_t bytes);
// Returns a block from Allocate; bytes must be the size it was asked for.
void Free(void* block, size_t bytes);
// True when two requests share a block size, so one block may serve the other.
bool SameClass(size_t bytes1, size_t bytes2);

} // namespace LineBlockPool
