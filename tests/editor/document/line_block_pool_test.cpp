#include "editor/document/LineBlockPool.h"
#include "editor/document/TextLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

TEST(LineBlockPool, BlocksAreAlignedDistinctAndKeepTheirBytes)
{
    std::vector<unsigned char*> blocks;
    for (int i = 0; i < 2000; ++i) {
        const size_t bytes = 1 + (size_t)(i * 37) % 700;  // pooled and heap sizes
        auto* at = static_cast<unsigned char*>(LineBlockPool::Allocate(bytes));
        ASSERT_EQ(0u, reinterpret_cast<uintptr_t>(at) % 8);
        std::memset(at, i & 0xFF, bytes);
        blocks.push_back(at);
    }
    for (int i = 0; i < 2000; ++i) {
        const size_t bytes = 1 + (size_t)(i * 37) % 700;
        for (size_t b = 0; b < bytes; ++b)
            ASSERT_EQ(i & 0xFF, blocks[i][b]) << "block " << i;
        LineBlockPool::Free(blocks[i], bytes);
    }
}

TEST(LineBlockPool, AFreedBlockServesTheNextRequestOfItsClass)
{
    void* first = LineBlockPool::Allocate(41);
    LineBlockPool::Free(first, 41);
    void* again = LineBlockPool::Allocate(48);
    EXPECT_EQ(first, again);
    LineBlockPool::Free(again, 48);
    EXPECT_TRUE(LineBlockPool::SameClass(41, 48));
    EXPECT_FALSE(LineBlockPool::SameClass(48, 49));
    EXPECT_FALSE(LineBlockPool::SameClass(600, 601));
}

// A line that keeps fewer runs in its own block must still free that block in its class.
TEST(LineBlockPool, LineRunsShrinkingAcrossAClassGetABlockOfTheirSize)
{
    std::vector<CColorRun> runs(40);
    for (int i = 0; i < 40; ++i)
        runs[i] = CColorRun{kRunOther, 0, (int16_t)i, 1};
    CTextLine line("x", 1);
    line.SetRuns(runs.data(), 40);
    const CColorRun* many = line.GetRuns();
    line.SetRuns(runs.data(), 39);  // 234 bytes: the 240-byte class of 40 runs
    EXPECT_EQ(many, line.GetRuns());
    line.SetRuns(runs.data(), 3);
    EXPECT_NE(many, line.GetRuns());
    ASSERT_EQ(3, line.GetRunCount());
    EXPECT_EQ(2, line.GetRun(2)->start);
    void* reused = LineBlockPool::Allocate(sizeof(CColorRun) * 40);
    EXPECT_EQ((const void*)many, reused);
    LineBlockPool::Free(reused, sizeof(CColorRun) * 40);
}
