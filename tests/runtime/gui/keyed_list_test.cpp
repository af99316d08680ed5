#include <gtest/gtest.h>

#include <cstring>

#include "runtime/源码/内存.h"
#include "runtime/源码/链表.h"

namespace {

// Walks the ring both ways and checks that it closes at the anchor with count nodes.
void ExpectRing(KeyedList* list, int count)
{
    int forward = 0;
    for (KeyedListNode* n = ListNext(list, nullptr); n; n = ListNext(list, n)) {
        ASSERT_EQ(n->next->previous, n);
        ++forward;
    }
    int backward = 0;
    for (KeyedListNode* n = ListPrev(list, nullptr); n; n = ListPrev(list, n))
        ++backward;
    EXPECT_EQ(forward, count);
    EXPECT_EQ(backward, count);
}

TEST(KeyedList, EmptyListHasNoNodes)
{
    KeyedList* list = ListNew(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListNext(list, nullptr), nullptr);
    EXPECT_EQ(ListPrev(list, nullptr), nullptr);
    EXPECT_EQ(ListFind(list, 1), nullptr);
    EXPECT_EQ(ListFree(list), nullptr);
}

TEST(KeyedList, SameKeyInPointerListReplacesPointerAndReturnsOld)
{
    KeyedList* list = ListNew(0);
    int a = 1, b = 2;
    EXPECT_EQ(ListAdd(list, &a, 5), &a);
    EXPECT_EQ(ListAdd(list, &b, 5), &a);
    ExpectRing(list, 1);
    EXPECT_EQ(ListFind(list, 5), &b);
    ListFree(list);
}

TEST(KeyedList, SameKeyInSizedListOverwritesTheCopy)
{
    KeyedList* list = ListNew(sizeof(int));
    int a = 11, b = 22;
    int* stored = static_cast<int*>(ListAdd(list, &a, 3));
    ASSERT_NE(stored, nullptr);
    EXPECT_NE(stored, &a);
    EXPECT_EQ(ListAdd(list, &b, 3), stored);
    EXPECT_EQ(*stored, 22);
    ExpectRing(list, 1);
    ListFree(list);
}

TEST(KeyedList, KeyZeroAlwaysAppendsInOrder)
{
    KeyedList* list = ListNew(0);
    int values[3] = {1, 2, 3};
    for (int& v : values)
        ListAdd(list, &v, 0);
    ExpectRing(list, 3);
    KeyedListNode* node = ListNext(list, nullptr);
    for (int& v : values) {
        int key = -1;
        EXPECT_EQ(ListNodeData(node, &key), &v);
        EXPECT_EQ(key, 0);
        node = ListNext(list, node);
    }
    EXPECT_EQ(ListFind(list, 0), nullptr);
    ListFree(list);
}

TEST(KeyedList, NextOfTheOnlyNodeIsNull)
{
    KeyedList* list = ListNew(0);
    int a = 0;
    ListAdd(list, &a, 1);
    KeyedListNode* only = ListNext(list, nullptr);
    ASSERT_NE(only, nullptr);
    EXPECT_EQ(ListNext(list, only), nullptr);
    EXPECT_EQ(ListPrev(list, only), nullptr);
    ListFree(list);
}

TEST(KeyedList, RemovingTheHeadIsRefused)
{
    KeyedList* list = ListNew(0);
    int a = 0;
    ListAdd(list, &a, 1);
    EXPECT_EQ(ListRemoveNode(list, reinterpret_cast<KeyedListNode*>(list)), 1);
    EXPECT_EQ(ListRemoveNode(list, nullptr), 1);
    EXPECT_EQ(ListRemoveNode(nullptr, ListNext(list, nullptr)), 1);
    ExpectRing(list, 1);
    ListFree(list);
}

TEST(KeyedList, RemoveByKeyAndByNodeKeepTheRing)
{
    KeyedList* list = ListNew(4);
    int live = MemGetLiveCount();
    char text[4] = "ab";
    for (int key = 1; key <= 4; ++key)
        ListAdd(list, text, key);
    EXPECT_EQ(ListRemoveKey(list, 2), 0);
    EXPECT_EQ(ListRemoveKey(list, 2), 1);
    ExpectRing(list, 3);
    EXPECT_EQ(ListRemoveNode(list, ListPrev(list, nullptr)), 0);
    ExpectRing(list, 2);
    EXPECT_EQ(ListFind(list, 4), nullptr);
    EXPECT_STREQ(static_cast<char*>(ListFind(list, 3)), "ab");
    ListRemoveKey(list, 1);
    ListRemoveKey(list, 3);
#if !MOYU_OLD_ALLOCATOR
    EXPECT_EQ(MemGetLiveCount(), live);
#endif
    (void)live;
    ListFree(list);
}

TEST(KeyedList, FreeDataReleasesPointersButKeepsNodes)
{
    KeyedList* list = ListNew(0);
    ListAdd(list, MemAlloc(8, __FILE__, __LINE__), 1);
    ListAdd(list, MemAlloc(8, __FILE__, __LINE__), 2);
    ListFreeData(list);
    ExpectRing(list, 2);
    EXPECT_EQ(ListNodeData(ListNext(list, nullptr), nullptr), nullptr);
    ListFree(list);
}

TEST(KeyedList, NullArgumentsGiveNeutralResults)
{
    int a = 0;
    EXPECT_EQ(ListAdd(nullptr, &a, 1), nullptr);
    KeyedList* list = ListNew(0);
    EXPECT_EQ(ListAdd(list, nullptr, 1), nullptr);
    EXPECT_EQ(ListRemoveKey(nullptr, 1), 1);
    EXPECT_EQ(ListFind(nullptr, 1), nullptr);
    EXPECT_EQ(ListNext(nullptr, nullptr), nullptr);
    EXPECT_EQ(ListNodeData(nullptr, nullptr), nullptr);
    ListFreeData(nullptr);
    EXPECT_EQ(ListFree(nullptr), nullptr);
    ListFree(list);
}

TEST(MemoryUtilities, FindReturnsTheFirstOccurrence)
{
    const char block[] = {'a', 'a', 'b'};
    EXPECT_EQ(MemFind(block, 3, "ab", 2), block + 1);
    EXPECT_EQ(MemFind(block, 3, "ab", 0), nullptr);
    EXPECT_EQ(MemFind(block, 1, "ab", 2), nullptr);
    EXPECT_EQ(MemFind(nullptr, 3, "ab", 2), nullptr);
    EXPECT_EQ(MemFind(block, 3, "ba", 2), nullptr);
}

TEST(MemoryUtilities, ReplaceAllOverwritesNonOverlappingOccurrences)
{
    char block[] = {'a', 'a', 'b', 'a', 'b'};
    EXPECT_EQ(MemReplaceAll(block, 5, "ab", 2, "xy"), 2);
    EXPECT_EQ(std::string(block, 5), "axyxy");

    char overlap[] = {'a', 'a', 'a'};
    EXPECT_EQ(MemReplaceAll(overlap, 3, "aa", 2, "bb"), 1);
    EXPECT_EQ(std::string(overlap, 3), "bba");
}

TEST(MemoryUtilities, CopyUntilStopsAfterTheStopByte)
{
    char destination[8] = {};
    char* end = static_cast<char*>(MemCopyUntil("ab;cd", ';', destination, 5));
    EXPECT_EQ(end, destination + 3);
    EXPECT_EQ(std::string(destination), "ab;");

    char bounded[4] = {};
    EXPECT_EQ(MemCopyUntil("abcdef", ';', bounded, 3), nullptr);
    EXPECT_EQ(std::string(bounded), "abc");
}

TEST(MemoryUtilities, TextComparisons)
{
    struct Case {
        const char* a;
        const char* b;
        int sign;
        int signNoCase;
    } cases[] = {
        {"abc", "abc", 0, 0},
        {"ABC", "abc", -1, 0},
        {"abc", "abd", -1, -1},
        {nullptr, "", -1, -1},
        {"", nullptr, 1, 1},
        {nullptr, nullptr, 0, 0},
        {"\xB0\xA1", "a", -1, -1},  // signed: a lead byte sorts below ASCII
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(TextCompare(c.a, c.b)), c.sign) << (c.a ? c.a : "null");
        EXPECT_EQ(sign(TextCompareNoCase(c.a, c.b)), c.signNoCase) << (c.a ? c.a : "null");
    }
}

TEST(MemoryUtilities, MoveFillAndFindByte)
{
    char text[] = "abcdef";
    EXPECT_EQ(MemMove(text, 4, text + 2), text + 2);
    EXPECT_EQ(std::string(text), "ababcd");
    EXPECT_EQ(MemFill(text, 'z', 2), text);
    EXPECT_EQ(std::string(text), "zzabcd");
    EXPECT_EQ(MemFindByte(text, 'b', 6), text + 3);
    EXPECT_EQ(MemFindByte(text, 'q', 6), nullptr);
    char copy[3] = {};
    EXPECT_EQ(ListCopyItem("xy", copy, 2), copy);
    EXPECT_EQ(std::string(copy), "xy");
}

}  // namespace
