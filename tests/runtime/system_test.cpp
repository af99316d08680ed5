#include <gtest/gtest.h>

#include <errno.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/源码/内存.h"
#include "runtime/源码/系统.h"
#include "std_stream_redirect.h"
#include "stdout_capture.h"

namespace {

// Fake redirection callbacks: keys to hand out and the calls they saw.
struct FakeHost {
    std::vector<int> getKeys;   // handed out by the get-key callback, front first
    std::vector<int> testKeys;  // reported one by one by the key-test callback, front first
    int keyTestResult = 0;      // what the key-test callback returns once they are gone
    int keyTestKey = 0;
    int getKeyCalls = 0;
    int keyTestCalls = 0;
    std::vector<std::string> printed;
    int printResult = 0;
};
FakeHost host;

int FakeGetKey(int* key)
{
    host.getKeyCalls++;
    if (host.getKeys.empty())
        return 0;
    *key = host.getKeys.front();
    host.getKeys.erase(host.getKeys.begin());
    return 1;
}

int FakeKeyTest(int* key)
{
    host.keyTestCalls++;
    if (!host.testKeys.empty()) {
        *key = host.testKeys.front();
        host.testKeys.erase(host.testKeys.begin());
        return 1;
    }
    if (host.keyTestResult == 1)
        *key = host.keyTestKey;
    return host.keyTestResult;
}

int FakePrint(const char* format, ...)
{
    host.printed.push_back(format);
    return ++host.printResult;
}

// Edition 1.72 needs system start for its key ring and streams; a test that ended the
// system starts it again. Probing with a pushed-back key leaves the ring as it was.
void EnsureStarted()
{
#if MOYU_EDITION == 172
    if (SysUngetKey(0) == -2)
        SysInit();
    else
        SysGetKey();
#endif
}

// Every test starts with an empty ring, no redirection and no fake state. Console reads
// would wait for a keyboard the tests do not have, so the no-keyboard flag is always on.
class KeyLayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        SysSetNoKeyboard();
        EnsureStarted();
        SysSetRedirect(0);
        SysSetCallbacks(nullptr, nullptr, nullptr);
        SysFlushKeys();
        host = FakeHost();
    }
    void TearDown() override
    {
        SysSetRedirect(0);
        SysSetCallbacks(nullptr, nullptr, nullptr);
        SysFlushKeys();
    }

    static void Redirect()
    {
        SysSetCallbacks(FakeGetKey, FakeKeyTest, FakePrint);
        SysSetRedirect(1);
    }
};

TEST_F(KeyLayer, UngotKeysFillTheRingToOneLessThanItsSizeAndComeBackLastInFirstOut)
{
    const int capacity = kKeyRingSize - 1;
    for (int key = 1; key <= capacity; key++)
        ASSERT_EQ(key, SysUngetKey(key));
    EXPECT_EQ(-1, SysUngetKey(999));
    for (int key = capacity; key >= 1; key--)
        ASSERT_EQ(key, SysGetKey());
    EXPECT_EQ(0, SysGetKey());
}

TEST_F(KeyLayer, NoKeyboardWithAnEmptyRingReturnsAtOnce)
{
    EXPECT_EQ(1, SysGetNoKeyboard());
    EXPECT_EQ(0, SysGetKey());
    EXPECT_EQ(0, SysGetKeyEcho());
    EXPECT_EQ(0, SysKeyPressed());
    SysUngetKey('e');
    EXPECT_EQ('e', SysGetKeyEcho());  // ring keys are still read, without echo
}

TEST_F(KeyLayer, AKeyReportedByTheKeyTestIsReadNext)
{
    Redirect();
    host.keyTestResult = 1;
    host.keyTestKey = 'x';
    EXPECT_EQ(1, SysKeyPressed());
    host.keyTestResult = 0;
    EXPECT_EQ(1, SysKeyPressed());  // queued in the ring: the callback is not asked
    EXPECT_EQ(1, host.keyTestCalls);
    EXPECT_EQ('x', SysGetKey());
    EXPECT_EQ(0, host.getKeyCalls);
}

TEST_F(KeyLayer, OtherKeyTestResultsArePassedOnAndQueueNothing)
{
    Redirect();
    host.keyTestResult = 7;
    host.keyTestKey = 'y';
    EXPECT_EQ(7, SysKeyPressed());
    EXPECT_EQ(0, SysGetKey());
}

TEST_F(KeyLayer, PushedBackKeysComeBeforeQueuedOnes)
{
    Redirect();
    host.keyTestResult = 1;
    host.keyTestKey = 'q';
    SysKeyPressed();
    SysUngetKey('u');
    EXPECT_EQ('u', SysGetKey());
    EXPECT_EQ('q', SysGetKey());
}

TEST_F(KeyLayer, GetKeyCallbackServesAnEmptyRing)
{
    Redirect();
    host.getKeys = { 'k', 0x1B };
    EXPECT_EQ('k', SysGetKey());
    EXPECT_EQ(0x1B, SysGetKeyEcho());
    EXPECT_EQ(0, SysGetKey());  // callback has none: no keyboard gives 0
    EXPECT_EQ(3, host.getKeyCalls);
}

TEST_F(KeyLayer, CallbacksAreNotUsedWithoutRedirection)
{
    SysSetCallbacks(FakeGetKey, FakeKeyTest, FakePrint);
    host.getKeys = { 'k' };
    host.keyTestResult = 1;
    EXPECT_EQ(0, SysGetRedirect());
    EXPECT_EQ(0, SysGetKey());
    EXPECT_EQ(0, SysKeyPressed());
    EXPECT_EQ(0, host.getKeyCalls + host.keyTestCalls);
}

