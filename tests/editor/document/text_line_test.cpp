#include "editor/document/TextLine.h"

#include <gtest/gtest.h>

TEST(TextLine, NewLineIsEmptyWithoutRunsOrFlags)
{
    CTextLine line;
    EXPECT_EQ(0, line.GetLength());
    EXPECT_STREQ("", line.GetText());
    EXPECT_EQ(0, line.GetRunCount());
    EXPECT_EQ(nullptr, line.GetRuns());
    EXPECT_EQ(0, line.GetFlags());
}

TEST(TextLine, AssignKeepsBookmarkAndDropsRuns)
{
    CTextLine line("abc", 3);
    const CColorRun runs[] = {{kRunWordByte, 0, 0, 3}, {kRunLineEnd, 0, 3, 0}};
    line.SetRuns(runs, 2);
    line.SetFlags(kLineBookmark | kLineHasQuotes);
    EXPECT_EQ(3, line.GetRunsEnd());

    line.Assign("xy");
    EXPECT_STREQ("xy", line.GetText());
    EXPECT_EQ(0, line.GetRunCount());
    EXPECT_TRUE(line.IsBookmarked());
}

TEST(TextLine, AssignFromOwnTextIsSafe)
{
    CTextLine line("hello", 5);
    line.Assign(line.GetText() + 1, 3);
    EXPECT_STREQ("ell", line.GetText());
}

TEST(TextLine, CarriesZeroBytes)
{
    const char bytes[] = {'a', '\0', 'b'};
    CTextLine line(bytes, 3);
    ASSERT_EQ(3, line.GetLength());
    EXPECT_EQ('b', line.GetAt(2));
    EXPECT_EQ('\0', line.GetAt(3));
    EXPECT_EQ('\0', line.GetAt(-1));
}

TEST(TextLine, RunsAndTextShareStorageWithoutDisturbingEachOther)
{
    CTextLine line("abc", 3);
    const CColorRun runs[] = {{kRunWordByte, 0, 0, 1}, {kRunDelimiter, 0, 1, 2}, {kRunLineEnd, 0, 3, 0}};
    line.SetRuns(runs, 3);
    EXPECT_STREQ("abc", line.GetText());
    ASSERT_EQ(3, line.GetRunCount());
    EXPECT_EQ(kRunDelimiter, line.GetRun(1)->kind);
    EXPECT_EQ(nullptr, line.GetRun(3));

    // Runs taken from the line itself are copied before the old storage goes.
    line.SetRuns(line.GetRuns() + 1, 2);
    ASSERT_EQ(2, line.GetRunCount());
    EXPECT_EQ(kRunLineEnd, line.GetRun(1)->kind);
    EXPECT_STREQ("abc", line.GetText());

    line.FreeRuns();
    EXPECT_EQ(0, line.GetRunCount());
    EXPECT_STREQ("abc", line.GetText());

    line.SetRuns(runs, 1);
    line.Assign("", 0);
    EXPECT_STREQ("", line.GetText());
    EXPECT_EQ(0, line.GetRunCount());
}

TEST(TextLine, SettingAsManyRunsAgainReplacesThem)
{
    CTextLine line("ab", 2);
    const CColorRun first[] = {{kRunWordByte, 0, 0, 2}, {kRunLineEnd, 0, 2, 0}};
    const CColorRun second[] = {{kRunKeyword0, kRangeInside1, 0, 2}, {kRunLineEnd, 0, 2, 0}};
    line.SetRuns(first, 2);
    line.SetRuns(second, 2);
    ASSERT_EQ(2, line.GetRunCount());
    EXPECT_EQ(kRunKeyword0, line.GetRun(0)->kind);
    EXPECT_EQ(kRangeInside1, line.GetRun(0)->subKind);
    EXPECT_STREQ("ab", line.GetText());
}

TEST(TextLine, BorrowedTextIsNeverFreedByTheLine)
{
    char text[] = "abc";
    {
        CTextLine line;
        line.BorrowText(text, 3);
        EXPECT_EQ(text, line.GetText());
    }
    CTextLine line;
    line.BorrowText(text, 3);
    line.Assign("xy");
    EXPECT_STREQ("xy", line.GetText());
    EXPECT_STREQ("abc", text);
}

namespace {

// Gives every line one word run and the quote flag, counting its calls.
class CountingAnalyzer : public ILineAnalyzer {
public:
    LineRuns LexLine(const CTextLine& line) const override
    {
        ++calls;
        runs[0] = {kRunWordByte, 0, 0, (int16_t)line.GetLength()};
        runs[1] = {kRunLineEnd, 0, (int16_t)line.GetLength(), 0};
        LineRuns result;
        result.runs = runs;
        result.count = 2;
        result.flags = kLineHasQuotes;
        return result;
    }
    mutable int calls = 0;
    mutable CColorRun runs[2] = {};
};

} // namespace

TEST(TextLine, DeferredAnalysisIsMadeWhenTheRunsAreFirstRead)
{
    CountingAnalyzer analyzer;
    CTextLine line("abc", 3);
    line.SetFlags(kLineBookmark | kLineHasComments);
    line.DeferAnalysis(&analyzer);
    EXPECT_TRUE(line.IsAnalysisDeferred());
    EXPECT_TRUE(line.IsBookmarked());
    EXPECT_EQ(0, analyzer.calls);

    // Peeking lexes each time and keeps nothing.
    EXPECT_EQ(2, line.PeekRuns().count);
    EXPECT_EQ(kLineBookmark | kLineHasQuotes, line.PeekRuns().flags);
    EXPECT_EQ(2, analyzer.calls);
    EXPECT_TRUE(line.IsAnalysisDeferred());

    EXPECT_EQ(kLineBookmark | kLineHasQuotes, line.GetFlags());
    EXPECT_EQ(3, line.GetRunsEnd());
    EXPECT_EQ(2, line.GetRunCount());
    EXPECT_EQ(3, analyzer.calls);
    EXPECT_FALSE(line.IsAnalysisDeferred());
    EXPECT_NE(analyzer.runs, line.GetRuns()) << "the line keeps a copy";

    // An edit drops the runs and the deferral alike.
    line.DeferAnalysis(&analyzer);
    line.Assign("x");
    EXPECT_FALSE(line.IsAnalysisDeferred());
    EXPECT_EQ(0, line.GetRunCount());
    EXPECT_EQ(3, analyzer.calls);
}
