#pragma once
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

// Hands out objects of type T carved from blocks of kBlockSize slots. Freed slots go to a
// free list and are reused; when the last live object is freed every block is released.
template <class T, int kBlockSize>
class CBlockAllocator {
public:
    CBlockAllocator() = default;
    ~CBlockAllocator() = default;  // owners destroy their objects first
    CBlockAllocator(const CBlockAllocator&) = delete;
    CBlockAllocator& operator=(const CBlockAllocator&) = delete;

    T* New()
    {
        if (m_free.empty())
            AddBlock();
        Slot* slot = m_free.back();
        m_free.pop_back();
        ++m_live;
        return new (slot->bytes) T();
    }

    void Delete(T* object)
    {
        if (!object)
            return;
        object->~T();
        m_free.push_back(reinterpret_cast<Slot*>(object));
        if (--m_live == 0)
            ReleaseAll();
    }

    int GetLiveCount() const { return m_live; }
    int GetBlockCount() const { return (int)m_blocks.size(); }

private:
    struct alignas(T) Slot {
        unsigned char bytes[sizeof(T)];
    };

    void AddBlock()
    {
        m_blocks.emplace_back(new Slot[kBlockSize]);
        Slot* block = m_blocks.back().get();
        for (int i = kBlockSize - 1; i >= 0; --i)
            m_free.push_back(&block[i]);
    }

    void ReleaseAll()
    {
        m_free.clear();
        m_blocks.clear();
    }

    std::vector<std::unique_ptr<Slot[]>> m_blocks;
    std::vector<Slot*> m_free;
    int m_live = 0;
};
