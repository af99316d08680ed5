#include "editor/util/RegexEngine.h"

#include "framework/CString.h"
#include "cpu_time.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cstring>
#include <string>

namespace {

// The program as a readable list of nodes in storage order, e.g. "BRANCH EXACTLY(a) END".
std::string DescribeProgram(const CRegexEngine& engine)
{
    static const char* const kNames[] = {"END", "BOL", "EOL", "ANY", "ANYOF", "ANYBUT", "BRANCH",
                                         "BACK", "EXACTLY", "NOTHING", "STAR", "PLUS"};
    const unsigned char* program = engine.GetProgram();
    size_t size = engine.GetProgramSize();
    std::string text;
    for (size_t at = 0; at < size;) {
        unsigned char op = program[at];
        if (!text.empty()) text += ' ';
        if (op >= kOpClose)
            text += "CLOSE" + std::to_string(op - kOpClose);
        else if (op >= kOpOpen)
            text += "OPEN" + std::to_string(op - kOpOpen);
        else if (op <= kOpPlus)
            text += kNames[op];
        else
            return text + "?";
        at += kRegexNodeSize;
        if (op == kOpExactly || op == kOpAnyOf || op == kOpAnyBut) {
            const char* operand = reinterpret_cast<const char*>(program + at);
            text += std::string("(") + operand + ")";
            at += strlen(operand) + 1;
        }
    }
    return text;
}

std::string Replacement(CRegexEngine& engine, const char* replacementTemplate)
{
    CString text("unchanged");
    if (!engine.GetReplacementText(replacementTemplate, text)) return "<false>";
    return std::string(text, text.GetLength());
}

struct ProgramCase {
    const char* pattern;
    const char* program;
};

const ProgramCase kProgramCases[] = {
    {"ab*", "BRANCH EXACTLY(a) STAR EXACTLY(b) END"},
    {"abc", "BRANCH EXACTLY(abc) END"},
    {"a.c", "BRANCH EXACTLY(a) ANY EXACTLY(c) END"},
    {"^a$", "BRANCH BOL EXACTLY(a) EOL END"},
    // A set lists its ranges, each as its first and last character.
    {"[^x]+", "BRANCH PLUS ANYBUT(xx) END"},
    {"[a-d]", "BRANCH ANYOF(ad) END"},
    {"[]a]", "BRANCH ANYOF(]]aa) END"},
    {"[a-]", "BRANCH ANYOF(aa--) END"},
    {"[-a-c文-中]", "BRANCH ANYOF(--ac文中) END"},
    {"a?", "BRANCH BRANCH EXACTLY(a) BRANCH NOTHING END"},
    {"(a)", "BRANCH OPEN1 BRANCH EXACTLY(a) CLOSE1 END"},
    {"(ab)*", "BRANCH BRANCH OPEN1 BRANCH EXACTLY(ab) CLOSE1 BACK BRANCH NOTHING END"},
    {"(ab)+", "BRANCH OPEN1 BRANCH EXACTLY(ab) CLOSE1 BRANCH BACK BRANCH NOTHING END"},
    {"a|", "BRANCH EXACTLY(a) BRANCH NOTHING END"},
    {"\\*", "BRANCH EXACTLY(*) END"},
    // A double-byte character stays whole: the suffix repeats the character.
    {"中*", "BRANCH BRANCH EXACTLY(中) BACK BRANCH NOTHING END"},
    {"a中+", "BRANCH EXACTLY(a) EXACTLY(中) BRANCH BACK BRANCH NOTHING END"},
    {"[中]", "BRANCH ANYOF(中中) END"},
};

TEST(RegexEngine, CompilesToTheNodeProgram)
{
    for (const ProgramCase& c : kProgramCases) {
        CRegexEngine engine;
        ASSERT_EQ(engine.Compile(c.pattern), &engine) << c.pattern;
        EXPECT_EQ(DescribeProgram(engine), c.program) << c.pattern;
    }
}

struct LiteralCase {
    const char* pattern;
    const char* literals;  // the required runs joined by '/', "" for none
    const char* subject;   // a text the pattern matches
};

const LiteralCase kLiteralCases[] = {
    {"abc", "abc", "abc"},
    {"\\.txt", ".txt", "a.txt"},
    {"a(b)c", "abc", "abc"},                 // groups do not split a run
    {"^abc$", "abc", "abc"},
    {"a.c", "a/c", "abc"},
    {"ab*c", "a/c", "ac"},                   // the starred b may be missing
    {"ab+c", "ab/bc", "abbbc"},              // at least one b, next to a and to c
    {"colou?r", "colo/r", "color"},
    {"a|b", "", "b"},                        // alternatives: neither is required
    {"x(foo|bar)y", "x/y", "xbary"},
    {"(foo|bar)+z", "z", "foobarz"},
    {"(abc)+", "abc", "abcabc"},             // once at least
    {"(abc)*d", "d", "d"},
    {"(abc)?", "", "x"},
    {"[abc]+", "", "cab"},
    {".*", "", ""},
    {"计数器[0-9]+ 加", "计数器/ 加", "计数器12 加"},
    {"中+", "中", "中中"},                   // a double-byte character loops as a group
    {"a中*b", "a/b", "ab"},
    {"调试标记点?", "调试标记", "调试标记"},
};

std::string JoinedLiterals(const CRegexEngine& engine)
{
    std::string joined;
    for (const std::string& literal : engine.RequiredLiterals())
        joined += (joined.empty() ? "" : "/") + literal;
    return joined;
}

TEST(RegexEngine, RequiredLiteralsAreInEveryMatch)
{
    for (const LiteralCase& c : kLiteralCases) {
        CRegexEngine engine;
        ASSERT_EQ(engine.Compile(c.pattern), &engine) << c.pattern;
        EXPECT_EQ(JoinedLiterals(engine), c.literals) << c.pattern;
        ASSERT_GE(engine.Find(c.subject), 0) << c.pattern;
        CString match;
        engine.GetMatchText(match);
        for (const std::string& literal : engine.RequiredLiterals())
            EXPECT_NE(std::string(match, match.GetLength()).find(literal), std::string::npos) << c.pattern;
    }
    CRegexEngine engine;
    EXPECT_TRUE(engine.RequiredLiterals().empty());
    EXPECT_EQ(engine.Compile("a("), nullptr);
    EXPECT_TRUE(engine.RequiredLiterals().empty());
}

TEST(RegexEngine, NextOffsetsAreLowByteFirstAndBackPointsBackwards)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(ab)*"));
    const unsigned char* p = engine.GetProgram();
    // Node 0, the top-level BRANCH, leads to END, the last node.
    size_t endNode = engine.GetProgramSize() - kRegexNodeSize;
    EXPECT_EQ(p[0], kOpBranch);
    EXPECT_EQ(p[1] | (p[2] << 8), static_cast<int>(endNode));
    // BRANCH 0, BRANCH 3, OPEN1 6, BRANCH 9, EXACTLY 12 with "ab" 15-17, CLOSE1 18, BACK 21:
    // BACK returns to the loop's BRANCH at offset 3.
    size_t back = 21;
    ASSERT_EQ(p[back], kOpBack);
    EXPECT_EQ(back - (p[back + 1] | (p[back + 2] << 8)), 3u);
}

