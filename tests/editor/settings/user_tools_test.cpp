#include "editor/res/resource.h"
#include "editor/settings/UserTools.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/settings/ChildEnvironment.h"
#include "editor/settings/SettingsStream.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

ToolMacroValues SampleValues()
{
    ToolMacroValues values;
    values.filePath = "C:\\源码\\甲乙.墨";
    values.lineNum = "42";
    values.currWord = "变量";
    values.userInput = "-v";
    values.selectPath1 = "D:\\一.c";
    values.selectPath2 = "D:\\二.c";
    values.selectDir1 = "E:\\三";
    values.selectDir2 = "E:\\四";
    return values;
}

} // namespace

TEST(UserTools, EveryMacroInBothSpellingsAndItsModifiers)
{
    EnvironmentTable env;
    env.Set("墨变量", "环境值");
    const ToolMacroValues values = SampleValues();
    const struct {
        const char* text;
        const char* expected;
    } kCases[] = {
        {"$(FilePath)|$(文件路径)", "C:\\源码\\甲乙.墨|C:\\源码\\甲乙.墨"},
        {"$(FileDir)|$(文件目录)", "C:\\源码|C:\\源码"},
        {"$(FileName)|$(文件名称)", "甲乙.墨|甲乙.墨"},
        {"$(FileTitle)|$(文件名)", "甲乙|甲乙"},
        {"$(LineNum)|$(行号)", "42|42"},
        {"$(CurrWord)|$(当前词语)", "变量|变量"},
        {"$(UserInput)|$(用户输入)", "-v|-v"},
        {"$(SelectPath1) $(选择路径1) $(SelectPath2) $(选择路径2)", "D:\\一.c D:\\一.c D:\\二.c D:\\二.c"},
        {"$(SelectDir1) $(选择目录1) $(SelectDir2) $(选择目录2)", "E:\\三 E:\\三 E:\\四 E:\\四"},
        // A bare "$" and a name of letters and digits.
        {"$FileTitle.c $LineNum", "甲乙.c 42"},
        // Environment variables, and nothing for a name that is neither.
        {"[$(墨变量)][$(没有这个变量)][$没有]", "[环境值][][]"},
        // Modifiers.
        {"$(没有=缺省)|$(FileTitle=缺省)|$(FileTitle=)", "缺省|甲乙|甲乙"},
        {"$(FilePath:3)|$(FilePath:3,4)|$(FilePath:100)|$(FilePath:-2,2)", "源码\\甲乙.墨|源码||C:"},
        {"$(FilePath#C:\\)|$(FilePath#D:)", "源码\\甲乙.墨|C:\\源码\\甲乙.墨"},
        {"$(FilePath%.墨)|$(FilePath%.c)|$(FileName%乙)", "C:\\源码\\甲乙|C:\\源码\\甲乙.墨|甲乙.墨"},
        // Quotes around a value that needs none are dropped; only quotes of the text count.
        {"\"$(FilePath)\" \"$(CurrWord)x\"", "C:\\源码\\甲乙.墨 \"变量x\""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, S(ExpandToolMacros(c.text, values, env))) << c.text;

    ToolMacroValues blank = values;
    blank.filePath = "C:\\我的 源码\\甲.墨";
    EXPECT_EQ("\"C:\\我的 源码\\甲.墨\" C:\\我的 源码", S(ExpandToolMacros("\"$(FilePath)\" $(FileDir)", blank, env)));
}

TEST(UserTools, ExpansionIsOnePassThatNeverLoops)
{
    EnvironmentTable env;
    env.Set("LOOP", "$(LOOP)");
    env.Set("PATHLIKE", "$(FilePath)");
    ToolMacroValues values = SampleValues();
    values.currWord = "$(LineNum)$";
    const struct {
        const char* text;
        const char* expected;
    } kCases[] = {
        {"$", "$"},
        {"a$ b$", "a$ b$"},
        {"$(", "$("},
        {"$(FilePath", "$(FilePath"},
        {"$$(LineNum)$", "$42$"},
        {"$()", ""},
        {"$(LineNum)$(LineNum)", "4242"},
        // Values are inserted as they are, never expanded again.
        {"$(CurrWord)", "$(LineNum)$"},
        {"$(LOOP)|$(PATHLIKE)", "$(LOOP)|$(FilePath)"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, S(ExpandToolMacros(c.text, values, env))) << c.text;
}

TEST(UserTools, BatchToolsQuoteTheSelection)
{
    EnvironmentTable env;
    ToolMacroValues values = SampleValues();
    values.batch = true;
    const struct {
        const char* word;
        const char* text;
        const char* expected;
    } kCases[] = {
        {"a&b|c", "x.bat $(CurrWord)", "x.bat \"a&b|c\""},
        {"a&b|c", "x.bat \"$(CurrWord)\"", "x.bat \"a&b|c\""},
        {"<in >out ^", "$(CurrWord)", "\"<in >out ^\""},
        {"say \"hi\" & bye", "$(CurrWord)", "\"say \"\"hi\"\" & bye\""},
        {"plain", "\"$(CurrWord)\"", "plain"},
        // Other values are the user's own command text.
        {"x", "$(UserInput)", "-v"},
    };
    for (const auto& c : kCases) {
        values.currWord = c.word;
        EXPECT_EQ(c.expected, S(ExpandToolMacros(c.text, values, env))) << c.word;
    }
    values.batch = false;
    values.currWord = "a&b";
    EXPECT_EQ("a&b", S(ExpandToolMacros("$(CurrWord)", values, env)));

    // PrepareTool decides by the command.
    CUserCommand tool;
    tool.command = "工具.BAT";
    tool.arguments = "$(CurrWord)";
    EXPECT_EQ("\"a&b\"", S(PrepareTool(tool, values, "", "", env).arguments));
    tool.command = "工具.exe";
    EXPECT_EQ("a&b", S(PrepareTool(tool, values, "", "", env).arguments));
}

TEST(UserTools, SlotsCommandsMenuTextsAndHotKeys)
{
    EXPECT_EQ(ID_TOOL_SLOT_1, ToolSlotCommand(1));
    EXPECT_EQ(ID_TOOL_SLOT_10, ToolSlotCommand(10));
    EXPECT_EQ(ID_TOOL_SLOT_15, ToolSlotCommand(15));
    EXPECT_EQ(0, ToolSlotCommand(16));
    for (int slot = kFirstToolSlot; slot <= kLastToolSlot; ++slot)
        EXPECT_EQ(slot, ToolSlotOfCommand(ToolSlotCommand(slot)));

    CUserCommand tool;
    EXPECT_EQ("&0 - 空 -\tCtrl+0", S(ToolMenuText(tool, 10)));
    EXPECT_EQ("&1 - 空 -\t", S(ToolMenuText(tool, 11)));
    tool.name = "编译";
    EXPECT_EQ("&3 编译\tCtrl+3", S(ToolMenuText(tool, 3)));

    UserToolTable tools;
    tools[2].vk = VK_F5;
    tools[2].modifiers = kModCtrl;
    tools[4] = tools[2];
    tools[4].command = "b.exe";  // the first slot with a tool wins
    tools[6] = tools[4];
    tools[6].modifiers = kModCtrl | kModAlt;
    EXPECT_EQ(4, FindToolHotKey(tools, VK_F5, kModCtrl));
    EXPECT_EQ(6, FindToolHotKey(tools, VK_F5, kModCtrl | kModAlt));
    EXPECT_EQ(0, FindToolHotKey(tools, VK_F5, 0));
    EXPECT_EQ(0, FindToolHotKey(tools, VK_F6, kModCtrl));
}

TEST(UserTools, CommandFoldersKindsAndDialogs)
{
    EXPECT_EQ("C:\\墨\\命令\\墨转换.exe", S(ResolveToolCommand("..\\命令\\墨转换.exe", "C:\\墨", "C:\\墨\\bin")));
    EXPECT_EQ("C:\\墨\\bin\\工具\\a.exe", S(ResolveToolCommand(".\\工具\\a.exe", "C:\\墨", "C:\\墨\\bin")));
    EXPECT_EQ("a.exe", S(ResolveToolCommand("a.exe", "C:\\墨", "C:\\墨\\bin")));

    const struct {
        const char* command;
        ToolKind kind;
    } kKinds[] = {
        {"a.exe", kToolProgram}, {"A.COM", kToolProgram}, {"b.Bat", kToolBatch}, {"c.cmd", kToolBatch},
        {"帮助.hlp", kToolWinHelp}, {"帮助.CHM", kToolHtmlHelp}, {"脚本.py", kToolUnknown}, {"exe", kToolUnknown},
    };
    for (const auto& c : kKinds)
        EXPECT_EQ(c.kind, ClassifyToolCommand(c.command)) << c.command;

    EXPECT_EQ(0u, ToolDialogsNeeded("$(FilePath) $(UserInputs"));
    EXPECT_EQ(unsigned(kAskUserInput | kAskDir2), ToolDialogsNeeded("$(用户输入) $(SelectDir2)"));
    EXPECT_EQ(unsigned(kAskPath1 | kAskPath2 | kAskDir1), ToolDialogsNeeded("$(选择路径1)$(SelectPath2)$(选择目录1)"));

    EnvironmentTable env;
    CUserCommand tool;
    tool.command = "..\\命令\\$(FileTitle).exe";
    tool.arguments = "\"$(FilePath)\"";
    tool.initialFolder = "$(FileDir)";
    PreparedTool prepared = PrepareTool(tool, SampleValues(), "C:\\墨", "C:\\墨\\bin", env);
    EXPECT_EQ("C:\\墨\\命令\\甲乙.exe", S(prepared.command));
    EXPECT_EQ("C:\\源码\\甲乙.墨", S(prepared.arguments));
    EXPECT_EQ("C:\\源码\\", S(prepared.folder));
    EXPECT_EQ(kToolProgram, prepared.kind);
}

TEST(UserTools, SuccessLinesNameTheFilesToOpen)
{
    const struct {
        const char* line;
        const char* name;  // null: not a success line
    } kCases[] = {
        {"[恭喜]a.c(1) 成功生成！", "a.c"},
        {"[恭喜]C:\\我的 源码\\甲.c(1) 成功生成！", "C:\\我的 源码\\甲.c"},
        {"[恭喜]副本(1).c(1) 成功生成！", "副本(1).c"},
        {"[恭喜]x(1)", "x"},
        {"[恭喜](1) 成功生成！", nullptr},
        {"=>a.c(1) 成功生成！", nullptr},
        {"[错误]a.c(1): 出错", nullptr},
        {"[恭喜]a.c 成功生成！", nullptr},
    };
    for (const auto& c : kCases) {
        CString name;
        ASSERT_EQ(c.name != nullptr, CongratsFileName(c.line, name)) << c.line;
        if (c.name) {
            EXPECT_EQ(c.name, S(name));
        }
    }

    TempDir dir;
    const std::string inFolder = dir.WriteFile("甲.c", "x");
    ::CreateDirectoryA((dir / "子").c_str(), nullptr);
    const std::string absolute = dir.WriteFile("子\\乙.墨", "");
    CStringArray lines, files;
    lines.Add("[恭喜]甲.c(1) 成功生成！");
    lines.Add(("[恭喜]" + absolute + "(1) 成功生成！").c_str());
    lines.Add("[恭喜]没有.c(1) 成功生成！");
    lines.Add("[信息]甲.c(1)");
    CongratsFilesToOpen(lines, dir.Path().c_str(), files);
    ASSERT_EQ(2, files.GetSize());
    EXPECT_EQ(inFolder, S(files[0]));
    EXPECT_EQ(absolute, S(files[1]));
}

TEST(UserTools, ToolSetsAndToolFiles)
{
    TempDir dir;
    UserToolTable tools;
    tools[1].name = "一";
    tools[1].command = "a.exe";
    ::CreateDirectoryA((dir / "工具").c_str(), nullptr);
    for (int i = 11; i >= 0; --i)  // written out of order
        ASSERT_TRUE(SaveUserCommands((dir / ("工具\\组" + std::string(1, char('A' + i)) + ".工具")).c_str(), tools));
    ::SetFileAttributesA((dir / "工具\\组A.工具").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::CreateDirectoryA((dir / "工具\\目录.工具").c_str(), nullptr);
    dir.WriteFile("工具\\其他.宏", "");
    CStringArray sets;
    LoadToolSets(dir.Path().c_str(), sets);
    ASSERT_EQ(kMaxToolSets, sets.GetSize());
    EXPECT_EQ(dir / "工具\\组B.工具", S(sets[0]));
    EXPECT_EQ(dir / "工具\\组K.工具", S(sets[9]));

    UserToolTable loaded;
    EXPECT_EQ(SetFileLoad::kLoaded, LoadToolFile(S(sets[0]).c_str(), loaded));
    EXPECT_EQ("a.exe", S(loaded[1].command));
    EXPECT_EQ(SetFileLoad::kMissing, LoadToolFile((dir / "没有.工具").c_str(), loaded));

    // A hot key no hot-key control can hold marks a damaged file; nothing is taken from it.
    for (auto bad : {std::make_pair<uint16_t, uint16_t>(0x100, 0), std::make_pair<uint16_t, uint16_t>('A', 8)}) {
        UserToolTable damaged = tools;
        damaged[5].vk = bad.first;
        damaged[5].modifiers = bad.second;
        const std::string path = dir / "坏.工具";
        ASSERT_TRUE(SaveUserCommands(path.c_str(), damaged));
        loaded[1].command = "kept.exe";
        EXPECT_EQ(SetFileLoad::kRefused, LoadToolFile(path.c_str(), loaded));
        EXPECT_EQ("kept.exe", S(loaded[1].command));
    }
    EXPECT_NE(std::string::npos, S(SetFileRefusalMessage("C:\\坏.工具")).find("C:\\坏.工具"));
}
