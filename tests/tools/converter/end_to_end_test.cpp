#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "child_process.h"
#include "converter_test_support.h"
#include "temp_dir.h"
#include "tools/converter/Romanizer.h"

namespace {

// Runs the staged 墨转换.exe in a folder; standard input holds the given text.
ProgramRun RunConverter(const std::string& arguments, const std::string& folder,
                        const std::string& input = "")
{
    ProgramRun run = RunProgram("\"" MOYU_CONVERTER_EXE "\" " + arguments, folder, input);
    run.output = WithLineFeeds(run.output);
    return run;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string LastLine(const std::string& text)
{
    std::string trimmed = text;
    if (!trimmed.empty() && trimmed.back() == '\n')
        trimmed.pop_back();
    size_t start = trimmed.find_last_of('\n');
    return start == std::string::npos ? trimmed : trimmed.substr(start + 1);
}

std::string Romanized(const char* identifier)
{
    char name[128];
    RomanizeName(identifier, name, sizeof name, kRomanizeStyleShort);
    return name;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

const char kMoyuSource[] = "如果 x\n";
const char kCSource[] = "if x\n";
const char kMoyuAsC[] = "if x\n";
const char kCAsMoyu[] = "如果 x\n";

}  // namespace

TEST(EndToEnd, MoyuToCWritesTheOutputAndTheExactSuccessLine)
{
    TempDir dir;
    dir.WriteFile("a.墨", "#包含 “标准输入输出.接口”\n整数类型 主函数(无类型) 开始 返回 0。结束\n");
    ProgramRun run = RunConverter("a.墨", dir.Path());
    EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
    EXPECT_EQ("[恭喜]a.c(1) 成功生成！", LastLine(run.output));
    EXPECT_EQ("#include \"stdio.h\"\nint main(void) { return 0;}\n",
              WithLineFeeds(TempDir::ReadFile(dir / "a.c")));
}

TEST(EndToEnd, OutputNamesAndDirections)
{
    const struct { const char* arguments; const char* input; const char* output; bool toC; } kCases[] = {
        {"a.墨", "a.墨", "a.c", true},
        {"-墨 a.墨", "a.墨", "a.墨1", false},
        {"-c a.c", "a.c", "a.ci", true},
        {"a.c", "a.c", "a.墨", false},
        {"-修改自身 a.墨", "a.墨", "a.c", true},
        {"a.cpp", "a.cpp", "a.墨双", false},
        {"A.CPP", "A.CPP", "A.墨双", false},
        {"-c a.cpp", "a.cpp", "a.cpi", true},
        {"a.h", "a.h", "a.接口", false},
        {"-C a.h", "a.h", "a.hi", true},
        {"a.hpp", "a.hpp", "a.接口双", false},
        {"-c a.hpp", "a.hpp", "a.hpi", true},
        {"a.墨双", "a.墨双", "a.cpp", true},
        {"-墨 a.墨双", "a.墨双", "a.墨双1", false},
        {"a.接口", "a.接口", "a.h", true},
        {"-墨 a.接口", "a.接口", "a.接口1", false},
        {"a.接口双", "a.接口双", "a.hpp", true},
        {"-墨 a.接口双", "a.接口双", "a.接口双1", false},
        {"a.定义", "a.定义", "a.dy", true},
        {"-墨 a.定义", "a.定义", "a.定义1", false},
        {"a.txt", "a.txt", "a.墨", false},
        {"-c a.txt", "a.txt", "a.c", true},
        {"a", "a", "a.墨", false},
        {"a.墨 x", "a.墨", "x.c", true},
        {"a.txt x", "a.txt", "x", false},
        {"a.墨 x.out", "a.墨", "x.out", true},
        {"-后缀 .txt a.墨", "a.墨", "a.txt", true},
        {"标准输入输出.接口", "标准输入输出.接口", "stdio.h", true},
        {"stdio.h", "stdio.h", "标准输入输出.接口", false},
        {"-转名字 中文.墨", "中文.墨", "zh_zhog0wen3.c", true},
        {"-文件名中转英 中文.墨", "中文.墨", "zh_zhog0wen3.c", true},
        {"中文.墨", "中文.墨", "中文.c", true},
    };
    for (const auto& c : kCases) {
        TempDir dir;
        dir.WriteFile(c.input, c.toC ? kMoyuSource : kCSource);
        ProgramRun run = RunConverter(c.arguments, dir.Path());
        EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(c.arguments) << "\n" << GbkToUtf8(run.output);
        EXPECT_EQ(std::string("[恭喜]") + c.output + "(1) 成功生成！", LastLine(run.output))
            << GbkToUtf8(c.arguments);
        EXPECT_EQ(c.toC ? kMoyuAsC : kCAsMoyu, WithLineFeeds(TempDir::ReadFile(dir / c.output)))
            << GbkToUtf8(c.arguments);
    }
}

TEST(EndToEnd, OutputFolderOptions)
{
    const struct { const char* arguments; const char* output; } kCases[] = {
        {"-输出 out a.墨", "out\\a.c"},
        {"-输出 out -去 src\\a.墨", "out\\a.c"},
        {"-输出 out src\\a.墨", "out\\src\\a.c"},
        {"-去 src\\a.墨", "src\\a.c"},
    };
    for (const auto& c : kCases) {
        TempDir dir;
        CreateDirectoryA((dir / "src").c_str(), nullptr);
        dir.WriteFile("a.墨", kMoyuSource);
        dir.WriteFile("src\\a.墨", kMoyuSource);
        ProgramRun run = RunConverter(c.arguments, dir.Path());
        EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
        EXPECT_EQ(std::string("[恭喜]") + c.output + "(1) 成功生成！", LastLine(run.output));
        EXPECT_TRUE(Exists(dir / c.output)) << GbkToUtf8(c.output);
    }
}

TEST(EndToEnd, ShortSuccessLine)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    ProgramRun run = RunConverter("-含蓄 -安静 a.墨", dir.Path());
    EXPECT_EQ("=>a.c(1) 成功生成！\n", run.output);
}

TEST(EndToEnd, PrintOutputNameTouchesNoFile)
{
    TempDir dir;
    ProgramRun run = RunConverter("-安静 -取输出文件名 a.墨 x", dir.Path());
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("x.c", run.output.substr(run.output.size() - 3));
    EXPECT_NE('\n', run.output.back());
    EXPECT_FALSE(Exists(dir / "x.c"));
    run = RunConverter("-安静 -输出名 b.c", dir.Path());
    EXPECT_EQ("b.墨", run.output.substr(run.output.size() - 4));
}

TEST(EndToEnd, ModifyInPlaceReplacesTheInput)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    ProgramRun run = RunConverter("-c -修改自身 -调试 a.墨", dir.Path());
    EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
    EXPECT_FALSE(Contains(run.output, "恭喜"));
    EXPECT_TRUE(Contains(run.output, "重命名文件（a.墨.墨临时）为输入文件名。"));
    EXPECT_EQ(kMoyuAsC, WithLineFeeds(TempDir::ReadFile(dir / "a.墨")));
    EXPECT_FALSE(Exists(dir / "a.墨.墨临时"));
    EXPECT_FALSE(Exists(dir / "a.c"));
}