TEST(RegexEngine, RefusesBadPatterns)
{
    const char* const kBad[] = {
        "x**", "a+?", "b?*",             // a second suffix
        "(a*)*", "(a?)+", "^*", "$+", "()*",  // the repeated operand may be empty
        "a\\",                           // lone trailing backslash
        "(ab", "ab)", "a)b(",            // unbalanced
        "[z-a]", "[abc", "[", "[^",      // bad sets
        "[中-文]", "[中-a]",
        "*a", "a|+b", "(?)",             // nothing to repeat
        "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)",  // a tenth group
    };
    for (const char* pattern : kBad) {
        CRegexEngine engine;
        EXPECT_EQ(engine.Compile(pattern), nullptr) << pattern;
        EXPECT_EQ(engine.GetProgram(), nullptr) << pattern;
    }
    CRegexEngine engine;
    EXPECT_EQ(engine.Compile(nullptr), nullptr);
}

TEST(RegexEngine, NineGroupsCompile)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(a)(b)(c)(d)(e)(f)(g)(h)(i)"));
    ASSERT_EQ(engine.Find("xabcdefghi"), 1);
    EXPECT_EQ(Replacement(engine, "\\9\\5\\1"), "iea");
}

struct FindCase {
    const char* pattern;
    const char* subject;
    int offset;
    int length;
};

