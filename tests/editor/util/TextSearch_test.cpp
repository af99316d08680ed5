#include "editor/util/TextSearch.h"

#include "editor/util/RegexEngine.h"
#include "framework/CString.h"
#include "cpu_time.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr bool kWholeWord = true;
constexpr bool kAnyWord = false;
constexpr bool kMatchCase = true;
constexpr bool kAnyCase = false;

struct TextCase {
    const char* text;
    const char* searchText;
    int offset;  // start for forward searches, end for backward ones
    bool wholeWord;
    bool matchCase;
    int expected;
};

const TextCase kForwardCases[] = {
    {"xab", "ab", 2, kAnyWord, kMatchCase, -1},
    {"xab", "ab", 1, kAnyWord, kMatchCase, 1},
    {"xab", "ab", -7, kAnyWord, kMatchCase, 1},  // a start below 0 counts as 0
    {"abc", "c", 4, kAnyWord, kMatchCase, -1},   // start beyond the text
    {"abc", "bc", 2, kAnyWord, kMatchCase, -1},  // less room than the search text
    {"", "a", 0, kAnyWord, kMatchCase, -1},
    {"abc", "", 0, kAnyWord, kMatchCase, -1},
    {"cat_x", "cat", 0, kWholeWord, kMatchCase, -1},  // the low line is a word character
    {"cat,x", "cat", 0, kWholeWord, kMatchCase, 0},
    {"xcat cat", "cat", 0, kWholeWord, kMatchCase, 5},
    {"中cat", "cat", 0, kWholeWord, kMatchCase, -1},      // a hanzi is a word character
    {"\xA1\xA3" "cat", "cat", 0, kWholeWord, kMatchCase, 2},  // a full-width stop is not
    {"\xB0\x41\x41", "\x41", 0, kAnyWord, kMatchCase, 2},  // never the trail byte at 1
    {"xABC", "bc", 0, kAnyWord, kAnyCase, 2},
    {"xABC", "bc", 0, kAnyWord, kMatchCase, -1},
    {"我的中文", "中文", 0, kAnyWord, kMatchCase, 4},
};

TEST(TextSearch, FindsTextForward)
{
    for (const TextCase& c : kForwardCases)
        EXPECT_EQ(FindTextForward(c.text, c.searchText, c.offset, c.wholeWord, c.matchCase),
                  c.expected)
            << c.text << " / " << c.searchText << " from " << c.offset;
}

const TextCase kBackwardCases[] = {
    {"aXa", "a", 3, kAnyWord, kMatchCase, 2},
    {"aXa", "a", 2, kAnyWord, kMatchCase, 0},
    {"aXa", "a", -1, kAnyWord, kMatchCase, 2},  // -1: the text's length
    {"aXa", "a", 4, kAnyWord, kMatchCase, -1},  // end beyond the text
    {"aXa", "a", 0, kAnyWord, kMatchCase, -1},
    {"ab", "abc", -1, kAnyWord, kMatchCase, -1},
    {"cat cat_", "cat", -1, kWholeWord, kMatchCase, 0},
    {"Ab ab", "AB", -1, kAnyWord, kAnyCase, 3},
    {"\xB0\x41\x41\xB0\x41", "\x41", -1, kAnyWord, kMatchCase, 2},
};

TEST(TextSearch, FindsTextBackward)
{
    for (const TextCase& c : kBackwardCases)
        EXPECT_EQ(FindTextBackward(c.text, c.searchText, c.offset, c.wholeWord, c.matchCase),
                  c.expected)
            << c.text << " / " << c.searchText << " before " << c.offset;
}

// B0 41 and B0 61 are two different characters; folding case must not make them equal.
TEST(TextSearch, CaseFoldingLeavesTrailBytesAlone)
{
    EXPECT_EQ(FindTextForward("x\xB0\x61", "\xB0\x41", 0, kAnyWord, kAnyCase), -1);
    EXPECT_EQ(FindTextBackward("x\xB0\x61", "\xB0\x41", -1, kAnyWord, kAnyCase), -1);
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("\xB0\x61"));
    EXPECT_EQ(FindRegexForward("x\xB0\x41", "\xB0\x61", engine, 0, kAnyWord, kAnyCase), -1);
    EXPECT_EQ(FindRegexForward("x\xB0\x61", "\xB0\x61", engine, 0, kAnyWord, kAnyCase), 1);
}

