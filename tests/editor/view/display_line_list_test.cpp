#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "editor/view/DisplayLineList.h"

namespace {

// A model of the list: each entry is the continuation index of one display line.
void ExpectMatchesModel(const CDisplayLineList& list, const std::vector<int>& model)
{
    ASSERT_TRUE(list.Check());
    ASSERT_EQ((int)model.size(), list.GetCount());
    int k = 0;
    LineIndex doc = -1;
    for (const CDisplayLine* line = list.GetHead(); line; line = line->Next(), ++k) {
        ASSERT_EQ(model[k], line->GetContinuationIndex());
        if (line->IsFirst()) {
            ++doc;
            ASSERT_EQ(line, list.GetFirstOfDocLine(doc));
        }
        ASSERT_EQ(line, list.GetAt(k));
        ASSERT_EQ(k, list.IndexOf(line));
        ASSERT_EQ(doc, list.DocLineOf(line));
    }
    EXPECT_EQ(doc + 1, list.GetFirstLineCount());
    EXPECT_EQ(nullptr, list.GetFirstOfDocLine(doc + 1));
    EXPECT_EQ(nullptr, list.GetAt((int)model.size()));
    EXPECT_EQ(nullptr, list.GetAt(-1));
}

}  // namespace

TEST(DisplayLineListTest, RandomInsertsRemovesAndIndexChangesAgreeWithAModel)
{
    CDisplayLineList list;
    std::vector<int> model;
    std::mt19937 random(7);
    for (int step = 0; step < 3000; ++step) {
        const int op = random() % 10;
        if (op < 5 || model.empty()) {
            const int at = model.empty() ? -1 : (int)(random() % (model.size() + 1)) - 1;
            list.InsertAfter(at < 0 ? nullptr : list.GetAt(at));
            model.insert(model.begin() + (at + 1), 0);
        } else if (op < 8) {
            const int at = random() % model.size();
            list.Remove(list.GetAt(at));
            model.erase(model.begin() + at);
        } else {
            const int at = random() % model.size();
            const int index = random() % 3;
            list.SetContinuationIndex(list.GetAt(at), index);
            model[at] = index;
        }
        if (step % 97 == 0)
            ExpectMatchesModel(list, model);
    }
    ExpectMatchesModel(list, model);
}

TEST(DisplayLineListTest, LastRemovalReleasesEveryBlockAndTheListRefills)
{
    CDisplayLineList list;
    for (int i = 0; i < 25; ++i)
        list.AddTail();
    EXPECT_EQ(3, list.GetAllocatorBlockCount());  // 10 nodes per block
    while (list.GetHead())
        list.Remove(list.GetHead());
    EXPECT_EQ(0, list.GetAllocatorBlockCount());
    EXPECT_TRUE(list.Check());
    list.AddTail();
    list.InsertAfter(nullptr);
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(1, list.GetAllocatorBlockCount());
    EXPECT_TRUE(list.Check());
}

TEST(DisplayLineListTest, DeepListLooksUpWithoutWalking)
{
    // 600,000 lines in order: the balanced index keeps depth logarithmic, so these lookups
    // from both ends are immediate (a walk would make this test crawl).
    CDisplayLineList list;
    for (int i = 0; i < 600000; ++i) {
        CDisplayLine* line = list.AddTail();
        if (i % 3 != 0)
            list.SetContinuationIndex(line, i % 3);
    }
    for (int round = 0; round < 20000; ++round) {
        const int k = (round * 7919) % 600000;
        const CDisplayLine* line = list.GetAt(k);
        ASSERT_EQ(k, list.IndexOf(line));
        ASSERT_EQ(k / 3, list.DocLineOf(line));
        ASSERT_EQ(list.GetAt(k - k % 3), list.GetFirstOfDocLine(k / 3));
    }
    EXPECT_TRUE(list.Check());
}
