#include "editor/shell/Handoff.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "editor/settings/ChildEnvironment.h"
#include "editor/shell/CommandArgs.h"
#include "framework/FileSpaceLimit.h"
#include "temp_dir.h"
#include "wait.h"

namespace {

std::string S(const CString& text) { return std::string((LPCTSTR)text, (size_t)text.GetLength()); }

std::vector<std::string> Items(const CStringArray& array)
{
    std::vector<std::string> items;
    for (int i = 0; i < array.GetSize(); ++i)
        items.push_back(S(array[i]));
    return items;
}

// A thread with a message queue that waits for the hand-off message (or a quit).
class FirstInstanceThread {
public:
    FirstInstanceThread()
    {
        m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = ::CreateThread(nullptr, 0, &FirstInstanceThread::Run, this, 0, &m_id);
        ::WaitForSingleObject(m_ready, 5000);
    }
    ~FirstInstanceThread()
    {
        Stop();
        ::CloseHandle(m_thread);
        ::CloseHandle(m_ready);
    }
    void Stop()
    {
        ::PostThreadMessageA(m_id, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_thread, 5000);
    }
    DWORD Id() const { return m_id; }
    int HandoffsSeen() const { return m_handoffs; }

private:
    static DWORD WINAPI Run(void* self)
    {
        auto* thread = static_cast<FirstInstanceThread*>(self);
        MSG msg;
        ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        ::SetEvent(thread->m_ready);
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == kHandoffMessage)
                ++thread->m_handoffs;
        }
        return 0;
    }

    HANDLE m_ready;
    HANDLE m_thread;
    DWORD m_id = 0;
    std::atomic<int> m_handoffs{0};
};

} // namespace

TEST(Handoff, ChannelKeepsWholeLinesInOrder)
{
    TempDir dir;
    HandoffChannel channel((dir / "命令行.文本").c_str(), "墨语言编辑器.CmdLine.test1");
    CStringArray lines;
    EXPECT_FALSE(channel.TakeLines(lines));  // no file yet, and none is made
    EXPECT_FALSE(::GetFileAttributesA((dir / "命令行.文本").c_str()) != INVALID_FILE_ATTRIBUTES);

    const std::string longLine = "/D:\"C:\\w\" " + std::string(10000, 'x');
    ASSERT_TRUE(channel.Append("/D:\"C:\\w\" a.墨 b.墨"));
    ASSERT_TRUE(channel.Append(longLine.c_str()));
    ASSERT_TRUE(channel.Append("/D:\"C:\\目录\" "));
    ASSERT_TRUE(channel.TakeLines(lines));
    EXPECT_EQ(Items(lines), (std::vector<std::string>{"/D:\"C:\\w\" a.墨 b.墨", longLine, "/D:\"C:\\目录\" "}));
    EXPECT_EQ(TempDir::ReadFile(dir / "命令行.文本"), "");
    ASSERT_TRUE(channel.TakeLines(lines));
    EXPECT_EQ(lines.GetSize(), 0);

    // Lines written by hand: CR LF ends, empty lines skipped.
    dir.WriteFile("命令行.文本", "one\r\n\r\ntwo");
    ASSERT_TRUE(channel.TakeLines(lines));
    EXPECT_EQ(Items(lines), (std::vector<std::string>{"one", "two"}));
}

// A line handed over while the disk is full fails, and the lines already waiting stay whole
// for the first instance.
TEST(Handoff, AFullDiskKeepsTheWaitingLinesWhole)
{
    TempDir dir;
    const std::string path = dir / "命令行.文本";
    HandoffChannel channel(path.c_str(), "墨语言编辑器.CmdLine.test3");
    ASSERT_TRUE(channel.Append("/D:\"C:\\w\" a.墨"));
    const std::string waiting = TempDir::ReadFile(path);
    {
        CFileSpaceLimit full(8);  // less than one line
        EXPECT_FALSE(channel.Append("/D:\"C:\\w\" b.墨"));
    }
    EXPECT_EQ(waiting, TempDir::ReadFile(path));
    ASSERT_TRUE(channel.Append("/D:\"C:\\w\" c.墨"));
    CStringArray lines;
    ASSERT_TRUE(channel.TakeLines(lines));
    EXPECT_EQ(Items(lines), (std::vector<std::string>{"/D:\"C:\\w\" a.墨", "/D:\"C:\\w\" c.墨"}));
}