// A match at offset 1 after a lone high-bit byte (0x80, a character of its own): the
// character before it is that byte, not a pair with whatever lies in memory before the text
// (here D6, which would make the hanzi D6 80, a word character).
TEST(TextSearch, CharacterBeforeMatchIsNeverReadBeforeTheText)
{
    const char buffer[] = "\xD6\x80" "cat";
    const char* text = buffer + 1;
    EXPECT_EQ(FindTextForward(text, "cat", 1, kWholeWord, kMatchCase), 1);
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("[c]at"));
    EXPECT_EQ(FindRegexForward(text, "[c]at", engine, 0, kWholeWord, kMatchCase), 1);
    EXPECT_EQ(FindRegexBackward(text, "[c]at", engine, -1, kWholeWord, kMatchCase), 1);
}

struct RegexCase {
    const char* text;
    const char* pattern;  // already lower-cased where the case is ignored
    int offset;           // start for forward searches, end for backward ones
    bool wholeWord;
    bool matchCase;
    int expected;
    int length;
};

const RegexCase kRegexForwardCases[] = {
    {"xab", "ab", 2, kAnyWord, kMatchCase, -1, 0},
    {"xab", "ab", 1, kAnyWord, kMatchCase, 1, 2},
    {"xab", "ab", -3, kAnyWord, kMatchCase, 1, 2},
    {"xab", "ab", 4, kAnyWord, kMatchCase, -1, 0},
    {"ab", "^b", 0, kAnyWord, kMatchCase, -1, 0},
    {"aab", "^a", 1, kAnyWord, kMatchCase, -1, 0},  // '^' only at the line's start
    {"aab", "^a", 0, kAnyWord, kMatchCase, 0, 1},
    {"ab", "b$", 0, kAnyWord, kMatchCase, 1, 1},
    {"b|ab", "b|ab$", 0, kAnyWord, kMatchCase, 2, 2},  // a '$' pattern skips inner matches
    {"a$b", "a\\$", 0, kAnyWord, kMatchCase, 0, 2},  // an escaped '$' anchors nothing
    {"cat_x cat", "cat", 0, kWholeWord, kMatchCase, 6, 3},
    {"x12 3", "[0-9]+", 0, kWholeWord, kMatchCase, 4, 1},
    {"xABc", "ab", 0, kAnyWord, kAnyCase, 1, 2},
    {"xABc", "ab", 0, kAnyWord, kMatchCase, -1, 0},
    {"12", "[0-9]+x?", 0, kAnyWord, kMatchCase, 0, 2},  // a pattern longer than the line
    {"", "a", 0, kAnyWord, kMatchCase, -1, 0},
};

TEST(TextSearch, FindsRegexForward)
{
    for (const RegexCase& c : kRegexForwardCases) {
        CRegexEngine engine;
        ASSERT_TRUE(engine.Compile(c.pattern)) << c.pattern;
        EXPECT_EQ(FindRegexForward(c.text, c.pattern, engine, c.offset, c.wholeWord, c.matchCase),
                  c.expected)
            << c.text << " / " << c.pattern << " from " << c.offset;
        if (c.expected >= 0) {
            EXPECT_EQ(engine.GetMatchLength(), c.length) << c.pattern;
        }
    }
}

const RegexCase kRegexBackwardCases[] = {
    {"aXa", "a", 3, kAnyWord, kMatchCase, 2, 1},
    {"aXa", "a", 2, kAnyWord, kMatchCase, 0, 1},
    {"aXa", "a", -1, kAnyWord, kMatchCase, 2, 1},
    {"aXa", "a", 4, kAnyWord, kMatchCase, -1, 0},
    {"aaa", "a*", -1, kAnyWord, kMatchCase, 0, 3},  // later starts end at the same place
    {"abcabc", "^abc", -1, kAnyWord, kMatchCase, 0, 3},
    {"xabc", "^abc", -1, kAnyWord, kMatchCase, -1, 0},
    {"ab ab x", "ab$", -1, kAnyWord, kMatchCase, -1, 0},
    {"abab", "ab$", -1, kAnyWord, kMatchCase, 2, 2},
    {"cat cat_", "cat", -1, kWholeWord, kMatchCase, 0, 3},
    {"Ab aB x", "ab", -1, kAnyWord, kAnyCase, 3, 2},
};

