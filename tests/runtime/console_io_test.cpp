// Unformatted console output and input: bytes, whole characters, lines and numbers.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/源码/控制台读写.h"
#include "std_stream_redirect.h"

namespace {

TEST(ConPutString, TurnsLineAndPercentDirectivesIntoText)
{
    StdStreamRedirect out(1);
    EXPECT_EQ(ConPutString("a%行b％行c％％d%%e%％f%整"), 0);
    EXPECT_EQ(ConPutString(nullptr), 0);
    EXPECT_EQ(out.Restore(), "a\nb\nc%d%e%f%整");
}

TEST(ConPutString, LinesAndNumbers)
{
    StdStreamRedirect out(1);
    ConPutLine("中");
    ConNewLineText("文");
    ConPrintLong(-42, 10);
    ConPutByte('|');
    ConPrintULong(255, 16);
    ConPutByte('|');
    ConPrintDouble(3.5);
    ConPutByte('|');
    ConPrintDoubleDigits(3.14159, 3);
    EXPECT_EQ(out.Restore(), "中\n\n文-42|ff|3.5000000|3.14");
}

TEST(ConPrintLong, BinaryOfAFullWordKeepsAllThirtyTwoDigits)
{
    StdStreamRedirect out(1);
    ConPrintLong(-1, 2);
    ConPutByte('|');
    ConPrintULong(0x80000001ul, 2);
    ConPutByte('|');
    ConPrintLong(-2147483647L - 1, 10);
    EXPECT_EQ(out.Restore(), std::string(32, '1') + "|1" + std::string(30, '0') + "1|-2147483648");
}

TEST(ConPrintDouble, LargeValuesArePrintedWhole)
{
    StdStreamRedirect out(1);
    ConPrintDouble(1e300);
    ConPutByte('|');
    ConPrintDouble(-DBL_MAX);
    std::string printed = out.Restore();
    char expected[800];
    _snprintf(expected, sizeof expected, "%.7f|%.7f", 1e300, -DBL_MAX);
    EXPECT_EQ(printed, expected);
}

TEST(ConPutChar, WritesBytesFromTheHighestNonZeroByte)
{
    struct Case {
        CharCode code;
        int written;
        std::string bytes;
    } cases[] = {
        {'A', 1, "A"},
        {0xD6D0, 2, "\xD6\xD0"},
        {0x81308130, 4, "\x81\x30\x81\x30"},
        {0x00D60041, 3, std::string("\xD6\x00\x41", 3)},
    };
    StdStreamRedirect out(1);
    std::string expected;
    for (const Case& c : cases) {
        EXPECT_EQ(ConPutChar(c.code), c.written) << std::hex << c.code;
        expected += c.bytes;
    }
    EXPECT_EQ(out.Restore(), expected);
}

std::vector<CharCode> ReadAllChars(const std::string& input)
{
    StdStreamRedirect in(0, input);
    std::vector<CharCode> codes;
    for (CharCode code; (code = ConGetChar()) != (CharCode)-1;)
        codes.push_back(code);
    return codes;
}

TEST(ConGetChar, JoinsWholeCharacters)
{
    EXPECT_EQ(ReadAllChars("中a\x81\x30\x81\x30"),
              (std::vector<CharCode>{0xD6D0, 'a', 0x81308130}));
    // A newline inside a character ends it; the end of input returns what was joined.
    EXPECT_EQ(ReadAllChars("\xD6\nb"), (std::vector<CharCode>{'\n', 'b'}));
    EXPECT_EQ(ReadAllChars("\x81\x30\x81"), (std::vector<CharCode>{0x813081}));
    EXPECT_EQ(ReadAllChars("\xD6"), (std::vector<CharCode>{0xD6}));
}

TEST(ConGetByte, ReadsBytesThenEndOfFile)
{
    StdStreamRedirect in(0, "\xD6z");
    EXPECT_EQ(ConGetByte(), 0xD6);
    EXPECT_EQ(ConGetByte(), 'z');
    EXPECT_EQ(ConGetByte(), -1);
}

struct LineCase {
    const char* input;
    int size;
    int stored;
    const char* text;
};

TEST(ConReadLine, KeepsTheNewlineAndStaysBelowSizeMinusTwo)
{
    const LineCase cases[] = {
        {"abcdefg\nrest", 10, 8, "abcdefg\n"},
        {"abcdefghijk\n", 10, 7, "abcdefg"},
        {"abcdef中\n", 10, 6, "abcdef"},
        {"abcde中\n", 10, 8, "abcde中\n"},
        {"\n", 2, 1, "\n"},
        {"ab", 10, 2, "ab"},
        {"", 10, 0, ""},
    };
    for (const LineCase& c : cases) {
        StdStreamRedirect in(0, c.input);
        char buffer[16];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(ConReadLine(buffer, c.size), c.stored) << c.input;
        EXPECT_STREQ(buffer, c.text) << c.input;
        EXPECT_EQ(buffer[c.size], 'Z') << c.input;
    }
    char buffer[4] = "xyz";
    EXPECT_EQ(ConReadLine(buffer, 1), 0);
    EXPECT_EQ(ConReadLine(nullptr, 10), 0);
}

TEST(ConReadText, DropsTheNewlineAndStaysBelowSizeMinusOne)
{
    const LineCase cases[] = {
        {"abcdef\n", 5, 3, "abc"},
        {"abc\nx", 5, 3, "abc"},
        {"中文字\n", 6, 4, "中文"},
        {"abc", 1, 0, ""},
    };
    for (const LineCase& c : cases) {
        StdStreamRedirect in(0, c.input);
        char buffer[16];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(ConReadText(buffer, c.size), c.stored) << c.input;
        EXPECT_STREQ(buffer, c.text) << c.input;
    }
    char buffer[4] = "xyz";
    EXPECT_EQ(ConReadText(buffer, 0), 0);
    EXPECT_STREQ(buffer, "xyz");
}

// Three bytes of a four-byte character at the end of input were stored behind a NUL.
TEST(ConReadText, CharacterCutByTheEndOfInputKeepsItsBytes)
{
    const std::string input = "ab\x81\x30\x81";
    for (bool keepNewline : {false, true}) {
        StdStreamRedirect in(0, input);
        char buffer[16];
        int stored = keepNewline ? ConReadLine(buffer, sizeof buffer)
                                 : ConReadText(buffer, sizeof buffer);
        EXPECT_EQ(stored, 5);
        EXPECT_EQ(std::string(buffer), input);
    }
}

TEST(ConReadInt, ReadsOneLineAsANumber)
{
    StdStreamRedirect in(0, "１２３\n-7x\n2.5\n");
    EXPECT_EQ(ConReadInt(), 123);
    EXPECT_EQ(ConReadInt(), -7);
    EXPECT_EQ(ConReadDouble(), 2.5);
}

}  // namespace
