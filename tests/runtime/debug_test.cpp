// Debug output by level and category, breakpoints and the pause.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/源码/内存.h"
#include "runtime/源码/暂停.h"
#include "runtime/源码/系统.h"
#include "runtime/源码/调试.h"
#include "std_stream_redirect.h"

namespace {

// Puts the debug state back to its start value around each test.
class Debug : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        DbgSetLevel(2);
        for (int category = 0; category <= kDbgCategoryMax; ++category)
            DbgSetCategory(category, category == 0 ? 开 : 关);
        DbgSetName("");
        DbgSetBreak(关);
    }

    // Pushes a key for the next key read (edition 1.72 has no ring before system start).
    static void PushKey(int key)
    {
        if (SysUngetKey(key) == -2) {
            SysInit();
            SysUngetKey(key);
        }
    }
};

TEST_F(Debug, SetLevelClampsAndReturnsThePreviousLevel)
{
    struct Case {
        int level;
        int previous;
        int after;
    } cases[] = {{5, 2, 5}, {9, 5, 2}, {-1, 2, 2}, {0, 2, 0}, {7, 0, 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(DbgSetLevel(c.level), c.previous) << c.level;
        EXPECT_EQ(DbgSetLevel(-1), c.after) << c.level;
    }
}

TEST_F(Debug, SetCategorySwitchesOneBit)
{
    EXPECT_EQ(DbgSetCategory(1, 开), 0x3u);
    EXPECT_EQ(DbgSetCategory(28, 1), 0x10000003u);
    EXPECT_EQ(DbgSetCategory(0, 关), 0x10000002u);
    EXPECT_EQ(DbgSetCategory(1, 0), 0x10000000u);
    EXPECT_EQ(DbgSetCategory(28, 5), 0x10000000u);
    EXPECT_EQ(DbgSetCategory(29, 开), 0x10000000u);
    EXPECT_EQ(DbgSetCategory(-1, 开), 0x10000000u);
}

TEST_F(Debug, PrintFiltersByCategoryAndLevel)
{
    StdStreamRedirect out(1);
    DbgSetName("程序");
    EXPECT_EQ(DbgPrint(0, 2, "值=%整%行", 5), 1);
    EXPECT_EQ(DbgPrint(0, 3, "level 3"), 0);
    EXPECT_EQ(DbgPrint(1, 0, "category 1"), 0);
    EXPECT_EQ(DbgPrint(29, 0, "category 29"), 0);
    EXPECT_EQ(DbgPrint(0, -1, "level -1"), 0);
    EXPECT_EQ(DbgPrint(0, 0, nullptr), 0);
    EXPECT_EQ(out.Restore(), "程序[错误]:值=5\n");
}

TEST_F(Debug, EveryLevelHasItsLabel)
{
    const char* labels[] = {"[致命错误]", "[严重错误]", "[错误]", "[警告]", "[提示]", "", "", ""};
    DbgSetLevel(7);
    for (int level = 0; level <= 7; ++level) {
        StdStreamRedirect out(1);
        EXPECT_EQ(DbgPrint(0, level, "m"), 1);
        EXPECT_EQ(out.Restore(), std::string(labels[level]) + ":m") << level;
    }
}

TEST_F(Debug, LongMessageKeepsItsTail)
{
    std::string format = std::string(400, '-') + "%整";
    StdStreamRedirect out(1);
    DbgPrint(0, 0, format.c_str(), 9);
    EXPECT_EQ(out.Restore(), "[致命错误]:" + std::string(400, '-') + "9");
}

TEST_F(Debug, SetNameKeepsElevenBytes)
{
    char* end = DbgSetName("abcdefghijklmnopqrst");
    EXPECT_STREQ(DbgGetName(), "abcdefghijk");
    EXPECT_EQ(end, DbgGetName() + 11);
    EXPECT_EQ(DbgSetName(nullptr), nullptr);
    EXPECT_STREQ(DbgGetName(), "abcdefghijk");
}

// A double-byte character across the eleventh byte used to be cut in half.
TEST_F(Debug, SetNameNeverCutsDoubleByteCharacter)
{
    DbgSetName("abcdefghij中文");
    EXPECT_STREQ(DbgGetName(), "abcdefghij");
    DbgSetName("一二三四五六");
    EXPECT_STREQ(DbgGetName(), "一二三四五");
}

TEST_F(Debug, BreakWaitsForAKeyOnlyWhenOn)
{
    EXPECT_EQ(DbgBreak("位置", 7), 0);
    DbgSetBreak(开);
    PushKey('x');
    StdStreamRedirect out(1);
    EXPECT_EQ(DbgBreak("位置", 7), 'x');
    EXPECT_EQ(out.Restore(), "\n断点:位置_7 => ");
    DbgSetBreak(5);
    EXPECT_EQ(DbgBreak("位置", 7), 0);
}

using DebugDeathTest = Debug;

TEST_F(DebugDeathTest, CtrlCAndEscapeEndTheProgramWithTheKey)
{
    DbgSetBreak(开);
    EXPECT_EXIT((PushKey(27), DbgBreak("位置", 1)), ::testing::ExitedWithCode(27), "");
    EXPECT_EXIT((PushKey(3), DbgBreak("位置", 1)), ::testing::ExitedWithCode(3), "");
    EXPECT_EXIT((PushKey(27), SysPause()), ::testing::ExitedWithCode(27), "");
}

// Tells, as the process exits, whether system end ran: it switches the allocator log off.
void ReportTraceModeAtExit()
{
    fprintf(stderr, "[trace=%d]", MemSetTrace(5));
    fflush(stderr);
}

TEST_F(DebugDeathTest, PauseRunsSystemEndAndBreakDoesOnlyInEdition20)
{
    DbgSetBreak(开);
    auto endAfterKey = [](int key, bool pause) {
        atexit(ReportTraceModeAtExit);
        MemSetTrace(开);
        PushKey(key);
        if (pause)
            SysPause();
        else
            DbgBreak("位置", 1);
    };
    EXPECT_EXIT(endAfterKey(27, true), ::testing::ExitedWithCode(27), "\\[trace=0\\]");
#if MOYU_EDITION == 172
    EXPECT_EXIT(endAfterKey(3, false), ::testing::ExitedWithCode(3), "\\[trace=1\\]");
#else
    EXPECT_EXIT(endAfterKey(3, false), ::testing::ExitedWithCode(3), "\\[trace=0\\]");
#endif
}

TEST_F(Debug, PauseReturnsTheKey)
{
    PushKey('k');
    StdStreamRedirect out(1);
    EXPECT_EQ(SysPause(), 'k');
    EXPECT_EQ(out.Restore(), "按任意键继续");
}

}  // namespace