TEST(EndToEnd, ModifyInPlaceFailureExitsNonZero_Regression)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    // A folder in the input's place cannot be replaced by a file.
    CreateDirectoryA((dir / "b.墨").c_str(), nullptr);
    ProgramRun run = RunConverter("-c -修改自身 b.墨", dir.Path());
    EXPECT_EQ(2u, run.exitCode) << GbkToUtf8(run.output);
    EXPECT_TRUE(Exists(dir / "b.墨"));
}

TEST(EndToEnd, BannerUsageAndHelp)
{
    TempDir dir;
    ProgramRun quiet = RunConverter("-安静", dir.Path());
    EXPECT_EQ(1u, quiet.exitCode);
    EXPECT_TRUE(Contains(quiet.output, "墨转换 2.0"));
    EXPECT_TRUE(Contains(quiet.output, "\n用法:墨转换 [参数] 源程序文件名  输出文件名  [转换表] \n"));
    EXPECT_TRUE(Contains(quiet.output, "\n参数: -安静/符号/纯净/墨/c/去/输出 路径/调试/转名字/文件名中转英/接口名中转英/取输出文件名/后缀 x.y/修改自身\n"));
    EXPECT_FALSE(Contains(quiet.output, "[安静]安静模式"));
    EXPECT_TRUE(Contains(quiet.output, "\n输入文件："));
    // Standard input is empty, so no typed line end precedes the message.
    EXPECT_EQ("输入文件：出错啦，源程序文件名或输出文件名为空！", LastLine(quiet.output));

    ProgramRun help = RunConverter("", dir.Path());
    EXPECT_EQ(1u, help.exitCode);
    EXPECT_TRUE(Contains(help.output, "    [安静]安静模式，无版权声明  [墨]进行c转墨 [c]进行墨转c  [纯净]不使用缺省转换表  [输出 路径]指明输出文件路径\n"));
    EXPECT_TRUE(Contains(help.output, "    若输入为*.dy且未指定转换类型时进行c转墨。\n"));
    // What -修改自身 does: it converts the input itself, wants a direction and refuses an
    // output name.
    EXPECT_TRUE(Contains(help.output, "[修改自身]指直接在输入文件上进行转换处理（须指明墨或c），不能再给输出文件名。\n"));

    dir.WriteFile("a.墨", kMoyuSource);
    ProgramRun banner = RunConverter("a.墨", dir.Path());
    EXPECT_TRUE(Contains(banner.output, "墨转换 2.0"));
    EXPECT_TRUE(Contains(banner.output, "输入=a.墨， 输出=a.c，转换表=转换表，操作类型=中转英 \n"));
    ProgramRun silent = RunConverter("-安静 a.墨", dir.Path());
    EXPECT_EQ("[恭喜]a.c(1) 成功生成！\n", silent.output);
}