const FindCase kFindCases[] = {
    {"^b", "ab", -1, 0},
    {"b$", "ab", 1, 1},
    {"^a", "ab", 0, 1},
    {"(a|b)+", "abba", 0, 4},
    {"ab*", "xabbbc", 1, 4},
    {"ab*c", "xabbbc", 1, 5},
    {"ab+", "xa ab", 3, 2},
    {"colou?r", "my color", 3, 5},
    {"a.c", "xxabc", 2, 3},
    {"[0-9]+", "ab123c", 2, 3},
    {"[^a-z]+", "ab12c", 2, 2},
    {"[]a]+", "x]a]", 1, 3},
    {"[a-]+", "z-a-", 1, 3},
    {"a|bc", "xbc", 1, 2},
    {"x*", "abc", 0, 0},
    {"$", "abc", 3, 0},
    {"\\.", "a.b", 1, 1},
    {"a*ab", "aaab", 0, 4},
    {"(ab)*c", "ababc", 0, 5},
    {"a|b|c", "zzc", 2, 1},
    {"", "abc", 0, 0},
    {"abc", "ab", -1, 0},
    // Double-byte text: a literal starting with a lead byte is found at character starts.
    {"中文", "我的中文", 4, 4},
    {"中*x", "中中中x", 0, 7},
    {"A", "\xB0\x41\x41", 2, 1},
};

TEST(RegexEngine, FindsFirstMatch)
{
    for (const FindCase& c : kFindCases) {
        CRegexEngine engine;
        ASSERT_TRUE(engine.Compile(c.pattern)) << c.pattern;
        EXPECT_EQ(engine.Find(c.subject), c.offset) << c.pattern << " in " << c.subject;
        EXPECT_EQ(engine.GetMatchLength(), c.length) << c.pattern << " in " << c.subject;
    }
}

TEST(RegexEngine, RepeatedGroupHoldsItsLastRepetition)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(a|b)+"));
    ASSERT_EQ(engine.Find("abba"), 0);
    EXPECT_EQ(Replacement(engine, "\\1"), "a");
    ASSERT_EQ(engine.Find("xab"), 1);
    EXPECT_EQ(Replacement(engine, "\\1"), "b");
}

TEST(RegexEngine, FailedAlternativeLeavesNoGroup)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(x)y|xz"));
    ASSERT_EQ(engine.Find("xz"), 0);
    EXPECT_EQ(Replacement(engine, "[\\1]"), "[]");
}

struct ReplacementCase {
    const char* pattern;
    const char* subject;
    const char* replacementTemplate;
    const char* expected;
};

const ReplacementCase kReplacementCases[] = {
    {"xy", "axyb", "<&>", "<xy>"},
    {"xy", "xy", "\\&", "&"},
    {"xy", "xy", "\\0\\0", "xyxy"},
    {"(x)y", "xy", "\\2", ""},
    {"(x)(y)", "xy", "\\2\\1", "yx"},
    {"(x)?y", "y", "[\\1]", "[]"},
    {"xy", "xy", "a\\\\b", "a\\b"},
    {"xy", "xy", "\\n", "\\n"},
    {"xy", "xy", "end\\", "end\\"},
    {"xy", "xy", "", ""},
    {"(中)(文)", "中文", "\\2\\1", "文中"},
    // The remote listing's date pattern: double-byte words between the groups.
    {"([0-9]+)\xBF\xF9 ([0-9]+)\xC0\xCF [0-9]+:[0-9]+", "x 12\xBF\xF9 3\xC0\xCF 10:20 f",
     "\\1-\\2", "12-3"},
};

TEST(RegexEngine, ExpandsReplacementTemplates)
{
    for (const ReplacementCase& c : kReplacementCases) {
        CRegexEngine engine;
        ASSERT_TRUE(engine.Compile(c.pattern)) << c.pattern;
        ASSERT_GE(engine.Find(c.subject), 0) << c.pattern;
        EXPECT_EQ(Replacement(engine, c.replacementTemplate), c.expected)
            << c.pattern << " with " << c.replacementTemplate;
    }
}

TEST(RegexEngine, NoMatchGivesNoResults)
{
    CRegexEngine engine;
    EXPECT_EQ(engine.Find("abc"), -1);  // nothing compiled yet
    ASSERT_TRUE(engine.Compile("b"));
    ASSERT_EQ(engine.Find("abc"), 1);
    EXPECT_EQ(engine.Find("xyz"), -1);
    EXPECT_EQ(engine.GetMatchLength(), 0);
    CString text("unchanged");
    EXPECT_FALSE(engine.GetMatchText(text));
    EXPECT_FALSE(engine.GetReplacementText("&", text));
    EXPECT_EQ(engine.Find(nullptr), -1);
}

TEST(RegexEngine, FailedCompileDropsThePreviousProgram)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("b"));
    ASSERT_EQ(engine.Find("abc"), 1);
    EXPECT_EQ(engine.Compile("(b"), nullptr);
    EXPECT_EQ(engine.Find("abc"), -1);
    EXPECT_EQ(engine.GetMatchLength(), 0);
}

