// Environment, spawn, exec and the command processor; ANSI to UTF-16.
#include <gtest/gtest.h>

#include <process.h>

#include <string>

#include "runtime/源码/宽字符.h"
#include "runtime/源码/进程.h"

namespace {

TEST(ProcEnvironment, PutAndGet)
{
    EXPECT_EQ(ProcPutEnv("MOYU_PROCESS_TEST=中文值"), 0);
    ASSERT_NE(ProcGetEnv("MOYU_PROCESS_TEST"), nullptr);
    EXPECT_STREQ(ProcGetEnv("MOYU_PROCESS_TEST"), "中文值");
    EXPECT_EQ(ProcGetEnv("MOYU_PROCESS_TEST_NONE"), nullptr);
    EXPECT_EQ(ProcGetEnv(nullptr), nullptr);
    EXPECT_EQ(ProcPutEnv(nullptr), -1);
}

TEST(ProcSystem, ReturnsTheCommandsResult)
{
    EXPECT_EQ(ProcSystem("exit 3"), 3);
    EXPECT_EQ(ProcSystem("exit 0"), 0);
}

TEST(ProcSpawn, WaitsOrNotByMode)
{
    char* const argv[] = {(char*)"cmd.exe", (char*)"/c", (char*)"exit", (char*)"4", nullptr};
    for (KindWord mode : {0u, 200u})
        EXPECT_EQ(ProcSpawn(mode, "cmd.exe", 搜索, argv, nullptr), 4) << mode;
    // Without waiting the result is the child's process handle; reap it here.
    int child = ProcSpawn(并发, "cmd.exe", 搜索, argv, nullptr);
    ASSERT_NE(child, -1);
    int status = 0;
    EXPECT_EQ(_cwait(&status, child, _WAIT_CHILD), child);
    EXPECT_EQ(status, 4);
    EXPECT_NE(ProcSpawn(后台, "cmd.exe", 搜索, argv, nullptr), -1);
    char* const env[] = {(char*)"MOYU_CHILD=1", nullptr};
    EXPECT_EQ(ProcSpawn(0, "cmd.exe", 1, argv, env), 4);
    EXPECT_EQ(ProcSpawn(0, "no_such_program_moyu.exe", 搜索, argv, nullptr), -1);
    EXPECT_EQ(ProcSpawn(0, nullptr, 0, argv, nullptr), -1);
}

TEST(ProcExec, ReturnsAnErrorCodeOnlyOnFailure)
{
    char* const argv[] = {(char*)"no_such_program_moyu.exe", nullptr};
    EXPECT_NE(ProcExec("no_such_program_moyu.exe", 0, argv, nullptr), 0);
    EXPECT_EQ(ProcExec(nullptr, 0, argv, nullptr), -1);
}

TEST(StrToWide, ConvertsGbkToUtf16)
{
    wchar_t wide[8] = {};
    EXPECT_EQ(StrToWide("中文a", -1, wide, 8), 4);
    EXPECT_EQ(std::wstring(wide), std::wstring(L"\u4e2d\u6587a"));
    wchar_t cut[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(StrToWide("中文", 2, cut, 4), 1);
    EXPECT_EQ(cut[1], L'\0');
    EXPECT_EQ(StrToWide("中文", -1, nullptr, 0), 3);
    EXPECT_EQ(StrToWide(nullptr, -1, wide, 8), 0);
}

TEST(StrToWide, BufferTooSmallLeavesAnEmptyText)
{
    wchar_t wide[3] = {L'x', L'x', L'x'};
    EXPECT_EQ(StrToWide("中文abc", -1, wide, 2), 0);
    EXPECT_EQ(wide[0], L'\0');
    EXPECT_EQ(wide[2], L'x');
}

}  // namespace
