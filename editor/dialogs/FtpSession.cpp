#include "editor/dialogs/FtpSession.h"

#include <cstring>

#include "framework/Exceptions.h"

namespace {

// Arguments go into one command line: CR and LF would end it early.
CString StripLineEnds(LPCTSTR text)
{
    CString result;
    for (const char* p = text ? text : ""; *p; ++p)
        if (*p != '\r' && *p != '\n')
            result += *p;
    return result;
}

} // namespace

void CFtpSession::Channel::Attach(std::unique_ptr<CSocket> connected)
{
    socket = std::move(connected);
    file.reset(new CSocketFile(socket.get(), TRUE));
    reader.reset(new CArchive(file.get(), CArchive::load, 4096));
    writer.reset(new CArchive(file.get(), CArchive::store, 4096));
}

void CFtpSession::Channel::Reset()
{
    reader.reset();
    // Every object goes, whatever the writer's last flush does; its failure is rethrown.
    struct Release {
        Channel& channel;
        ~Release()
        {
            if (channel.writer)
                channel.writer->Abort();
            channel.writer.reset();
            channel.file.reset();
            channel.socket.reset();
        }
    } release{*this};
    if (writer)
        writer->Close();
}

CFtpSession::CFtpSession() = default;

CFtpSession::~CFtpSession()
{
    try {
        m_data.Reset();
    } catch (CException* e) {
        e->Delete();
    }
    m_listener.reset();
    try {
        m_control.Reset();
    } catch (CException* e) {
        e->Delete();
    }
}

CString CFtpSession::SocketErrorText(int code, LPCTSTR fallback)
{
    static const struct {
        int code;
        const char* text;
    } texts[] = {
        {10014, "地址长度参数不正确."},
        {10022, "主机地址无效."},
        {10024, "没有可用的文件描述符了."},
        {10035, "套接字为非阻塞方式, 连接不能立即完成."},
        {10036, "正在进行一个阻塞的 Windows Sockets 调用."},
        {10038, "描述符不是套接字."},
        {10039, "需要目标地址."},
        {10041, "指定端口的类型不适用于此套接字."},
        {10043, "不支持指定的端口."},
        {10044, "此地址族不支持指定的套接字类型."},
        {10047, "指定地址族的地址不能用于此套接字."},
        {10048, "指定的地址已被占用."},
        {10049, "本机没有指定的地址."},
        {10050, "Windows Sockets 检测到网络子系统出错."},
        {10051, "本机目前无法到达该网络."},
        {10055, "没有可用的缓冲区空间, 套接字无法连接."},
        {10056, "套接字已经连接."},
        {10060, "连接超时, 没有建立连接."},
        {10061, "连接被拒绝."},
        {10093, "使用此功能之前必须先成功初始化 Windows Sockets."},
    };
    for (const auto& entry : texts)
        if (entry.code == code)
            return entry.text;
    return fallback;
}

void CFtpSession::SetSocketError(LPCTSTR fallback)
{
    m_lastText = SocketErrorText(CAsyncSocket::GetLastError(), fallback);
}

void CFtpSession::SetException(CException* e)
{
    char text[512] = "";
    if (!e->GetErrorMessage(text, sizeof text) || !text[0])
        strcpy(text, "连接失败.");
    m_lastText = text;
    e->Delete();
}

std::unique_ptr<CSocket> CFtpSession::NewSocket(LPCTSTR failureText)
{
    std::unique_ptr<CSocket> socket(new CSocket);
    socket->SetTimeout(m_timeout);
    socket->SetCancelFlag(m_cancel);
    if (!socket->Create()) {
        SetSocketError(failureText);
        return nullptr;
    }
    return socket;
}

int CFtpSession::Connect(LPCTSTR host, UINT port)
{
    if (m_control.socket) {
        m_lastText = "控制通道已经打开.";
        return 0;
    }
    std::unique_ptr<CSocket> socket = NewSocket("创建套接字时出错.");
    if (!socket)
        return 0;
    if (!socket->Connect(host, port)) {
        SetSocketError("连接控制通道时出错.");
        return 0;
    }
    m_control.Attach(std::move(socket));
    return ReadReply() && Is2xx(m_lastCode);
}

int CFtpSession::SendCommand(const CString& command)
{
    if (!m_control.writer)
        return 0;
    try {
        m_control.writer->Write(static_cast<LPCTSTR>(command), command.GetLength());
        m_control.writer->Flush();
    } catch (CException* e) {
        SetException(e);
        return 0;
    }
    return 1;
}

