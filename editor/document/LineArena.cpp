#include "editor/document/LineArena.h"

char* CLineArena::NewBlock(size_t bytes)
{
    m_blocks.emplace_back(new char[bytes]);
    m_reserved += bytes;
    return m_blocks.back().get();
}

void* CLineArena::Peek(size_t bytes, size_t align)
{
    char* at = m_next ? AlignUp(m_next, align) : nullptr;
    if (at == nullptr || at > m_end || (size_t)(m_end - at) < bytes)
        return nullptr;
    m_next = at;
    return at;
}

void* CLineArena::Allocate(size_t bytes, size_t align)
{
    if (void* at = Peek(bytes, align)) {
        m_next += bytes;
        return at;
    }
    // new[] aligns to at least 8, so a fresh block needs no padding.
    if (bytes > kChunkBytes / 4)
        return NewBlock(bytes);
    m_next = NewBlock(kChunkBytes);
    m_end = m_next + kChunkBytes;
    char* at = m_next;
    m_next += bytes;
    return at;
}
