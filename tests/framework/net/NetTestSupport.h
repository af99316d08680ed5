#pragma once
#include <winsock2.h>
#include <windows.h>

#include "framework/Archive.h"
#include "framework/Socket.h"

#include "temp_dir.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

// A real FTP server (Debian's pyftpdlib) on 127.0.0.1 and a free port, serving a fresh
// temporary folder that holds a sub-folder "sub" and a link "www" to it. Names travel in
// UTF-8, or in the encoding given (Python's name for it, "gbk" for instance). Stopped, and its
// folder removed, when the object goes.
class LocalFtpServer {
public:
    static const char kUser[];
    static const char kPassword[];

    explicit LocalFtpServer(const char* encoding = "utf8");
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
    // One line from the client, without its CR LF; empty when the client went.
    static std::string ReadLine(SOCKET connection);
    // A socket listening on 127.0.0.1 and a free port, whose number goes into port.
    static SOCKET ListenOnLoopback(UINT& port);

private:
    SOCKET m_listener = INVALID_SOCKET;
    UINT m_port = 0;
    HANDLE m_stop;
    std::thread m_thread;
};

// Just enough of an FTP client to drive a real server through the socket classes: a
// control channel of archives over a CSocketFile, data channels in passive or active mode.
class MiniFtp {
public:
    explicit MiniFtp(UINT port);

    bool Connected() const { return m_connected; }
    // The reply's code (0 when the connection ended); its lines, joined by LF, in LastText.
    int ReadReply();
    int Command(const CString& command);
    const CString& LastText() const { return m_text; }
    bool Login(const char* user, const char* password);

    // RETR or LIST: the bytes of the data channel; the final reply's code in code.
    std::string Receive(bool passive, const CString& command, int& code);
    // STOR: the final reply's code.
    int Send(bool passive, const CString& command, const std::string& bytes);

private:
    static bool IsPreliminary(int code) { return code >= 100 && code < 200; }
    // Sends the command over a new data channel; null unless the server answered 1xx.
    std::unique_ptr<CSocket> OpenData(bool passive, const CString& command);

    CSocket m_control;
    bool m_connected = false;
    std::unique_ptr<CSocketFile> m_file;
    std::unique_ptr<CArchive> m_in;
    std::unique_ptr<CArchive> m_out;
    CString m_text;
};

// n bytes of a fixed pseudo-random pattern: every byte value occurs, line ends included.
std::string PatternBytes(size_t n);
