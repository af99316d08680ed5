#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/源码/显示.h"
#include "runtime/源码/系统.h"

namespace {

// What the program saw when the GUI entry ran it.
struct ProgramRun {
    std::vector<std::string> arguments;
    bool argvEndsWithNull = false;
    bool stateExisted = false;
    bool noKeyboard = false;
};
ProgramRun g_run;

std::string ModuleFileName()
{
    char name[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, name, sizeof name);
    return name;
}

}  // namespace

// The test program's main program, run by the GUI entry through ProgramEntry.
extern "C" int 主程序(int argc, char** argv, char** envp)
{
    (void)envp;
    g_run = ProgramRun();
    for (int i = 0; i < argc; i++)
        g_run.arguments.push_back(argv[i] ? argv[i] : "(null)");
    g_run.argvEndsWithNull = argv[argc] == nullptr;
    g_run.stateExisted = VdState() != nullptr;
    g_run.noKeyboard = SysGetNoKeyboard() != 0;
    return 37;
}

TEST(GuiEntryTest, RunsTheProgramWithTheSplitCommandLine)
{
    struct Case {
        const char* commandLine;
        std::vector<std::string> arguments;
    } cases[] = {
        { "", {} },
        { "a b", { "a", "b" } },
        { "\"x y\"z", { "x yz" } },
        { "a\"b", { "a\"b" } },
        { "  one\ttwo  ", { "one", "two" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        VdDiscardState();
        std::string commandLine = c.commandLine;
        int result = VdWinMain(GetModuleHandleA(nullptr), nullptr, &commandLine[0], SW_SHOW);
        EXPECT_EQ(result, 37);
        std::vector<std::string> expected = { ModuleFileName() };
        expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(g_run.arguments, expected);
        EXPECT_TRUE(g_run.argvEndsWithNull);
        EXPECT_TRUE(g_run.stateExisted);
        EXPECT_TRUE(g_run.noKeyboard);
        EXPECT_EQ(VdState(), nullptr) << "the record is freed after the program";
    }
}
