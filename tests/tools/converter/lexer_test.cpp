#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "converter_test_support.h"
#include "temp_dir.h"
#include "tools/converter/Lexer.h"

namespace {

struct Word {
    int type;
    std::string text;
};

// Every word of a GBK text, with the negative result that ended the reading last.
std::vector<Word> ReadWords(const std::string& gbk, int size = 512)
{
    TempDir dir;
    FILE* stream = fopen(dir.WriteFile("in.txt", gbk).c_str(), "rb");
    std::vector<Word> words;
    LexReset();
    std::vector<char> buffer(size > 0 ? size : 1);
    for (;;) {
        CharCode first = 0;
        int type = LexReadWord(stream, buffer.data(), size, &first);
        words.push_back({type, type > 0 ? std::string(buffer.data()) : std::string()});
        if (type < 0 || words.size() > 100000)
            break;
    }
    fclose(stream);
    LexReset();
    return words;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

std::string Listing(const std::vector<Word>& words)
{
    std::string out;
    for (const Word& word : words)
        out += std::to_string(word.type) + "\t" + Escaped(word.text) + "\n";
    return out;
}

std::vector<int> Types(const std::string& gbk)
{
    std::vector<int> types;
    for (const Word& word : ReadWords(gbk))
        types.push_back(word.type);
    return types;
}

}  // namespace

TEST(Lexer, WordTypes)
{
    const struct { const char* text; std::vector<int> types; } kCases[] = {
        {"a+=b", {2, 20, 2, -1}},
        {"a＋＝b", {2, 20, 2, -1}},
        {"0x1F 1.5e3", {3, 4, 3, -1}},
        {"0Ｘ1f", {3, -1}},
        {"1e-5", {3, 21, 3, -1}},
        {"<>", {44, 42, -1}},
        {":=", {39, -1}},
        {"：＝", {39, -1}},
        {"中文变量_1 _x", {2, 4, 2, -1}},
        {"\r\n", {1, 5, -1}},
        {"++--->**=//=/*%=&&&|||!=!~^===", {29, 30, 31, 23, 24, 16, 39, 17, 28, 32, 33, 34, 35, 41, 36, 37, 77, 40, -1}},
        {"<<=>>=|=^=&=＜＜＝&&=<<<=^", {74, 75, 76, 77, 78, 74, 32, 39, 46, 45, 38, -1}},
        {"<=<<>=>>{}[]()#\\?:,;.$@`", {45, 46, 43, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 73, 1, -1}},
        {"‘’'“”\"〖〗【】≠→≥≤《》。↑", {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 62, 63, 64, 65, 66, 67, 70, 72, -1}},
        {"　\t ", {4, -1}},
        {"、αЖ", {1, 1, 1, -1}},
        {"１２３ａｂ", {3, 2, -1}},
        {"", {-1}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.types, Types(c.text)) << GbkToUtf8(c.text);
}

TEST(Lexer, WordsKeepTheirInputForm)
{
    std::vector<Word> words = ReadWords("x＋＝1 ：＝");
    ASSERT_GE(words.size(), 4u);
    EXPECT_EQ("＋＝", words[1].text);
    EXPECT_EQ("：＝", words[4].text);
}

TEST(Lexer, BufferLimits)
{
    EXPECT_EQ(kLexBufferTooSmall, ReadWords("abc", 4)[0].type);
    EXPECT_EQ(kLexNoRoom, ReadWords("abc", 5)[0].type);
    // A word longer than the usable length is cut; its rest is the next word.
    std::vector<Word> words = ReadWords("abcdefgh", 8);
    ASSERT_GE(words.size(), 3u);
    EXPECT_EQ("abc", words[0].text);
    EXPECT_EQ("def", words[1].text);
    EXPECT_EQ("gh", words[2].text);
    // A double-byte character never splits.
    words = ReadWords("中文字", 8);
    EXPECT_EQ("中", words[0].text);
    EXPECT_EQ(kLexNoRoom, ReadWords("中", 6)[0].type);
}

TEST(Lexer, ReadCharDeliversThePendingLookAhead)
{
    TempDir dir;
    FILE* stream = fopen(dir.WriteFile("in.txt", "a'b").c_str(), "rb");
    LexReset();
    char buffer[32];
    CharCode first = 0;
    EXPECT_EQ(kLexIdentifier, LexReadWord(stream, buffer, sizeof buffer, &first));
    CharCode c = 0;
    EXPECT_EQ(0, LexReadChar(stream, &c));
    EXPECT_EQ((CharCode)'\'', c);
    EXPECT_EQ(1, LexReadChar(stream, &c));
    EXPECT_EQ((CharCode)'b', c);
    EXPECT_EQ(-1, LexReadWord(stream, buffer, sizeof buffer, &first));
    fclose(stream);
    LexReset();
}

TEST(Lexer, C51Mode)
{
    LexSetC51Mode(1);
    EXPECT_EQ(1, LexC51Mode());
    LexSetC51Mode(2);
    EXPECT_EQ(0, LexC51Mode());
}

// golden/lexer/*.in (UTF-8) lists as "type<TAB>word" lines in *.out.
TEST(Lexer, GoldenFiles)
{
    std::string folder = std::string(MOYU_CONVERTER_GOLDEN_DIR) + "\\lexer";
    std::vector<std::string> inputs = FilesWithExtension(folder, ".in");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& input : inputs) {
        std::string base = folder + "\\" + input.substr(0, input.size() - 3);
        std::string listing = GbkToUtf8(Listing(ReadWords(Utf8ToGbk(ReadBytes(base + ".in")))));
        ExpectGolden(base + ".out", listing);
    }
}
