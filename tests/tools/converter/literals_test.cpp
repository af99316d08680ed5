#include <gtest/gtest.h>

#include <string>

#include "converter_test_support.h"
#include "tools/converter/Literals.h"

TEST(Literals, ParseEscape)
{
    const struct { const char* text; int used; CharCode code; } kCases[] = {
        {"\\n", 2, 10}, {"\\a", 2, 7}, {"\\b", 2, 8}, {"\\f", 2, 12}, {"\\r", 2, 13},
        {"\\t", 2, 9}, {"\\v", 2, 11}, {"\\x41z", 4, 0x41}, {"\\xg", 2, 'x'},
        {"\\101", 4, 65}, {"\\0", 2, 0}, {"\\0777", 4, 63}, {"\\q", 2, 'q'},
        {"＼ｎ", 4, 10}, {"\\ｘ４１", 7, 0x41}, {"\\中", 3, 0xD6D0}, {"\\", 1, '\\'},
    };
    for (const auto& c : kCases) {
        CharCode code = 0;
        EXPECT_EQ(c.used, ParseEscape(c.text, &code)) << c.text;
        EXPECT_EQ(c.code, code) << c.text;
    }
    EXPECT_EQ(0, ParseEscape("n", nullptr));
    EXPECT_EQ(0, ParseEscape(nullptr, nullptr));
}

TEST(Literals, EscapeToCText)
{
    const struct { CharCode code; const char* text; } kCases[] = {
        {7, "\\a"}, {8, "\\b"}, {9, "\\t"}, {10, "\\n"}, {11, "\\v"}, {12, "\\f"},
        {13, "\\r"}, {34, "\\\""}, {39, "\\'"}, {63, "\\?"}, {92, "\\\\"}, {65, ""}, {0, ""},
    };
    for (const auto& c : kCases) {
        char out[8];
        EXPECT_EQ((int)strlen(c.text), EscapeToCText(c.code, out, sizeof out)) << c.code;
        EXPECT_STREQ(c.text, out);
    }
    char small[2];
    EXPECT_EQ(-1, EscapeToCText(10, small, sizeof small));
    EXPECT_EQ(-1, EscapeToCText(10, nullptr, 8));
}

// Character and string literals through the whole driver, Moyu to C.
TEST(Literals, MoyuLiteralsBecomeC)
{
    const struct { const char* moyu; const char* c; } kCases[] = {
        {"‘中’", "0xD6D0"},
        {"‘\\n’", "'\\n'"},
        {"‘a’", "'a'"},
        {"'a'", "'a'"},
        {"‘5’", "'5'"},
        {"‘’", "0"},
        {"'\\0'", "0"},
        {"'\\x1b'", "0x1B"},
        {"'\\''", "'\\''"},
        {"'\\\\'", "'\\\\'"},
        {"‘＼ｎ’", "'\\n'"},
        {"'ab'", "0x6162"},
        {"“中文\\n”", "\"中文\\n\""},
        {"\"a\\\"b\"", "\"a\\\"b\""},
        {"“a\\”b”", "\"a\\\"b\""},
        {"\"a\\\\\"", "\"a\\\\\""},
        {"“\\ｎ”", "\"\\n\""},
        {"\"\\中\"", "\"中\""},
        {"“中”x", "\"中\"x"},
        {"＂ab＂", "\"ab\""},
        {"＇a＇", "'a'"},
    };
    for (const auto& c : kCases) {
        ConverterState state(kMoyuToC);
        EXPECT_EQ(c.c, ConvertText(c.moyu)) << GbkToUtf8(c.moyu);
    }
}

// An unterminated quote opens no literal: it is copied, and so is the rest of its line.
TEST(Literals, UnterminatedCharLiteralKeepsItsLineFeed_Regression)
{
    ConverterState state(kMoyuToC);
    EXPECT_EQ("x = 'a\ny;\n", ConvertText("x = 'a\ny;\n"));
    EXPECT_EQ("x = ‘ab\n\ny;\n", ConvertText("x = ‘ab\n\ny;\n"));
}

TEST(Literals, PlainQuoteInsideFullWidthQuotesStaysInTheString_Regression)
{
    ConverterState state(kMoyuToC);
    EXPECT_EQ("s = \"他说\\\"好\\\"\";", ConvertText("s = “他说\"好\"”;"));
    EXPECT_EQ("s = \"a\\\"b\";", ConvertText("s = ＂a\"b＂;"));
    EXPECT_EQ("s = \"a\";b\"\"", ConvertText("s = \"a\";b“”"));
}

TEST(Literals, UnterminatedStringEndsAtTheLineFeed)
{
    ConverterState state(kMoyuToC);
    EXPECT_EQ("s = \"abc\nif\n", ConvertText("s = “abc\n如果\n"));
}

TEST(Literals, QuotedTextIsCopiedFromC)
{
    ConverterState state(kCToMoyu);
    EXPECT_EQ("\"if \\\" while\" 如果", ConvertText("\"if \\\" while\" if"));
    EXPECT_EQ("'\\'' 如果", ConvertText("'\\'' if"));
    EXPECT_EQ("\"abc\n如果", ConvertText("\"abc\nif"));
}
