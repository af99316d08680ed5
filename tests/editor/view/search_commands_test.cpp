#include <gtest/gtest.h>

#include "EditTestSupport.h"
#include "cpu_time.h"


namespace {

std::string Selected(EditFixture& f)
{
    return (LPCTSTR)f.search.GetSelectedTextOnLine();
}

TEST(SearchCommandsTest, FindNextSelectsEachMatchAndWrapsAround)
{
    EditFixture f;
    f.Load({"one two", "two three", "four"});
    ASSERT_TRUE(f.search.DoFind("two", 0));
    f.Caret(0, 0);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(4, f.CaretAt().column);
    EXPECT_EQ(0, f.CaretAt().line);
    EXPECT_EQ("two", Selected(f));
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_EQ(0, f.CaretAt().column);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());  // wraps to the first
    EXPECT_EQ(0, f.CaretAt().line);
    f.settings.searchWraps = 0;
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_FALSE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(1, f.CaretAt().line);  // a miss leaves the selection
    EXPECT_TRUE(f.view.IsSelectionActive());
}

TEST(SearchCommandsTest, FindPreviousSearchesBackwardFromTheSelectionStart)
{
    EditFixture f;
    f.Load({"ab ab", "ab"});
    ASSERT_TRUE(f.search.DoFind("ab", 0));
    f.Caret(0, 1);
    ASSERT_TRUE(f.search.DoFindPrevOccurrence());
    EXPECT_EQ(3, f.CaretAt().column);
    EXPECT_EQ(0, f.CaretAt().line);
    ASSERT_TRUE(f.search.DoFindPrevOccurrence());
    EXPECT_EQ(0, f.CaretAt().column);
}

TEST(SearchCommandsTest, SearchFromSelectionStartFindsTheSelectedTextFirst)
{
    EditFixture f;
    f.Load({"ab ab"});
    f.Select(0, 0, 2, 0);
    ASSERT_TRUE(f.search.DoFind("ab", 0));
    f.view.RequestSearchFromSelectionStart();
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(0, f.CaretAt().column);
    EXPECT_FALSE(f.view.TakeSearchFromSelectionStart());
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(3, f.CaretAt().column);
}

TEST(SearchCommandsTest, RegularExpressionWithClassEscapeAndCaseFolding)
{
    EditFixture f;
    f.Load({"Value = 1234;"});
    ASSERT_TRUE(f.search.DoFind("\\d+", kSearchRegex));
    EXPECT_STREQ("[0-9]+", f.parameters.pattern);
    f.Caret(0, 0);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ("1234", Selected(f));
    ASSERT_TRUE(f.search.DoFind("VALUE", kSearchRegex));
    f.Caret(0, 0);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ("Value", Selected(f));
    EXPECT_FALSE(f.search.DoFind("(", kSearchRegex));
    EXPECT_FALSE(f.search.DoFind("", 0));
}

TEST(SearchCommandsTest, FindAgainAndFindNextPrevTakeTheSelection)
{
    EditFixture f;
    f.Load({"alpha beta alpha"});
    f.Caret(7, 0);
    ASSERT_TRUE(f.search.DoFindAgain());
    EXPECT_STREQ("beta", f.parameters.text);
    f.Select(0, 0, 5, 0);
    EXPECT_TRUE(f.search.DoFindNextPrev());
    EXPECT_STREQ("alpha", f.parameters.text);
    EXPECT_FALSE(f.search.DoFindNextPrev());  // already the search text
}

// A pattern matching the empty string found the same place again on every find next.
TEST(SearchCommandsTest, FindNextAdvancesPastAnEmptyMatch)
{
    EditFixture f;
    f.Load({"ab"});
    ASSERT_TRUE(f.search.DoFind("x*", kSearchRegex));
    f.Caret(0, 0);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(0, f.CaretAt().column);
    EXPECT_FALSE(f.view.IsSelectionActive());
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(1, f.CaretAt().column);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    EXPECT_EQ(2, f.CaretAt().column);
}

