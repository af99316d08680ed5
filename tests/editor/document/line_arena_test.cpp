#include "editor/document/LineArena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

TEST(LineArena, AllocationsAreAlignedAndKeepTheirBytes)
{
    CLineArena arena;
    std::vector<unsigned char*> blocks;
    for (int i = 0; i < 3000; ++i) {
        const size_t bytes = 1 + (size_t)(i * 37) % 900;
        const size_t align = (size_t)1 << (i % 4);
        auto* at = static_cast<unsigned char*>(arena.Allocate(bytes, align));
        ASSERT_EQ(0u, reinterpret_cast<uintptr_t>(at) % align);
        std::memset(at, i & 0xFF, bytes);
        blocks.push_back(at);
    }
    for (int i = 0; i < 3000; ++i) {
        const size_t bytes = 1 + (size_t)(i * 37) % 900;
        for (size_t b = 0; b < bytes; ++b)
            ASSERT_EQ(i & 0xFF, blocks[i][b]) << "block " << i;
    }
}

TEST(LineArena, LargeRequestGetsABlockOfItsOwnAndKeepsTheChunkRest)
{
    CLineArena arena;
    char* first = static_cast<char*>(arena.Allocate(10, 1));
    const size_t before = arena.GetReservedBytes();
    arena.Allocate(CLineArena::kChunkBytes, 1);
    EXPECT_EQ(before + CLineArena::kChunkBytes, arena.GetReservedBytes());
    EXPECT_EQ(first + 10, arena.Allocate(1, 1));
}

TEST(LineArena, PeekOffersTheChunkRestOnlyWhenItIsLargeEnough)
{
    CLineArena arena;
    EXPECT_EQ(nullptr, arena.Peek(8, 2));  // no chunk yet
    arena.Allocate(1, 1);
    EXPECT_EQ(nullptr, arena.Peek(CLineArena::kChunkBytes, 2));
    char* rest = static_cast<char*>(arena.Peek(600, 2));
    ASSERT_NE(nullptr, rest);
    EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(rest) % 2);
    arena.Commit(6);
    EXPECT_EQ(rest + 6, arena.Allocate(4, 2));
}
