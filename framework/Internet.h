#pragma once
#include <windows.h>
#include <wininet.h>

#include "framework/CString.h"
#include "framework/Exceptions.h"
#include "framework/File.h"

class CFtpConnection;
class CInternetFile;

// A failure of the platform's internet functions: m_dwError is their error code. The text
// is the platform's message for it, followed by the server's last reply when there is one;
// where the platform has no message (Wine has none), the common FTP failures have our own
// and any other code a text with its number.
class CInternetException : public CException {
public:
    // Takes the calling thread's last server reply along, as later calls may replace it.
    explicit CInternetException(DWORD error);

    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;

    DWORD_PTR m_dwContext = 0;
    DWORD m_dwError;

private:
    CString m_response;
};

// Throws CInternetException with the error code (0: the thread's last error).
[[noreturn]] void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// One session of the platform's internet functions; owns the root handle. Every connection
// and file made from it must be closed before it is.
class CInternetSession {
public:
    // Blocking calls of connections made from the session give up after this long, where
    // the platform honours it: Wine's FTP ignores these time-outs and waits until the server
    // answers or closes.
    static const DWORD kDefaultTimeout = 30000;

    // A null agent names the running program. Throws CInternetException on failure.
    explicit CInternetSession(LPCTSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG, LPCTSTR proxyName = nullptr,
                              LPCTSTR proxyBypass = nullptr, DWORD flags = 0);
    virtual ~CInternetSession();
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    // Logs in; the caller deletes the connection. Throws CInternetException on failure
    // (unknown host, refused, wrong password: its m_dwError tells which).
    CFtpConnection* GetFtpConnection(LPCTSTR server, LPCTSTR userName = nullptr, LPCTSTR password = nullptr,
                                     INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER, BOOL passive = FALSE);

    BOOL SetOption(DWORD option, DWORD value);
    DWORD_PTR GetContext() const { return m_context; }
    operator HINTERNET() const { return m_session; }
    virtual void Close();

private:
    HINTERNET m_session = nullptr;
    DWORD_PTR m_context;
};

// A logged-in FTP connection. While a file of it is open, it can do nothing else.
class CFtpConnection {
public:
    CFtpConnection(CInternetSession* session, HINTERNET connection, LPCTSTR server, DWORD_PTR context);
    virtual ~CFtpConnection();
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    // access: GENERIC_READ (download) or GENERIC_WRITE (upload); flags: the transfer type.
    // The caller deletes the file. Throws CInternetException on failure.
    CInternetFile* OpenFile(LPCTSTR fileName, DWORD access = GENERIC_READ, DWORD flags = FTP_TRANSFER_TYPE_BINARY,
                            DWORD_PTR context = 1);
    BOOL SetCurrentDirectory(LPCTSTR directory);
    BOOL GetCurrentDirectory(CString& directory) const;
    BOOL Remove(LPCTSTR fileName);
    virtual void Close();

    CString GetServerName() const { return m_server; }
    DWORD_PTR GetContext() const { return m_context; }
    operator HINTERNET() const { return m_connection; }

private:
    HINTERNET m_connection;
    CString m_server;
    DWORD_PTR m_context;
};

// A remote file opened through a connection. Read fills the request unless the file ends;
// failures throw CInternetException. Closing an upload completes it on the server.
class CInternetFile : public CFile {
public:
    CInternetFile(HINTERNET file, LPCTSTR fileName, DWORD_PTR context, BOOL reading);
    ~CInternetFile() override;

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    DWORD GetLength() const override;
    void SetLength(DWORD newLength) override;
    DWORD GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    operator HINTERNET() const { return m_file; }

private:
    HINTERNET m_file;
    DWORD_PTR m_context;
    BOOL m_reading;
};

// Walks a folder of an FTP connection, like CFileFind. Each entry is a folder, a link or a
// plain file, whatever attributes the platform reports: a plain file always matches
// FILE_ATTRIBUTE_NORMAL (Wine gives it no attribute at all), a link never does and reaches
// the caller under its own name, without the " -> target" some servers append. Wine's
// listing parser drops the link mark (a link shows as a plain file) and cuts names at their
// first blank; nothing above it can restore either.
class CFtpFileFind {
public:
    explicit CFtpFileFind(CFtpConnection* connection, DWORD_PTR context = 1);
    ~CFtpFileFind();
    CFtpFileFind(const CFtpFileFind&) = delete;
    CFtpFileFind& operator=(const CFtpFileFind&) = delete;

    // A null name lists the current folder. The listing is read afresh by default.
    BOOL FindFile(LPCTSTR name = nullptr, DWORD flags = INTERNET_FLAG_RELOAD);
    // Makes the next entry current; FALSE when that entry is the last one.
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    DWORD GetLength() const;
    BOOL GetLastWriteTime(FILETIME* time) const;
    BOOL MatchesMask(DWORD mask) const;
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }

    // The attributes the rule above gives an entry the platform reported; name loses a
    // link's target. Window-free, for tests.
    static DWORD EntryAttributes(DWORD platformAttributes, CString& name);

private:
    static void Normalize(WIN32_FIND_DATAA& entry);

    CFtpConnection* m_connection;
    DWORD_PTR m_context;
    HINTERNET m_find = nullptr;
    WIN32_FIND_DATAA m_current = {};
    WIN32_FIND_DATAA m_next = {};
    bool m_hasCurrent = false;
    bool m_hasNext = false;
};
