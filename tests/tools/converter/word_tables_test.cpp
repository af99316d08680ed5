#include <gtest/gtest.h>

#include <string>

#include "tools/converter/Lexer.h"
#include "tools/converter/WordTableData.h"
#include "tools/converter/WordTables.h"

namespace {

typedef int (*Lookup)(const char*, CharCode, char*, int);

struct Hit {
    int code;
    std::string text;
};

Hit Find(Lookup lookup, const char* word, int c51 = 0)
{
    LexSetC51Mode(c51);
    char out[40] = "";
    int code = lookup(word, MbCharAt(word), out, sizeof out);
    LexSetC51Mode(0);
    return {code, out};
}

Hit Directive(bool toC, const char* word, int laterInLine)
{
    char out[40] = "";
    int code = toC ? DirectiveWordToC(word, MbCharAt(word), out, sizeof out, laterInLine)
                   : DirectiveWordFromC(word, MbCharAt(word), out, sizeof out, laterInLine);
    return {code, out};
}

}  // namespace

TEST(WordTables, ModeDependentRows)
{
    const struct { Lookup lookup; const char* word; int c51; int code; const char* text; } kCases[] = {
        {KeywordToC, "整数类型", 0, 21, "int"},
        {KeywordToC, "整数类型", 1, 21, "long"},
        {KeywordToC, "整数", 0, 0, ""},
        {KeywordToC, "整数", 1, 21, "long"},
        {KeywordToC, "短整数类型", 0, 20, "short"},
        {KeywordToC, "短整数类型", 1, 20, "int"},
        {KeywordToC, "字符", 0, 0, ""},
        {KeywordToC, "只读字节串类型", 1, 37, "const unsigned char *"},
        {KeywordToC, "高精度", 0, 26, "long double"},
        {KeywordFromC, "int", 0, 21, "整数类型"},
        {KeywordFromC, "int", 1, 20, "短整数类型"},
        {KeywordFromC, "long", 0, 0, ""},
        {KeywordFromC, "long", 1, 21, "整数类型"},
        {KeywordFromC, "bit", 0, 0, ""},
        {OperatorWordToC, "不", 0, 0, ""},
        {OperatorWordToC, "不", 1, 68, "!"},
        {OperatorWordToC, "不等于", 0, 41, "!="},
        {OperatorWordToC, "不等于", 1, 41, "!="},
        {OperatorWordToC, "取地址", 1, 69, "&"},
        {OperatorWordToC, "指向的", 0, 31, "->"},
    };
    for (const auto& c : kCases) {
        Hit hit = Find(c.lookup, c.word, c.c51);
        EXPECT_EQ(c.code, hit.code) << c.word << " c51=" << c.c51;
        EXPECT_EQ(c.text, hit.text) << c.word << " c51=" << c.c51;
    }
}

TEST(WordTables, UnderscoreWords)
{
    EXPECT_EQ("__asm", Find(KeywordToC, "_汇编").text);
    EXPECT_EQ("_汇编", Find(KeywordFromC, "__asm").text);
    EXPECT_EQ("__VA_ARGS__", Find(KeywordToC, "__变参__").text);
    EXPECT_EQ("__stdcall", Find(KeywordToC, "标准调用").text);
    EXPECT_EQ("标准调用", Find(KeywordFromC, "__stdcall").text);
    EXPECT_EQ(22, Find(KeywordFromC, "__int64").code);
    // A word beginning with "_" is looked up only among the underscore rows.
    EXPECT_EQ(0, Find(KeywordToC, "_如果").code);
    EXPECT_EQ(0, Find(KeywordFromC, "__if").code);
}

TEST(WordTables, UnderscoreWordsNeedTheirOwnLowLines_Regression)
{
    const struct { Lookup lookup; const char* word; } kCases[] = {
        {KeywordToC, "__汇编"}, {KeywordToC, "_变参__"}, {KeywordToC, "_行__"},
        {KeywordToC, "__变参_"}, {KeywordFromC, "__VA_ARGS_"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(0, Find(c.lookup, c.word).code) << c.word;
}

TEST(WordTables, DirectiveWordsAndTheLaterDefined)
{
    EXPECT_EQ(1, Directive(true, "包含", 0).code);
    EXPECT_EQ(71, Directive(true, "加载", 0).code);
    EXPECT_EQ("include", Directive(true, "加载", 0).text);
    EXPECT_EQ(0, Directive(true, "已定义", 0).code);
    EXPECT_EQ("defined", Directive(true, "已定义", 1).text);
    EXPECT_EQ(0, Directive(true, "定义", 1).code);
    EXPECT_EQ("define", Directive(true, "定义", 0).text);
    EXPECT_EQ("如果未定义", Directive(false, "ifndef", 0).text);
    EXPECT_EQ(0, Directive(false, "defined", 0).code);
    EXPECT_EQ("已定义", Directive(false, "defined", 1).text);
    EXPECT_EQ(0, Directive(false, "include", 1).code);
}

TEST(WordTables, PragmaWords)
{
    EXPECT_EQ(1, PragmaWordIs("包含", kPragmaInclude));
    EXPECT_EQ(1, PragmaWordIs("加载", kPragmaInclude));
    EXPECT_EQ(0, PragmaWordIs("包含", kPragmaLoad));
    EXPECT_EQ(1, PragmaWordIs("接口", kPragmaHeaderExt));
    EXPECT_STREQ("对齐", PragmaWordText(kPragmaPack));
    EXPECT_EQ(nullptr, PragmaWordText(99));
    EXPECT_EQ(0, PragmaWordIs(nullptr, kPragmaInclude));
}

TEST(WordTables, EveryRowIsFoundByItsOwnWordAndFirstCharacter)
{
    const struct { const WordTable* table; Lookup lookup; } kTables[] = {
        {&kOperatorWordsToC, OperatorWordToC},
        {&kKeywordsToC, KeywordToC},
        {&kKeywordsFromC, KeywordFromC},
        {&kUnderscoreKeywordsToC, KeywordToC},
        {&kUnderscoreKeywordsFromC, KeywordFromC},
    };
    for (const auto& t : kTables) {
        for (int i = 0; i < t.table->count; ++i) {
            const WordRow& row = t.table->rows[i];
            int c51 = row.mode == kC51Only ? 1 : 0;
            Hit hit = Find(t.lookup, row.word, c51);
            EXPECT_GT(hit.code, 0) << row.word;
        }
    }
}

TEST(WordTables, SmallBuffersAreNeverOverrun)
{
    char out[4] = "xyz";
    EXPECT_EQ(51, KeywordToC("开始", MbCharAt("开始"), out, sizeof out));
    char tiny[3];
    EXPECT_EQ(22, KeywordToC("长整数类型", MbCharAt("长整数类型"), tiny, sizeof tiny));
    EXPECT_STREQ("__", tiny);
    EXPECT_EQ('\0', tiny[2]);
    EXPECT_EQ(0, KeywordToC("如果", MbCharAt("如果"), nullptr, 0));
}
