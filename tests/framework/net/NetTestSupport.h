#pragma once
#include <winsock2.h>
#include <windows.h>

#include "temp_dir.h"

#include <functional>
#include <string>
#include <thread>

// A real FTP server (Debian's pyftpdlib) on 127.0.0.1 and a free port, serving a fresh
// temporary folder that holds a sub-folder "sub" and a link "www" to it. Stopped, and its
// folder removed, when the object goes.
class LocalFtpServer {
public:
    static const char kUser[];
    static const char kPassword[];

    LocalFtpServer();
    ~LocalFtpServer();
    LocalFtpServer(const LocalFtpServer&) = delete;
    LocalFtpServer& operator=(const LocalFtpServer&) = delete;

    // 0 when the server did not start.
    UINT Port() const { return m_port; }
    // The served folder, in the ANSI code page.
    std::string operator/(const std::string& name) const { return m_dir / ("root\\" + name); }

private:
    TempDir m_dir;
    UINT m_port = 0;
};

// A one-connection server on 127.0.0.1 for what real servers do not do: it accepts one
// client and runs the script on the connection, which it closes when the script returns. The
// script waits on the stop event, which the object's end sets; the wait for the client and
// the script's receives are bounded by the deadline, so no test can hang on it.
class ScriptedPeer {
public:
    using Script = std::function<void(SOCKET connection, HANDLE stop)>;

    ScriptedPeer(Script script, DWORD deadlineMs = 10000);
    // Signals stop, waits for the script and closes everything.
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    UINT Port() const { return m_port; }

    // Script helpers: sends the text; makes the close at the script's end a reset.
    static void SendText(SOCKET connection, const std::string& text);
    static void Reset(SOCKET connection);

private:
    SOCKET m_listener = INVALID_SOCKET;
    UINT m_port = 0;
    HANDLE m_stop;
    std::thread m_thread;
};

// n bytes of a fixed pseudo-random pattern: every byte value occurs, line ends included.
std::string PatternBytes(size_t n);
