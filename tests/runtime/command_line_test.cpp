#include <gtest/gtest.h>

#if MOYU_EDITION == 172

#include <climits>
#include <string>
#include <vector>

#include "runtime/源码/内存.h"
#include "runtime/源码/系统.h"
#include "stdout_capture.h"
#include "address_space.h"

namespace {

struct SplitCase {
    const char* commandLine;
    std::vector<std::string> args;
};

const SplitCase kCases[] = {
    { "a b  c", { "a", "b", "c" } },
    { "\"a b\" c", { "a b", "c" } },
    { "\"\" x", { "", "x" } },
    { "x \"\"", { "x", "" } },
    { "ab\"cd ef\"", { "ab\"cd", "ef\"" } },        // a quote inside an argument is a byte
    { "\"a b\"c\"d e", { "a bc\"d", "e" } },        // after the quoted part it is too
    { "\t a\r\nb\x0B" "c\x0C", { "a", "b\x0B" "c\x0C" } },  // 11 and 12 are ordinary
    { "\"open to the end", { "open to the end" } },
    { "\"tab\tand\nline\"", { "tab\tand\nline" } },
    { "中文 \"带 空格\"", { "中文", "带 空格" } },
    { "", {} },
    { "   ", {} },
};

std::string Shown(const char* text)
{
    return std::string("[") + text + "]";
}

TEST(CommandLineSplitter, CountAndSplitApplyOneRule)
{
    for (const SplitCase& c : kCases) {
        EXPECT_EQ((int)c.args.size(), CountCommandLineArgs(c.commandLine)) << Shown(c.commandLine);
        int argc = -1;
        char** argv = SplitCommandLine(c.commandLine, &argc, 2);
        ASSERT_NE(nullptr, argv) << Shown(c.commandLine);
        ASSERT_EQ(2 + (int)c.args.size(), argc) << Shown(c.commandLine);
        EXPECT_EQ(nullptr, argv[0]);
        EXPECT_EQ(nullptr, argv[1]);
        for (size_t i = 0; i < c.args.size(); i++)
            EXPECT_EQ(c.args[i], argv[2 + i]) << Shown(c.commandLine) << " argument " << i;
        EXPECT_EQ(nullptr, argv[argc]);
        MemFree(argv, "test", 1);
    }
}

TEST(CommandLineSplitter, NullCommandLineHasNoArguments)
{
    EXPECT_EQ(0, CountCommandLineArgs(nullptr));
    int argc = -1;
    char** argv = SplitCommandLine(nullptr, &argc, 1);
    ASSERT_NE(nullptr, argv);
    EXPECT_EQ(1, argc);
    EXPECT_EQ(nullptr, argv[0]);
    EXPECT_EQ(nullptr, argv[1]);
    MemFree(argv, "test", 2);
}

TEST(CommandLineSplitter, ReservedSlotCountsOutOfRangeAreRefused)
{
    int argc = -1;
    EXPECT_EQ(nullptr, SplitCommandLine("a", &argc, -1));
    if (kAddressSpaceIs32Bit) {
        EXPECT_EQ(nullptr, SplitCommandLine("a", &argc, INT_MAX));  // the block size would wrap
    }
    EXPECT_EQ(-1, argc);
}

TEST(CommandLineSplitter, OneTrackedBlockFromTheSystemModule)
{
    int previous = MemSetTrace(开);
    StdoutCapture capture;
    int argc = 0;
    char** argv = SplitCommandLine("p q", &argc, 0);
    MemSetTrace(关);
    std::string log = capture.Finish();
    MemFree(argv, "test", 3);
    MemSetTrace((KindWord)previous);
    // Three pointers, then room for the 3 bytes of the command line and a NUL.
    const std::string size = std::to_string(3 * sizeof(char*) + 4);
#if MOYU_OLD_ALLOCATOR
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言系统.墨(283行):" + size + " 字节内存分配成功")) << log;
#else
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言系统.墨(283行):" + size + "字节内存分配成功")) << log;
#endif
}

}  // namespace

#endif
