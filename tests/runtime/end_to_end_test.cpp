#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "child_process.h"
#include "stdout_capture.h"
#include "text_codec.h"

namespace {

// The sample program built for this edition lies beside the test program.
std::string SampleProgramPath()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, length);
    return self.substr(0, self.find_last_of("\\/") + 1) + MOYU_SAMPLE_PROGRAM;
}

#if MOYU_OLD_ALLOCATOR
const char kKeptBlockLine[] = "\n[信息]源码\\墨语言字符串.墨(111行):5 字节内存分配成功，内存=#。 ";
#else
const char kKeptBlockLine[] = " [信息]源码\\墨语言字符串.墨(111行):5字节内存分配成功，内存=# <2>。\n";
#endif

TEST(EndToEnd, ConsoleProgramRunsBetweenSystemStartAndEnd)
{
    ProgramRun run = RunProgram("\"" + SampleProgramPath() + "\" \"a b\" 中文");
    ASSERT_TRUE(run.started) << SampleProgramPath();
    EXPECT_EQ(7u, run.exitCode);
    // 2.0: the exit list's chunk is live before 主程序 starts, and the kept block is released
    // with the log off. 1.72: the key ring is live instead, and the program frees the block.
    std::string expected = std::string("首次跟踪:0\n参数:3\n[a b]\n[中文]\n") + kKeptBlockLine;
#if MOYU_OLD_ALLOCATOR
    expected += "\n[信息]示例.墨(20行):释放内存，内存=#。 ";
#elif MOYU_EDITION == 172
    expected += " [信息]示例.墨(20行):释放内存，内存=# <2>。\n";
#endif
    EXPECT_EQ(expected, MaskAddresses(WithLineFeeds(run.output)));
}

TEST(EndToEnd, TerminateRunsSystemEndBeforeExiting)
{
    ProgramRun run = RunProgram("\"" + SampleProgramPath() + "\" 结束");
    ASSERT_TRUE(run.started) << SampleProgramPath();
    EXPECT_EQ(3u, run.exitCode);
    // No release is logged: system end switched the log off first.
    EXPECT_EQ(std::string("首次跟踪:0\n参数:2\n[结束]\n") + kKeptBlockLine,
              MaskAddresses(WithLineFeeds(run.output)));
}

}  // namespace
