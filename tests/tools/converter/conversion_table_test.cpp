#include <gtest/gtest.h>

#include <string>

#include "converter_test_support.h"
#include "stdout_capture_lite.h"
#include "tools/converter/ConversionTable.h"

namespace {

const char* Lookup(const char* word, int isPreprocessor)
{
    return TableLookup(MbCharAt(word), word, isPreprocessor);
}

std::string LookupText(const char* word, int isPreprocessor)
{
    const char* found = Lookup(word, isPreprocessor);
    return found ? found : "<none>";
}

// The main list's invariant: distinct keys in ascending order, chains of equal keys.
void CheckTable()
{
    const ConversionTable* previous = nullptr;
    for (const ConversionTable* node = TableHead(); node; node = node->next) {
        ASSERT_EQ(previous, node->prev);
        if (previous) {
            ASSERT_LT(previous->key, node->key);
        }
        for (const ConversionTable* same = node->nextSameKey; same; same = same->nextSameKey)
            ASSERT_EQ(node->key, same->key);
        previous = node;
    }
}

}  // namespace

TEST(ConversionTable, FirstPairFixesTheColumnOrder)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("printf 输出\n打印 print\n");
    CheckTable();
    EXPECT_EQ("printf", LookupText("输出", 0));
    // The second line is stored positionally: english 打印, chinese print.
    EXPECT_EQ("打印", LookupText("print", 0));
    EXPECT_EQ("<none>", LookupText("打印", 0));
}

TEST(ConversionTable, ChineseFirstFile)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("输出 printf\n");
    EXPECT_EQ("printf", LookupText("输出", 0));
}

TEST(ConversionTable, PreprocessorPairsAreSeparate)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("x y\n#标准输入输出 stdio\n");
    EXPECT_EQ("<none>", LookupText("标准输入输出", 0));
    // The first pair (x y) is English first, so this line is stored english 标准输入输出.
    ConverterState chineseFirst(kMoyuToC);
    chineseFirst.LoadTable("#标准输入输出 stdio\n");
    EXPECT_EQ("stdio", LookupText("标准输入输出", 1));
    EXPECT_EQ("<none>", LookupText("标准输入输出", 0));
}

TEST(ConversionTable, PreprocessorLookupFromCRetriesWithTheOtherCase)
{
    ConverterState state(kCToMoyu);
    state.LoadTable("#Stdio 标准输入输出\n");
    EXPECT_EQ("标准输入输出", LookupText("stdio", 1));
    EXPECT_EQ("标准输入输出", LookupText("STDIO", 1));
    EXPECT_EQ("<none>", LookupText("stdio", 0));
}

TEST(ConversionTable, FirstLoadedPairWinsThenTheNewest)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("甲 a\n");
    state.LoadTable("甲 b\n");
    EXPECT_EQ("a", LookupText("甲", 0));
    state.LoadTable("甲乙 c\n甲乙 d\n");
    CheckTable();
    // Same first character: the head wins when it matches, else the newest of the chain.
    EXPECT_EQ("d", LookupText("甲乙", 0));
}

TEST(ConversionTable, CommentsEmptyLinesAndSingleFields)
{
    ConverterState state(kMoyuToC);
    StdoutCaptureLite capture;
    state.LoadTable("【注释 a\n；注释 b\n; 注释 c\n\n   \n　孤单\nok 好\n");
    std::string printed = capture.Finish();
    EXPECT_EQ(nullptr, TableHead()->next);
    EXPECT_EQ("ok", LookupText("好", 0));
    EXPECT_NE(std::string::npos, printed.find("【警告：转换表6行】孤单：独立字符串，无转换目标。"))
        << GbkToUtf8(printed);
}

TEST(ConversionTable, QuotedFields)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("\"unsigned int\" “无符号 整数” trailing words\n#\"q\" 引号\n");
    EXPECT_EQ("unsigned int", LookupText("无符号 整数", 0));
    // On a preprocessor line the first field is taken as it stands.
    EXPECT_EQ("\"q\"", LookupText("引号", 1));
}

TEST(ConversionTable, FullWidthMarksAndBlanks)
{
    ConverterState state(kMoyuToC);
    state.LoadTable("＃math　数学\r\n\t＃ｍａｔｈ 数学二\n");
    EXPECT_EQ("math", LookupText("数学", 1));
    EXPECT_EQ("ｍａｔｈ", LookupText("数学二", 1));
}

TEST(ConversionTable, KeysFollowTheDirection)
{
    ConverterState state(kCToMoyu);
    state.LoadTable("printf 打印\nputs 输出行\n");
    CheckTable();
    EXPECT_EQ((CharCode)'p', TableHead()->key);
    EXPECT_EQ("打印", LookupText("printf", 0));
    EXPECT_EQ("<none>", LookupText("打印", 0));
}

TEST(ConversionTable, LongLinesAreReadInPieces)
{
    ConverterState state(kMoyuToC);
    std::string longWord(2500, 'a');
    state.LoadTable("x 叉\n" + longWord + " 长\n");
    CheckTable();
    EXPECT_EQ("x", LookupText("叉", 0));
}

TEST(ConversionTable, NullStreamLoadsNothing)
{
    ConverterState state(kMoyuToC);
    TableLoad(nullptr);
    EXPECT_EQ(nullptr, TableHead());
}

TEST(ConversionTable, ShippedDefaultTableLoadsWithoutWarnings)
{
    ConverterState state(kMoyuToC);
    StdoutCaptureLite capture;
    state.LoadDefaultTableMaster();
    EXPECT_EQ("", capture.Finish());
    CheckTable();
    EXPECT_EQ("stdio", LookupText("标准输入输出", 1));
    EXPECT_EQ("printf", LookupText("打印", 0));
    EXPECT_EQ("main", LookupText("主函数", 0));
}