CFtpSession::LineRead CFtpSession::ReadLine(CArchive& reader, CString& line)
{
    // A server that sends without pause never makes the socket wait, where the flag is
    // otherwise seen.
    if (m_cancel && *m_cancel) {
        m_lastText = "传输已被取消.";
        return LineRead::cancelled;
    }
    // Bytes up to the LF, gathered in a plain buffer: one append per line, not per byte.
    std::string bytes;
    char c;
    while (reader.Read(&c, 1) == 1) {
        if (c == '\n') {
            if (!bytes.empty() && bytes.back() == '\r')
                bytes.pop_back();
            line = CString(bytes.data(), static_cast<int>(bytes.size()));
            return LineRead::line;
        }
        if (bytes.size() >= static_cast<size_t>(kFtpMaxLineLength)) {
            m_lastText.Format("服务器发来的一行超过 %d 字节.", kFtpMaxLineLength);
            return LineRead::tooLong;
        }
        bytes += c;
    }
    m_lastText = "服务器关闭了连接.";
    return LineRead::end;
}

int CFtpSession::ReadReply()
{
    if (!m_control.reader)
        return 0;
    try {
        m_lastCode = 0;
        CFtpReply reply;
        CFtpReply::Step step = CFtpReply::Step::more;
        CString line;
        while (step == CFtpReply::Step::more) {
            if (ReadLine(*m_control.reader, line) != LineRead::line) {
                const CString reason = m_lastText;
                m_lastText = reply.Text().IsEmpty() ? reason : reply.Text() + "\n" + reason;
                return 0;
            }
            step = reply.Add(line);
        }
        if (step == CFtpReply::Step::tooLarge) {
            m_lastText.Format("服务器的应答超过 %d 行或 %d 字节.", kFtpMaxReplyLines,
                              kFtpMaxReplyBytes);
            return 0;
        }
        m_lastCode = reply.Code();
        m_lastText = reply.Text();
    } catch (CException* e) {
        SetException(e);
        return 0;
    }
    return 1;
}

int CFtpSession::Login(LPCTSTR user, LPCTSTR password)
{
    if (!Command("USER " + StripLineEnds(user) + "\r\n") || m_lastCode < 200 || m_lastCode > 399)
        return 0;
    if (m_lastCode == 230)
        return 1;
    return Command("PASS " + StripLineEnds(password) + "\r\n") && Is2xx(m_lastCode);
}

int CFtpSession::Quit()
{
    return Command("QUIT\r\n") && Is2xx(m_lastCode);
}

int CFtpSession::PrintWorkingDirectory(CString& folder)
{
    return Command("PWD\r\n") && Is2xx(m_lastCode) && ParseWorkingFolder(m_lastText, folder);
}

int CFtpSession::ChangeDirectory(LPCTSTR path)
{
    return Command("CWD " + StripLineEnds(path) + "\r\n") && Is2xx(m_lastCode);
}

int CFtpSession::SetType(BOOL binary)
{
    return Command(binary ? "TYPE I\r\n" : "TYPE A\r\n") && Is2xx(m_lastCode);
}

int CFtpSession::List(CStringArray& lines, LPCTSTR argument, BOOL passive,
                      const std::function<int(DWORD lines)>& progress)
{
    const CString command = argument ? "LIST " + StripLineEnds(argument) : CString("LIST");
    if (!OpenDataChannel(passive, command))
        return 0;
    lines.RemoveAll();
    bool complete = true;
    try {
        CString line;
        LineRead read = LineRead::end;
        bool stopped = false;
        bool tooLarge = false;
        long long bytes = 0;
        while (!stopped && (read = ReadLine(*m_data.reader, line)) == LineRead::line) {
            bytes += line.GetLength() + 1;
            if (lines.GetSize() >= kMaxListLines || bytes > kMaxListBytes) {
                tooLarge = true;
                break;
            }
            lines.Add(line);
            stopped = progress && !progress(static_cast<DWORD>(lines.GetSize()));
        }
        if (stopped)
            m_lastText = "列表已被停止.";
        if (tooLarge)
            m_lastText.Format("列表超过 %d 行或 %d MB.", kMaxListLines,
                              static_cast<int>(kMaxListBytes >> 20));
        // The stream's end is the listing's end; a line over the bound is not.
        complete = !stopped && !tooLarge && read == LineRead::end;
    } catch (CException* e) {
        SetException(e);
        complete = false;
    }
    if (!complete) {
        const CString reason = m_lastText;
        CloseDataChannel();
        m_lastText = reason;
        return 0;
    }
    return CloseDataChannel();
}

