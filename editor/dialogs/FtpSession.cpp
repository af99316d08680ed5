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
        {10014, "The nSockAddrLen argument is incorrect."},
        {10022, "Invalid host address."},
        {10024, "No more file descriptors are available."},
        {10035, "The socket is marked as nonblocking and the connection cannot be completed immediately."},
        {10036, "A blocking Windows Sockets call is in progress."},
        {10038, "The descriptor is not a socket."},
        {10039, "A destination address is required."},
        {10041, "The specified port is the wrong type for this socket."},
        {10043, "The specified port is not supported."},
        {10044, "The specified socket type is not supported in this address family."},
        {10047, "Addresses in the specified family cannot be used with this socket."},
        {10048, "The specified address is already in use."},
        {10049, "The specified address is not available from the local machine."},
        {10050, "The Windows Sockets implementation detected that the network subsystem failed."},
        {10051, "The network cannot be reached from this host at this time."},
        {10055, "No buffer space is available. The socket cannot be connected."},
        {10056, "The socket is already connected."},
        {10060, "Attempt to connect timed out without establishing a connection."},
        {10061, "The attempt to connect was rejected."},
        {10093, "A successful AfxSocketInit must occur before using this API."},
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
        strcpy(text, "The connection failed.");
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
        m_lastText = "The control channel is already open.";
        return 0;
    }
    std::unique_ptr<CSocket> socket = NewSocket("An error occured in creating socket object.");
    if (!socket)
        return 0;
    if (!socket->Connect(host, port)) {
        SetSocketError("An error occured in connecting control channel.");
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
        m_lastText = "The transfer was cancelled.";
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
            m_lastText.Format("The server sent a line longer than %d bytes.", kFtpMaxLineLength);
            return LineRead::tooLong;
        }
        bytes += c;
    }
    m_lastText = "The server closed the connection.";
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
            m_lastText.Format("The server sent a reply of more than %d lines or %d bytes.", kFtpMaxReplyLines,
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
            m_lastText = "The listing was stopped.";
        if (tooLarge)
            m_lastText.Format("The listing is longer than %d lines or %d MB.", kMaxListLines,
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
        m_lastText = "A data channel is already open.";
        return 0;
    }
    if (passive) {
        if (!Command("PASV\r\n") || !Is2xx(m_lastCode))
            return 0;
        CString host;
        UINT port = 0;
        if (!ParsePassiveReply(m_lastText, host, port)) {
            m_lastText = "The server's passive address cannot be read:\n" + m_lastText;
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
        std::unique_ptr<CSocket> socket = NewSocket("An error occured in creating socket object.");
        if (!socket)
            return 0;
        if (!socket->Connect(host, port)) {
            SetSocketError("An error occured in connecting data channel.");
            return 0;
        }
        m_data.Attach(std::move(socket));
        if (!ReadReply() || !Is1xx(m_lastCode))
            return 0;
    } else {
        CString address;
        UINT unused = 0;
        if (!m_control.socket || !m_control.socket->GetSockName(address, unused)) {
            m_lastText = "The control channel is not open.";
            return 0;
        }
        m_listener = NewSocket("An error occured in creating socket object.");
        CString anyAddress;
        UINT port = 0;
        if (!m_listener || !m_listener->Listen(5) || !m_listener->GetSockName(anyAddress, port)) {
            SetSocketError("An error occured in creating the listening socket.");
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
            SetSocketError("The server did not open the data connection.");
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
