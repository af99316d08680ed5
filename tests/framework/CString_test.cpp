#include "framework/CString.h"

#include "CStringPrinter.h"
#include "TestResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// "\xB0" followed by an ASCII letter is one double-byte character whose trail byte looks
// like a letter; every character-stepping operation must leave it alone.
const char kTrailA[] = "\xB0" "A";
const char kTraila[] = "\xB0" "a";

std::string Bytes(const CString& s)
{
    return std::string((LPCTSTR)s, (size_t)s.GetLength());
}

} // namespace

TEST(CString, ConstructorsAndLength)
{
    EXPECT_EQ(CString().GetLength(), 0);
    EXPECT_TRUE(CString((LPCTSTR)nullptr).IsEmpty());
    EXPECT_EQ(Bytes(CString('x', 3)), "xxx");
    EXPECT_TRUE(CString('x', -1).IsEmpty());
    EXPECT_EQ(Bytes(CString("abcdef", 3)), "abc");
    EXPECT_EQ(CString("中文").GetLength(), 4);
}

TEST(CString, OutOfRangeAccessIsNeutral)
{
    CString s("ab");
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s[2], '\0');
    s.SetAt(5, 'x');
    s.SetAt(1, 'z');
    EXPECT_EQ(Bytes(s), "az");
}

TEST(CString, ComparisonIsByUnsignedByteOrder)
{
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE(CString("Z") < "a");
    EXPECT_TRUE(CString("z") < "中");  // lead bytes sort above ASCII
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != "abd");
    EXPECT_TRUE(CString("ab") <= "ab");
    EXPECT_TRUE(CString("abc") >= "ab");
    EXPECT_EQ(CString("b").Compare("a"), 1);
}