TEST(Handoff, ConcurrentWritersAndReaderLoseNoLine)
{
    TempDir dir;
    const std::string path = dir / "命令行.文本";
    const char* mutexName = "墨语言编辑器.CmdLine.test2";
    const int kWriters = 4, kLines = 40;
    auto lineOf = [](int w, int i) { return "/D:\"C:\\\" " + std::to_string(w) + "-" + std::to_string(i) + std::string(300, 'p'); };
    std::atomic<int> finished{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            HandoffChannel channel(path.c_str(), mutexName);
            for (int i = 0; i < kLines; ++i)
                channel.Append(lineOf(w, i).c_str());
            ++finished;
        });
    }
    // The reader empties the file while the writers append.
    std::multiset<std::string> seen;
    HandoffChannel reader(path.c_str(), mutexName);
    auto take = [&] {
        CStringArray lines;
        reader.TakeLines(lines);
        for (int i = 0; i < lines.GetSize(); ++i)
            seen.insert(S(lines[i]));
    };
    while (finished < kWriters) {
        take();
        ::Sleep(1);
    }
    for (auto& t : writers)
        t.join();
    take();
    ASSERT_EQ(seen.size(), (size_t)kWriters * kLines);
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kLines; ++i) {
            EXPECT_EQ(seen.count(lineOf(w, i)), 1u) << lineOf(w, i);
        }
    }
}

TEST(Handoff, RegistrationSkipsInstancesThatHaveEnded)
{
    DWORD self = ::GetCurrentThreadId();
    InstanceSlot slot = {0, 0};
    EXPECT_EQ(RegisterInstance(slot, false), InstanceRole::kFirst);
    EXPECT_EQ((DWORD)slot.threadId, self);
    EXPECT_EQ(RegisterInstance(slot, false), InstanceRole::kFirst);  // never to itself

    FirstInstanceThread first;
    slot = {(LONG)first.Id(), 0};
    EXPECT_EQ(RegisterInstance(slot, false), InstanceRole::kHandOff);
    EXPECT_EQ((DWORD)slot.threadId, first.Id());
    EXPECT_EQ(RegisterInstance(slot, true), InstanceRole::kAnother);  // the latest one registers
    EXPECT_EQ((DWORD)slot.threadId, self);

    // A registered window of another thread means the registration is stale.
    HWND window = ::CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    slot = {(LONG)first.Id(), (LONG)(LONG_PTR)window};
    EXPECT_FALSE(IsRegisteredInstanceAlive(slot));
    ::DestroyWindow(window);

    // An ended instance with the window it had (destroyed above, so the handle names none).
    first.Stop();
    slot = {(LONG)first.Id(), (LONG)(LONG_PTR)window};
    EXPECT_FALSE(IsRegisteredInstanceAlive(slot));
    EXPECT_EQ(RegisterInstance(slot, false), InstanceRole::kFirst);
    EXPECT_EQ((DWORD)slot.threadId, self);
    EXPECT_EQ(slot.window, 0);

    RegisterInstanceWindow(slot, (HWND)(LONG_PTR)0x55);
    RegisterInstanceWindow(slot, (HWND)(LONG_PTR)0x66);  // written only while empty
    EXPECT_EQ(slot.window, 0x55);
}

TEST(Handoff, HandOffWakesTheFirstInstanceOrReportsItGone)
{
    TempDir dir;
    HandoffChannel channel((dir / "命令行.文本").c_str(), "墨语言编辑器.CmdLine.test3");
    FirstInstanceThread first;
    InstanceSlot slot = {(LONG)first.Id(), 0};
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(HandOff(slot, channel, FormatHandoffLine("C:\\w", ("f" + std::to_string(i) + ".墨").c_str())));
    WaitUntil([&] { return first.HandoffsSeen() >= 3; });
    EXPECT_EQ(first.HandoffsSeen(), 3);

    first.Stop();
    EXPECT_FALSE(HandOff(slot, channel, FormatHandoffLine("C:\\w", "late.墨")));
    CStringArray lines;
    ASSERT_TRUE(channel.TakeLines(lines));
    // Every request is still there for whoever takes over.
    EXPECT_EQ(Items(lines), (std::vector<std::string>{"/D:\"C:\\w\" f0.墨", "/D:\"C:\\w\" f1.墨", "/D:\"C:\\w\" f2.墨",
                                                      "/D:\"C:\\w\" late.墨"}));
}

