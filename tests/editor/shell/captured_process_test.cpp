#include "editor/shell/CapturedProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_measures.h"
#include "cpu_time.h"
#include "temp_dir.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

using Lines = std::vector<std::string>;

struct RecordingSink : CaptureSink {
    int starts = 0;
    std::string commandLine;
    Lines lines;
    bool ended = false;
    DWORD exitCode = 0xDEAD;

    void CaptureStarted(const char* line) override
    {
        ++starts;
        commandLine = line;
    }
    void CaptureLine(const char* line) override { lines.push_back(line); }
    void CaptureEnded(DWORD code) override
    {
        ended = true;
        exitCode = code;
    }
};

// Polls as the main frame's timer would until the capture ends; the longest poll in seconds
// of processor time, which other programs on a loaded machine do not stretch (a poll never
// waits: it reads only what the pipes hold).
double PollToEnd(CapturedProcessState& state, RecordingSink& sink)
{
    double longest = 0;
    for (int tick = 0; tick < 1500 && !sink.ended; ++tick) {
        const double begin = ThreadCpuSeconds();
        state.Poll();
        longest = std::max(longest, ThreadCpuSeconds() - begin);
        if (!sink.ended)
            ::Sleep(20);
    }
    return longest;
}

// Puts the stand-in driver's folder at the head of PATH for the children, as start-up puts
// the installation's 命令 folder there.
struct DriverOnPath {
    std::string saved;
    DriverOnPath()
    {
        char buffer[32768] = {};
        ::GetEnvironmentVariableA("PATH", buffer, sizeof buffer);
        saved = buffer;
        ::SetEnvironmentVariableA("PATH", (std::string(STAND_IN_DRIVER_DIR) + ";" + saved).c_str());
    }
    ~DriverOnPath() { ::SetEnvironmentVariableA("PATH", saved.c_str()); }
};

// Sets a variable of this process, which its children inherit, until the scope ends.
struct ScopedVariable {
    const char* name;
    ScopedVariable(const char* n, const char* value) : name(n) { ::SetEnvironmentVariableA(name, value); }
    ~ScopedVariable() { ::SetEnvironmentVariableA(name, nullptr); }
};

Lines Split(std::initializer_list<const char*> chunks)
{
    Lines lines;
    CaptureLineBuffer buffer;
    auto sink = [&lines](const char* line) { lines.push_back(line); };
    for (const char* chunk : chunks) {
        size_t length = strlen(chunk);
        memcpy(buffer.End(), chunk, length);
        buffer.Commit(length);
        buffer.TakeLines(sink);
    }
    lines.push_back("<rest " + std::to_string(buffer.Fill()) + ">");
    return lines;
}

} // namespace