TEST(CString, CompareNoCaseFoldsOnlySingleByteLetters)
{
    struct Case { const char* a; const char* b; bool equal; };
    const Case cases[] = {
        {"Hello中文", "hELLO中文", true},
        {kTrailA, kTraila, false},       // different characters, not a case pair
        {"x\xB0" "A", "X\xB0" "A", true},
        {"abc", "abd", false},
        {"", "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.a).CompareNoCase(c.b) == 0, c.equal) << c.a << " / " << c.b;
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(CString("abcd").CompareNoCase("ABC"), 0);
}

TEST(CString, CaseChangesLeaveTrailBytesAlone)
{
    CString upper(std::string(std::string("a") + kTraila + "b").c_str());
    upper.MakeUpper();
    EXPECT_EQ(Bytes(upper), std::string("A") + kTraila + "B");

    CString lower(std::string(std::string("A") + kTrailA + "B").c_str());
    lower.MakeLower();
    EXPECT_EQ(Bytes(lower), std::string("a") + kTrailA + "b");
}

TEST(CString, MakeReverseKeepsDoubleByteCharactersWhole)
{
    CString s("ab中");
    s.MakeReverse();
    EXPECT_EQ(s, "中ba");
}

TEST(CString, FindNeverMatchesOnATrailByte)
{
    CString s(std::string(std::string(kTrailA) + "Ab").c_str());  // B0 41 | 41 | 62
    EXPECT_EQ(s.Find('A'), 2);
    EXPECT_EQ(s.Find("Ab"), 2);
    EXPECT_EQ(s.Find("A", 1), 2);  // a start inside a character moves to the next one
    EXPECT_EQ(s.ReverseFind('A'), 2);
    EXPECT_EQ(CString(kTrailA).Find('A'), -1);
    EXPECT_EQ(CString(kTrailA).ReverseFind('A'), -1);
    EXPECT_EQ(CString(kTrailA).FindOneOf("A"), -1);
}

TEST(CString, FindWithStartPositions)
{
    CString s("abcabc");
    EXPECT_EQ(s.Find("bc"), 1);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find('a', 6), -1);
    EXPECT_EQ(s.Find("a", 99), -1);
    EXPECT_EQ(s.Find("c", -3), 2);
    EXPECT_EQ(s.Find("abcabcd"), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(CString("中文中").Find("中", 1), 4);
}

TEST(CString, FindFromAStartInsideARunOfDoubleByteCharacters)
{
    // Bytes: x D6 D0 D6 D0 B0 41 x ; every start moves to the next character start.
    CString s("x中中\xB0" "Ax");
    struct Case { int start; int found; };
    const Case cases[] = {{0, 0}, {1, 7}, {2, 7}, {6, 7}, {7, 7}, {8, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(s.Find('x', c.start), c.found) << c.start;
    EXPECT_EQ(s.Find("中", 2), 3);
    EXPECT_EQ(s.Find("A", 6), -1);
}

TEST(CString, SpansAndFindOneOfStepByCharacter)
{
    CString s("中中文x");
    EXPECT_EQ(s.SpanIncluding("中"), "中中");
    EXPECT_EQ(s.SpanExcluding("x文"), "中中");
    EXPECT_EQ(s.FindOneOf("x文"), 4);
    EXPECT_EQ(CString("abc").SpanIncluding(""), "");
}

TEST(CString, LeftMidRightClamp)
{
    CString s("hello");
    EXPECT_EQ(s.Left(2), "he");
    EXPECT_EQ(s.Left(99), "hello");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(3), "lo");
    EXPECT_EQ(s.Mid(-2, 2), "he");
    EXPECT_EQ(s.Mid(9), "");
    EXPECT_EQ(s.Mid(1, 99), "ello");
    EXPECT_EQ(s.Right(3), "llo");
    EXPECT_EQ(s.Right(99), "hello");
    EXPECT_EQ(s.Right(-4), "");
}

TEST(CString, ReplaceCountsAndRespectsCharacters)
{
    struct Case { const char* text; const char* from; const char* to; int count; const char* result; };
    const Case cases[] = {
        {"aXbXc", "X", "YY", 2, "aYYbYYc"},
        {"aaaa", "aa", "a", 2, "aa"},
        {"abc", "", "z", 0, "abc"},
        {"abc", "b", "", 1, "ac"},
        {"\xB0" "AA", "A", "z", 1, "\xB0" "Az"},
        {"中文中", "中", "国", 2, "国文国"},
        {"abc", "abcd", "x", 0, "abc"},
    };
    for (const Case& c : cases) {
        CString s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << c.text;
        EXPECT_EQ(Bytes(s), c.result) << c.text;
    }
    CString chars("\xB0" "A-A");
    EXPECT_EQ(chars.Replace('A', 'b'), 1);
    EXPECT_EQ(Bytes(chars), "\xB0" "A-b");
}

TEST(CString, RemoveSkipsTrailBytes)
{
    CString s("\xB0" "AxAy");
    EXPECT_EQ(s.Remove('A'), 1);
    EXPECT_EQ(Bytes(s), "\xB0" "Axy");
}

TEST(CString, InsertAndDeleteClampIndexes)
{
    CString s("bc");
    EXPECT_EQ(s.Insert(-5, 'a'), 3);
    EXPECT_EQ(s.Insert(99, "de"), 5);
    EXPECT_EQ(s.Insert(2, ""), 5);
    EXPECT_EQ(s, "abcde");
    EXPECT_EQ(s.Delete(1, 2), 3);
    EXPECT_EQ(s, "ade");
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s.Delete(-1, 1), 1);
    EXPECT_EQ(s.Delete(5), 1);
    EXPECT_EQ(s.Delete(0, 0), 1);
    EXPECT_EQ(s, "d");
}

TEST(CString, InsertOwnTextIntoItself)
{
    CString s("ab");
    s.Insert(1, (LPCTSTR)s);
    EXPECT_EQ(s, "aabb");
}

TEST(CString, TrimByWhitespaceCharAndSet)
{
    CString s(" \t\r\nabc \n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(s, "abc");

    CString blanks("   ");
    blanks.TrimRight();
    EXPECT_TRUE(blanks.IsEmpty());

    CString stars("**a**");
    stars.TrimLeft('*');
    stars.TrimRight('*');
    EXPECT_EQ(stars, "a");

    CString set("中x中y中x");
    set.TrimRight("x中");
    set.TrimLeft("中x");
    EXPECT_EQ(set, "y");
}

TEST(CString, TrimRightKeepsATrailByteThatLooksLikeTheTarget)
{
    CString one("x\xB0" "A");
    one.TrimRight('A');
    EXPECT_EQ(Bytes(one), "x\xB0" "A");

    CString many("x\xB0" "AAA");
    many.TrimRight("A");
    EXPECT_EQ(Bytes(many), "x\xB0" "A");
}

TEST(CString, FormatShortAndLong)
{
    CString s;
    s.Format("%d-%s-%.2f", 42, "中文", 1.5);
    EXPECT_EQ(s, "42-中文-1.50");

    std::string big(10000, 'q');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 10002);
    EXPECT_EQ(s.Right(2), "q>");

    s.Format("%s%s", (LPCTSTR)s.Left(3), "!");  // argument taken from the string itself
    EXPECT_EQ(s, "<qq!");
}

TEST(CString, FormatFromStringTable)
{
    CString s;
    s.Format((UINT)IDS_TEST_FORMAT, 7, "x");
    EXPECT_EQ(s, "第7行: x");
}

TEST(CString, LoadStringFromTheModule)
{
    CString s;
    EXPECT_TRUE(s.LoadString(IDS_TEST_CHINESE));
    EXPECT_EQ(s, "中文资源字符串");

    EXPECT_TRUE(s.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 403);
    EXPECT_EQ(s.Right(3), "end");

    EXPECT_FALSE(s.LoadString(IDS_TEST_MISSING));
    EXPECT_TRUE(s.IsEmpty());

    EXPECT_EQ(CString(MAKEINTRESOURCE(IDS_TEST_CHINESE)), "中文资源字符串");
}

TEST(CString, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    char* buffer = s.GetBuffer(10);
    EXPECT_STREQ(buffer, "abc");
    strcpy(buffer, "123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "123456789");

    buffer = s.GetBuffer(0);
    buffer[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, "12");

    buffer = s.GetBufferSetLength(4);
    memcpy(buffer, "wxyz", 4);
    EXPECT_EQ(s, "wxyz");
    s.GetBuffer(8);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "wx");
    s.GetBuffer(1);
    s.ReleaseBuffer(50);  // never longer than the buffer it was given
    EXPECT_EQ(s.GetLength(), 2);
}

TEST(CString, ConcatenationAndAssignment)
{
    CString s = CString("a") + "b" + 'c';
    s += "中";
    s += 'd';
    s += CString("e");
    EXPECT_EQ(s, "abc中de");
    EXPECT_EQ("x" + CString("y"), "xy");
    EXPECT_EQ('x' + CString("y"), "xy");
    s = (LPCTSTR)s + 3;  // assignment from its own text
    EXPECT_EQ(s, "中de");
    s = 'q';
    EXPECT_EQ(s, "q");
}