TEST(TextSearch, FindsRegexBackward)
{
    for (const RegexCase& c : kRegexBackwardCases) {
        CRegexEngine engine;
        ASSERT_TRUE(engine.Compile(c.pattern)) << c.pattern;
        EXPECT_EQ(FindRegexBackward(c.text, c.pattern, engine, c.offset, c.wholeWord, c.matchCase),
                  c.expected)
            << c.text << " / " << c.pattern << " before " << c.offset;
        if (c.expected >= 0) {
            EXPECT_EQ(engine.GetMatchLength(), c.length) << c.pattern;
        }
    }
}

std::string Group(CRegexEngine& engine, const char* replacementTemplate)
{
    CString text;
    if (!engine.GetReplacementText(replacementTemplate, text)) return "<false>";
    return std::string(text, text.GetLength());
}

TEST(TextSearch, BackwardSearchLeavesTheEngineHoldingTheChosenMatch)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("a([0-9]+)"));
    const char* text = "a1 a22 a3";
    EXPECT_EQ(FindRegexBackward(text, "a([0-9]+)", engine, -1, kAnyWord, kMatchCase), 7);
    EXPECT_EQ(Group(engine, "\\1"), "3");
    EXPECT_EQ(FindRegexBackward(text, "a([0-9]+)", engine, 6, kAnyWord, kMatchCase), 3);
    EXPECT_EQ(engine.GetMatchLength(), 3);
    EXPECT_EQ(Group(engine, "\\1"), "22");
}

// The search runs over a lower-cased copy; the match and its groups must still be the
// line's own text, or a replacement would lower-case what it copies.
TEST(TextSearch, CaseInsensitiveMatchKeepsTheTextsCase)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(ab)c"));
    const char* text = "xABC aBc";
    ASSERT_EQ(FindRegexForward(text, "(ab)c", engine, 0, kAnyWord, kAnyCase), 1);
    CString match;
    ASSERT_TRUE(engine.GetMatchText(match));
    EXPECT_STREQ(match, "ABC");
    EXPECT_EQ(Group(engine, "[\\1]"), "[AB]");
    ASSERT_EQ(FindRegexBackward(text, "(ab)c", engine, -1, kAnyWord, kAnyCase), 5);
    EXPECT_EQ(Group(engine, "<&>"), "<aBc>");
}

TEST(TextSearch, UncompiledEngineFindsNothing)
{
    CRegexEngine engine;
    EXPECT_EQ(FindRegexForward("abc", "b", engine, 0, kAnyWord, kMatchCase), -1);
    EXPECT_EQ(engine.Compile("(b"), nullptr);
    EXPECT_EQ(FindRegexBackward("abc", "(b", engine, -1, kAnyWord, kMatchCase), -1);
    EXPECT_EQ(FindRegexForward(nullptr, "b", engine, 0, kAnyWord, kMatchCase), -1);
    EXPECT_EQ(FindTextForward(nullptr, "b", 0, kAnyWord, kMatchCase), -1);
    EXPECT_EQ(FindTextBackward("abc", nullptr, -1, kAnyWord, kMatchCase), -1);
}

// A backward search calls the engine once per match; each call used to start a budget of
// its own, so a line of many matches, each costly to find, took minutes.
TEST(TextSearch, OneSearchOfALineSharesOneStepBudget)
{
    const char* pattern = "(a|a)*c|b";
    std::string line;
    while (line.size() < 32000) line += std::string(18, 'a') + "b";
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile(pattern));

    // Processor time, which other programs on a loaded machine do not stretch.
    const double begin = ThreadCpuSeconds();
    EXPECT_EQ(FindRegexBackward(line.c_str(), pattern, engine, -1, kAnyWord, kMatchCase), -1);
    EXPECT_TRUE(engine.RanOutOfSteps());
    EXPECT_EQ(FindRegexForward(line.c_str(), pattern, engine, 0, kWholeWord, kMatchCase), -1);
    EXPECT_LT(ThreadCpuSeconds() - begin, 2.0);

    // One budget is plenty for the first match forward.
    EXPECT_EQ(FindRegexForward(line.c_str(), pattern, engine, 0, kAnyWord, kMatchCase), 18);
    EXPECT_FALSE(engine.RanOutOfSteps());
}

}  // namespace
