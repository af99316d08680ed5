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

TEST(TextLine, BorrowedTextAndRunsAreNeverFreedByTheLine)
{
    char text[] = "abc";
    CColorRun runs[] = {{kRunWordByte, 0, 0, 3}, {kRunLineEnd, 0, 3, 0}};
    {
        CTextLine line;
        line.BorrowText(text, 3);
        line.BorrowRuns(runs, 2);
        EXPECT_EQ(text, line.GetText());
        EXPECT_EQ(runs, line.GetRuns());
        EXPECT_EQ(3, line.GetRunsEnd());
    }
    CTextLine line;
    line.BorrowText(text, 3);
    line.BorrowRuns(runs, 2);
    line.Assign("xy");
    EXPECT_STREQ("xy", line.GetText());
    EXPECT_EQ(0, line.GetRunCount());
    EXPECT_STREQ("abc", text);
}

TEST(TextLine, MoreRunsThanABorrowedArrayHoldsGoIntoAnArrayOfTheLinesOwn)
{
    CColorRun lent[] = {{kRunWordByte, 0, 0, 1}, {kRunLineEnd, 0, 1, 0}};
    const CColorRun three[] = {{kRunWordByte, 0, 0, 1}, {kRunDelimiter, 0, 1, 1}, {kRunLineEnd, 0, 2, 0}};
    const CColorRun one[] = {{kRunLineEnd, 0, 0, 0}};
    CTextLine line("ab", 2);
    line.BorrowRuns(lent, 2);
    line.SetRuns(one, 1);  // fits: written over the lent array
    EXPECT_EQ(lent, line.GetRuns());
    EXPECT_EQ(kRunLineEnd, lent[0].kind);
    line.SetRuns(three, 3);
    EXPECT_NE(lent, line.GetRuns());
    ASSERT_EQ(3, line.GetRunCount());
    EXPECT_EQ(kRunDelimiter, line.GetRun(1)->kind);
    EXPECT_STREQ("ab", line.GetText());
}