// Replace all with a pattern matching the empty string never ended: each empty match was
// found again behind the inserted text.
TEST(SearchCommandsTest, ReplaceAllAdvancesAfterAnEmptyMatch)
{
    EditFixture f;
    f.Load({"ab", "c"});
    ASSERT_TRUE(f.search.DoReplace("x*", "-", kSearchRegex));
    int count = 0;
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    EXPECT_EQ((Texts{"-a-b-", "-c-"}), f.Lines());
    EXPECT_EQ(5, count);
    ASSERT_TRUE(f.search.DoReplace("x*", "", kSearchRegex));
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    EXPECT_EQ((Texts{"-a-b-", "-c-"}), f.Lines());
}

// Each match of a line was searched with a budget of its own, so a line of many costly
// matches held the editor for minutes; now the line's searches share one and stop with it.
TEST(SearchCommandsTest, ReplaceAllSearchesALineWithinOneStepBudget)
{
    std::string line;
    while (line.size() < 32000)
        line += std::string(18, 'a') + "b";
    EditFixture f;
    f.Load({line, "b"});
    ASSERT_TRUE(f.search.DoReplace("(a|a)*c|b", "x", kSearchRegex));
    int count = 0;
    const double begin = ThreadCpuSeconds();
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    EXPECT_LT(ThreadCpuSeconds() - begin, 3.0);
    EXPECT_GE(count, 1);
    EXPECT_EQ("x", f.Lines().back());
}

TEST(SearchCommandsTest, ReplaceAllTerminatesWhenTheReplacementHoldsTheText)
{
    EditFixture f;
    f.Load({"a a", "ba"});
    ASSERT_TRUE(f.search.DoReplace("a", "aa", 0));
    int count = 0;
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    EXPECT_EQ(3, count);
    EXPECT_EQ((Texts{"aa aa", "baa"}), f.Lines());
    EXPECT_TRUE(f.view.Check());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"a a", "ba"}), f.Lines());
}

TEST(SearchCommandsTest, ReplaceAllInSelectionKeepsItsEndOnTheRightCharacter)
{
    EditFixture f;
    f.Load({"aa x aa", "aa y aa", "aa z"});
    f.Select(0, 0, 4, 1);  // ends behind "aa y"
    ASSERT_TRUE(f.search.DoReplace("aa", "b", 0));
    int count = 0;
    f.Act([&] { count = f.search.DoReplaceAllInSelection(); });
    EXPECT_EQ(3, count);
    EXPECT_EQ((Texts{"b x b", "b y aa", "aa z"}), f.Lines());
    EXPECT_EQ(3, f.CaretAt().column);
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_TRUE(f.view.IsSelectionActive());
}

TEST(SearchCommandsTest, ReplaceThisExpandsTheRegularExpressionTemplate)
{
    EditFixture f;
    f.Load({"x = aaa;"});
    ASSERT_TRUE(f.search.DoReplace("(a+)", "<\\1>\\t", kSearchRegex));
    f.Caret(0, 0);
    ASSERT_TRUE(f.search.DoFindNextOccurrence());
    f.Act([&] { EXPECT_TRUE(f.search.DoReplaceThis()); });
    EXPECT_EQ((Texts{"x = <aaa>\t;"}), f.Lines());
    EXPECT_EQ(10, f.CaretAt().column);
    EXPECT_FALSE(f.view.IsSelectionActive());
}

TEST(SearchCommandsTest, WholeWordReplaceInFileSkipsPartsOfWords)
{
    EditFixture f;
    f.Load({"cat catalog cat"});
    ASSERT_TRUE(f.search.DoReplace("cat", "dog", kSearchWholeWord | kSearchMatchCase));
    int count = 0;
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    EXPECT_EQ(2, count);
    EXPECT_EQ((Texts{"dog catalog dog"}), f.Lines());
}