TEST_F(KeyLayer, NullCallbacksAreNeverCalledEvenWithRedirection)
{
    SysSetRedirect(1);
    EXPECT_EQ(0, SysGetKey());
    EXPECT_EQ(0, SysKeyPressed());
    StdoutCapture capture;
    SysBanner();  // falls back to the console print
    EXPECT_NE(std::string::npos, capture.Finish().find(kMoyuLibraryVersion));
}

TEST_F(KeyLayer, FlushDropsEveryWaitingKey)
{
    SysUngetKey('a');
    SysUngetKey('b');
    Redirect();
    host.testKeys = { 'c', 'd' };
    EXPECT_EQ(0, SysFlushKeys());
    EXPECT_TRUE(host.testKeys.empty());
    EXPECT_EQ(0, SysKeyPressed());
    EXPECT_EQ(0, SysGetKey());
}

TEST_F(KeyLayer, FlushKeysDropsBufferedStandardInputOnlyInEdition20)
{
    StdStreamRedirect in(0, "abc");
    EXPECT_EQ('a', fgetc(stdin));
    EXPECT_EQ(0, SysFlushKeys());
#if MOYU_EDITION == 172
    EXPECT_EQ('b', fgetc(stdin));
#else
    EXPECT_EQ(EOF, fgetc(stdin));
#endif
}

TEST_F(KeyLayer, BannerGoesThroughThePrintCallbackWhenRedirected)
{
    Redirect();
    host.printResult = 40;
    EXPECT_EQ(43, SysBanner());
    ASSERT_EQ(3u, host.printed.size());
    EXPECT_NE(std::string::npos, host.printed[0].find("%串"));
}

TEST_F(KeyLayer, BannerPrintsThreeLinesWithTheVersion)
{
    StdoutCapture capture;
    SysBanner();
    std::string text = capture.Finish();
    EXPECT_NE(std::string::npos, text.find(std::string("墨语言运行库 ") + kMoyuLibraryVersion + "\n"));
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    EXPECT_EQ(3, lines);
}

TEST(SystemModule, LastErrorIsTheEditionsErrorValue)
{
    SysSetLastError(1234);
    EXPECT_EQ(1234, SysGetLastError());
#if MOYU_EDITION == 172
    EXPECT_EQ(1234, errno);
#else
    EXPECT_EQ(1234u, GetLastError());
#endif
}

TEST(SystemModule, StandardStreamsAreTheCRuntimes)
{
    SysSetNoKeyboard();
    EnsureStarted();
    EXPECT_EQ(stdin, SysStdIn);
    EXPECT_EQ(stdout, SysStdOut);
    EXPECT_EQ(stderr, SysStdErr);
}

#if MOYU_EDITION == 172

TEST(SystemModule172, StartAllocatesTheKeyRingAndEndFreesItSilently)
{
    SysCleanup();
    EXPECT_EQ(-2, SysUngetKey('a'));
    MemSetTrace(开);
    StdoutCapture capture;
    void* ring = SysInit();
    ASSERT_NE(nullptr, ring);
    EXPECT_EQ('a', SysUngetKey('a'));
    SysCleanup();
    EXPECT_EQ(0, MemSetTrace(关));
    std::string log = capture.Finish();
#if MOYU_OLD_ALLOCATOR
    EXPECT_EQ(std::string::npos, log.find("释放内存")) << log;
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言系统.墨(42行):128 个 4 字节内存数组分配成功")) << log;
#else
    EXPECT_EQ(std::string::npos, log.find("释放内存")) << log;
    EXPECT_NE(std::string::npos, log.find("源码\\墨语言系统.墨(42行):128个4字节内存数组分配成功")) << log;
#endif
    EXPECT_EQ(-2, SysUngetKey('a'));
    SysInit();
}

TEST(SystemModule172, WithoutARingKeysGoStraightToTheCallback)
{
    SysCleanup();
    SysSetNoKeyboard();
    host = FakeHost();
    host.getKeys = { 'g' };
    host.keyTestResult = 1;
    host.keyTestKey = 'k';
    SysSetCallbacks(FakeGetKey, FakeKeyTest, FakePrint);
    SysSetRedirect(1);
    EXPECT_EQ(1, SysKeyPressed());
    EXPECT_EQ('g', SysGetKey());  // the tested key had nowhere to wait
    SysSetRedirect(0);
    SysSetCallbacks(nullptr, nullptr, nullptr);
    SysInit();
}

#else

TEST(SystemModule20, ExitListBlocksAreFreedAtEndWithTheLogOff)
{
    SysCleanup();
    void* block = MemAlloc(8, "test", 1);
    EXPECT_EQ(-1, SysAtExit(block));  // no list yet
    ASSERT_NE(nullptr, SysInit());
    int slot = SysAtExit(block);
    EXPECT_EQ(0, slot);
    EXPECT_EQ(slot, SysAtExit(block));
    EXPECT_EQ(-1, SysAtExit(nullptr));
    int live = MemGetLiveCount();
    MemSetTrace(开);
    StdoutCapture capture;
    SysCleanup();
    EXPECT_EQ("", capture.Finish());
    EXPECT_EQ(0, MemSetTrace(关));
    EXPECT_EQ(live - 2, MemGetLiveCount());  // the block and the list's chunk
    SysInit();
}

TEST(SystemModule20, CleanupWithoutAListOnlySwitchesTheLogOff)
{
    SysCleanup();
    MemSetTrace(失败);
    int live = MemGetLiveCount();
    SysCleanup();
    EXPECT_EQ(0, MemSetTrace(关));
    EXPECT_EQ(live, MemGetLiveCount());
    SysInit();
}

#endif

}  // namespace