int CFtpSession::OpenDataChannel(BOOL passive, const CString& command)
{
    if (m_dataOpen || m_data.socket || m_listener) {
        m_lastText = "数据通道已经打开.";
        return 0;
    }
    if (passive) {
        if (!Command("PASV\r\n") || !Is2xx(m_lastCode))
            return 0;
        CString host;
        UINT port = 0;
        if (!ParsePassiveReply(m_lastText, host, port)) {
            m_lastText = "无法读出服务器的被动模式地址:\n" + m_lastText;
            return 0;
        }
        // A server behind a translating router may name an address of its own network, or
        // none at all: the data then comes from where the control channel goes.
        CString peer;
        UINT peerPort = 0;
        if (host == "0.0.0.0" && m_control.socket->GetPeerName(peer, peerPort))
            host = peer;
        if (!SendCommand(command + "\r\n"))
            return 0;
        std::unique_ptr<CSocket> socket = NewSocket("创建套接字时出错.");
        if (!socket)
            return 0;
        if (!socket->Connect(host, port)) {
            SetSocketError("连接数据通道时出错.");
            return 0;
        }
        m_data.Attach(std::move(socket));
        if (!ReadReply() || !Is1xx(m_lastCode))
            return 0;
    } else {
        CString address;
        UINT unused = 0;
        if (!m_control.socket || !m_control.socket->GetSockName(address, unused)) {
            m_lastText = "控制通道没有打开.";
            return 0;
        }
        m_listener = NewSocket("创建套接字时出错.");
        CString anyAddress;
        UINT port = 0;
        if (!m_listener || !m_listener->Listen(5) || !m_listener->GetSockName(anyAddress, port)) {
            SetSocketError("创建监听套接字时出错.");
            return 0;
        }
        address.Replace('.', ',');
        CString argument;
        argument.Format("PORT %s,%d,%d\r\n", static_cast<LPCTSTR>(address), port / 256, port % 256);
        if (!Command(argument) || !Is2xx(m_lastCode))
            return 0;
        if (!Command(command + "\r\n") || !Is1xx(m_lastCode))
            return 0;
        std::unique_ptr<CSocket> socket(new CSocket);
        socket->SetTimeout(m_timeout);
        socket->SetCancelFlag(m_cancel);
        if (!m_listener->Accept(*socket)) {
            SetSocketError("服务器没有打开数据连接.");
            return 0;
        }
        m_data.Attach(std::move(socket));
    }
    m_dataOpen = true;
    m_dataPassive = passive != FALSE;
    return 1;
}

int CFtpSession::CloseDataChannel()
{
    if (!m_dataOpen)
        return 0;
    try {
        m_data.Reset();
    } catch (CException* e) {
        m_listener.reset();
        SetException(e);
        return 0;
    }
    m_listener.reset();
    if (!ReadReply() || !Is2xx(m_lastCode))
        return 0;
    m_dataOpen = false;
    m_dataPassive = false;
    return 1;
}

int CFtpSession::OpenTransfer(BOOL download, LPCTSTR remotePath, BOOL binary, BOOL passive)
{
    if (m_transferOpen)
        return 0;
    const CString command = (download ? "RETR " : "STOR ") + StripLineEnds(remotePath);
    if (!SetType(binary) || !OpenDataChannel(passive, command))
        return 0;
    m_transferOpen = true;
    m_transferIsDownload = download != FALSE;
    return 1;
}

int CFtpSession::CloseTransfer()
{
    if (!m_transferOpen || !CloseDataChannel())
        return 0;
    m_transferOpen = false;
    m_transferIsDownload = false;
    return 1;
}

UINT CFtpSession::Read(void* buffer, UINT count)
{
    if (!m_transferOpen || !m_transferIsDownload || !m_data.reader)
        return 0;
    return m_data.reader->Read(buffer, count);
}

int CFtpSession::Write(const void* buffer, UINT count)
{
    if (!m_transferOpen || m_transferIsDownload || !m_dataOpen || !m_data.writer)
        return 0;
    m_data.writer->Write(buffer, count);
    return 1;
}

void CFtpSession::Close()
{
    try {
        m_control.Reset();
    } catch (CException* e) {
        e->Delete();
    }
}
