#pragma once
#include <atomic>
#include <functional>
#include <memory>

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
// bounded; a longer one fails the read. Command arguments lose their CR and LF bytes, so a
// name cannot smuggle a second command.
class CFtpSession {
public:
    // A reply or listing line longer than this is a protocol error.
    static const int kMaxLineLength = 64 * 1024;

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
    // "a,b,c,d,p1,p2" into a dotted host and a port; false unless all six are numbers 0-255
    // (an all-zero host is accepted: the caller replaces it).
    static bool ParseHostPort(const CString& text, CString& host, UINT& port);
    // A reply line's code: the decimal value of its leading digits among the first three.
    static int ReplyCode(const CString& line);

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
    enum class LineRead { line, end, tooLong };
    // One line without its line end; at the end of the stream or past the bound the last
    // text says which.
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