// Loads lines past an initializer list, as the many-line cases need.
void LoadMany(EditFixture& f, const std::vector<std::string>& lines, bool wrap, int width)
{
    CLineList& list = f.document.GetLines();
    list.RemoveAll();
    for (const std::string& line : lines)
        list.AddTail(line.data(), (int)line.size());
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
    f.view.SetClientSize(width, 480);
    f.view.InitialUpdate(nullptr);
    f.view.SetWordWrap(wrap);
    f.view.ReformatDocument();
}

std::vector<CColorRun> RunsOf(const CTextLine& line)
{
    return std::vector<CColorRun>(line.GetRuns(), line.GetRuns() + line.GetRunCount());
}

bool SameRuns(const std::vector<CColorRun>& a, const std::vector<CColorRun>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].subKind != b[i].subKind || a[i].start != b[i].start ||
            a[i].length != b[i].length)
            return false;
    return true;
}

// Few or many changed lines, each with several matches, some rejected as parts of words:
// the text, colour runs and layout after replace-all are those of the replaced text loaded
// afresh, and one undo gives the original back.
TEST(SearchCommandsTest, ReplaceAllLeavesTextRunsAndLayoutAsLoadingTheResult)
{
    const int lineCounts[] = {12, 1500};
    for (int count : lineCounts) {
        std::vector<std::string> original, replaced;
        for (int n = 0; n < count; ++n) {
            original.push_back(n % 3 == 2 ? "nothing here" : "a cat, a hat and a bat // a \"a\"");
            replaced.push_back(n % 3 == 2 ? "nothing here" : "the cat, the hat and the bat // the \"the\"");
        }
        EditFixture f;
        LoadMany(f, original, true, 160);
        ASSERT_TRUE(f.search.DoReplace("a", "the", kSearchRegex | kSearchMatchCase | kSearchWholeWord));
        int replacements = 0;
        f.Act([&] { replacements = f.search.DoReplaceAllInFile(); });
        EXPECT_EQ((count / 3 * 2 + (count % 3 > 0 ? 1 : 0) + (count % 3 > 1 ? 1 : 0)) * 5, replacements);
        EXPECT_EQ(replaced, f.Lines()) << count;

        EditFixture fresh;
        LoadMany(fresh, replaced, true, 160);
        EXPECT_EQ(fresh.view.GetDisplayLineCount(), f.view.GetDisplayLineCount()) << count;
        for (LineIndex n = 0; n < count; ++n)
            ASSERT_TRUE(SameRuns(RunsOf(*fresh.document.GetLine(n)), RunsOf(*f.document.GetLine(n))))
                << count << " lines, line " << n;
        EXPECT_TRUE(f.view.Check());

        ASSERT_TRUE(f.Undo());
        EXPECT_EQ(original, f.Lines()) << count;
        EXPECT_TRUE(f.view.Check());
    }
}

