#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "converter_test_support.h"
#include "stdout_capture_lite.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/Romanizer.h"

namespace {

std::string ToC(const std::string& moyu, const std::string& table = "")
{
    ConverterState state(kMoyuToC);
    if (!table.empty())
        state.LoadTable(table);
    return ConvertText(moyu);
}

std::string FromC(const std::string& c, bool symbols = false)
{
    ConverterState state(kCToMoyu);
    Options()->symbols = symbols;
    return ConvertText(c);
}

std::string NameOf(const char* identifier)
{
    char out[128];
    RomanizeName(identifier, out, sizeof out, kRomanizeStyleShort);
    return out;
}

// Options of a golden case: words in <case>.options (符号 c51 转名字 接口名中转英).
void ApplyOptionWords(const std::string& words)
{
    std::istringstream stream(words);
    std::string word;
    while (stream >> word) {
        if (word == "符号") Options()->symbols = true;
        else if (word == "c51") LexSetC51Mode(1);
        else if (word == "转名字") Options()->romanizeFileName = true;
        else if (word == "接口名中转英") Options()->romanizeInterfaceName = true;
        else ADD_FAILURE() << "unknown option word " << GbkToUtf8(word);
    }
}

void RunGoldenFolder(const char* folder, ConvertDirection direction)
{
    std::string path = std::string(MOYU_CONVERTER_GOLDEN_DIR) + "\\" + folder;
    std::vector<std::string> inputs = FilesWithExtension(path, ".in");
    ASSERT_FALSE(inputs.empty()) << path;
    for (const std::string& input : inputs) {
        std::string base = path + "\\" + input.substr(0, input.size() - 3);
        ConverterState state(direction);
        state.LoadDefaultTableMaster();
        ApplyOptionWords(Utf8ToGbk(ReadBytes(base + ".options")));
        std::string output = GbkToUtf8(ConvertText(Utf8ToGbk(ReadBytes(base + ".in"))));
        ExpectGolden(base + ".out", output);
    }
}

}  // namespace

// golden/to_c: Moyu sources and the C the shipped default table gives for them.
TEST(Driver, GoldenMoyuToC)
{
    RunGoldenFolder("to_c", kMoyuToC);
}

// golden/from_c: C sources and the Moyu they become.
TEST(Driver, GoldenCToMoyu)
{
    RunGoldenFolder("from_c", kCToMoyu);
}

TEST(Driver, CommentsAndBlanks)
{
    EXPECT_EQ("/*注释 如果 */ x\n", ToC("【注释 如果】 x\n"));
    EXPECT_EQ("// 如果 not translated\nif\n", ToC("// 如果 not translated\n如果\n"));
    EXPECT_EQ("a b 12\n", ToC("a　b １２\n"));
    EXPECT_EQ("/* 如果 */ 如果", FromC("/* if */ if"));
    EXPECT_EQ("a　b", FromC("a　b"));
}

TEST(Driver, LoopWords)
{
    EXPECT_EQ("while(!(a))", ToC("直到(a)"));
    EXPECT_EQ("while(!((a)+(b)))", ToC("直到((a)+(b))"));
    EXPECT_EQ("while(x)", ToC("当(x)重复"));
    EXPECT_EQ("while(x) ", ToC("当(x) 重复"));
    EXPECT_EQ("while(x) ;do", ToC("当(x) ;重复"));
    EXPECT_EQ("while(x)\t-\tdo", ToC("当(x)\t-\t重复"));
    EXPECT_EQ("do{}while(x);", ToC("重复{}当(x);"));
}

TEST(Driver, OperatorWords)
{
    EXPECT_EQ("x += 1", ToC("x 加等 1"));
    EXPECT_EQ("a && b || ! c", ToC("a 并且 b 或 非 c"));
    EXPECT_EQ("a -> b . c", ToC("a 指向的 b 的 c"));
    EXPECT_EQ("a != b >= c <= d << e >> f -> g", ToC("a ≠ b ≥ c ≤ d 《 e 》 f → g"));
    EXPECT_EQ("x = 1;", ToC("x := 1。"));
    EXPECT_EQ("a+b", ToC("a＋b"));
    EXPECT_EQ("ab", ToC("a↑b"));
}

TEST(Driver, SymbolWordsFromC)
{
    EXPECT_EQ("x  加等  1", FromC("x += 1", true));
    EXPECT_EQ("a  小于  b - c * d", FromC("a < b - c * d", true));
    EXPECT_EQ("x += 1", FromC("x += 1", false));
    // An include line keeps its angle brackets.
    EXPECT_EQ("#包含 <x.墨>\n", FromC("#include <x.c>\n", true));
}

