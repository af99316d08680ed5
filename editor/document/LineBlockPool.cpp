#include "editor/document/LineBlockPool.h"

#include <mutex>
#include <new>

namespace {

const size_t kGrain = 8;
const size_t kClassCount = LineBlockPool::kMaxPooledBytes / kGrain;
// A chunk this large is its own mapping under Wine's heap, so taking one walks no free list.
const size_t kChunkBytes = 1 << 20;

size_t ClassOf(size_t bytes)
{
    return bytes == 0 ? 0 : (bytes - 1) / kGrain;
}

class CPool {
public:
    void* Allocate(size_t bytes)
    {
        const size_t c = ClassOf(bytes);
        std::lock_guard<std::mutex> hold(m_lock);
        if (FreeBlock* block = m_free[c]) {
            m_free[c] = block->next;
            return block;
        }
        const size_t size = (c + 1) * kGrain;
        if ((size_t)(m_end - m_next) < size) {
            m_next = static_cast<char*>(::operator new(kChunkBytes));
            m_end = m_next + kChunkBytes;
        }
        void* at = m_next;
        m_next += size;
        return at;
    }

    void Free(void* at, size_t bytes)
    {
        const size_t c = ClassOf(bytes);
        FreeBlock* block = static_cast<FreeBlock*>(at);
        std::lock_guard<std::mutex> hold(m_lock);
        block->next = m_free[c];
        m_free[c] = block;
    }

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    std::mutex m_lock;
    FreeBlock* m_free[kClassCount] = {};
    char* m_next = nullptr;  // free rest of the newest chunk
    char* m_end = nullptr;
};

// Never destroyed: lines in static storage may free blocks during exit.
CPool& ThePool()
{
    static CPool* pool = new CPool;
    return *pool;
}

} // namespace

namespace LineBlockPool {

void* Allocate(size_t bytes)
{
    if (bytes > kMaxPooledBytes)
        return ::operator new(bytes);
    return ThePool().Allocate(bytes);
}

void Free(void* block, size_t bytes)
{
    if (block == nullptr)
        return;
    if (bytes > kMaxPooledBytes)
        ::operator delete(block);
    else
        ThePool().Free(block, bytes);
}

bool SameClass(size_t bytes1, size_t bytes2)
{
    if (bytes1 > kMaxPooledBytes || bytes2 > kMaxPooledBytes)
        return bytes1 == bytes2;
    return ClassOf(bytes1) == ClassOf(bytes2);
}

} // namespace LineBlockPool
