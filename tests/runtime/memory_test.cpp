#include <gtest/gtest.h>

#include <string>

#include "runtime/源码/内存.h"
#include "address_space.h"
#include "stdout_capture.h"

namespace {

// A size the C runtime's heap cannot satisfy in a 32-bit process.
const size_t kHugeSize = 0x7FFFFFF0u;

// Sets a trace mode for one test and puts the previous one back.
class TraceMode {
public:
    explicit TraceMode(KindWord mode) : m_previous(MemSetTrace(mode)) {}
    ~TraceMode() { MemSetTrace((KindWord)m_previous); }

private:
    int m_previous;
};

TEST(Allocator, SetTraceReturnsThePreviousModeAndIgnoresUnknownValues)
{
    TraceMode reset(关);
    EXPECT_EQ(0, MemSetTrace(开));
    EXPECT_EQ(1, MemSetTrace(5));
    EXPECT_EQ(1, MemSetTrace(失败));
    EXPECT_EQ(2, MemSetTrace(1));
    EXPECT_EQ(1, MemSetTrace(2));
    EXPECT_EQ(2, MemSetTrace(0));
    EXPECT_EQ(0, MemSetTrace(关));
}

TEST(Allocator, TempAllocUsesTheOwnBufferWhenItFits)
{
    TraceMode all(开);
    char own[256];
    size_t size = 0;
    int before = MemGetLiveCount();
    StdoutCapture capture;
    void* block = MemTempAlloc(own, sizeof own, 100, &size, "t", 1);
    MemTempFree(own, block, "t", 2);
    EXPECT_EQ("", capture.Finish());
    EXPECT_EQ(own, block);
    EXPECT_EQ(256u, size);
    EXPECT_EQ(before, MemGetLiveCount());
}

#if MOYU_OLD_ALLOCATOR

TEST(OlderAllocator, PrintsItsLinesThroughTheDirectivePrinterWithoutACount)
{
    SKIP_WITHOUT_32BIT_ADDRESS_SPACE();
    TraceMode all(开);
    StdoutCapture capture;
    void* block = MemAlloc(10, "a", 3);
    void* array = MemCalloc(4, 2, "b", 5);
    void* moved = MemRealloc(block, 20, "c", 7);
    MemFree(moved, "d", 9);
    MemFree(array, "e", 11);
    MemFree(nullptr, "f", 13);  // the older allocator has no line for this
    EXPECT_EQ(nullptr, MemAlloc(kHugeSize, "g", 15));
    EXPECT_EQ(nullptr, MemCalloc(kHugeSize / 2, 2, "h", 17));
    EXPECT_EQ(
        "\n[信息]a(3行):10 字节内存分配成功，内存=#。 "
        "\n[信息]b(5行):4 个 2 字节内存数组分配成功，内存=#。 "
        "\n[信息]c(7行):重新分配 20 字节成功，内存=#。 "
        "\n[信息]d(9行):释放内存，内存=#。 "
        "\n[信息]e(11行):释放内存，内存=#。 "
        "\n[警告]g(15行):内存不足，2147483632 字节分配失败。 "
        "\n[警告]h(17行):内存不足，1073741816 个 2 字节内存数组分配失败。 ",
        MaskAddresses(capture.Finish()));
    EXPECT_EQ(0, MemGetLiveCount());
}

TEST(OlderAllocator, FailedReallocAndTempAllocWarn)
{
    SKIP_WITHOUT_32BIT_ADDRESS_SPACE();
    TraceMode failures(失败);
    char own[16];
    void* block = MemAlloc(8, "a", 1);
    StdoutCapture capture;
    EXPECT_EQ(nullptr, MemRealloc(block, kHugeSize, "r", 20));
    EXPECT_EQ(own, MemTempAlloc(own, sizeof own, kHugeSize, nullptr, "t", 30));
    EXPECT_EQ(
        "\n[警告]r(20行):内存不足，重新分配 2147483632 字节失败。 "
        "\n[警告]t(30行):内存不足，2147483632 字节内存条件申请失败。 ",
        capture.Finish());
    MemFree(block, "a", 2);
}

#else

std::string Count(int n)
{
    return std::to_string(n);
}

TEST(Allocator, AllocAndFreeInModeOneLogBothWithTheSameCount)
{
    TraceMode all(开);
    int before = MemGetLiveCount();
    StdoutCapture capture;
    void* block = MemAlloc(10, "a", 3);
    EXPECT_EQ(before + 1, MemGetLiveCount());
    MemFree(block, "a", 4);
    std::string n = Count(before + 1);
    EXPECT_EQ(" [信息]a(3行):10字节内存分配成功，内存=# <" + n + ">。\n"
              " [信息]a(4行):释放内存，内存=# <" + n + ">。\n",
              MaskAddresses(capture.Finish()));
    EXPECT_EQ(before, MemGetLiveCount());
}

TEST(Allocator, EveryEventHasItsLine)
{
    SKIP_WITHOUT_32BIT_ADDRESS_SPACE();
    TraceMode all(开);
    int c = MemGetLiveCount();
    char own[8];
    StdoutCapture capture;
    void* array = MemCalloc(4, 2, "b", 5);
    void* moved = MemRealloc(array, 20, "c", 7);
    void* temp = MemTempAlloc(own, sizeof own, 64, nullptr, "d", 9);
    MemTempFree(own, temp, "d", 10);
    MemTempFree(own, nullptr, "d", 11);
    MemFree(nullptr, "e", 12);
    MemFree(moved, "e", 13);
    EXPECT_EQ(nullptr, MemAlloc(kHugeSize, "f", 14));
    EXPECT_EQ(nullptr, MemCalloc(kHugeSize / 2, 2, "g", 15));
    EXPECT_EQ(" [信息]b(5行):4个2字节内存数组分配成功，内存=# <" + Count(c + 1) + ">。\n"
              " [信息]c(7行):重新分配 20 字节成功，内存=# <" + Count(c + 1) + ">。\n"
              " [信息]d(9行):64 字节内存条件分配成功，内存=# <" + Count(c + 2) + ">。\n"
              " [信息]d(10行):条件释放内存，内存=# <" + Count(c + 2) + ">。\n"
              " [警告]d(11行):条件释放内存错误，内存为空指针 <" + Count(c + 1) + ">。\n"
              " [警告]e(12行):释放内存错误，内存为空指针 <" + Count(c + 1) + ">。\n"
              " [信息]e(13行):释放内存，内存=# <" + Count(c + 1) + ">。\n"
              " [警告]f(14行):内存不足，2147483632字节分配失败 <" + Count(c) + ">。\n"
              " [警告]g(15行):内存不足，1073741816个2字节内存数组分配失败 <" + Count(c) + ">。\n",
              MaskAddresses(capture.Finish()));
    EXPECT_EQ(c, MemGetLiveCount());
}

TEST(Allocator, FailuresModeLogsOnlyWarnings)
{
    TraceMode failures(失败);
    int c = MemGetLiveCount();
    StdoutCapture capture;
    void* block = MemAlloc(10, "a", 1);
    MemFree(block, "a", 2);
    MemFree(nullptr, "a", 3);
    EXPECT_EQ(" [警告]a(3行):释放内存错误，内存为空指针 <" + Count(c) + ">。\n", capture.Finish());
}

TEST(Allocator, ModeOffStillCountsSoTheLogShowsTheTrueNumberLater)
{
    TraceMode off(关);
    int c = MemGetLiveCount();
    StdoutCapture capture;
    void* kept = MemAlloc(4, "a", 1);
    void* released = MemAlloc(4, "a", 2);
    MemFree(released, "a", 3);
    MemFree(nullptr, "a", 4);
    EXPECT_EQ(c + 1, MemGetLiveCount());
    MemSetTrace(开);
    MemFree(kept, "a", 5);
    EXPECT_EQ(" [信息]a(5行):释放内存，内存=# <" + Count(c + 1) + ">。\n",
              MaskAddresses(capture.Finish()));
    EXPECT_EQ(c, MemGetLiveCount());
}

TEST(Allocator, FailedReallocKeepsTheOldBlockAndTheCount)
{
    SKIP_WITHOUT_32BIT_ADDRESS_SPACE();
    TraceMode failures(失败);
    char* block = (char*)MemAlloc(8, "a", 1);
    strcpy(block, "kept");
    int c = MemGetLiveCount();
    StdoutCapture capture;
    EXPECT_EQ(nullptr, MemRealloc(block, kHugeSize, "r", 20));
    EXPECT_EQ(" [警告]r(20行):内存不足，重新分配2147483632字节失败 <" + Count(c) + ">。\n",
              capture.Finish());
    EXPECT_EQ(c, MemGetLiveCount());
    EXPECT_STREQ("kept", block);
    MemFree(block, "a", 2);
}

TEST(Allocator, ReallocOfNullCountsTheNewBlock)
{
    TraceMode off(关);
    int c = MemGetLiveCount();
    void* block = MemRealloc(nullptr, 16, "a", 1);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(c + 1, MemGetLiveCount());
    MemFree(block, "a", 2);
    EXPECT_EQ(c, MemGetLiveCount());
}

TEST(Allocator, ReallocToZeroCountsTheReleasedBlock)
{
    TraceMode all(开);
    void* block = MemAlloc(16, "a", 1);
    int c = MemGetLiveCount();
    StdoutCapture capture;
    EXPECT_EQ(nullptr, MemRealloc(block, 0, "a", 2));
    EXPECT_EQ(c - 1, MemGetLiveCount());
    EXPECT_EQ(" [信息]a(2行):重新分配 0 字节成功，内存=# <" + Count(c - 1) + ">。\n",
              MaskAddresses(capture.Finish()));
}

TEST(Allocator, TempAllocFallsBackToTheOwnBuffer)
{
    SKIP_WITHOUT_32BIT_ADDRESS_SPACE();
    TraceMode failures(失败);
    char own[16];
    size_t size = 0;
    int c = MemGetLiveCount();
    StdoutCapture capture;
    EXPECT_EQ(own, MemTempAlloc(own, sizeof own, kHugeSize, &size, "t", 30));
    EXPECT_EQ(" [警告]t(30行):内存不足，2147483632字节内存条件申请失败 <" + Count(c) + ">。\n",
              capture.Finish());
    EXPECT_EQ(16u, size);
    EXPECT_EQ(c, MemGetLiveCount());
}

TEST(Allocator, NullSourceNameIsPrintedEmpty)
{
    TraceMode failures(失败);
    StdoutCapture capture;
    MemFree(nullptr, nullptr, 7);
    EXPECT_EQ(" [警告](7行):释放内存错误，内存为空指针 <" + Count(MemGetLiveCount()) + ">。\n",
              capture.Finish());
}

#endif

}  // namespace