TEST(RegexEngine, FreeAndResetLeaveAnEmptyEngineThatCompilesAgain)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("b"));
    ASSERT_EQ(engine.Find("ab"), 1);
    engine.Free();
    EXPECT_EQ(engine.GetProgram(), nullptr);
    EXPECT_EQ(engine.Find("ab"), -1);
    ASSERT_TRUE(engine.Compile("a"));
    ASSERT_EQ(engine.Find("ba"), 1);
    engine.Reset();
    EXPECT_EQ(engine.GetMatchLength(), 0);
    EXPECT_EQ(engine.Find("ba"), -1);
}

TEST(RegexEngine, MatchTextOutlivesTheSubject)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("b+"));
    char subject[] = "abbc";
    ASSERT_EQ(engine.Find(subject), 1);
    memset(subject, 'z', 4);
    CString text;
    ASSERT_TRUE(engine.GetMatchText(text));
    EXPECT_STREQ(text, "bb");
    EXPECT_EQ(Replacement(engine, "<&>"), "<bb>");
}

// A GBK trail byte may equal '|', '[', '\', ']' or '^'; inside a double-byte character it is
// an ordinary byte of that character, never a metacharacter or an escape.
TEST(RegexEngine, TrailByteIsNeverAMetacharacter)
{
    const std::string barTrail = "\x81\x7C";      // trail byte '|'
    const std::string backslashTrail = "\x81\x5C";  // trail byte '\'
    const std::string bracketTrail = "\x81\x5D";    // trail byte ']'
    CRegexEngine engine;

    ASSERT_TRUE(engine.Compile(barTrail.c_str()));
    EXPECT_EQ(engine.Find(("a" + barTrail + "b").c_str()), 1);
    EXPECT_EQ(engine.GetMatchLength(), 2);
    EXPECT_EQ(engine.Find("a\x81z"), -1);

    ASSERT_TRUE(engine.Compile((backslashTrail + "1").c_str()));
    EXPECT_EQ(engine.Find(("x" + backslashTrail + "1").c_str()), 1);
    EXPECT_EQ(Replacement(engine, (backslashTrail + "1").c_str()), backslashTrail + "1");

    ASSERT_TRUE(engine.Compile(("[" + bracketTrail + "x]+").c_str()));
    EXPECT_EQ(engine.Find("ax]"), 1);
    EXPECT_EQ(engine.GetMatchLength(), 1);  // the set holds the character, not its bytes
    EXPECT_EQ(engine.Find(("a" + bracketTrail + "x").c_str()), 1);
    EXPECT_EQ(engine.GetMatchLength(), 3);
}

// Matches start and end where characters do: B0 41, 81 62 and D6 D0 are characters whose
// trail bytes are 'A', 'b' and no ASCII byte.
TEST(RegexEngine, MatchesStepOverWholeCharacters)
{
    const FindCase cases[] = {
        {"[A-Z]", "\xB0\x41", -1, 0},
        {"[A-Z]+", "\xB0\x41\x42" "C", 2, 2},
        {"[^a-z]", "\x81\x62", 0, 2},
        {"[^x]b", "\x81\x62" "b", 0, 3},
        {"[^a]+", "中文a", 0, 4},
        {"计.器", "计数器", 0, 6},
        {"a.b", "a\x81\x62" "b", 0, 4},
        {"^.$", "中", 0, 2},
        {"...", "中a文", 0, 5},
        {".*b", "\x81\x62", -1, 0},
        {".+", "\x81\x62", 0, 2},
        {"(.)(.)", "中文", 0, 4},
        {"[啊-座]+", "abc中文d", 3, 4},
        {"[啊-座]", "a\xB0\x41", -1, 0},  // B0 41 lies below 啊 (B0 A1)
        {"[a-z]*\x81\x62", "ab\x81\x62", 0, 4},
        {"[^ ]*b", "\x81\x62 b", 3, 1},
        {"\xB0", "\xB0\x41", -1, 0},  // a lone lead byte is not half of a character
        {"\xB0", "a\xB0", 1, 1},
    };
    for (const FindCase& c : cases) {
        CRegexEngine engine;
        ASSERT_TRUE(engine.Compile(c.pattern)) << c.pattern;
        EXPECT_EQ(engine.Find(c.subject), c.offset) << c.pattern << " in " << c.subject;
        EXPECT_EQ(engine.GetMatchLength(), c.length) << c.pattern << " in " << c.subject;
    }

    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(.)(.)"));
    ASSERT_EQ(engine.Find("中文"), 0);
    EXPECT_EQ(Replacement(engine, "\\2\\1"), "文中");
}

