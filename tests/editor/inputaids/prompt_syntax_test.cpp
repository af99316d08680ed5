#include "editor/inputaids/PromptSyntax.h"

#include "editor/inputaids/PromptEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

bool Parse(const std::string& line, PromptLine& out)
{
    return ParsePromptLine(line.data(), line.size(), out);
}

std::vector<std::string> Keys(const PromptLine& line)
{
    std::vector<std::string> keys;
    for (const PromptKey& key : line.keys)
        for (const std::string& k : ExpandPromptKey(key))
            keys.push_back(k);
    return keys;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(PromptSyntax, ExampleLineWithCaretOffset)
{
    PromptLine line;
    ASSERT_TRUE(Parse("0 如果 如果（）:2 rg:*", line));
    EXPECT_EQ(line.kind, 0);
    EXPECT_EQ(line.display, "如果");
    EXPECT_EQ(line.insert, "如果（）");
    EXPECT_EQ(line.caretOffset, 2);
    EXPECT_EQ(Keys(line), (Strings{"r", "rg"}));
    EXPECT_EQ(line.keys[0].level, 1);
}

TEST(PromptSyntax, TextsAndOffsets)
{
    struct Case { const char* line; const char* display; const char* insert; int offset; int kind; } cases[] = {
        {"2 \"如果 就\" \"如果 （） 就 ｛｝\":8 rgj", "如果 就", "如果 （） 就 ｛｝", 8, 2},
        {"1\t整数类型\t整数类型 zs", "整数类型", "整数类型", 0, 1},
        {"3 a b:0 k", "a", "b", 0, 3},
        {"3 a b:1 k", "a", "b", 1, 3},
        {"3 a abc:3 k", "a", "abc", 3, 3},
        {"3 a abc:4 k", "a", "abc", 0, 3},            // beyond the text: end of text
        {"3 a \"abc\": k", "a", "abc", 0, 3},
        {"3 a abc:99999999999999999999 k", "a", "abc", 0, 3},
        {"258 a b k", "a", "b", 0, 2},                // kind keeps its low 8 bits
    };
    for (const auto& c : cases) {
        PromptLine line;
        ASSERT_TRUE(Parse(c.line, line)) << c.line;
        EXPECT_EQ(line.display, c.display) << c.line;
        EXPECT_EQ(line.insert, c.insert) << c.line;
        EXPECT_EQ(line.caretOffset, c.offset) << c.line;
        EXPECT_EQ(line.kind, c.kind) << c.line;
    }
}

TEST(PromptSyntax, AbbreviationForms)
{
    struct Case { const char* keys; Strings expanded; std::vector<int> levels; } cases[] = {
        {"rg", {"rg"}, {1}},
        {"rg:*", {"r", "rg"}, {1}},
        {"hanshu:+:3", {"ha", "han", "hans", "hansh", "hanshu"}, {3}},
        {"hanshu:-", {"hans", "hansh", "hanshu"}, {1}},
        {"hanshu:*2", {"han", "hans", "hansh", "hanshu"}, {1}},
        {"hanshu:*9", {"hanshu"}, {1}},
        {"abcdefghij:*", {"a", "ab", "abc", "abcd", "abcde", "abcdef", "abcdefg", "abcdefghij"}, {1}},
        {"abcdefgh:*6", {"abcdefg", "abcdefgh"}, {1}},
        {"x:+", {"x"}, {1}},
        {"ab:5", {"ab"}, {5}},
        {"ab:*:", {"a", "ab"}, {1}},
        {"ab:*:300", {"a", "ab"}, {44}},
        {"a:2 b:*:4", {"a", "b"}, {2, 4}},
    };
    for (const auto& c : cases) {
        PromptLine line;
        std::string text = std::string("0 d i ") + c.keys;
        ASSERT_TRUE(Parse(text, line)) << text;
        EXPECT_EQ(Keys(line), c.expanded) << text;
        ASSERT_EQ(line.keys.size(), c.levels.size()) << text;
        for (size_t i = 0; i < c.levels.size(); ++i)
            EXPECT_EQ(line.keys[i].level, c.levels[i]) << text;
    }
}

TEST(PromptSyntax, LinesThatYieldNothing)
{
    const char* lines[] = {
        "", "如果 如果 rg", " 0 a b k", "0a b k", "x0 a b k", "0", "0 ", "0 \"\" b k",
        "0 \"abc b k", "0 a", "0 a \"\" k", "0 a \"b k", "0 a b", "0 a b:2", "0 a \"b\"x k",
        "0 a b k:*x", "0 a b k:+y", "0 a b :*",
    };
    for (const char* text : lines) {
        PromptLine line;
        EXPECT_FALSE(Parse(text, line)) << text;
    }
}

TEST(PromptSyntax, BareTextsEndAtControlCharacters)
{
    PromptLine line;
    ASSERT_TRUE(Parse(std::string("0 a b k1\x01junk", 13), line));
    EXPECT_EQ(Keys(line), (Strings{"k1"}));
}

TEST(PromptSyntax, LoneLeadByteAtTheEndOfALine)
{
    // The buffer holds more behind the line; the parser must stop at the given length.
    const char buffer[] = "0 a b k\xB0rest";
    PromptLine line;
    ASSERT_TRUE(ParsePromptLine(buffer, 8, line));
    EXPECT_EQ(Keys(line), (Strings{"k\xB0"}));
}

TEST(PromptEntry, PackedWord)
{
    uint32_t word = PackPromptWord(3, 21, 6, 5, true);
    PromptEntry entry;
    entry.packed = word;
    EXPECT_EQ(entry.Kind(), 3);
    EXPECT_EQ(entry.Level(), 21);
    EXPECT_EQ(entry.CaretOffset(), 6);
    EXPECT_EQ(entry.FullKeyLength(), 5);
    EXPECT_TRUE(entry.OwnsTexts());

    entry.packed = PackPromptWord(0x1FF, 0x10A, 1023, 30, false);
    EXPECT_EQ(entry.Kind(), 0xFF);
    EXPECT_EQ(entry.Level(), 0x0A);
    EXPECT_EQ(entry.CaretOffset(), 1023);
    EXPECT_EQ(entry.FullKeyLength(), 30);
    EXPECT_FALSE(entry.OwnsTexts());

    entry.packed = PackPromptWord(0, 0, 0, 31, false);
    EXPECT_EQ(entry.FullKeyLength(), 31);
    entry.packed = PackPromptWord(0, 0, 0, 500, false);
    EXPECT_EQ(entry.FullKeyLength(), 31);
}

TEST(PromptEntry, CaretOffsetThatDoesNotFitBecomesZero)
{
    // 1024 would wrap to 0 by luck; 1030 would wrap to 6 and put the caret in the wrong place.
    for (int offset : {1024, 1030, 2000, -1}) {
        PromptEntry entry;
        entry.packed = PackPromptWord(1, 1, offset, 3, false);
        EXPECT_EQ(entry.CaretOffset(), 0) << offset;
        EXPECT_EQ(entry.Kind(), 1);
        EXPECT_EQ(entry.Level(), 1);
        EXPECT_EQ(entry.FullKeyLength(), 3);
    }
}

TEST(PromptEntry, KeyHash)
{
    // 21845 = 0x5555; one byte: h = 0x15554 ^ 'a'.
    uint32_t h = (21845u << 2) ^ 'a';
    EXPECT_EQ(PromptKeyHash("a"), (h + (h >> 10)) & 1023);
    // Only the first 8 bytes count.
    EXPECT_EQ(PromptKeyHash("abcdefgh"), PromptKeyHash("abcdefghXYZ"));
    EXPECT_LT(PromptKeyHash("如果"), 1024u);
}
