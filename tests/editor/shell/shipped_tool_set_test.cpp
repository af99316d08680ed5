#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/settings/ChildEnvironment.h"
#include "editor/settings/UserTools.h"
#include "editor/shell/CapturedProcess.h"
#include "temp_dir.h"
#include "wait.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

struct CollectingSink : CaptureSink {
    std::vector<std::string> lines;
    bool ended = false;
    DWORD exitCode = 0;
    void CaptureStarted(const char*) override {}
    void CaptureLine(const char* line) override { lines.push_back(line); }
    void CaptureEnded(DWORD code) override
    {
        ended = true;
        exitCode = code;
    }
};

} // namespace

// The shipped default tool set: its conversion slot runs the staged converter on a
// document in a folder with a blank, both ways, and its success lines name the new files.
TEST(UserTools, ShippedToolSetConvertsThroughTheStagedConverter)
{
    const CString install = MOYU_STAGED_INSTALL_DIR;
    UserToolTable tools;
    ASSERT_EQ(SetFileLoad::kLoaded, LoadToolFile(install + "\\bin\\vuze.工具", tools));
    for (int slot : {1, 2, 3, 11, 12, 15})
        EXPECT_FALSE(tools[slot].command.IsEmpty()) << slot;
    EXPECT_EQ("视窗编译连接", S(tools[kBuildToolSlot].name));
    EXPECT_EQ("墨转C或C转墨", S(tools[kConversionToolSlot].name));
    EXPECT_TRUE(tools[kConversionToolSlot].captureOutput);

    TempDir dir;
    const std::string folder = dir / "我的 源码";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const struct {
        const char* source;
        const char* text;
        const char* output;
        const char* converted;
    } kCases[] = {
        {"例子.墨", "#包含 “标准输入输出.接口”\n整数类型 主函数(无类型) 开始 返回 0。结束\n", "例子.c",
         "#include \"stdio.h\"\nint main(void) { return 0;}\n"},
        {"反向.c", "if x\n", "反向.墨", "如果 x\n"},
    };
    for (const auto& c : kCases) {
        dir.WriteFile(std::string("我的 源码\\") + c.source, c.text);
        ToolMacroValues values;
        values.filePath = (folder + "\\" + c.source).c_str();
        EnvironmentTable env;
        const PreparedTool tool = PrepareTool(tools[kConversionToolSlot], values, install, install + "\\bin", env);
        EXPECT_EQ(S(install) + "\\命令\\墨转换.exe", S(tool.command));
        EXPECT_EQ("\"" + folder + "\\" + c.source + "\"", S(tool.arguments));
        ASSERT_EQ(kToolProgram, tool.kind);

        CollectingSink sink;
        CapturedProcessState state(sink);
        ASSERT_EQ(kStartOk, state.Start(tool.command, tool.arguments, tool.folder, true, true));
        ASSERT_TRUE(WaitUntil([&] {
            state.Poll();
            return sink.ended;
        }));
        EXPECT_EQ(0u, sink.exitCode);
        CStringArray lines, files;
        for (const std::string& line : sink.lines)
            lines.Add(line.c_str());
        CongratsFilesToOpen(lines, folder.c_str(), files);
        ASSERT_EQ(1, files.GetSize()) << c.source;
        EXPECT_EQ(folder + "\\" + c.output, S(files[0]));
        std::string converted = TempDir::ReadFile(S(files[0]));
        converted.erase(std::remove(converted.begin(), converted.end(), '\r'), converted.end());
        EXPECT_EQ(c.converted, converted);
    }
}
