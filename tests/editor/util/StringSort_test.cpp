#include "editor/util/StringSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

CStringArray MakeArray(const std::vector<std::string>& items)
{
    CStringArray array;
    for (const std::string& item : items) array.Add(item.c_str());
    return array;
}

std::vector<std::string> Items(const CStringArray& array)
{
    std::vector<std::string> items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(static_cast<const char*>(array.GetAt(i)));
    return items;
}

std::vector<std::string> Sorted(const std::vector<std::string>& items, int caseSensitive)
{
    CStringArray array = MakeArray(items);
    SortStrings(array, caseSensitive);
    return Items(array);
}

TEST(StringSort, CaseFlagDecidesLetterOrder)
{
    EXPECT_EQ(Sorted({"Banana", "apple"}, 0), (std::vector<std::string>{"apple", "Banana"}));
    EXPECT_EQ(Sorted({"apple", "Banana"}, 1), (std::vector<std::string>{"Banana", "apple"}));
}

TEST(StringSort, SortsTables)
{
    const struct {
        std::vector<std::string> in;
        int caseSensitive;
        std::vector<std::string> out;
    } cases[] = {
        {{}, 1, {}},
        {{"z"}, 1, {"z"}},
        {{"b", "a", "c", "a"}, 1, {"a", "a", "b", "c"}},
        {{"ab", "a", "", "abc"}, 1, {"", "a", "ab", "abc"}},
        {{"中", "z", "墨", "A"}, 1, {"A", "z", "墨", "中"}},  // 墨 C4AB, 中 D6D0
        {{"dir/", "a.txt", "Dir", "b"}, 0, {"a.txt", "b", "Dir", "dir/"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Sorted(c.in, c.caseSensitive), c.out);
}

// A trail byte that is an ASCII letter must not fold: B0 41 and B0 61 are different
// characters and stay in byte order even when case is ignored.
TEST(StringSort, IgnoringCaseNeverFoldsTrailBytes)
{
    EXPECT_EQ(Sorted({"\xB0" "a", "\xB0" "B", "\xB0" "A"}, 0),
              (std::vector<std::string>{"\xB0" "A", "\xB0" "B", "\xB0" "a"}));
}

TEST(StringSort, SortsALargeShuffledArray)
{
    std::vector<std::string> items;
    unsigned seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        items.push_back(std::to_string(seed % 500));
    }
    std::vector<std::string> expected = items;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Sorted(items, 1), expected);
}

TEST(StringSort, RangeSortLeavesTheRestAlone)
{
    CStringArray array = MakeArray({"d", "c", "b", "a"});
    SortStringArray(array, 1, 1, 2);
    EXPECT_EQ(Items(array), (std::vector<std::string>{"d", "b", "c", "a"}));
}

TEST(StringSort, RangeOutsideArrayIsClamped)
{
    CStringArray array = MakeArray({"c", "b", "a"});
    SortStringArray(array, 1, -5, 99);
    EXPECT_EQ(Items(array), (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
