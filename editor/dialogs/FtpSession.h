#pragma once
#include <atomic>
#include <functional>
#include <memory>

#include "editor/dialogs/FtpReplies.h"
#include "framework/Archive.h"
#include "framework/Collections.h"
#include "framework/CString.h"
#include "framework/Socket.h"

// The IDE's own FTP client: one control channel and at most one data channel, each a
// blocking socket seen as a file with a buffered reader and writer. One session serves one
// operation (a download, an upload or a listing) and is then dropped.
//
// Every operation returns nonzero on success; on failure LastText() says why (the server's
// reply, or the socket failure). Every socket call waits at most the session's time-out, so
// a silent server fails the call instead of holding the thread. Reply and listing lines are
// bounded (FtpReplies.h), and so are a listing's lines and bytes: a server that never ends
// one fails the read. The cancel flag is checked between lines, so a server that keeps
// talking is stopped as surely as a silent one. Command arguments lose their CR and LF bytes,
// so a name cannot smuggle a second command.
class CFtpSession {
public:
    // A listing of more lines or bytes than these is refused.
    static const int kMaxListLines = 1000000;
    static const long long kMaxListBytes = 128ll << 20;

    CFtpSession();
    virtual ~CFtpSession();
    CFtpSession(const CFtpSession&) = delete;
    CFtpSession& operator=(const CFtpSession&) = delete;

    // Milliseconds each later socket call may wait (connect, accept, every read and write).
    void SetTimeout(DWORD milliseconds) { m_timeout = milliseconds; }
    // A flag another thread raises to stop the session: the socket call in hand fails at once.
    void SetCancelFlag(const std::atomic<int>* flag) { m_cancel = flag; }

    // Opens the control channel and reads the greeting (2xx).
    int Connect(LPCTSTR host, UINT port);
    // USER, then PASS unless USER alone logged in (230).
    int Login(LPCTSTR user, LPCTSTR password);
    int Quit();
    // The quoted folder of the PWD reply; folder is left alone on failure.
    int PrintWorkingDirectory(CString& folder);
    int ChangeDirectory(LPCTSTR path);
    int SetType(BOOL binary);
    // LIST (or LIST argument) over a data channel; lines is left alone when the channel
    // cannot be opened. Fails unless every line arrived and the final reply is 2xx. progress,
    // when given, is told the count of lines so far and stops the listing by returning 0.
    int List(CStringArray& lines, LPCTSTR argument, BOOL passive,
             const std::function<int(DWORD lines)>& progress = nullptr);

    // TYPE, then RETR or STOR over a new data channel.
    int OpenTransfer(BOOL download, LPCTSTR remotePath, BOOL binary, BOOL passive);
    // Closes the data channel and reads the final reply, which must be 2xx.
    int CloseTransfer();
    // Bytes read during a download, fewer than count only at the end of the data; 0 when no
    // download is open. Socket failures throw CFileException.
    UINT Read(void* buffer, UINT count);
    // 1 when the bytes went into the upload's buffer; 0 when no upload is open. Socket
    // failures throw CFileException.
    int Write(const void* buffer, UINT count);
    // Drops both channels without a word to the server.
    void Close();

    int GetLastCode() const { return m_lastCode; }
    const CString& GetLastText() const { return m_lastText; }

    // The text for a socket error code, or fallback when the code has none.
    static CString SocketErrorText(int code, LPCTSTR fallback);

private:
    struct Channel {
        std::unique_ptr<CSocket> socket;
        std::unique_ptr<CSocketFile> file;
        std::unique_ptr<CArchive> reader;
        std::unique_ptr<CArchive> writer;
        void Attach(std::unique_ptr<CSocket> connected);
        // Drops the archives (the writer flushes first), the file and the socket.
        void Reset();
    };

    int SendCommand(const CString& command);
    int Command(const CString& command) { return SendCommand(command) && ReadReply(); }
    int ReadReply();
    enum class LineRead { line, end, tooLong, cancelled };
    // One line without its line end; at the end of the stream, past the bound or once the
    // cancel flag is raised the last text says which.
    LineRead ReadLine(CArchive& reader, CString& line);
    int OpenDataChannel(BOOL passive, const CString& command);
    int CloseDataChannel();
    std::unique_ptr<CSocket> NewSocket(LPCTSTR failureText);
    void SetSocketError(LPCTSTR fallback);
    void SetException(CException* e);

    static bool Is2xx(int code) { return code >= 200 && code <= 299; }
    static bool Is1xx(int code) { return code >= 100 && code <= 199; }

    DWORD m_timeout = CSocket::kDefaultTimeout;
    const std::atomic<int>* m_cancel = nullptr;
    Channel m_control;
    std::unique_ptr<CSocket> m_listener;
    Channel m_data;
    bool m_dataOpen = false;
    bool m_dataPassive = false;
    bool m_transferOpen = false;
    bool m_transferIsDownload = false;
    int m_lastCode = 0;
    CString m_lastText;
};
