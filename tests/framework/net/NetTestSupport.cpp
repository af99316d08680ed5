#include "NetTestSupport.h"

#include "framework/Socket.h"
#include "child_process.h"
#include "wait.h"

#include <cstdio>

const char LocalFtpServer::kUser[] = "moyu";
const char LocalFtpServer::kPassword[] = "secret";

namespace {

// How long the server may live at most, should a test die before stopping it.
const char kServerLifetimeSeconds[] = "300";

// The host path of a Windows path, for the server, which runs outside Wine.
std::string HostPath(const std::string& path)
{
    using ToUnix = char*(CDECL*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    WCHAR wide[MAX_PATH * 2] = {};
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2))
        return std::string();
    char* unixPath = toUnix(wide);
    if (!unixPath)
        return std::string();
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

LocalFtpServer::LocalFtpServer(const char* encoding)
{
    AfxSocketInit();
    CreateDirectoryA((m_dir / "root").c_str(), nullptr);
    CreateDirectoryA((m_dir / "root\\sub").c_str(), nullptr);
    std::string command = std::string("/usr/bin/python3 \"") + MOYU_FTP_SERVER_SCRIPT + "\" --encoding=" +
                          encoding + " \"" + HostPath(m_dir / "root") + "\" " + kUser + " " + kPassword + " \"" +
                          HostPath(m_dir.Path()) + "\" " + kServerLifetimeSeconds + " www:sub";
    // The host's program cannot be waited on, so the control files tell when it is up and
    // when it is gone.
    if (!StartHostProgram(command))
        return;
    // Python starts in a fraction of a second; a machine busy with a parallel build may
    // take much longer.
    WaitUntil([&] { return Exists(m_dir / "port"); });
    std::string port = TempDir::ReadFile(m_dir / "port");
    m_port = (UINT)atoi(port.c_str());
}

LocalFtpServer::~LocalFtpServer()
{
    if (!m_port)
        return;
    m_dir.WriteFile("stop", "");
    WaitUntil([&] { return !Exists(m_dir / "port"); });
}

ScriptedPeer::ScriptedPeer(Script script, DWORD deadlineMs) : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    AfxSocketInit();
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    int length = sizeof address;
    if (bind(m_listener, (sockaddr*)&address, sizeof address) != 0 || listen(m_listener, 1) != 0 ||
        getsockname(m_listener, (sockaddr*)&address, &length) != 0)
        return;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this, script, deadlineMs] {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(m_listener, &ready);
        timeval wait = {(long)(deadlineMs / 1000), (long)(deadlineMs % 1000) * 1000};
        if (select(0, &ready, nullptr, nullptr, &wait) != 1)
            return;
        SOCKET connection = accept(m_listener, nullptr, nullptr);
        if (connection == INVALID_SOCKET)
            return;
        // Bound the script's own waits too.
        DWORD timeout = deadlineMs;
        setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, (const char*)&timeout, sizeof timeout);
        script(connection, m_stop);
        closesocket(connection);
    });
}

ScriptedPeer::~ScriptedPeer()
{
    SetEvent(m_stop);
    if (m_listener != INVALID_SOCKET)
        closesocket(m_listener);
    if (m_thread.joinable())
        m_thread.join();
    CloseHandle(m_stop);
}

void ScriptedPeer::SendText(SOCKET connection, const std::string& text)
{
    send(connection, text.data(), (int)text.size(), 0);
}

void ScriptedPeer::Reset(SOCKET connection)
{
    linger abortive = {1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, (const char*)&abortive, sizeof abortive);
}

std::string ScriptedPeer::ReadLine(SOCKET connection)
{
    std::string line;
    char ch;
    while (recv(connection, &ch, 1, 0) == 1) {
        if (ch == '\n')
            return line.substr(0, line.size() - (!line.empty() && line.back() == '\r'));
        line += ch;
    }
    return line;
}

SOCKET ScriptedPeer::ListenOnLoopback(UINT& port)
{
    SOCKET listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    bind(listener, (sockaddr*)&address, sizeof address);
    listen(listener, 1);
    getsockname(listener, (sockaddr*)&address, &length);
    port = ntohs(address.sin_port);
    return listener;
}

std::string PatternBytes(size_t n)
{
    std::string bytes(n, '\0');
    unsigned state = 12345;
    for (size_t i = 0; i < n; ++i) {
        state = state * 1103515245 + 12345;
        bytes[i] = (char)(state >> 16);
    }
    return bytes;
}

MiniFtp::MiniFtp(UINT port)
{
    AfxSocketInit();
    m_connected = m_control.Create() && m_control.Connect("127.0.0.1", port);
    m_file = std::make_unique<CSocketFile>(&m_control);
    m_in = std::make_unique<CArchive>(m_file.get(), CArchive::load);
    m_out = std::make_unique<CArchive>(m_file.get(), CArchive::store);
}

int MiniFtp::ReadReply()
{
    CString line;
    if (!m_in->ReadString(line))
        return 0;
    m_text = line;
    while (line.GetLength() < 4 || line[3] != ' ') {
        if (!m_in->ReadString(line))
            return 0;
        m_text += "\n" + line;
    }
    return atoi(line.Left(3));
}

int MiniFtp::Command(const CString& command)
{
    m_out->WriteString(command + "\r\n");
    m_out->Flush();
    return ReadReply();
}

bool MiniFtp::Login(const char* user, const char* password)
{
    return ReadReply() == 220 && Command(CString("USER ") + user) == 331 && Command(CString("PASS ") + password) == 230;
}

std::unique_ptr<CSocket> MiniFtp::OpenData(bool passive, const CString& command)
{
    auto data = std::make_unique<CSocket>();
    if (passive) {
        if (Command("PASV") != 227)
            return nullptr;
        int h1, h2, h3, h4, p1, p2;
        int open = m_text.Find('(');
        if (open < 0 || sscanf((LPCTSTR)m_text + open, "(%d,%d,%d,%d,%d,%d)", &h1, &h2, &h3, &h4, &p1, &p2) != 6)
            return nullptr;
        CString host;
        host.Format("%d.%d.%d.%d", h1, h2, h3, h4);
        if (!data->Create() || !data->Connect(host, p1 * 256 + p2) || !IsPreliminary(Command(command)))
            return nullptr;
        return data;
    }
    CSocket listener;
    CString address;
    UINT port = 0;
    m_control.GetSockName(address, port);
    if (!listener.Create(0, SOCK_STREAM, address) || !listener.Listen() || !listener.GetSockName(address, port))
        return nullptr;
    address.Replace('.', ',');
    CString argument;
    argument.Format("PORT %s,%u,%u", (LPCTSTR)address, port / 256, port % 256);
    if (Command(argument) != 200 || !IsPreliminary(Command(command)) || !listener.Accept(*data))
        return nullptr;
    return data;
}

std::string MiniFtp::Receive(bool passive, const CString& command, int& code)
{
    code = 0;
    std::string bytes;
    {
        auto data = OpenData(passive, command);
        if (!data)
            return bytes;
        CSocketFile file(data.get());
        CArchive in(&file, CArchive::load);
        char block[4096];
        while (UINT read = in.Read(block, sizeof block))
            bytes.append(block, read);
    }
    code = ReadReply();
    return bytes;
}

int MiniFtp::Send(bool passive, const CString& command, const std::string& bytes)
{
    {
        auto data = OpenData(passive, command);
        if (!data)
            return 0;
        CSocketFile file(data.get());
        CArchive out(&file, CArchive::store);
        out.Write(bytes.data(), (UINT)bytes.size());
        out.Close();
    }
    return ReadReply();
}