TEST(Handoff, LinesParseBackWithTheStartFolder)
{
    struct Case {
        const char* folder;
        const char* commandLine;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"C:\\my folder", "a.墨 \"b c.墨\"", {"a.墨", "b c.墨"}},
        {"D:\\目录", "", {}},
        {"C:", "/L:3 x.墨", {"x.墨"}},
    };
    for (const Case& c : cases) {
        CCommandArgs args(FormatHandoffLine(c.folder, c.commandLine));
        CString folder;
        ASSERT_TRUE(args.GetOption("D", folder));
        EXPECT_EQ(S(folder), c.folder);
        std::vector<std::string> names;
        for (int i = 0; i < args.GetCount(); ++i)
            names.push_back(S(args.GetAt(i)));
        EXPECT_EQ(names, c.names);
    }
}

TEST(Handoff, HandedOverLinesOpenFromTheirOwnFolders)
{
    TempDir dir;
    ::CreateDirectoryA((dir / "一").c_str(), nullptr);
    ::CreateDirectoryA((dir / "二").c_str(), nullptr);
    dir.WriteFile("一\\a.墨", "");
    dir.WriteFile("二\\b.墨", "");
    dir.WriteFile("二\\c.墨", "");
    HandoffChannel channel((dir / "命令行.文本").c_str(), "墨语言编辑器.CmdLine.test5");
    // Three starts before the first instance reads: two names in one line, an empty line.
    channel.Append(FormatHandoffLine((dir / "二").c_str(), "/L:4 b.墨 c.墨"));
    channel.Append(FormatHandoffLine((dir / "一").c_str(), ""));
    channel.Append(FormatHandoffLine((dir / "一").c_str(), "a.墨"));
    std::vector<std::string> opened;
    for (const CommandLineTarget& target : TakeHandoffTargets(channel, "C:\\elsewhere"))
        opened.push_back(S(target.path).substr(dir.Path().size()) + "@" + std::to_string(target.line));
    EXPECT_EQ(opened, (std::vector<std::string>{"\\二\\b.墨@4", "\\二\\c.墨@4", "\\一\\a.墨@1"}));
    EXPECT_EQ(TempDir::ReadFile(dir / "命令行.文本"), "");
}

TEST(Handoff, LinesFromTheFileCreateNothing)
{
    // Whoever wrote the file, a line read from it opens what exists and makes no file or
    // folder, /NC or not.
    TempDir dir;
    HandoffChannel channel((dir / "命令行.文本").c_str(), "墨语言编辑器.CmdLine.test6");
    channel.Append("/D:\"" + CString(dir.Path().c_str()) + "\" 新目录\\深\\x.墨 y.墨");
    channel.Append("\"" + CString((dir / "z.墨").c_str()) + "\"");
    EXPECT_TRUE(TakeHandoffTargets(channel, dir.Path().c_str()).empty());
    for (const char* name : {"新目录", "y.墨", "z.墨"})
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((dir / name).c_str())) << name;
}