TEST(Driver, DirectiveLines)
{
    const std::string table = "#标准输入输出 stdio\n";
    EXPECT_EQ("#include \"stdio.h\"\n", ToC("#包含 “标准输入输出.接口”\n", table));
    EXPECT_EQ("#include \"标准输入输出.h\"\n", ToC("#包含 “标准输入输出.接口”\n"));
    EXPECT_EQ("#include <a/b.dy> /*x*/\n", ToC("#包含 <a/b.定义> 【x】\n"));
    EXPECT_EQ("#include \"stdio.h\"\n", ToC("#加载 \"标准输入输出.接口\"\n", table));
    EXPECT_EQ("#pragma pack(push,1)\n", ToC("#编译指令 对齐(入栈,1)\n"));
    EXPECT_EQ("#pragma pack(pop)\n", ToC("#编译指令 对齐(出栈)\n"));
    EXPECT_EQ("#if defined(A)\n#define B defined\n", ToC("#如果 已定义(A)\n#定义 B 已定义\n"));
}

TEST(Driver, FullWidthBlanksAndPunctuationInDirectiveLinesBecomeC_Regression)
{
    const std::string table = "#标准输入输出 stdio\n";
    EXPECT_EQ("#include \"stdio.h\"\n", ToC("#包含　“标准输入输出.接口”\n", table));
    EXPECT_EQ("#include <a.h>  // 注释，说明\n", ToC("#包含 <a.接口>　 // 注释，说明\n"));
    EXPECT_EQ("#include \"目录　一/a.h\" /*注释，说明*/\n", ToC("#包含 “目录　一/a.接口” 【注释，说明】\n"));
    EXPECT_EQ("#pragma pack(push,1)\n", ToC("#编译指令　对齐（入栈，１）\n"));
    EXPECT_EQ("#pragma 消息(\"你好，世界\")\n", ToC("#编译指令 消息(“你好，世界”)\n"));
    EXPECT_EQ("#pragma pack(pop) // 说明，\n", ToC("#编译指令 对齐(出栈) // 说明，\n"));
}

TEST(Driver, IncludeNamesRomanizedOnRequest)
{
    ConverterState state(kMoyuToC);
    Options()->romanizeFileName = true;
    EXPECT_EQ("#include \"" + NameOf("中文") + ".h\"\n", ConvertText("#包含 “中文.接口”\n"));
}

TEST(Driver, DefinedAfterAnotherDefinedFromC)
{
    EXPECT_EQ("#如果 已定义(A) && 已定义(B)\n#定义 X defined\n",
              FromC("#if defined(A) && defined(B)\n#define X defined\n"));
}

TEST(Driver, SectionMode)
{
    // 〖 on line 1, 〗 on line 4: lines 2 and 3 are code, the rest only keeps its line feeds.
    EXPECT_EQ("\nif x\nreturn\n\n\n\n1\n", ToC("〖\n如果 x\n返回\n〗 说明\n说明\n〖\n真\n"));
    // A 〖 followed by text on its line opens no section.
    EXPECT_EQ("〖 x\nif\n〗\n", ToC("〖 x\n如果\n〗\n"));
    EXPECT_EQ("〖 x 〗\n", ToC("〖 x 〗\n"));
    // The bytes of 〖 across two characters (B0A1 BCBC) open nothing.
    EXPECT_EQ(NameOf("啊技") + "\nif\n〗\n", ToC("啊技\n如果\n〗\n"));
}

TEST(Driver, RomanizedIdentifiersBothWays)
{
    std::string name = NameOf("变量1");
    EXPECT_EQ(name + " = 1", ToC("变量1 = 1"));
    EXPECT_EQ("变量1 = 1", FromC(name + " = 1"));
    EXPECT_EQ("zh_xyz zh_", FromC("zh_xyz zh_"));
}

TEST(Driver, FullWidthLettersOfAnIdentifierWithoutChineseBecomeC_Regression)
{
    EXPECT_EQ("int x_1 = 1;", ToC("整数类型 ｘ＿１ 赋值 １。"));
    // A file name keeps its characters: it names a file on disk.
    EXPECT_EQ("#include \"ａｂ.h\"\n", ToC("#包含 “ａｂ.接口”\n"));
    EXPECT_EQ(NameOf("变量Ａ"), ToC("变量Ａ"));
}

TEST(Driver, ZhIdentifierWithoutChineseIsKept_Regression)
{
    EXPECT_EQ("zh_a = zh_1 + zh__ + zh_x_y;", FromC("zh_a = zh_1 + zh__ + zh_x_y;"));
}

TEST(Driver, OverlongIdentifierIsReportedAndKept_Regression)
{
    std::string word;
    for (int i = 0; i < 200; ++i)
        word += "中";
    StdoutCaptureLite capture;
    std::string output = ToC(word);
    std::string printed = capture.Finish();
    EXPECT_EQ(word, output);
    EXPECT_NE(std::string::npos, printed.find("转英文时出现错误,可能标识符过长!\n"));
}

TEST(Driver, C51Keywords)
{
    ConverterState state(kMoyuToC);
    LexSetC51Mode(1);
    EXPECT_EQ("long x; int y; ! z", ConvertText("整数类型 x; 短整数 y; 不 z"));
}

TEST(Driver, LineContinuationKeepsTheDirectiveState)
{
    EXPECT_EQ("#define A \\\n  defined\n", ToC("#定义 A \\\n  已定义\n"));
    EXPECT_EQ("a \\ b", ToC("a \\ b"));
}