TEST(EndToEnd, NamesTypedAtThePrompts)
{
    TempDir dir;
    dir.WriteFile("a.墨", "我的词\n");
    dir.WriteFile("表", "myword 我的词\n");
    ProgramRun run = RunConverter("-安静", dir.Path(), "a.墨\nout.c\n表\n");
    EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
    // Piped answers are not echoed, so the prompts run on without their line ends.
    EXPECT_TRUE(Contains(run.output, "\n输入文件：\n输出文件：\n转换表文件：[恭喜]out.c(1) 成功生成！\n"));
    EXPECT_EQ("myword\n", WithLineFeeds(TempDir::ReadFile(dir / "out.c")));
}

TEST(EndToEnd, ExitCodes)
{
    TempDir dir;
    ProgramRun missing = RunConverter("-安静 nope.墨", dir.Path());
    EXPECT_EQ(2u, missing.exitCode);
    EXPECT_EQ("无法打开输入文件：nope.墨\n", missing.output);

    dir.WriteFile("a.墨", kMoyuSource);
    CreateDirectoryA((dir / "folder.c").c_str(), nullptr);
    ProgramRun badOutput = RunConverter("-安静 a.墨 folder.c", dir.Path());
    EXPECT_EQ(2u, badOutput.exitCode);
    EXPECT_EQ("无法打开输出文件：folder.c\n", badOutput.output);

    ProgramRun unknown = RunConverter("-xyz a.墨", dir.Path());
    EXPECT_EQ(2u, unknown.exitCode);
    EXPECT_TRUE(Contains(unknown.output, "不能识别的参数：【-xyz】，作为文件名处理\n"));
    EXPECT_TRUE(Contains(unknown.output, "无法打开输入文件：-xyz\n"));
}

