#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Bump storage for the text or the colour runs of many lines: one heap block per chunk
// instead of one per line. Nothing is freed singly; the whole arena goes at once, so its
// owner (the line list) keeps it alive while any line points into it.
class CLineArena {
public:
    static constexpr size_t kChunkBytes = 1 << 20;

    CLineArena() = default;
    CLineArena(const CLineArena&) = delete;
    CLineArena& operator=(const CLineArena&) = delete;

    // bytes of storage aligned to align (a power of two no larger than 8). A request larger
    // than a quarter chunk that the current chunk's rest cannot hold gets a block of its
    // own, so that rest stays for later requests.
    void* Allocate(size_t bytes, size_t align);
    // The free rest of the current chunk when at least bytes (aligned) remain, else null:
    // the caller may write there and then keep a prefix with Commit.
    void* Peek(size_t bytes, size_t align);
    // Takes bytes from the start of the free rest, which Peek has just returned.
    void Commit(size_t bytes) { m_next += bytes; }

    // Heap bytes held, for tests and measurements.
    size_t GetReservedBytes() const { return m_reserved; }

private:
    static char* AlignUp(char* at, size_t align)
    {
        return reinterpret_cast<char*>((reinterpret_cast<size_t>(at) + align - 1) & ~(align - 1));
    }
    char* NewBlock(size_t bytes);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_next = nullptr;  // free rest of the current chunk
    char* m_end = nullptr;
    size_t m_reserved = 0;
};