// A match right after a replacement is judged against the replaced text, as it was when each
// match was edited into the line on its own.
TEST(SearchCommandsTest, ReplaceAllJudgesWholeWordsAgainstEarlierReplacements)
{
    EditFixture f;
    f.Load({" -- ", "-"});
    ASSERT_TRUE(f.search.DoReplace("-", "c", kSearchWholeWord | kSearchMatchCase));
    int count = 0;
    f.Act([&] { count = f.search.DoReplaceAllInFile(); });
    // The second '-' now follows the word character 'c'.
    EXPECT_EQ(2, count);
    EXPECT_EQ((Texts{" c- ", "c"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{" -- ", "-"}), f.Lines());
}

TEST(SearchCommandsTest, GoToLineClamps)
{
    struct GoToCase {
        int number;
        LineIndex line;
    };
    const GoToCase cases[] = {{0, 0}, {-5, 0}, {2, 1}, {3, 2}, {999, 2}};
    for (const GoToCase& c : cases) {
        EditFixture f;
        f.Load({"a", "b", "c"});
        f.Caret(1, 1);
        f.search.DoGoToLine(c.number);
        EXPECT_EQ(c.line, f.CaretAt().line) << c.number;
        EXPECT_EQ(0, f.CaretAt().column);
    }
}

TEST(SearchCommandsTest, BookmarksToggleAndWrap)
{
    EditFixture f;
    f.Load({"a", "b", "c", "d"});
    f.Caret(0, 1);
    f.search.DoToggleBookmark();
    f.Caret(0, 3);
    f.search.DoToggleBookmark();
    EXPECT_TRUE(f.view.GetLayout().LineAt(3)->GetLineFlags() & kLineBookmark);
    f.Caret(0, 0);
    EXPECT_TRUE(f.search.DoNextBookmark());
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_TRUE(f.search.DoNextBookmark());
    EXPECT_EQ(3, f.CaretAt().line);
    EXPECT_TRUE(f.search.DoNextBookmark());
    EXPECT_EQ(1, f.CaretAt().line);
    EXPECT_TRUE(f.search.DoPrevBookmark());
    EXPECT_EQ(3, f.CaretAt().line);
    f.search.DoToggleBookmark();
    EXPECT_FALSE(f.document.GetLine(3)->IsBookmarked());
}

TEST(SearchCommandsTest, NavigationReturnsTrueWhenItDroppedASelection)
{
    EditFixture f;
    f.Load({"a", "b"});
    f.Select(0, 0, 1, 0);
    EXPECT_TRUE(f.search.DoNextBookmark());  // no bookmark, but the selection went
    EXPECT_FALSE(f.view.IsSelectionActive());
    EXPECT_FALSE(f.search.DoNextBookmark());
}

TEST(SearchCommandsTest, SelectCommands)
{
    EditFixture f;
    f.Load({"if (a) {", "  b(c);", "}"});
    f.Caret(1, 1);
    f.search.DoSelectLine();
    EXPECT_TRUE(f.view.IsSelectionActive());
    EXPECT_EQ(0, f.view.GetAnchorDocPosition().column);
    EXPECT_EQ(2, f.CaretAt().line);
    EXPECT_EQ(0, f.CaretAt().column);

    f.Caret(0, 2);
    f.search.DoSelectLine();  // the last line: up to its end
    EXPECT_EQ(1, f.CaretAt().column);

    EXPECT_TRUE(f.search.DoSelectAll(0));
    EXPECT_EQ(0, f.view.GetAnchorDocPosition().line);
    EXPECT_EQ(2, f.CaretAt().line);
    EXPECT_EQ(1, f.CaretAt().column);

    f.Caret(3, 1);  // inside "b(c)"'s parentheses, inside the braces
    EXPECT_TRUE(f.search.DoSelectBlock(0));
    EXPECT_TRUE(f.view.IsSelectionActive());
    EXPECT_EQ(3, f.view.GetAnchorDocPosition().column);
    EXPECT_EQ(6, f.CaretAt().column);

    f.modes.columnMode = true;
    EXPECT_FALSE(f.search.DoSelectAll(0));
    EXPECT_EQ(1, f.host.beeps);
}

TEST(SearchCommandsTest, BlockStartAndEndFollowTheEnclosingBraces)
{
    EditFixture f;
    f.settings.highlightMatchingPair = 0;
    f.Load({"x {", "  y", "}"});
    f.Caret(1, 1);
    EXPECT_TRUE(f.search.DoGoToBlockEnd());
    EXPECT_EQ(2, f.CaretAt().line);
    EXPECT_EQ(0, f.CaretAt().column);
    f.Caret(1, 1);
    EXPECT_TRUE(f.search.DoGoToBlockStart());
    EXPECT_EQ(0, f.CaretAt().line);
    EXPECT_EQ(2, f.CaretAt().column);
}

TEST(SearchCommandsTest, BlockStartFromAShownClosingBracketGoesToItsPartner)
{
    EditFixture f;
    f.Load({"x {", "  (y)", "}"});
    f.Caret(0, 2);  // on "}": the highlight shows its pair
    EXPECT_TRUE(f.search.DoGoToBlockStart());
    EXPECT_EQ(0, f.CaretAt().line);
    EXPECT_EQ(2, f.CaretAt().column);
}

} // namespace
