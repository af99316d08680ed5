#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "matforge_test_support.h"
#include "temp_dir.h"

namespace {

const char kScript[] = "#定义 A 1\nM 菜单\n开始\n菜单项 分隔符\n结束\n";
const char kConverted[] = "#define A 1\nM MENU\nBEGIN\nMENUITEM SEPARATOR\nEND\n";
const char kUsageLine[] = "用法： matforge  素材文件名  [输出文件名] ";
const char kWrongExtension[] = "输入文件名错误，必须为\"*.素材\"文件。\n";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> GoldenInputs()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(MOYU_MATFORGE_GOLDEN_DIR "\\*.素材", &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            names.push_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    return names;
}

std::string BaseName(const std::string& name)
{
    return name.substr(0, name.rfind('.'));
}

}  // namespace

TEST(EndToEnd, GoldenScripts)
{
    std::vector<std::string> inputs = GoldenInputs();
    ASSERT_FALSE(inputs.empty());
    for (const std::string& input : inputs) {
        std::string golden = std::string(MOYU_MATFORGE_GOLDEN_DIR) + "\\";
        std::string script = Utf8ToGbk(TempDir::ReadFile(golden + input));
        std::string expected = TempDir::ReadFile(golden + BaseName(input) + ".rc");
        ASSERT_FALSE(script.empty()) << GbkToUtf8(input);
        TempDir dir;
        dir.WriteFile(input, script);
        ProgramRun run = RunMatforge("\"" + input + "\"", dir.Path());
        EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
        EXPECT_EQ("", run.output);
        EXPECT_EQ(expected, GbkToUtf8(WithLineFeeds(TempDir::ReadFile(dir / (BaseName(input) + ".rc")))))
            << GbkToUtf8(input);
    }
}

TEST(EndToEnd, OutputNames)
{
    const struct { const char* arguments; const char* input; const char* output; } kCases[] = {
        {"a", "a.素材", "a.rc"},
        {"a.素材", "a.素材", "a.rc"},
        {"a.素材 b.x", "a.素材", "b.x"},
        {"sub\\a", "sub\\a.素材", "sub\\a.rc"},
        {"\"名 字.素材\" \"输 出\"", "名 字.素材", "输 出"},
    };
    for (const auto& c : kCases) {
        TempDir dir;
        CreateDirectoryA((dir / "sub").c_str(), nullptr);
        dir.WriteFile(c.input, kScript);
        ProgramRun run = RunMatforge(c.arguments, dir.Path());
        EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(c.arguments) << "\n" << GbkToUtf8(run.output);
        EXPECT_EQ(kConverted, WithLineFeeds(TempDir::ReadFile(dir / c.output))) << GbkToUtf8(c.arguments);
        EXPECT_EQ(kScript, TempDir::ReadFile(dir / c.input));
    }
}

TEST(EndToEnd, WrongArgumentCountPrintsTheUsage)
{
    for (const char* arguments : {"", "a.素材 b.rc c.rc"}) {
        TempDir dir;
        ProgramRun run = RunMatforge(arguments, dir.Path());
        EXPECT_EQ(1u, run.exitCode) << arguments;
        size_t newline = run.output.find('\n');
        ASSERT_NE(std::string::npos, newline) << GbkToUtf8(run.output);
        EXPECT_TRUE(Contains(run.output.substr(0, newline), "matforge 1.0"));
        EXPECT_EQ(std::string(kUsageLine) + "\n", run.output.substr(newline + 1));
    }
}

TEST(EndToEnd, WrongExtension)
{
    for (const char* arguments : {"a.txt", "a.txt b.rc", "a.素材.bak"}) {
        TempDir dir;
        dir.WriteFile("a.txt", kScript);
        ProgramRun run = RunMatforge(arguments, dir.Path());
        EXPECT_EQ(2u, run.exitCode) << GbkToUtf8(arguments);
        EXPECT_EQ(kWrongExtension, run.output);
        EXPECT_FALSE(Exists(dir / "a.rc"));
        EXPECT_FALSE(Exists(dir / "b.rc"));
    }
}

