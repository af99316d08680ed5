#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "address_space.h"

namespace {

// Frees a block of the string module when the test ends.
struct Block {
    explicit Block(char* p) : text(p) {}
    ~Block() { if (text) MemFree(text, "test", __LINE__); }
    char* text;
};

TEST(String, LengthAndCopies)
{
    EXPECT_EQ(0, StrLen(nullptr));
    EXPECT_EQ(2, StrLen("中"));
    char buffer[8];
    EXPECT_EQ(buffer + 3, StrCopyN("abcdef", buffer, 4));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(buffer, StrCopyN("abc", buffer, 1));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(nullptr, StrCopyN("abc", buffer, 0));
    EXPECT_EQ(nullptr, StrCopyN(nullptr, buffer, 4));
    EXPECT_EQ(buffer + 2, StrCopyTo("xy", buffer));
    EXPECT_STREQ("xy", buffer);

    char raw[8] = "zzzzzzz";
    EXPECT_EQ(raw + 2, StrCopyCount("abcdef", 2, raw));
    EXPECT_STREQ("abzzzzz", raw);  // no NUL written
    EXPECT_EQ(raw + 1, StrCopyCount("q", 5, raw));
    EXPECT_EQ(raw, StrCopyCountN("abcdef", 5, raw, 4));
    EXPECT_STREQ("abc", raw);
    EXPECT_EQ(raw, StrCopyCountN("abcdef", 2, raw, 8));
    EXPECT_STREQ("ab", raw);
}

TEST(String, DupPadsAndCuts)
{
    struct Case {
        const char* text;
        int pad, extra;
        const char* expected;  // null: nothing allocated
    } cases[] = {
        { "abc", 2, 0, "  abc" },  { "abcdef", -2, -1, "cde" }, { "", 0, 0, nullptr },
        { "abc", 0, 5, "abc" },    { "abc", -4, 0, nullptr },   { "abc", 0, -4, nullptr },
        { "abc", -2, -1, nullptr }, { nullptr, 3, 0, "   " },   { "ab", -2, 1, "" },
        { "abc", INT_MAX, 0, nullptr }, { "abc", INT_MAX, INT_MAX, nullptr },  // sizes that overflow
    };
    for (const Case& c : cases) {
        int before = MemGetLiveCount();
        Block copy(StrDup(c.text, c.pad, c.extra));
        if (!c.expected) {
            EXPECT_EQ(nullptr, copy.text) << c.text << c.pad << c.extra;
            EXPECT_EQ(before, MemGetLiveCount());
        } else {
            ASSERT_NE(nullptr, copy.text);
            EXPECT_STREQ(c.expected, copy.text);
        }
    }
}

TEST(String, JoinTreatsNullAsEmpty)
{
    Block x(StrJoin3(nullptr, "x", nullptr));
    EXPECT_STREQ("x", x.text);
    EXPECT_EQ(nullptr, StrJoin3(nullptr, nullptr, nullptr));
    Block abc(StrJoin3("a", "中", "c"));
    EXPECT_STREQ("a中c", abc.text);
    if (kAddressSpaceIs32Bit) {
        EXPECT_EQ(nullptr, StrJoin3Ex("a", "b", "c", INT_MAX));  // the block size would wrap
    }
    Block room(StrJoin3Ex("a", "b", "c", 10));
    StrCat(room.text, "0123456789");
    EXPECT_STREQ("abc0123456789", room.text);
}

TEST(String, AppendsStayWithinTheSize)
{
    char buffer[8] = "ab";
    EXPECT_EQ(buffer + 5, StrCatN(buffer, 6, "cdefgh"));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_EQ(buffer + 5, StrCatN(buffer, 6, "x"));
    EXPECT_STREQ("abcde", buffer);
    EXPECT_EQ(buffer + 5, StrCatN(buffer, 6, nullptr));

    char full[4] = { 'a', 'b', 'c', 'd' };  // no NUL within the size given
    EXPECT_EQ(full + 3, StrCatN(full, 4, "x"));
    EXPECT_EQ(std::string("abc"), full);

    char text[4] = "ab";
    EXPECT_EQ(1, StrAppendByte(text, 4, 'X'));
    EXPECT_STREQ("abX", text);
    EXPECT_EQ(0, StrAppendByte(text, 4, 'Y'));
    EXPECT_EQ(0, StrAppendByte(nullptr, 4, 'Y'));

    char cat[16] = "a";
    EXPECT_STREQ("abc", StrCat(cat, "bc"));
    EXPECT_STREQ("abcde", StrCatCount(cat, "defg", 2));
    EXPECT_EQ(cat, StrCat(cat, nullptr));
}

TEST(String, SearchWrappers)
{
    const char text[] = "a,b;c";
    EXPECT_EQ(text + 1, StrFindChar(text, ','));
    EXPECT_EQ(nullptr, StrFindChar(text, 'z'));
    EXPECT_EQ(text + 3, StrFindLastChar(text, ';'));
    EXPECT_EQ(text + 1, StrFindAny(text, ";,"));
    EXPECT_EQ(2, StrSpan("aab", "a"));
    EXPECT_EQ(3, StrSpanNot("xyz,", ","));
    EXPECT_EQ(text, StrFindText(text, ""));
    EXPECT_EQ(text, StrFindText(text, nullptr));
    EXPECT_EQ(text + 2, StrFindText(text, "b;"));
    EXPECT_EQ(nullptr, StrFindText(nullptr, "b"));

    char tokens[] = "x y  z";
    EXPECT_STREQ("x", StrToken(tokens, " "));
    EXPECT_STREQ("y", StrToken(nullptr, " "));
    EXPECT_STREQ("z", StrToken(nullptr, " "));
    EXPECT_EQ(nullptr, StrToken(nullptr, " "));
}

TEST(String, ComparisonsSortNullFirst)
{
    EXPECT_EQ(0, StrCompare(nullptr, nullptr));
    EXPECT_EQ(-1, StrCompare(nullptr, "a"));
    EXPECT_EQ(1, StrCompare("a", nullptr));
    EXPECT_LT(StrCompare("a", "b"), 0);
    EXPECT_EQ(0, StrCompareN("abc", "abd", 2));
    EXPECT_EQ(0, StrCompareNoCase("abc", "ABC"));
    EXPECT_EQ(31, StrCompareNoCase("a", "B"));
    EXPECT_EQ(-1, StrCompareNoCase(nullptr, "a"));
    EXPECT_EQ(0, StrCompareNoCaseN("abcX", "ABCy", 3));
    EXPECT_EQ('X' - 'z', StrCompareNoCaseN("abcX", "ABCz", 4));
    EXPECT_EQ(-'d', StrCompareNoCase("abc", "abcd"));
}

// 釦 is C6 41 and 茐 is C6 61 in GBK: their trail bytes look like 'A' and 'a'.
const char kTrailUpperA[] = "\xC6\x41";
const char kTrailLowerA[] = "\xC6\x61";

TEST(String, CaseFoldingLeavesDoubleByteTrailBytesAlone)
{
    char lower[] = "AB\xC6\x41Z";
    EXPECT_EQ(lower, StrToLower(lower));
    EXPECT_STREQ("ab\xC6\x41z", lower);
    char upper[] = "ab\xC6\x61z";
    StrToUpper(upper);
    EXPECT_STREQ("AB\xC6\x61Z", upper);
    char fourByte[] = "\x81\x30\x81\x30" "a";
    StrToUpper(fourByte);
    EXPECT_STREQ("\x81\x30\x81\x30" "A", fourByte);
}

TEST(String, NoCaseCompareDoesNotEquateDistinctChineseCharacters)
{
    EXPECT_NE(0, StrCompareNoCase(kTrailUpperA, kTrailLowerA));
    EXPECT_EQ(0x41 - 0x61, StrCompareNoCase(kTrailUpperA, kTrailLowerA));
    EXPECT_NE(0, StrCompareNoCaseN(kTrailUpperA, kTrailLowerA, 2));
    EXPECT_EQ(0, StrCompareNoCaseN(kTrailUpperA, kTrailLowerA, 1));
    EXPECT_EQ(0, StrCompareNoCase("中文Abc", "中文aBC"));
    // Signed bytes: a lead byte sorts before ASCII.
    EXPECT_LT(StrCompareNoCase("中", "a"), 0);
}

TEST(String, NoCaseFindMatchesWholeCharactersOnly)
{
    // "a" must not be found inside 茐 (C6 61), only at the real letter after it.
    const char text[] = "\xC6\x61" "xA";
    EXPECT_EQ(text + 3, StrFindTextNoCase(text, "a"));
    EXPECT_EQ(nullptr, StrFindTextNoCase(kTrailUpperA, kTrailLowerA));
    const char mixed[] = "前Hello世界";
    EXPECT_EQ(mixed + 2, StrFindTextNoCase(mixed, "hELLO世"));
    EXPECT_EQ(mixed, StrFindTextNoCase(mixed, ""));
    EXPECT_EQ(nullptr, StrFindTextNoCase(mixed, "world"));
    EXPECT_EQ(nullptr, StrFindTextNoCase(nullptr, "a"));
}

TEST(String, FillReverse)
{
    char text[] = "abcd";
    EXPECT_STREQ("dcba", StrReverse(text));
    EXPECT_STREQ("**ba", StrFillN(text, '*', 2));
    EXPECT_STREQ("****", StrFillN(text, '*', 99));
    EXPECT_STREQ("----", StrFill(text, '-'));
    EXPECT_EQ(nullptr, StrReverse(nullptr));
}

TEST(String, SkipAndTrimWhiteSpaceByCharacter)
{
    const char text[] = " \t　中";
    const char* p = text;
    EXPECT_EQ(4, StrSkipSpace(&p));
    EXPECT_STREQ("中", p);
    EXPECT_EQ(0, StrSkipSpace(nullptr));

    char line[] = "ab　\r\n";
    EXPECT_EQ(4, StrTrimRight(line));
    EXPECT_STREQ("ab", line);
    char keep[] = "中";  // D6 D0: no byte of it is trimmed
    EXPECT_EQ(0, StrTrimRight(keep));
    EXPECT_EQ(0, StrTrimRight(nullptr));
}

TEST(String, RunLengthByClass)
{
    struct Case {
        const char* text;
        int runClass;
        int length;
        int kind;
    } cases[] = {
        { "  中文 x", 0, 2, 1 },  { "中文 x", 0, 4, 0 },   { "3.14+x", 4, 4, 3 },
        { "+=", 4, 1, 0 },        { "\t\r\nx", 1, 3, 1 },  { "ab\tc", 1, 2, 0 },
        { "\x01 x", 2, 2, 1 },    { "a_1中+", 3, 5, 2 },  { "1abc", 3, 4, 2 },
        { "1abc", 4, 1, 3 },      { "_x1 ", 4, 3, 2 },    { "３．５x", 4, 6, 3 },
        { "，x", 3, 2, 0 },
    };
    for (const Case& c : cases) {
        int kind = -1;
        EXPECT_EQ(c.length, MbRunLength(c.text, c.runClass, &kind)) << c.text << " " << c.runClass;
        EXPECT_EQ(c.kind, kind) << c.text << " " << c.runClass;
    }
    int kind = -1;
    EXPECT_EQ(0, MbRunLength("x", 5, &kind));
    EXPECT_EQ(0, MbRunLength("", 0, &kind));
    EXPECT_EQ(-1, kind);
    EXPECT_EQ(2, MbRunLength("ab", 0, nullptr));
}

}  // namespace
