#include "editor/shell/CapturedProcess.h"

#include "framework/Gbk.h"

const char kCompilerDriver[] = "墨语言.exe";

CString DriverArguments(const CString& projectPath)
{
    const bool quote = projectPath.Find(' ') >= 0;
    return CString("-库 墨图形.库 ") + (quote ? "\"" + projectPath + "\"" : projectPath);
}

bool BuildCommandLine(const char* program, const char* arguments, CString& line)
{
    line.Empty();
    const bool quote = strchr(program, ' ') != nullptr;
    const size_t length = strlen(program) + (quote ? 2 : 0) + 1 + strlen(arguments);
    if (length > kMaxCommandLineBytes)
        return false;
    if (quote)
        line.Format("\"%s\" %s", program, arguments);
    else
        line.Format("%s %s", program, arguments);
    return true;
}

void CaptureLineBuffer::Commit(size_t count)
{
    if (count > Room())
        count = Room();
    m_fill += count;
    m_bytes[m_fill] = '\0';
}

void ScopedHandle::Reset(HANDLE handle)
{
    if (m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_handle);
    m_handle = handle;
}

namespace {

// One anonymous pipe whose parent end is not inherited: the child's end stays inheritable.
bool MakePipe(ScopedHandle& childEnd, ScopedHandle& parentEnd, bool childReads)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    ScopedHandle read, write;
    if (!::CreatePipe(read.Out(), write.Out(), &inherit, 0))
        return false;
    ScopedHandle& parentSide = childReads ? write : read;
    HANDLE own = nullptr;
    if (!::DuplicateHandle(::GetCurrentProcess(), parentSide.Get(), ::GetCurrentProcess(), &own, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        return false;
    parentEnd.Reset(own);
    parentSide.Reset();
    childEnd.Reset(childReads ? read.Release() : write.Release());
    return true;
}

// At most maxBytes of line, cut so that no double-byte character is split.
size_t CutAtCharacter(const char* line, size_t maxBytes)
{
    size_t at = 0;
    while (line[at] != '\0') {
        size_t next = at + GbkText::CharLength(line + at);
        if (next > maxBytes)
            break;
        at = next;
    }
    return at;
}

} // namespace

StartStatus CapturedProcessState::Start(const char* program, const char* arguments, const char* folder,
                                        bool capture, bool hide)
{
    CString commandLine;
    if (!BuildCommandLine(program, arguments, commandLine))
        return kStartCommandTooLong;

    ScopedHandle childInput, childOutput, childError;
    ScopedHandle inputWrite, outputRead, errorRead;
    if (capture && (!MakePipe(childInput, inputWrite, true) || !MakePipe(childOutput, outputRead, false) ||
                    !MakePipe(childError, errorRead, false)))
        return kStartPipeFailed;

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = (capture && hide) ? SW_HIDE : SW_SHOWNORMAL;
    if (capture) {
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = childInput.Get();
        startup.hStdOutput = childOutput.Get();
        startup.hStdError = childError.Get();
    }
    PROCESS_INFORMATION created = {};
    // Process creation may write into the command line.
    std::string writable((LPCTSTR)commandLine, (size_t)commandLine.GetLength());
    if (!::CreateProcessA(nullptr, &writable[0], nullptr, nullptr, TRUE, 0, nullptr,
                          (folder && *folder) ? folder : nullptr, &startup, &created)) {
        m_process.Reset();
        m_thread.Reset();
        return kStartFailed;
    }
    m_process.Reset(created.hProcess);
    m_thread.Reset(created.hThread);
    if (!capture)
        return kStartOk;

    // The child holds its own copies now; ours would keep the pipes open after it ends.
    childInput.Reset();
    childOutput.Reset();
    childError.Reset();
    m_inputWrite.Reset(inputWrite.Release());
    m_outputRead.Reset(outputRead.Release());
    m_errorRead.Reset(errorRead.Release());
    m_output.Flush([](const char*) {});
    m_error.Flush([](const char*) {});
    m_inputQueue.clear();
    m_sent = 0;
    // A child that does not read its input must not hold up the tick that writes to it.
    DWORD noWait = PIPE_NOWAIT;
    ::SetNamedPipeHandleState(m_inputWrite.Get(), &noWait, nullptr, nullptr);
    m_sink.CaptureStarted(commandLine);
    return kStartOk;
}

void CapturedProcessState::QueueInput(const char* line)
{
    m_inputQueue.emplace_back(line, CutAtCharacter(line, kSendBufferSize - 2));
}

bool CapturedProcessState::Kill()
{
    return m_process && ::TerminateProcess(m_process.Get(), 1);
}

bool CapturedProcessState::ReadPass(HANDLE pipe, CaptureLineBuffer& buffer)
{
    DWORD waiting = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0)
        return false;
    const bool more = waiting >= buffer.Room() + 1;
    DWORD wanted = more ? (DWORD)buffer.Room() : waiting;
    DWORD got = 0;
    if (!::ReadFile(pipe, buffer.End(), wanted, &got, nullptr))
        return false;
    buffer.Commit(got);
    return more;
}

void CapturedProcessState::Poll()
{
    if (!IsCaptureActive())
        return;
    // The handle, not the exit code, tells whether the child still runs: a child may well
    // exit with the code that means "still active".
    const bool running = m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
    int lines = 0;
    auto show = [this, &lines](const char* line) {
        m_sink.CaptureLine(line);
        ++lines;
    };

    if (running) {
        while (!m_inputQueue.empty()) {
            const std::string send = m_inputQueue.front() + "\n";
            DWORD written = 0;
            if (!::WriteFile(m_inputWrite.Get(), send.data() + m_sent, (DWORD)(send.size() - m_sent), &written,
                             nullptr))
                break;
            m_sent += written;
            if (m_sent < send.size())
                break;  // the child has not read enough yet
            show(m_inputQueue.front().c_str());
            m_inputQueue.pop_front();
            m_sent = 0;
        }
    }

    for (;;) {
        bool more = ReadPass(m_outputRead.Get(), m_output);
        more = ReadPass(m_errorRead.Get(), m_error) || more;
        m_output.TakeLines(show);
        m_error.TakeLines(show);
        if (lines > m_lineLimit) {
            Kill();
            break;
        }
        if (!more)
            break;
    }
    if (running)
        return;

    DWORD exitCode = 0;
    if (m_process)
        ::GetExitCodeProcess(m_process.Get(), &exitCode);
    m_error.Flush(show);
    m_output.Flush(show);
    CloseCapture();
    m_sink.CaptureEnded(exitCode);
}

void CapturedProcessState::CloseCapture()
{
    m_inputWrite.Reset();
    m_outputRead.Reset();
    m_errorRead.Reset();
    m_inputQueue.clear();
    m_sent = 0;
}
