#pragma once
#include <winsock2.h>
#include <windows.h>

#include <atomic>

#include "framework/CString.h"
#include "framework/File.h"

// Starts the platform's socket layer once for the process; FALSE when it cannot start.
// Safe to call from any thread and more than once.
BOOL AfxSocketInit(WSADATA* data = nullptr);

// An IPv4 socket that never blocks: each call does what it can at once and fails with
// WSAEWOULDBLOCK otherwise. The last failure's code is GetLastError() on the calling thread.
class CAsyncSocket {
public:
    enum { receives = 0, sends = 1, both = 2 };

    CAsyncSocket();
    // Closes the socket it still owns.
    virtual ~CAsyncSocket();
    CAsyncSocket(const CAsyncSocket&) = delete;
    CAsyncSocket& operator=(const CAsyncSocket&) = delete;

    SOCKET m_hSocket;
    operator SOCKET() const { return m_hSocket; }

    // Makes the socket and binds it to the port and dotted address (0 and null: any). The
    // event mask is accepted for callers written against it: these sockets deliver no
    // notifications; CSocket waits in its calls instead.
    BOOL Create(UINT port = 0, int type = SOCK_STREAM,
                long events = FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE,
                LPCTSTR address = nullptr);
    BOOL Bind(UINT port, LPCTSTR address = nullptr);
    // Host by dotted address or by name.
    virtual BOOL Connect(LPCTSTR host, UINT port);
    BOOL Listen(int backlog = 5);
    // The waiting connection goes to connected, which must not own a socket yet.
    virtual BOOL Accept(CAsyncSocket& connected, SOCKADDR* address = nullptr, int* addressLength = nullptr);
    // Bytes received, 0 once the peer has closed, SOCKET_ERROR on failure.
    virtual int Receive(void* buffer, int length, int flags = 0);
    // Bytes sent (maybe fewer than asked), SOCKET_ERROR on failure.
    virtual int Send(const void* buffer, int length, int flags = 0);
    BOOL ShutDown(int how = sends);
    virtual void Close();

    // Dotted address and port of this end and of the peer.
    BOOL GetSockName(CString& address, UINT& port) const;
    BOOL GetPeerName(CString& address, UINT& port) const;
    BOOL SetSockOpt(int option, const void* value, int length, int level = SOL_SOCKET);
    BOOL GetSockOpt(int option, void* value, int* length, int level = SOL_SOCKET) const;

    BOOL Attach(SOCKET socket);
    SOCKET Detach();

    static int GetLastError() { return ::WSAGetLastError(); }

    // Fills an IPv4 address from a dotted address or a host name; FALSE (with the socket
    // error set) when the name cannot be resolved.
    static BOOL ResolveAddress(LPCTSTR host, UINT port, SOCKADDR_IN& address);

protected:
    // Makes the socket non-blocking; FALSE with the socket error set on failure.
    BOOL SetNonBlocking();
};

// A socket whose calls wait until they are done, the peer fails or the time-out passes;
// nothing waits forever (but a host name's lookup, which takes what the system's resolver
// takes). A call that times out fails with WSAETIMEDOUT. While it waits on a
// thread with windows, their paint messages are still handled so the windows do not freeze.
class CSocket : public CAsyncSocket {
public:
    static const DWORD kDefaultTimeout = 30000;

    BOOL Create(UINT port = 0, int type = SOCK_STREAM, LPCTSTR address = nullptr);

    // Milliseconds each later blocking call may wait (at least 1).
    void SetTimeout(DWORD milliseconds) { m_timeout = milliseconds ? milliseconds : 1; }
    DWORD GetTimeout() const { return m_timeout; }
    // A flag another thread may raise to stop this socket's waits: the call in hand fails
    // with WSAEINTR within a few milliseconds instead of running into its time-out.
    void SetCancelFlag(const std::atomic<int>* flag) { m_cancel = flag; }

    BOOL Connect(LPCTSTR host, UINT port) override;
    BOOL Accept(CAsyncSocket& connected, SOCKADDR* address = nullptr, int* addressLength = nullptr) override;
    // Waits for data; returns what one receive brings (0 once the peer has closed).
    int Receive(void* buffer, int length, int flags = 0) override;
    // Sends all of it; returns length, or SOCKET_ERROR with nothing said of how much went.
    int Send(const void* buffer, int length, int flags = 0) override;

private:
    enum class Readiness { read, write, connect };
    // Waits until the socket is ready; FALSE with the socket error set on time-out or failure.
    BOOL Wait(Readiness readiness);

    DWORD m_timeout = kDefaultTimeout;
    const std::atomic<int>* m_cancel = nullptr;
};

// A socket seen as a file, so a CArchive can buffer it. Read is one receive (0 once the peer
// has closed), Write sends everything; socket failures throw CFileException with the socket
// error in m_lOsError, and seeking or asking for the length throws CNotSupportedException.
// The socket stays the caller's.
class CSocketFile : public CFile {
public:
    // The archive flag is kept for callers written against it; the file works either way.
    explicit CSocketFile(CSocket* socket, BOOL archiveCompatible = TRUE);
    ~CSocketFile() override;

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    DWORD GetLength() const override;
    void SetLength(DWORD newLength) override;
    DWORD GetPosition() const override;
    void Flush() override;
    // Forgets the socket; it stays open.
    void Close() override;
    void Abort() override;

private:
    [[noreturn]] void ThrowSocketError() const;

    CSocket* m_socket;
};