TEST(RegexEngine, ProgramTooLargeForSixteenBitOffsetsIsRefused)
{
    CRegexEngine engine;
    // BRANCH, EXACTLY with 65,000 bytes and its terminator, END: 65,010 bytes fit.
    std::string fits(65000, 'a');
    ASSERT_TRUE(engine.Compile(fits.c_str()));
    EXPECT_LE(engine.GetProgramSize(), kRegexMaxProgramSize);
    EXPECT_EQ(engine.Find(("x" + fits).c_str()), 1);

    std::string literalTooLong(70000, 'a');
    EXPECT_EQ(engine.Compile(literalTooLong.c_str()), nullptr);

    // 300 sets of 120 characters, each stored as a range of one: 240 bytes a set.
    std::string set = "[";
    for (char c = 1; set.size() <= 120; ++c)
        if (c != ']' && c != '-' && c != '^') set += c;
    set += "]";
    std::string manySets;
    for (int i = 0; i < 300; ++i) manySets += set;
    EXPECT_EQ(engine.Compile(manySets.c_str()), nullptr);
    EXPECT_EQ(engine.Find("abc"), -1);
}

// The processor time of one search: a loaded machine stretches the wall-clock time of the
// same work many times over.
double SecondsToFind(CRegexEngine& engine, const std::string& subject, int* result)
{
    const double begin = ThreadCpuSeconds();
    *result = engine.Find(subject.c_str());
    return ThreadCpuSeconds() - begin;
}

TEST(RegexEngine, ExponentialBacktrackingStopsInBoundedTime)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("(a|aa)+b"));
    int result = 0;
    double seconds = SecondsToFind(engine, "b" + std::string(10000, 'a'), &result);
    EXPECT_EQ(result, -1);
    EXPECT_LT(seconds, 0.5);
}

TEST(RegexEngine, PolynomialBacktrackingStopsInBoundedTime)
{
    CRegexEngine engine;
    // No literal to require and no first byte: every start is tried, each in O(n^4).
    ASSERT_TRUE(engine.Compile("a*a*a*a*a*[b]"));
    int result = 0;
    double seconds = SecondsToFind(engine, std::string(10000, 'a'), &result);
    EXPECT_EQ(result, -1);
    EXPECT_LT(seconds, 0.5);
    EXPECT_EQ(engine.GetMatchLength(), 0);
}

TEST(RegexEngine, BoundedSearchStillFindsOrdinaryMatchesInLongLines)
{
    CRegexEngine engine;
    ASSERT_TRUE(engine.Compile("[a-z]*[0-9]"));
    std::string line = std::string(30000, 'x') + "7";
    EXPECT_EQ(engine.Find(line.c_str()), 0);
    EXPECT_EQ(engine.GetMatchLength(), 30001);
    ASSERT_TRUE(engine.Compile("(ab)*c"));
    std::string repeated;
    for (int i = 0; i < 1000; ++i) repeated += "ab";
    EXPECT_EQ(engine.Find((repeated + "c").c_str()), 0);
    EXPECT_EQ(engine.GetMatchLength(), 2001);
}

struct DeepSearch {
    std::string subject;
    int result = 0;
};

void RunDeepSearch(DeepSearch& search)
{
    CRegexEngine engine;
    if (engine.Compile("(ab|cd)*e")) search.result = engine.Find(search.subject.c_str());
}

#ifdef _WIN32
DWORD WINAPI RunDeepSearchThread(void* parameter)
{
    RunDeepSearch(*static_cast<DeepSearch*>(parameter));
    return 0;
}
#endif

// Each repetition of a group costs several nested calls; on a long line the matcher gives up
// at its depth bound instead of running off a one-megabyte stack.
TEST(RegexEngine, DeepRecursionIsBoundedOnASmallStack)
{
    DeepSearch search;
    for (int i = 0; i < 20000; ++i) search.subject += "ab";
    search.subject += "e";
#ifdef _WIN32
    HANDLE thread = CreateThread(nullptr, 1024 * 1024, RunDeepSearchThread, &search,
                                 STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    EXPECT_EQ(exitCode, 0u);
#else
    // The native build runs on the main thread's larger stack, under the address sanitizer.
    RunDeepSearch(search);
#endif
    EXPECT_EQ(search.result, -1);
}

}  // namespace
