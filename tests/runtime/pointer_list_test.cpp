#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/源码/内存.h"
#include "runtime/源码/指针.h"
#include "stdout_capture.h"

namespace {

// A list that is cleared and freed when the test ends.
class ListFixture : public ::testing::Test {
protected:
    void SetUp() override { list = PtrListCreate(); ASSERT_NE(nullptr, list); }
    void TearDown() override
    {
        PtrListClear(list);
        PtrListFree(list);
    }

    // A tracked block the list may own.
    static void* NewBlock() { return MemAlloc(4, "test", __LINE__); }

    PtrListChunk* list = nullptr;
};

TEST_F(ListFixture, AddsIntoConsecutiveSlotsAndFindsStoredPointers)
{
    int values[3];
    EXPECT_EQ(0, PtrListAdd(list, &values[0]));
    EXPECT_EQ(1, PtrListAdd(list, &values[1]));
    EXPECT_EQ(2, PtrListAdd(list, &values[2]));
    EXPECT_EQ(1, PtrListAdd(list, &values[1]));
    EXPECT_EQ(3, PtrListCount(list));
    EXPECT_EQ(-1, PtrListAdd(list, nullptr));
    EXPECT_EQ(-1, PtrListAdd(nullptr, &values[0]));
    for (int i = 0; i < 3; i++)
        PtrListTakeAt(list, i);
}

TEST_F(ListFixture, TheThirtyThirdPointerOpensASecondChunk)
{
    std::vector<int> values(33);
    EXPECT_EQ(32, PtrListCapacity(list));
    for (int i = 0; i < 33; i++)
        EXPECT_EQ(i, PtrListAdd(list, &values[i]));
    EXPECT_EQ(64, PtrListCapacity(list));
    EXPECT_EQ(&values[32], PtrListGetAt(list, 32));
    EXPECT_EQ(nullptr, PtrListGetAt(list, 33));
    EXPECT_EQ(nullptr, PtrListGetAt(list, 64));
    EXPECT_EQ(&values[32], *PtrListSlotAt(list, 32));
    for (int i = 0; i < 33; i++)
        PtrListTakeAt(list, i);
}

TEST_F(ListFixture, EmptiedSlotsAreReusedFirst)
{
    std::vector<int> values(8);
    for (int i = 0; i < 8; i++)
        PtrListAdd(list, &values[i]);
    EXPECT_EQ(1, PtrListRemove(list, &values[5]));
    EXPECT_EQ(0, PtrListRemove(list, &values[5]));
    int extra;
    EXPECT_EQ(5, PtrListAdd(list, &extra));
    for (int i = 0; i < 8; i++)
        PtrListTakeAt(list, i);
}

TEST_F(ListFixture, NegativeSlotNumbersAreRejectedLikeSlotsPastTheEnd)
{
    int value;
    PtrListAdd(list, &value);
    for (int slot : { -1, -32, -33, 32, 1000 }) {
        EXPECT_EQ(nullptr, PtrListGetAt(list, slot)) << slot;
        EXPECT_EQ(nullptr, PtrListSlotAt(list, slot)) << slot;
        EXPECT_EQ(nullptr, PtrListTakeAt(list, slot)) << slot;
        EXPECT_EQ(0, PtrListDeleteAt(list, slot)) << slot;
    }
    EXPECT_EQ(&value, PtrListTakeAt(list, 0));
    EXPECT_EQ(nullptr, PtrListGetAt(list, 0));
    EXPECT_EQ(0, PtrListDeleteAt(list, 0));  // empty slot
}

TEST_F(ListFixture, StringCopiesWithAndWithoutTheEqualityCheck)
{
    EXPECT_EQ(0, PtrListAddString(list, "a", 检查));
    EXPECT_EQ(0, PtrListAddString(list, "a", 1));
    EXPECT_EQ(1, PtrListCount(list));
    EXPECT_EQ(1, PtrListAddString(list, "a", 0));
    EXPECT_EQ(2, PtrListCount(list));
    EXPECT_STREQ("a", (const char*)PtrListGetAt(list, 1));
    EXPECT_EQ(-2, PtrListAddString(list, "", 0));
    EXPECT_EQ(-1, PtrListAddString(list, nullptr, 0));
    EXPECT_EQ(-1, PtrListAddString(nullptr, "a", 0));
}

TEST_F(ListFixture, GetNthCountsOnlyStoredPointers)
{
    std::vector<int> values(4);
    for (int i = 0; i < 4; i++)
        PtrListAdd(list, &values[i]);
    for (int i = 0; i < 3; i++)
        PtrListTakeAt(list, i);
    EXPECT_EQ(&values[3], PtrListGetNth(list, 1));
    EXPECT_EQ(nullptr, PtrListGetNth(list, 2));
    EXPECT_EQ(nullptr, PtrListGetNth(list, 0));
    PtrListTakeAt(list, 3);
}

TEST_F(ListFixture, IterationVisitsSlotsInOrderAcrossChunks)
{
    std::vector<int> values(40);
    for (int i = 0; i < 40; i++)
        PtrListAdd(list, &values[i]);
    for (int i = 0; i < 40; i++) {
        if (i % 3 != 0)
            PtrListTakeAt(list, i);
    }
    std::vector<void*> seen;
    for (void* p = PtrListIterate(list, 起始); p; p = PtrListIterate(list, 0xFFFF))
        seen.push_back(p);
    ASSERT_EQ(14u, seen.size());
    for (size_t i = 0; i < seen.size(); i++)
        EXPECT_EQ(&values[i * 3], seen[i]);
    EXPECT_EQ(&values[39], PtrListIterate(list, 当前));  // the cursor stays on the last one
    EXPECT_EQ(&values[0], PtrListIterate(list, 0));
    EXPECT_EQ(&values[0], PtrListIterate(list, 1));
    EXPECT_EQ(nullptr, PtrListIterate(nullptr, 起始));
    for (int i = 0; i < 40; i++)
        PtrListTakeAt(list, i);
    EXPECT_EQ(nullptr, PtrListIterate(list, 起始));
}

TEST_F(ListFixture, DeleteReleasesTheBlockEvenWhenItIsNotStored)
{
    void* stored = NewBlock();
    void* stranger = NewBlock();
    PtrListAdd(list, stored);
    int before = MemGetLiveCount();
    EXPECT_EQ(1, PtrListDelete(list, stored));
    EXPECT_EQ(0, PtrListDelete(list, stranger));
    EXPECT_EQ(0, PtrListDelete(list, nullptr));
#if !MOYU_OLD_ALLOCATOR
    EXPECT_EQ(before - 2, MemGetLiveCount());
#else
    (void)before;
#endif
    EXPECT_EQ(0, PtrListCount(list));
}

TEST_F(ListFixture, DeleteAtReleasesTheSlotsBlock)
{
    PtrListAdd(list, NewBlock());
    EXPECT_EQ(1, PtrListDeleteAt(list, 0));
    EXPECT_EQ(nullptr, PtrListGetAt(list, 0));
}

TEST_F(ListFixture, ClearReleasesBlocksAndExtraChunksAndUnsetsTheCursor)
{
    int before = MemGetLiveCount();
    for (int i = 0; i < 34; i++)
        PtrListAdd(list, NewBlock());
    PtrListClear(list);
#if !MOYU_OLD_ALLOCATOR
    EXPECT_EQ(before, MemGetLiveCount());
#else
    (void)before;
#endif
    EXPECT_EQ(32, PtrListCapacity(list));
    EXPECT_EQ(0, PtrListCount(list));
    EXPECT_EQ(nullptr, PtrListIterate(list, 当前));
    EXPECT_EQ(nullptr, PtrListIterate(list, 0xFFFF));
    // Starting over sets the cursor again.
    int value;
    PtrListAdd(list, &value);
    EXPECT_EQ(&value, PtrListIterate(list, 起始));
    EXPECT_EQ(&value, PtrListIterate(list, 当前));
    PtrListTakeAt(list, 0);
}

#if !MOYU_OLD_ALLOCATOR
TEST(PtrList, ChunksComeFromTheAllocatorWithTheModulesSourceLines)
{
    int previous = MemSetTrace(开);
    StdoutCapture capture;
    PtrListChunk* list = PtrListCreate();
    std::vector<int> values(33);
    for (int i = 0; i < 33; i++)
        PtrListAdd(list, &values[i]);
    for (int i = 0; i < 33; i++)
        PtrListTakeAt(list, i);
    PtrListFree(list);
    MemSetTrace((KindWord)previous);
    std::string log = capture.Finish();
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言指针.墨(13行):35个" + std::to_string(sizeof(void*)) + "字节内存数组分配成功")) << log;
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言指针.墨(42行):33个" + std::to_string(sizeof(void*)) + "字节内存数组分配成功")) << log;
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言指针.墨(342行):释放内存")) << log;
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        count++;
    return count;
}

TEST(PtrList, ClearReleasesWithTheModulesSourceLines)
{
    int previous = MemSetTrace(关);
    PtrListChunk* list = PtrListCreate();
    for (int i = 0; i < 33; i++)
        PtrListAdd(list, MemAlloc(4, "test", __LINE__));
    MemSetTrace(开);
    StdoutCapture capture;
    PtrListClear(list);
    MemSetTrace((KindWord)previous);
    std::string log = capture.Finish();
    PtrListFree(list);
    EXPECT_EQ(32u, Occurrences(log, "源码\\墨语言指针.墨(313行):释放内存")) << log;
    EXPECT_EQ(1u, Occurrences(log, "源码\\墨语言指针.墨(322行):释放内存")) << log;
    EXPECT_EQ(1u, Occurrences(log, "源码\\墨语言指针.墨(325行):释放内存")) << log;
}
#endif

}  // namespace
