// The large document the view benchmarks edit: four lines (Chinese words with a comment,
// a string, an empty line, a long plain line) repeated, then analysed once.
#pragma once

#include <cstring>

#include "tests/editor/view/EditTestSupport.h"

inline const char* const kBenchSourceLines[] = {
    "    \xD5\xFB\xCA\xFD total = total + value * 12;  // \xC0\xDB\xBC\xD3 running sum",
    "    if (count > 0) { print(\"\xBD\xE1\xB9\xFB %d\", count); }",
    "",
    "\tthe quick brown fox jumps over the lazy dog and the cat sleeps on the mat",
};

inline void FillDocument(EditFixture& f, int lines)
{
    CLineList& list = f.document.GetLines();
    list.RemoveAll();
    for (int n = 0; n < lines; ++n) {
        const char* text = kBenchSourceLines[n % 4];
        list.AddTail(text, (int)strlen(text));
    }
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
}
