#include "framework/Socket.h"

#include <algorithm>
#include <mutex>

namespace {

// The paint messages of a waiting interface thread are handled this often.
const DWORD kWaitSlice = 50;

std::mutex g_startMutex;
bool g_started = false;

// The dotted address and port that getName (getsockname or getpeername) gives.
BOOL AddressOf(int(WSAAPI* getName)(SOCKET, sockaddr*, int*), SOCKET socket, CString& address, UINT& port)
{
    SOCKADDR_IN name = {};
    int length = sizeof name;
    if (getName(socket, reinterpret_cast<SOCKADDR*>(&name), &length) != 0)
        return FALSE;
    address = ::inet_ntoa(name.sin_addr);
    port = ::ntohs(name.sin_port);
    return TRUE;
}

// Lets the calling thread's windows repaint while a socket call waits; other messages stay
// queued, so no command can run inside the wait.
void HandlePaintMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&message);
}

} // namespace

BOOL AfxSocketInit(WSADATA* data)
{
    std::lock_guard<std::mutex> lock(g_startMutex);
    WSADATA local;
    WSADATA* out = data ? data : &local;
    if (g_started) {
        ZeroMemory(out, sizeof *out);
        out->wVersion = MAKEWORD(2, 2);
        return TRUE;
    }
    if (::WSAStartup(MAKEWORD(2, 2), out) != 0)
        return FALSE;
    g_started = true;
    return TRUE;
}

// --- CAsyncSocket ---------------------------------------------------------------------------

CAsyncSocket::CAsyncSocket() : m_hSocket(INVALID_SOCKET) {}

CAsyncSocket::~CAsyncSocket()
{
    Close();
}

BOOL CAsyncSocket::Create(UINT port, int type, long /*events*/, LPCTSTR address)
{
    if (m_hSocket != INVALID_SOCKET) {
        ::WSASetLastError(WSAEISCONN);
        return FALSE;
    }
    m_hSocket = ::socket(AF_INET, type, 0);
    if (m_hSocket == INVALID_SOCKET)
        return FALSE;
    if (SetNonBlocking() && Bind(port, address))
        return TRUE;
    int error = ::WSAGetLastError();
    Close();
    ::WSASetLastError(error);
    return FALSE;
}

BOOL CAsyncSocket::SetNonBlocking()
{
    u_long nonBlocking = 1;
    return ::ioctlsocket(m_hSocket, FIONBIO, &nonBlocking) == 0;
}

BOOL CAsyncSocket::ResolveAddress(LPCTSTR host, UINT port, SOCKADDR_IN& address)
{
    ZeroMemory(&address, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = ::htons((u_short)port);
    if (!host || !*host) {
        address.sin_addr.s_addr = ::htonl(INADDR_ANY);
        return TRUE;
    }
    address.sin_addr.s_addr = ::inet_addr(host);
    if (address.sin_addr.s_addr != INADDR_NONE)
        return TRUE;
    hostent* entry = ::gethostbyname(host);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list[0]) {
        if (::WSAGetLastError() == 0)
            ::WSASetLastError(WSAHOST_NOT_FOUND);
        return FALSE;
    }
    memcpy(&address.sin_addr, entry->h_addr_list[0], sizeof address.sin_addr);
    return TRUE;
}

BOOL CAsyncSocket::Bind(UINT port, LPCTSTR address)
{
    SOCKADDR_IN local;
    if (!ResolveAddress(address, port, local))
        return FALSE;
    return ::bind(m_hSocket, reinterpret_cast<SOCKADDR*>(&local), sizeof local) == 0;
}

BOOL CAsyncSocket::Connect(LPCTSTR host, UINT port)
{
    SOCKADDR_IN remote;
    if (!ResolveAddress(host, port, remote))
        return FALSE;
    return ::connect(m_hSocket, reinterpret_cast<SOCKADDR*>(&remote), sizeof remote) == 0;
}

