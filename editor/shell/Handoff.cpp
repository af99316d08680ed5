#include "editor/shell/Handoff.h"

#include <string>

#include "editor/util/FileReplacing.h"
#include "editor/util/PathUtil.h"
#include "framework/File.h"

const char kHandoffMutexName[] = "墨语言编辑器.CmdLine";
const char kHandoffFileName[] = "命令行.文本";

namespace {

// Shared by every process of the executable.
InstanceSlot g_sharedSlot __attribute__((section("Shared"), shared)) = {0, 0};

// Holds the named mutex (created when no process has it yet) for a scope. An abandoned
// mutex is owned all the same: its holder ended, the file is still whole line by line.
class MutexLock {
public:
    explicit MutexLock(const char* name) : m_mutex(::CreateMutexA(nullptr, FALSE, name))
    {
        if (m_mutex)
            m_owned = ::WaitForSingleObject(m_mutex, INFINITE) != WAIT_FAILED;
    }
    ~MutexLock()
    {
        if (m_owned)
            ::ReleaseMutex(m_mutex);
        if (m_mutex)
            ::CloseHandle(m_mutex);
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    HANDLE m_mutex;
    bool m_owned = false;
};

bool IsThreadRunning(DWORD threadId)
{
    HANDLE thread = ::OpenThread(SYNCHRONIZE, FALSE, threadId);
    if (!thread)
        return false;
    bool running = ::WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
    ::CloseHandle(thread);
    return running;
}

bool IsInstanceAlive(DWORD threadId, HWND window)
{
    if (threadId == 0 || !IsThreadRunning(threadId))
        return false;
    return !window || (::IsWindow(window) && ::GetWindowThreadProcessId(window, nullptr) == threadId);
}

} // namespace

InstanceSlot& SharedInstanceSlot()
{
    return g_sharedSlot;
}

bool IsRegisteredInstanceAlive(const InstanceSlot& slot)
{
    return IsInstanceAlive((DWORD)slot.threadId, (HWND)(LONG_PTR)slot.window);
}

InstanceRole RegisterInstance(InstanceSlot& slot, bool multipleAllowed)
{
    // A thread message posted before the queue exists would be lost.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    LONG self = (LONG)::GetCurrentThreadId();
    for (;;) {
        LONG registered = slot.threadId;
        LONG window = slot.window;
        if (registered == self)
            return InstanceRole::kFirst;
        bool alive = registered != 0 && IsInstanceAlive((DWORD)registered, (HWND)(LONG_PTR)window);
        if (alive && !multipleAllowed)
            return InstanceRole::kHandOff;
        if (::InterlockedCompareExchange(&slot.threadId, self, registered) != registered)
            continue;  // another start registered meanwhile: decide again
        if (!alive)
            ::InterlockedCompareExchange(&slot.window, 0, window);
        return alive ? InstanceRole::kAnother : InstanceRole::kFirst;
    }
}

void RegisterInstanceWindow(InstanceSlot& slot, HWND window)
{
    ::InterlockedCompareExchange(&slot.window, (LONG)(LONG_PTR)window, 0);
}

CString FormatHandoffLine(const CString& startFolder, const char* commandLine)
{
    return "/D:\"" + StripTrailingBackslash(startFolder) + "\" " + (commandLine ? commandLine : "");
}

CString HandoffCommandLine(const std::vector<CommandLineTarget>& targets)
{
    CString line = "/NC";
    if (!targets.empty()) {
        CString number;
        number.Format(" /L:%d", targets.front().line);
        line += number;
    }
    for (const CommandLineTarget& target : targets)
        line += " \"" + target.path + "\"";
    return line;
}

HandoffChannel::HandoffChannel(const CString& filePath, const char* mutexName)
    : m_path(filePath), m_mutexName(mutexName)
{
}

namespace {

bool HandoffFileExists(const CString& path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The file's bytes; empty for a missing file. False when it exists but cannot be read.
bool ReadHandoffFile(const CString& path, std::string& data)
{
    data.clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return !HandoffFileExists(path);
    try {
        data.resize(file.GetLength());
        if (!data.empty())
            data.resize(file.Read(&data[0], (UINT)data.size()));
        file.Close();
    } catch (CException* error) {
        error->Delete();
        return false;
    }
    return true;
}

} // namespace

// Both sides write the whole file anew beside the old one: a full disk or a failed write
// leaves the lines already waiting as they were.
bool HandoffChannel::Append(const CString& line)
{
    MutexLock lock(m_mutexName);
    std::string data;
    if (!ReadHandoffFile(m_path, data))
        return false;
    data.append(static_cast<LPCTSTR>(line), static_cast<size_t>(line.GetLength()));
    data += '\n';
    return WriteFileReplacing(m_path, data.data(), data.size());
}

// The lines stay in the file until it could be emptied, so none is taken twice.
bool HandoffChannel::TakeLines(CStringArray& lines)
{
    lines.RemoveAll();
    std::string data;
    {
        MutexLock lock(m_mutexName);
        if (!HandoffFileExists(m_path) || !ReadHandoffFile(m_path, data))
            return false;
        if (!data.empty() && !WriteFileReplacing(m_path, "", 0))
            return false;
    }
    SplitHandoffText(data, lines);
    return true;
}

namespace {

thread_local HandoffWatch* t_watch = nullptr;

} // namespace

HandoffWatch::HandoffWatch()
    : m_hook(::SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, ::GetCurrentThreadId()))
{
    t_watch = this;
}

HandoffWatch::~HandoffWatch()
{
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
    t_watch = nullptr;
}

bool HandoffWatch::TakePending()
{
    bool pending = m_pending;
    m_pending = false;
    return pending;
}

LRESULT CALLBACK HandoffWatch::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == nullptr && msg->message == kHandoffMessage &&
        t_watch) {
        t_watch->m_pending = true;
        msg->message = WM_NULL;
    }
    return ::CallNextHookEx(t_watch ? t_watch->m_hook : nullptr, code, wParam, lParam);
}

bool HandOff(const InstanceSlot& slot, HandoffChannel& channel, const CString& line)
{
    if (!channel.Append(line))
        return false;
    HWND window = (HWND)(LONG_PTR)slot.window;
    if (window && ::IsWindow(window)) {
        if (::IsIconic(window))
            ::ShowWindow(window, SW_RESTORE);
        ::SetForegroundWindow(::GetLastActivePopup(window));
    }
    return ::PostThreadMessageA((DWORD)slot.threadId, kHandoffMessage, 0, 0) != FALSE;
}

std::vector<CommandLineTarget> TakeHandoffTargets(HandoffChannel& channel, const CString& startFolder)
{
    std::vector<CommandLineTarget> targets;
    CStringArray lines;
    channel.TakeLines(lines);
    for (int i = 0; i < lines.GetSize(); ++i) {
        std::vector<CommandLineTarget> more = ResolveCommandLine(CCommandArgs(lines[i]), startFolder, MissingFiles::skip);
        targets.insert(targets.end(), more.begin(), more.end());
    }
    return targets;
}
