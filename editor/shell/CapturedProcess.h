#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <deque>
#include <string>

#include "framework/CString.h"

// The IDE's one captured child process: a program started with its standard input, output
// and error on pipes, polled without blocking from the main frame's timer, its output cut
// into lines for the output window and the lines the user types sent to it.

// Longest command line process creation accepts, in bytes without the terminator (the
// platform counts UTF-16 units, never more than the GBK bytes).
constexpr size_t kMaxCommandLineBytes = 32766;

// "program arguments", the program quoted when it holds a blank, built at the size it needs.
// False (and line empty) when it would exceed kMaxCommandLineBytes.
bool BuildCommandLine(const char* program, const char* arguments, CString& line);

// The compiler driver, found through the program search path.
extern const char kCompilerDriver[];  // "墨语言.exe"
// Its arguments for building a project: the graphics library, then the project's path,
// quoted when it holds a blank.
CString DriverArguments(const CString& projectPath);

// One stream's bytes that have not been shown yet. A line ends at LF or at a CR not followed
// by LF (a CR at the end of the bytes received counts as lone); the CR of CR LF is dropped.
// An unfinished rest longer than kMaxRest is shown as a line of its own.
class CaptureLineBuffer {
public:
    static const size_t kSize = 4096;
    static const size_t kMaxRest = 4000;

    // Bytes that one read may add.
    size_t Room() const { return kSize - 2 - m_fill; }
    char* End() { return m_bytes + m_fill; }
    // Adds count bytes written at End() (at most Room()).
    void Commit(size_t count);
    size_t Fill() const { return m_fill; }

    // Calls sink(line) for every complete line and keeps the rest; returns the lines given.
    template <class Sink> int TakeLines(Sink sink);
    // Gives the unfinished rest as one line (when there is one) and empties the buffer.
    template <class Sink> int Flush(Sink sink);

private:
    char m_bytes[kSize] = {};
    size_t m_fill = 0;
};

// What the output window and the main frame do as a capture runs.
class CaptureSink {
public:
    virtual ~CaptureSink() = default;
    // A capture began: show the output window with its input box, clear the page, write
    // the banner with the command line and start the poll timer.
    virtual void CaptureStarted(const char* commandLine) = 0;
    // One line of output, or the echo of a line sent to the child.
    virtual void CaptureLine(const char* line) = 0;
    // The child ended with this exit code: stop the timer, report, hide the input box,
    // follow up success lines and re-check the open documents.
    virtual void CaptureEnded(DWORD exitCode) = 0;
};

// Owns one kernel handle; closes it when replaced or destroyed.
class ScopedHandle {
public:
    ScopedHandle() = default;
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    HANDLE* Out() { Reset(); return &m_handle; }
    void Reset(HANDLE handle = nullptr);
    // Gives up ownership.
    HANDLE Release()
    {
        HANDLE handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HANDLE m_handle = nullptr;
};

enum StartStatus {
    kStartOk,
    kStartCommandTooLong,  // the command line passes the platform's limit
    kStartPipeFailed,      // the pipes could not be made; nothing was started
    kStartFailed,          // the process was not created (missing program, no rights)
};

class CapturedProcessState {
public:
    // A line sent to the child, its line feed and a terminator fit this buffer.
    static const size_t kSendBufferSize = 4096;
    static const int kDefaultLineLimit = 1000;

    explicit CapturedProcessState(CaptureSink& sink) : m_sink(sink) {}
    // Closes the handles; a running child runs on.
    ~CapturedProcessState() = default;
    CapturedProcessState(const CapturedProcessState&) = delete;
    CapturedProcessState& operator=(const CapturedProcessState&) = delete;

    // Lines accepted from the child in one poll before it is stopped (输出窗口最大行数).
    void SetLineLimit(int limit) { m_lineLimit = limit > 0 ? limit : kDefaultLineLimit; }

    // Starts the program in folder (empty: the IDE's own) with the IDE's environment. With
    // capture, its standard handles are pipes and the capture begins; with hide, its window
    // is hidden. A start that fails leaves no capture, no pipe and no process handle.
    StartStatus Start(const char* program, const char* arguments, const char* folder, bool capture, bool hide);
    // One timer tick: sends the queued input, shows the output that waits, and ends the
    // capture once the child has ended. Does nothing without a capture.
    void Poll();
    // Queues one line for the child (cut at a character boundary to fit the send buffer).
    // Lines are written without waiting: what the pipe cannot take now goes in a later tick.
    void QueueInput(const char* line);
    // Ends the last started child with exit code 1; false without one or when that fails.
    bool Kill();

    bool IsCaptureActive() const { return m_inputWrite || m_outputRead; }
    // Set while the build starts its child, so a second build cannot slip in.
    bool buildGuard = false;

private:
    bool ReadPass(HANDLE pipe, CaptureLineBuffer& buffer);
    void CloseCapture();

    CaptureSink& m_sink;
    int m_lineLimit = kDefaultLineLimit;
    ScopedHandle m_inputWrite;
    ScopedHandle m_outputRead;
    ScopedHandle m_errorRead;
    ScopedHandle m_process;
    ScopedHandle m_thread;
    CaptureLineBuffer m_output;
    CaptureLineBuffer m_error;
    std::deque<std::string> m_inputQueue;
    size_t m_sent = 0;  // bytes of the first queued line (and its line feed) written so far
};

template <class Sink> int CaptureLineBuffer::TakeLines(Sink sink)
{
    int lines = 0;
    size_t start = 0;
    for (size_t i = 0; i < m_fill; ++i) {
        if (m_bytes[i] == '\n') {
            size_t end = (i > start && m_bytes[i - 1] == '\r') ? i - 1 : i;
            sink(std::string(m_bytes + start, end - start).c_str());
            ++lines;
            start = i + 1;
        } else if (m_bytes[i] == '\r' && m_bytes[i + 1] != '\n') {
            sink(std::string(m_bytes + start, i - start).c_str());
            ++lines;
            start = i + 1;
        }
    }
    size_t rest = m_fill - start;
    if (rest > kMaxRest) {
        sink(std::string(m_bytes + start, rest).c_str());
        ++lines;
        rest = 0;
    }
    memmove(m_bytes, m_bytes + start, rest);
    m_fill = rest;
    m_bytes[m_fill] = '\0';
    return lines;
}

template <class Sink> int CaptureLineBuffer::Flush(Sink sink)
{
    int lines = 0;
    if (m_fill > 0) {
        sink(std::string(m_bytes, m_fill).c_str());
        lines = 1;
    }
    m_fill = 0;
    m_bytes[0] = '\0';
    return lines;
}