BOOL CAsyncSocket::Listen(int backlog)
{
    return ::listen(m_hSocket, backlog) == 0;
}

BOOL CAsyncSocket::Accept(CAsyncSocket& connected, SOCKADDR* address, int* addressLength)
{
    if (connected.m_hSocket != INVALID_SOCKET) {
        ::WSASetLastError(WSAEISCONN);
        return FALSE;
    }
    SOCKET socket = ::accept(m_hSocket, address, addressLength);
    if (socket == INVALID_SOCKET)
        return FALSE;
    connected.m_hSocket = socket;
    return connected.SetNonBlocking();
}

int CAsyncSocket::Receive(void* buffer, int length, int flags)
{
    return ::recv(m_hSocket, static_cast<char*>(buffer), length, flags);
}

int CAsyncSocket::Send(const void* buffer, int length, int flags)
{
    return ::send(m_hSocket, static_cast<const char*>(buffer), length, flags);
}

BOOL CAsyncSocket::ShutDown(int how)
{
    return ::shutdown(m_hSocket, how) == 0;
}

void CAsyncSocket::Close()
{
    if (m_hSocket == INVALID_SOCKET)
        return;
    // Closing must not hide the failure the caller is about to ask for.
    int error = ::WSAGetLastError();
    ::closesocket(m_hSocket);
    m_hSocket = INVALID_SOCKET;
    ::WSASetLastError(error);
}

BOOL CAsyncSocket::GetSockName(CString& address, UINT& port) const
{
    return AddressOf(::getsockname, m_hSocket, address, port);
}

BOOL CAsyncSocket::GetPeerName(CString& address, UINT& port) const
{
    return AddressOf(::getpeername, m_hSocket, address, port);
}

BOOL CAsyncSocket::SetSockOpt(int option, const void* value, int length, int level)
{
    return ::setsockopt(m_hSocket, level, option, static_cast<const char*>(value), length) == 0;
}

BOOL CAsyncSocket::GetSockOpt(int option, void* value, int* length, int level) const
{
    return ::getsockopt(m_hSocket, level, option, static_cast<char*>(value), length) == 0;
}

BOOL CAsyncSocket::Attach(SOCKET socket)
{
    if (m_hSocket != INVALID_SOCKET || socket == INVALID_SOCKET)
        return FALSE;
    m_hSocket = socket;
    return SetNonBlocking();
}

SOCKET CAsyncSocket::Detach()
{
    SOCKET socket = m_hSocket;
    m_hSocket = INVALID_SOCKET;
    return socket;
}

// --- CSocket --------------------------------------------------------------------------------

BOOL CSocket::Create(UINT port, int type, LPCTSTR address)
{
    return CAsyncSocket::Create(port, type, 0, address);
}

BOOL CSocket::Wait(Readiness readiness)
{
    if (m_hSocket == INVALID_SOCKET) {
        ::WSASetLastError(WSAENOTSOCK);
        return FALSE;
    }
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (m_cancel && *m_cancel) {
            ::WSASetLastError(WSAEINTR);
            return FALSE;
        }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= m_timeout) {
            ::WSASetLastError(WSAETIMEDOUT);
            return FALSE;
        }
        DWORD slice = std::min(kWaitSlice, m_timeout - elapsed);
        timeval wait = {(long)(slice / 1000), (long)(slice % 1000) * 1000};
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(m_hSocket, &ready);
        FD_SET(m_hSocket, &failed);
        int count = readiness == Readiness::read ? ::select(0, &ready, nullptr, &failed, &wait)
                                                 : ::select(0, nullptr, &ready, &failed, &wait);
        if (count == SOCKET_ERROR)
            return FALSE;
        if (FD_ISSET(m_hSocket, &failed)) {
            int error = 0;
            int length = sizeof error;
            GetSockOpt(SO_ERROR, &error, &length);
            ::WSASetLastError(error ? error : WSAECONNABORTED);
            return FALSE;
        }
        if (count > 0)
            return TRUE;
        HandlePaintMessages();
    }
}

