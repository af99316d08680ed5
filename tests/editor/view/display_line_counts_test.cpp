#include "editor/view/DisplayLineCounts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// The counts against a plain vector of values: every look-up in both directions.
void ExpectAgrees(const CDisplayLineCounts& counts, const std::vector<int>& model)
{
    ASSERT_TRUE(counts.Check());
    ASSERT_EQ((int)model.size(), counts.GetDocLineCount());
    DisplayLineIndex k = 0;
    for (LineIndex n = 0; n < (int)model.size(); ++n) {
        ASSERT_EQ(model[n], counts.GetValue(n)) << n;
        ASSERT_EQ(k, counts.StartOf(n)) << n;
        const int lines = CDisplayLineCounts::Displayed(model[n]);
        for (int c = 0; c < lines; ++c) {
            int continuation = -1;
            ASSERT_EQ(n, counts.DocLineAt(k + c, &continuation)) << k + c;
            ASSERT_EQ(c, continuation);
        }
        k += lines;
    }
    ASSERT_EQ(k, counts.GetDisplayLineCount());
}

// A count of 0..3, or a pending estimate of 1..3.
int RandomValue(std::mt19937& random)
{
    const int value = (int)(random() % 4);
    return random() % 3 == 0 ? CDisplayLineCounts::PendingValue(value) : value;
}

}  // namespace

TEST(DisplayLineCounts, RandomChangesAgreeWithAPlainList)
{
    std::mt19937 random(5);
    CDisplayLineCounts counts;
    std::vector<int> model;
    counts.Reset(3000, 1);
    model.assign(3000, 1);
    ExpectAgrees(counts, model);
    for (int step = 0; step < 300; ++step) {
        const int size = (int)model.size();
        const int at = size ? (int)(random() % (unsigned)size) : 0;
        switch (random() % 5) {
        case 0: {
            const int value = RandomValue(random);
            EXPECT_EQ(CDisplayLineCounts::Displayed(model[at]), counts.SetValue(at, value));
            model[at] = value;
            break;
        }
        case 1: {
            const int count = 1 + (int)(random() % (random() % 8 == 0 ? 3000 : 20));
            const int value = RandomValue(random);
            const int where = (int)(random() % (unsigned)(size + 1));
            counts.Insert(where, count, value);
            model.insert(model.begin() + where, (size_t)count, value);
            break;
        }
        case 2: {
            const int count = 1 + (int)(random() % (random() % 8 == 0 ? 2500 : 20));
            const int end = std::min(size, at + count);
            int removed = 0;
            for (int n = at; n < end; ++n)
                removed += CDisplayLineCounts::Displayed(model[n]);
            EXPECT_EQ(removed, counts.Remove(at, count));
            model.erase(model.begin() + at, model.begin() + end);
            break;
        }
        case 3: {
            std::vector<uint16_t> values(1 + random() % (random() % 8 == 0 ? 1500 : 20));
            int displayed = 0;
            for (uint16_t& v : values) {
                v = (uint16_t)(random() % 5 == 0 ? RandomValue(random) : 1);
                displayed += CDisplayLineCounts::Displayed(v);
            }
            const int where = (int)(random() % (unsigned)(size + 1));
            EXPECT_EQ(displayed, counts.InsertValues(where, values));
            model.insert(model.begin() + where, values.begin(), values.end());
            break;
        }
        default: {
            std::vector<LineIndex> found;
            counts.FindNotLaidOut(at, 700, 50, found);
            std::vector<LineIndex> expected;
            for (int n = at; n < std::min(size, at + 700) && expected.size() < 50; ++n)
                if (CDisplayLineCounts::IsPending(model[n]))
                    expected.push_back(n);
            EXPECT_EQ(expected, found);
            break;
        }
        }
        ExpectAgrees(counts, model);
        if (model.empty()) {
            counts.Reset(10, 0);
            model.assign(10, 0);
        }
    }
}

TEST(DisplayLineCounts, UniformBlocksHoldNoValuePerLineAndLookUpsClamp)
{
    CDisplayLineCounts counts;
    EXPECT_TRUE(counts.IsEmpty());
    EXPECT_EQ(-1, counts.DocLineAt(0, nullptr));
    EXPECT_EQ(0, counts.StartOf(0));

    std::vector<uint16_t> values(2500, 1);
    values[2400] = 3;
    counts.Assign(values);
    EXPECT_EQ(2502, counts.GetDisplayLineCount());
    EXPECT_EQ(2403, counts.StartOf(2401));
    EXPECT_EQ(2499, counts.DocLineAt(100000, nullptr)) << "past the end: the last line";
    EXPECT_EQ(0, counts.DocLineAt(-5, nullptr));
    EXPECT_EQ(2502, counts.StartOf(2500)) << "past the end: the display-line count";
    EXPECT_EQ(0, counts.GetValue(-1));
    EXPECT_EQ(0, counts.SetValue(2500, 4)) << "outside: nothing changes";
    EXPECT_TRUE(counts.Check());
    EXPECT_EQ(2482, counts.Remove(-10, 2490)) << "cut to the 2480 lines from 0";
    EXPECT_EQ(20, counts.GetDocLineCount());
    EXPECT_EQ(20, counts.Remove(0, 100000));
    EXPECT_TRUE(counts.IsEmpty());
    counts.Insert(5, 3, 2);
    EXPECT_EQ(6, counts.GetDisplayLineCount());
    EXPECT_TRUE(counts.Check());
}