TEST(EndToEnd, UnusableNamesAreRefused_Regression)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    const struct { const char* arguments; unsigned exitCode; const char* message; } kCases[] = {
        {"-安静 a.墨 NUL", 2, "输出文件名是设备名：NUL"},
        {"-安静 a.墨 aux.c", 2, "输出文件名是设备名：aux.c"},
        {"-安静 a.墨 sub\\com3", 2, "输出文件名是设备名：sub\\com3"},
        {"-安静 -c -修改自身 a.墨 b.c", 1, "修改自身时不能指定输出文件：b.c"},
        {"-安静 a.墨 a.c 没有的表", 2, "无法打开转换表文件：没有的表"},
    };
    for (const auto& c : kCases) {
        ProgramRun run = RunConverter(c.arguments, dir.Path());
        EXPECT_EQ(c.exitCode, run.exitCode) << c.arguments;
        EXPECT_TRUE(Contains(run.output, c.message)) << GbkToUtf8(run.output);
        EXPECT_FALSE(Contains(run.output, "恭喜")) << c.arguments;
    }
    EXPECT_FALSE(Exists(dir / "a.c"));
    EXPECT_FALSE(Exists(dir / "b.c"));
    EXPECT_EQ(kMoyuSource, WithLineFeeds(TempDir::ReadFile(dir / "a.墨")));
}

TEST(EndToEnd, IdentifierTooLongToKeepWholeFailsTheConversion_Regression)
{
    // 300 Chinese characters, or 600 ASCII letters: more than the converter reads as one word.
    std::string moyu, c;
    for (int i = 0; i < 300; ++i)
        moyu += "甲";
    c.assign(600, 'x');
    TempDir dir;
    dir.WriteFile("a.墨", "整数类型 " + moyu + "。\n");
    dir.WriteFile("b.c", "int " + c + ";\n");
    for (const char* arguments : {"-安静 a.墨", "-安静 b.c"}) {
        ProgramRun run = RunConverter(arguments, dir.Path());
        EXPECT_EQ(3u, run.exitCode) << arguments;
        EXPECT_TRUE(Contains(run.output, "标识符长于")) << GbkToUtf8(run.output);
        EXPECT_FALSE(Contains(run.output, "恭喜")) << GbkToUtf8(run.output);
    }
    // Short enough is converted whole.
    dir.WriteFile("d.c", "int " + c.substr(0, 500) + ";\n");
    ProgramRun run = RunConverter("-安静 d.c", dir.Path());
    EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
    EXPECT_TRUE(Contains(TempDir::ReadFile(dir / "d.墨"), " " + c.substr(0, 500)));
}

TEST(EndToEnd, OutputNamingTheInputIsRefused_Regression)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    ProgramRun run = RunConverter("-安静 -c a.墨 .\\A.墨", dir.Path());
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_TRUE(Contains(run.output, "输出文件与输入文件相同"));
    EXPECT_EQ(kMoyuSource, WithLineFeeds(TempDir::ReadFile(dir / "a.墨")));
}

TEST(EndToEnd, OptionValueMissingIsReported_Regression)
{
    TempDir dir;
    const char* kCases[] = { "-输出", "-安静 -后缀" };
    for (const char* arguments : kCases) {
        ProgramRun run = RunConverter(arguments, dir.Path());
        EXPECT_EQ(1u, run.exitCode);
        EXPECT_TRUE(Contains(run.output, "后缺少取值！")) << GbkToUtf8(run.output);
    }
}

TEST(EndToEnd, ManyOptionsDoNotOverflowTheCount_Regression)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    std::string arguments;
    for (int i = 0; i < 200; ++i)
        arguments += "-安静 ";
    ProgramRun run = RunConverter(arguments + "a.墨", dir.Path());
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("[恭喜]a.c(1) 成功生成！\n", run.output);
}