BOOL CSocket::Connect(LPCTSTR host, UINT port)
{
    if (CAsyncSocket::Connect(host, port))
        return TRUE;
    if (::WSAGetLastError() != WSAEWOULDBLOCK || !Wait(Readiness::connect))
        return FALSE;
    // Writable after a failed connect on some stacks: the pending error decides.
    int error = 0;
    int length = sizeof error;
    if (!GetSockOpt(SO_ERROR, &error, &length))
        return FALSE;
    if (error != 0) {
        ::WSASetLastError(error);
        return FALSE;
    }
    return TRUE;
}

BOOL CSocket::Accept(CAsyncSocket& connected, SOCKADDR* address, int* addressLength)
{
    for (;;) {
        if (CAsyncSocket::Accept(connected, address, addressLength))
            return TRUE;
        if (::WSAGetLastError() != WSAEWOULDBLOCK || !Wait(Readiness::read))
            return FALSE;
    }
}

int CSocket::Receive(void* buffer, int length, int flags)
{
    for (;;) {
        int received = CAsyncSocket::Receive(buffer, length, flags);
        if (received != SOCKET_ERROR)
            return received;
        if (::WSAGetLastError() != WSAEWOULDBLOCK || !Wait(Readiness::read))
            return SOCKET_ERROR;
    }
}

int CSocket::Send(const void* buffer, int length, int flags)
{
    const char* bytes = static_cast<const char*>(buffer);
    int sent = 0;
    while (sent < length) {
        int count = CAsyncSocket::Send(bytes + sent, length - sent, flags);
        if (count != SOCKET_ERROR) {
            sent += count;
            continue;
        }
        if (::WSAGetLastError() != WSAEWOULDBLOCK || !Wait(Readiness::write))
            return SOCKET_ERROR;
    }
    return length;
}

// --- CSocketFile ----------------------------------------------------------------------------

CSocketFile::CSocketFile(CSocket* socket, BOOL /*archiveCompatible*/) : m_socket(socket)
{
    // Failures name the peer, so a message says which connection broke.
    CString address;
    UINT port = 0;
    if (m_socket && m_socket->GetPeerName(address, port)) {
        CString name;
        name.Format("%s:%u", (LPCTSTR)address, port);
        SetFilePath(name);
    }
}

CSocketFile::~CSocketFile() = default;

void CSocketFile::ThrowSocketError() const
{
    int error = m_socket ? CAsyncSocket::GetLastError() : WSAENOTSOCK;
    AfxThrowFileException(CFileException::generic, error, m_strFileName);
}

UINT CSocketFile::Read(void* buffer, UINT count)
{
    if (!m_socket) {
        ::WSASetLastError(WSAENOTSOCK);
        ThrowSocketError();
    }
    if (count == 0)
        return 0;
    int received = m_socket->Receive(buffer, (int)std::min<UINT>(count, 0x7FFFFFFF));
    if (received == SOCKET_ERROR)
        ThrowSocketError();
    return (UINT)received;
}

void CSocketFile::Write(const void* buffer, UINT count)
{
    if (!m_socket) {
        ::WSASetLastError(WSAENOTSOCK);
        ThrowSocketError();
    }
    if (count > 0 && m_socket->Send(buffer, (int)count) == SOCKET_ERROR)
        ThrowSocketError();
}

LONG CSocketFile::Seek(LONG, UINT) { AfxThrowNotSupportedException(); }
DWORD CSocketFile::GetLength() const { AfxThrowNotSupportedException(); }
void CSocketFile::SetLength(DWORD) { AfxThrowNotSupportedException(); }
DWORD CSocketFile::GetPosition() const { AfxThrowNotSupportedException(); }

void CSocketFile::Flush() {}

void CSocketFile::Close()
{
    m_socket = nullptr;
}

void CSocketFile::Abort()
{
    m_socket = nullptr;
}