TEST(Handoff, ALaterStartHandsOverWhatAFirstStartWouldOpen)
{
    TempDir dir;
    ::CreateDirectoryA((dir / "有 空格").c_str(), nullptr);
    dir.WriteFile("有 空格\\a.墨", "");
    dir.WriteFile("有 空格\\b.墨", "");
    // The later start's own words, split by the run-time; a missing file is created here, as
    // a first start would, and /NC is respected.
    const char* words[] = {"墨语言编辑器.exe", "/L:7", "*.墨", "新.墨"};
    const CString folder = (dir / "有 空格").c_str();
    const std::vector<CommandLineTarget> own = ResolveCommandLine(CCommandArgs(4, words), folder);
    ASSERT_EQ(3u, own.size());
    EXPECT_TRUE(own[2].created);
    const char* noCreate[] = {"墨语言编辑器.exe", "/NC", "另.墨"};
    EXPECT_TRUE(ResolveCommandLine(CCommandArgs(3, noCreate), folder).empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((dir / "有 空格\\另.墨").c_str()));

    HandoffChannel channel((dir / "命令行.文本").c_str(), "墨语言编辑器.CmdLine.test7");
    channel.Append(FormatHandoffLine(folder, HandoffCommandLine(own)));
    const std::vector<CommandLineTarget> handed = TakeHandoffTargets(channel, "C:\\elsewhere");
    ASSERT_EQ(own.size(), handed.size());
    for (size_t i = 0; i < handed.size(); ++i) {
        EXPECT_EQ(S(own[i].path), S(handed[i].path));
        EXPECT_EQ(7, handed[i].line);
        EXPECT_FALSE(handed[i].created);
    }

    // A start from a drive's root: the folder's backslash must not swallow its quote.
    CCommandArgs root(FormatHandoffLine("X:\\", "a.墨"));
    CString base;
    ASSERT_TRUE(root.GetOption("D", base));
    EXPECT_EQ("X:", S(base));
    ASSERT_EQ(1, root.GetCount());
    EXPECT_EQ("a.墨", S(root.GetAt(0)));
}

TEST(Handoff, SlotLivesInASharedSection)
{
    // Every copy of the program must see the same slot: the section that holds it is shared.
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    auto address = reinterpret_cast<BYTE*>(&SharedInstanceSlot());
    bool found = false;
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        BYTE* start = base + section->VirtualAddress;
        if (address >= start && address < start + section->Misc.VirtualSize) {
            found = true;
            EXPECT_EQ(std::string(reinterpret_cast<char*>(section->Name), 6), "Shared");
            EXPECT_NE(section->Characteristics & IMAGE_SCN_MEM_SHARED, 0u);
        }
    }
    EXPECT_TRUE(found);
}

namespace {

const char kChildFileVariable[] = "MOYU_HANDOFF_TEST_FILE";
const char kChildMutex[] = "墨语言编辑器.CmdLine.test4";

} // namespace

// Run by SecondCopyHandsOverToTheFirst as a second copy of this program.
TEST(Handoff, SecondCopyChild)
{
    CString file;
    bool present = false;
    if (!ReadEnvironmentValue(kChildFileVariable, file, present) || !present)
        GTEST_SKIP() << "runs only as the second copy";
    ASSERT_EQ(RegisterInstance(SharedInstanceSlot(), false), InstanceRole::kHandOff);
    HandoffChannel channel(file, kChildMutex);
    ASSERT_TRUE(HandOff(SharedInstanceSlot(), channel, FormatHandoffLine("C:\\第二", "a.墨 \"b c.墨\"")));
}

TEST(Handoff, SecondCopyHandsOverToTheFirst)
{
    InstanceSlot& slot = SharedInstanceSlot();
    ASSERT_EQ(slot.threadId, 0);
    ASSERT_EQ(RegisterInstance(slot, false), InstanceRole::kFirst);

    TempDir dir;
    const std::string file = dir / "命令行.文本";
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, sizeof program);
    ::SetEnvironmentVariableA(kChildFileVariable, file.c_str());
    ProgramRun run = RunProgram("\"" + std::string(program) + "\" --gtest_filter=Handoff.SecondCopyChild");
    ::SetEnvironmentVariableA(kChildFileVariable, nullptr);
    slot.threadId = 0;
    slot.window = 0;
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u) << run.output;

    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, (HWND)-1, kHandoffMessage, kHandoffMessage, PM_REMOVE));
    CStringArray lines;
    HandoffChannel channel(file.c_str(), kChildMutex);
    ASSERT_TRUE(channel.TakeLines(lines)) << run.output;
    ASSERT_EQ(lines.GetSize(), 1);
    CCommandArgs args(lines[0]);
    ASSERT_EQ(args.GetCount(), 2);
    EXPECT_EQ(S(args.GetAt(1)), "b c.墨");
}