TEST(EndToEnd, TablesAndConversionOptions)
{
    TempDir dir;
    dir.WriteFile("a.墨", "主函数 我的词 整数类型\n");
    dir.WriteFile("我的表", "myword 我的词\n");
    dir.WriteFile("b.c", "x += 1;\n#include <中文.h>\n");
    dir.WriteFile("c.墨", "#包含 “中文.接口”\n");

    RunConverter("-安静 a.墨 a.c 我的表", dir.Path());
    EXPECT_EQ("main myword int\n", WithLineFeeds(TempDir::ReadFile(dir / "a.c")));
    RunConverter("-安静 -纯净 a.墨 a.c 我的表", dir.Path());
    EXPECT_EQ(Romanized("主函数") + " myword int\n", WithLineFeeds(TempDir::ReadFile(dir / "a.c")));
    RunConverter("-安静 -c51 a.墨", dir.Path());
    EXPECT_EQ("main " + Romanized("我的词") + " long\n", WithLineFeeds(TempDir::ReadFile(dir / "a.c")));
    RunConverter("-安静 -符号 b.c", dir.Path());
    EXPECT_EQ("x  加等  1;\n#包含 <中文.h>\n", WithLineFeeds(TempDir::ReadFile(dir / "b.墨")));
    RunConverter("-安静 c.墨", dir.Path());
    EXPECT_EQ("#include \"中文.h\"\n", WithLineFeeds(TempDir::ReadFile(dir / "c.c")));
    RunConverter("-安静 -接口名中转英 c.墨", dir.Path());
    EXPECT_EQ("#include \"zh_zhog0wen3.h\"\n", WithLineFeeds(TempDir::ReadFile(dir / "c.c")));
}

// C to Moyu and back gives the C file again byte for byte, its CR LF line ends included:
// wide and high-valued literals, apostrophes in messages and prose, compound assignments.
TEST(EndToEnd, CFileRoundTripsByteForByte)
{
    const std::string c =
        "#include <stdio.h>\r\n"
        "#ifndef WCHAR_MAX\r\n"
        "#error Don't build this without wchar_t, it's needed\r\n"
        "#endif\r\n"
        "#if 0\r\n"
        "It's a note; don't 'quote' it, if you can't.\r\n"
        "#endif\r\n"
        "int main(void)\r\n"
        "{\r\n"
        "    wchar_t w = L'\\0', v = L'\\x7f';\r\n"
        "    char c = '\\377', d = 'a';\r\n"
        "    unsigned x = 1;\r\n"
        "    x <<= 1; x >>= 1; x |= 2; x ^= 3; x &= 4; x += c == '\\xff';\r\n"
        "    return printf(\"%u %c %d\\n\", x, d, (int)(w + v));\r\n"
        "}\r\n";
    TempDir dir;
    dir.WriteFile("a.c", c);
    EXPECT_EQ(0u, RunConverter("-安静 a.c", dir.Path()).exitCode);
    EXPECT_EQ(0u, RunConverter("-安静 a.墨 b.c", dir.Path()).exitCode);
    EXPECT_EQ(c, TempDir::ReadFile(dir / "b.c"));
}

TEST(EndToEnd, TraceLines)
{
    TempDir dir;
    dir.WriteFile("a.墨", kMoyuSource);
    ProgramRun run = RunConverter("-调试 a.墨", dir.Path());
    EXPECT_TRUE(Contains(run.output, "名字转换=0,取输出名=0，去除路径=0，操作类型=c转墨\n"));
    EXPECT_TRUE(Contains(run.output, "缺省转换表文件="));
    EXPECT_TRUE(Contains(run.output, "墨转换.zhb（"));
    EXPECT_TRUE(Contains(run.output, "输出文件名：【a.c】\n"));
}