TEST(CaptureLineBuffer, SplitsAtEveryLineEnd)
{
    const std::string long4001(4001, 'x'), long4000(4000, 'y');
    const struct {
        std::initializer_list<const char*> chunks;
        Lines expected;
    } kCases[] = {
        {{"a\r\nb\rc\n"}, {"a", "b", "c", "<rest 0>"}},
        {{"a\n\n"}, {"a", "", "<rest 0>"}},
        {{"ab", "c\r\nd"}, {"abc", "<rest 1>"}},
        // A CR that ends a read is a lone one; its LF in the next read gives an empty line.
        {{"a\r", "\nb\n"}, {"a", "", "b", "<rest 0>"}},
        {{"甲乙\r\n丙"}, {"甲乙", "<rest 2>"}},
        {{long4001.c_str()}, {long4001, "<rest 0>"}},
        {{long4000.c_str()}, {"<rest 4000>"}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, Split(c.chunks)) << *c.chunks.begin();
}

TEST(CaptureLineBuffer, ReadsAreBoundedByTheRoomLeft)
{
    CaptureLineBuffer buffer;
    EXPECT_EQ(4094u, buffer.Room());
    memset(buffer.End(), 'z', 100);
    buffer.Commit(100);
    EXPECT_EQ(3994u, buffer.Room());
    buffer.Commit(5000);  // more than the room: only the room is taken
    EXPECT_EQ(4094u, buffer.Fill());
    EXPECT_EQ(0u, buffer.Room());
}

TEST(CapturedProcess, CommandLineIsBuiltAtItsSizeAndRefusedPastTheLimit)
{
    CString line;
    ASSERT_TRUE(BuildCommandLine("墨语言.exe", "-库 墨图形.库 \"C:\\我的 项目\\甲.项目\"", line));
    EXPECT_STREQ("墨语言.exe -库 墨图形.库 \"C:\\我的 项目\\甲.项目\"", (LPCTSTR)line);
    ASSERT_TRUE(BuildCommandLine("C:\\Program Files\\工具.exe", "a", line));
    EXPECT_STREQ("\"C:\\Program Files\\工具.exe\" a", (LPCTSTR)line);

    // Far past the old fixed buffer, up to the platform's limit.
    const std::string program = "p.exe";
    std::string arguments(kMaxCommandLineBytes - program.size() - 1, 'a');
    ASSERT_TRUE(BuildCommandLine(program.c_str(), arguments.c_str(), line));
    EXPECT_EQ((int)kMaxCommandLineBytes, line.GetLength());
    arguments += 'a';
    EXPECT_FALSE(BuildCommandLine(program.c_str(), arguments.c_str(), line));
    EXPECT_TRUE(line.IsEmpty());

    RecordingSink sink;
    CapturedProcessState state(sink);
    EXPECT_EQ(kStartCommandTooLong, state.Start(program.c_str(), arguments.c_str(), "", true, true));
    EXPECT_FALSE(state.IsCaptureActive());
}

TEST(CapturedProcess, BuildsInTheFolderWithEnvironmentHiddenAndReportsTheExitCode)
{
    DriverOnPath path;
    TempDir dir;
    const std::string folder = dir / "我的 项目";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ScopedVariable root("QNB_MOYUYAN", "C:\\墨语言");
    ScopedVariable steering("MOYU_STAND_IN", "-report -lines -stderr stderr-line -exit 3");
    const std::string project = folder + "\\甲.项目";
    const std::string arguments = S(DriverArguments(project.c_str()));
    EXPECT_EQ("-库 墨图形.库 \"" + project + "\"", arguments);
    EXPECT_EQ("-库 墨图形.库 C:\\甲\\乙.项目", S(DriverArguments("C:\\甲\\乙.项目")));

    RecordingSink sink;
    CapturedProcessState state(sink);
    ASSERT_EQ(kStartOk, state.Start(kCompilerDriver, arguments.c_str(), folder.c_str(), true, true));
    EXPECT_TRUE(state.IsCaptureActive());
    EXPECT_EQ(1, sink.starts);
    EXPECT_EQ("墨语言.exe " + arguments, sink.commandLine);
    PollToEnd(state, sink);

    ASSERT_TRUE(sink.ended);
    EXPECT_EQ(3u, sink.exitCode);
    EXPECT_FALSE(state.IsCaptureActive());
    const Lines expected = {
        "[信息]命令行: 墨语言.exe " + arguments,
        "[信息]目录: " + folder,
        "[信息]窗口: 隐藏",
        "[信息]QNB_MOYUYAN=C:\\墨语言",
        "[错误]甲.墨(3): 缺少分号",
        "[警告]乙.墨(12): 变量未用",
        "纯文本",
        "下一行",
        "[错误]" + project + "(1): 无法打开",
    };
    Lines output(sink.lines.begin(), sink.lines.end());
    output.erase(std::remove(output.begin(), output.end(), "stderr-line"), output.end());
    EXPECT_EQ(expected, output);
    EXPECT_EQ(expected.size() + 1, sink.lines.size()) << "the standard error line";
}

TEST(CapturedProcess, QueuedInputReachesTheChildInOrderWithEchoes)
{
    DriverOnPath path;
    RecordingSink sink;
    CapturedProcessState state(sink);
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-echo -exit 0", "", true, true));
    state.QueueInput("甲 一");
    state.QueueInput("乙");
    state.QueueInput("结束");
    PollToEnd(state, sink);
    ASSERT_TRUE(sink.ended);
    const Lines expected = {"甲 一", "乙", "结束", "收到:甲 一", "收到:乙", "收到:结束"};
    EXPECT_EQ(expected, sink.lines);

    // A line longer than the send buffer is cut at a character boundary.
    std::string longLine = "a" + std::string(5000, '\xD6');  // 'a' then double-byte characters
    for (size_t i = 2; i < longLine.size(); i += 2)
        longLine[i] = '\xD0';
    sink = RecordingSink();
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-echo", "", true, true));
    state.QueueInput(longLine.c_str());
    state.QueueInput("结束");
    PollToEnd(state, sink);
    ASSERT_GE(sink.lines.size(), 1u);
    EXPECT_EQ(4093u, sink.lines[0].size());
    EXPECT_EQ(0, longLine.compare(0, 4093, sink.lines[0]));
}

TEST(CapturedProcess, AChildThatReadsNothingNeverHoldsUpATick)
{
    DriverOnPath path;
    RecordingSink sink;
    CapturedProcessState state(sink);
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-sleep 1500 -echo", "", true, true));
    const std::string line(4000, 'q');
    for (int i = 0; i < 64; ++i)  // far more than a pipe holds
        state.QueueInput(line.c_str());
    state.QueueInput("结束");
    CStopwatch watch;
    state.Poll();
    EXPECT_LT(watch.Seconds(), 0.5);
    PollToEnd(state, sink);
    ASSERT_TRUE(sink.ended);
    // Every line reached the child once, whole, in order, and was echoed once.
    Lines echoes, answers;
    for (const std::string& shown : sink.lines)
        (shown.compare(0, 5, "收到:") == 0 ? answers : echoes).push_back(shown);
    Lines sent(64, line);
    sent.push_back("结束");
    EXPECT_EQ(sent, echoes);
    for (std::string& answer : sent)
        answer = "收到:" + answer;
    EXPECT_EQ(sent, answers);
}

TEST(CapturedProcess, FloodIsStoppedByThePollsLineLimit)
{
    DriverOnPath path;
    RecordingSink sink;
    CapturedProcessState state(sink);
    state.SetLineLimit(10);
    // The flood outruns the ticks: some tick finds more than ten lines waiting.
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-flood 100000 -exit 0", "", true, true));
    PollToEnd(state, sink);
    ASSERT_TRUE(sink.ended);
    EXPECT_EQ(1u, sink.exitCode) << "stopped, not ended by itself";
    EXPECT_LT(sink.lines.size(), 100000u);
    EXPECT_EQ("第1行", sink.lines.front());
}

// A child that floods its output keeps every tick short, whatever the total.
TEST(CapturedProcess, FloodKeepsEveryPollShort)
{
    DriverOnPath path;
    RecordingSink sink;
    CapturedProcessState state(sink);
    state.SetLineLimit(1000);
    CStopwatch watch;
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-flood 100000", "", true, true));
    const double longestPoll = PollToEnd(state, sink);
    ASSERT_TRUE(sink.ended);
    EXPECT_LT(longestPoll, 0.5);
    printf("flood of 100000 lines: %zu shown in %.1f s, exit code %lu, longest poll %.1f ms\n", sink.lines.size(),
           watch.Seconds(), sink.exitCode, longestPoll * 1000);
}

TEST(CapturedProcess, ExitCodesAreJudgedByTheHandle)
{
    DriverOnPath path;
    for (const char* code : {"0", "1", "259", "4294967295"}) {
        RecordingSink sink;
        CapturedProcessState state(sink);
        ASSERT_EQ(kStartOk, state.Start("墨语言.exe", (std::string("-exit ") + code).c_str(), "", true, true));
        PollToEnd(state, sink);
        ASSERT_TRUE(sink.ended) << code;
        EXPECT_EQ(strtoul(code, nullptr, 10), sink.exitCode);
    }
}

TEST(CapturedProcess, FailedStartLeavesNoCaptureAndNothingToKill)
{
    DriverOnPath path;
    RecordingSink sink;
    CapturedProcessState state(sink);
    // A child started without capture is ours to stop.
    ASSERT_EQ(kStartOk, state.Start("墨语言.exe", "-sleep 20000", "", false, false));
    EXPECT_FALSE(state.IsCaptureActive());
    EXPECT_EQ(0, sink.starts);
    EXPECT_TRUE(state.Kill());

    EXPECT_EQ(kStartFailed, state.Start("没有这个程序.exe", "", "", true, true));
    EXPECT_FALSE(state.IsCaptureActive());
    EXPECT_EQ(0, sink.starts);
    state.Poll();
    EXPECT_FALSE(sink.ended);
    EXPECT_FALSE(state.Kill()) << "no handle of an earlier child is kept";
}
