#include <gtest/gtest.h>

#include <string>

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

// Start-up as the program's WinMain runs it.
class StartingApp : public CWinApp {
public:
    explicit StartingApp(BOOL starts) : CWinApp("启动测试"), m_starts(starts) {}

    BOOL InitInstance() override
    {
        steps += "init ";
        if (!m_starts)
            return FALSE;
        ::PostQuitMessage(12);
        return TRUE;
    }
    int ExitInstance() override
    {
        steps += "exit";
        return CWinApp::ExitInstance() + 100;
    }

    std::string steps;

private:
    BOOL m_starts;
};

TEST(AfxWinMain, RunsTheLoopAfterASuccessfulStartAndReturnsTheExitCode)
{
    StartingApp app(TRUE);
    char commandLine[] = "/NC 甲.墨";
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWMAXIMIZED), 112);
    EXPECT_EQ(app.steps, "init exit");
    EXPECT_STREQ(app.m_lpCmdLine, "/NC 甲.墨");
    EXPECT_EQ(app.m_nCmdShow, SW_SHOWMAXIMIZED);
    EXPECT_EQ(AfxGetApp(), &app);
}

TEST(SkipProgramName, LeavesTheArgumentsWholeWhateverTheyBeginWith)
{
    const struct {
        const char* line;
        const char* arguments;
    } cases[] = {
        {"\"C:\\墨 语言\\墨语言编辑器.exe\" 不存在乙.墨", "不存在乙.墨"},
        {"\"墨语言编辑器.exe\"\t \t乙.墨 丙.墨", "乙.墨 丙.墨"},
        {"墨语言编辑器.exe 甲.墨", "甲.墨"},
        {"editor.exe   /L:3 \"甲 乙.墨\"", "/L:3 \"甲 乙.墨\""},
        {"\"editor.exe\"", ""},
        {"\"unclosed", ""},
        {"editor.exe", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string line = c.line;
        EXPECT_STREQ(SkipProgramName(&line[0]), c.arguments) << c.line;
    }
    EXPECT_EQ(SkipProgramName(nullptr), nullptr);
}

TEST(AfxWinMain, FailedStartEndsAtOnceThroughExitInstance)
{
    StartingApp app(FALSE);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), 100);
    EXPECT_EQ(app.steps, "init exit");
}

TEST(AfxWinMain, WithoutAnApplicationObjectFails)
{
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, nullptr, SW_SHOW), -1);
}

} // namespace