TEST(EndToEnd, RegressionOutputNamingTheInputIsRefused)
{
    for (const char* output : {"a.素材", ".\\a.素材", "A.素材", "sub\\..\\a.素材"}) {
        TempDir dir;
        CreateDirectoryA((dir / "sub").c_str(), nullptr);
        dir.WriteFile("a.素材", kScript);
        ProgramRun run = RunMatforge(std::string("a.素材 ") + output, dir.Path());
        EXPECT_EQ(3u, run.exitCode) << GbkToUtf8(output);
        EXPECT_EQ("输出文件不能是输入文件：" + std::string(output) + "\n", run.output);
        EXPECT_EQ(kScript, TempDir::ReadFile(dir / "a.素材")) << GbkToUtf8(output);
    }
}

TEST(EndToEnd, RegressionDeviceOutputsAreRefused)
{
    for (const char* output : {"NUL", "aux.rc", "sub\\Com1", "lpt2.rc", "CONOUT$", "con"}) {
        TempDir dir;
        dir.WriteFile("a.素材", kScript);
        ProgramRun run = RunMatforge(std::string("a.素材 ") + output, dir.Path());
        EXPECT_EQ(3u, run.exitCode) << output;
        EXPECT_NE(std::string::npos, run.output.find("输出文件名是设备名")) << GbkToUtf8(run.output);
    }
}

TEST(EndToEnd, RegressionInputThatCannotBeOpenedLeavesTheOutputUntouched)
{
    const struct { const char* arguments; const char* output; } kCases[] = {
        {"missing", "missing.rc"},
        {"missing.素材 b.rc", "b.rc"},
        {"sub b.rc", "b.rc"},  // a folder named sub.素材
    };
    for (const auto& c : kCases) {
        TempDir dir;
        CreateDirectoryA((dir / "sub.素材").c_str(), nullptr);
        dir.WriteFile(c.output, "earlier output\n");
        ProgramRun run = RunMatforge(c.arguments, dir.Path());
        EXPECT_EQ(3u, run.exitCode) << GbkToUtf8(c.arguments);
        EXPECT_TRUE(Contains(run.output, "无法打开输入文件：")) << GbkToUtf8(run.output);
        EXPECT_EQ("earlier output\n", TempDir::ReadFile(dir / c.output)) << GbkToUtf8(c.arguments);
    }
}

TEST(EndToEnd, OutputThatCannotBeOpenedIsReported)
{
    TempDir dir;
    dir.WriteFile("a.素材", kScript);
    ProgramRun run = RunMatforge("a.素材 nofolder\\b.rc", dir.Path());
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_EQ("无法打开输出文件：nofolder\\b.rc\n", run.output);
}

TEST(EndToEnd, RegressionLongLinesAreConvertedWhole)
{
    TempDir dir;
    std::string item = "菜单项 \"" + std::string(3000, 'x') + "\", 101, 选择的";
    dir.WriteFile("a.素材", "M 菜单\r\n开始\r\n" + item + "\r\n结束\r\n");
    ProgramRun run = RunMatforge("a.素材", dir.Path());
    EXPECT_EQ(0u, run.exitCode) << GbkToUtf8(run.output);
    EXPECT_EQ("M MENU\nBEGIN\nMENUITEM \"" + std::string(3000, 'x') + "\", 101, CHECKED\nEND\n",
              WithLineFeeds(TempDir::ReadFile(dir / "a.rc")));
}

TEST(EndToEnd, RegressionLongFileNamesAreBounded)
{
    TempDir dir;
    dir.WriteFile("a.素材", kScript);
    std::string name(3000, 'n');
    ProgramRun run = RunMatforge(name + " " + name + ".rc", dir.Path());
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_EQ("无法打开输入文件：" + name + ".素材\n", run.output);
    run = RunMatforge("a.素材 " + name + ".rc", dir.Path());
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_EQ("无法打开输出文件：" + name + ".rc\n", run.output);
}

TEST(EndToEnd, ATextThatIsNotGbkIsRefusedAndLeavesNoOutput)
{
    TempDir dir;
    // A script saved as UTF-16: every other byte is zero.
    dir.WriteFile("a.素材", std::string("\xFF\xFE#\0a\0\n\0", 8));
    ProgramRun run = RunMatforge("a.素材", dir.Path());
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_TRUE(Contains(run.output, "含有零字节")) << GbkToUtf8(run.output);
    EXPECT_FALSE(Exists(dir / "a.rc"));
}
