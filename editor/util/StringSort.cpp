#include "editor/util/StringSort.h"

#include <algorithm>
#include <utility>

namespace {

int CompareStrings(const CString& a, const CString& b, int caseSensitive)
{
    return caseSensitive ? a.Compare(b) : a.CompareNoCase(b);
}

}  // namespace

void SortStringArray(CStringArray& strings, int caseSensitive, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, strings.GetSize() - 1);
    // The smaller part recurses and the larger one loops, so the stack stays
    // logarithmic even for inputs that defeat the middle pivot.
    while (first < last) {
        const CString pivot = strings[(first + last) / 2];
        int i = first;
        int j = last;
        do {
            while (CompareStrings(strings[i], pivot, caseSensitive) < 0) ++i;
            while (CompareStrings(strings[j], pivot, caseSensitive) > 0) --j;
            if (i <= j) {
                std::swap(strings.ElementAt(i), strings.ElementAt(j));
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - first < last - i) {
            if (first < j) SortStringArray(strings, caseSensitive, first, j);
            first = i;
        } else {
            if (i < last) SortStringArray(strings, caseSensitive, i, last);
            last = j;
        }
    }
}

void SortStrings(CStringArray& strings, int caseSensitive)
{
    if (strings.GetSize() < 2) return;
    SortStringArray(strings, caseSensitive, 0, strings.GetSize() - 1);
}
