#include "framework/Internet.h"

#include "framework/FileName.h"

#include <algorithm>
#include <cstring>

namespace {

// The program's file title, the agent name of a session that was given none.
CString ProgramTitle()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    CString title = FilePathParts::TitleOf(CString(path));
    return title.IsEmpty() ? CString("Moyu") : title;
}

// The platform's text for an error code: the internet module's own messages first, then
// the system's; empty when neither has one.
CString PlatformMessage(DWORD error)
{
    char text[1024] = {};
    DWORD length = 0;
    HMODULE module = ::GetModuleHandleA("wininet.dll");
    if (module && error >= INTERNET_ERROR_BASE && error <= INTERNET_ERROR_LAST)
        length = ::FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, module, error, 0,
                                  text, sizeof text, nullptr);
    if (length == 0)
        length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    CString message(text, (int)std::min<DWORD>(length, sizeof text - 1));
    message.TrimRight();
    return message;
}

// Texts for the failures FTP users meet, where the platform has no message of its own.
struct KnownError {
    DWORD code;
    const char* text;
};
const KnownError kKnownErrors[] = {
    {ERROR_INTERNET_TIMEOUT, "操作超时。"},
    {ERROR_INTERNET_EXTENDED_ERROR, "服务器报告了一个错误。"},
    {ERROR_INTERNET_NAME_NOT_RESOLVED, "无法解析服务器名称。"},
    {ERROR_INTERNET_LOGIN_FAILURE, "登录服务器失败：用户名或密码不正确。"},
    {ERROR_INTERNET_CANNOT_CONNECT, "无法连接到服务器。"},
    {ERROR_INTERNET_CONNECTION_ABORTED, "与服务器的连接已中止。"},
    {ERROR_INTERNET_CONNECTION_RESET, "与服务器的连接已被重置。"},
    {ERROR_FTP_TRANSFER_IN_PROGRESS, "连接上还有一个传输没有结束。"},
    {ERROR_FTP_DROPPED, "FTP 会话已中断。"},
};

const char* KnownErrorText(DWORD code)
{
    for (const KnownError& known : kKnownErrors) {
        if (known.code == code)
            return known.text;
    }
    return nullptr;
}

// The server's last reply on this thread, without trailing line ends.
CString LastResponse()
{
    DWORD code = 0;
    DWORD length = 0;
    ::InternetGetLastResponseInfoA(&code, nullptr, &length);
    if (length == 0)
        return CString();
    CString response;
    LPTSTR out = response.GetBufferSetLength((int)length + 1);
    DWORD size = length + 1;
    if (!::InternetGetLastResponseInfoA(&code, out, &size))
        size = 0;
    response.ReleaseBuffer((int)std::min(size, length));
    response.TrimRight();
    return response;
}

} // namespace

// --- CInternetException ---------------------------------------------------------------------

CInternetException::CInternetException(DWORD error) : m_dwError(error), m_response(LastResponse()) {}

BOOL CInternetException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    CString message = PlatformMessage(m_dwError);
    if (message.IsEmpty() && KnownErrorText(m_dwError))
        message = KnownErrorText(m_dwError);
    if (message.IsEmpty())
        message.Format("互联网操作失败（错误 %lu）。", m_dwError);
    if (!m_response.IsEmpty())
        message += "\n" + m_response;
    return CopyMessage(message, buffer, maxChars);
}

void AfxThrowInternetException(DWORD_PTR context, DWORD error)
{
    if (error == 0)
        error = ::GetLastError();
    CInternetException* exception = new CInternetException(error);
    exception->m_dwContext = context;
    throw exception;
}

// --- CInternetSession -----------------------------------------------------------------------

CInternetSession::CInternetSession(LPCTSTR agent, DWORD_PTR context, DWORD accessType, LPCTSTR proxyName,
                                   LPCTSTR proxyBypass, DWORD flags)
    : m_context(context)
{
    CString name = agent ? CString(agent) : ProgramTitle();
    m_session = ::InternetOpenA(name, accessType, proxyName, proxyBypass, flags);
    if (!m_session)
        AfxThrowInternetException(context);
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT})
        SetOption(option, kDefaultTimeout);
}

CInternetSession::~CInternetSession()
{
    Close();
}

void CInternetSession::Close()
{
    if (m_session)
        ::InternetCloseHandle(m_session);
    m_session = nullptr;
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value)
{
    return ::InternetSetOptionA(m_session, option, &value, sizeof value);
}

CFtpConnection* CInternetSession::GetFtpConnection(LPCTSTR server, LPCTSTR userName, LPCTSTR password,
                                                   INTERNET_PORT port, BOOL passive)
{
    if (!m_session || !server || !*server)
        AfxThrowInternetException(m_context, ERROR_INTERNET_INVALID_URL);
    HINTERNET connection = ::InternetConnectA(m_session, server, port, userName, password, INTERNET_SERVICE_FTP,
                                              passive ? INTERNET_FLAG_PASSIVE : 0, m_context);
    if (!connection)
        AfxThrowInternetException(m_context);
    return new CFtpConnection(this, connection, server, m_context);
}

// --- CFtpConnection -------------------------------------------------------------------------

CFtpConnection::CFtpConnection(CInternetSession* /*session*/, HINTERNET connection, LPCTSTR server,
                               DWORD_PTR context)
    : m_connection(connection), m_server(server), m_context(context)
{
}

CFtpConnection::~CFtpConnection()
{
    Close();
}

void CFtpConnection::Close()
{
    if (m_connection)
        ::InternetCloseHandle(m_connection);
    m_connection = nullptr;
}

CInternetFile* CFtpConnection::OpenFile(LPCTSTR fileName, DWORD access, DWORD flags, DWORD_PTR context)
{
    bool reading = access == GENERIC_READ;
    if (!m_connection || !fileName || (!reading && access != GENERIC_WRITE))
        AfxThrowInternetException(context, ERROR_INVALID_PARAMETER);
    HINTERNET file = ::FtpOpenFileA(m_connection, fileName, access, flags, context);
    if (!file)
        AfxThrowInternetException(context);
    return new CInternetFile(file, fileName, context, reading);
}

BOOL CFtpConnection::SetCurrentDirectory(LPCTSTR directory)
{
    return m_connection && directory && ::FtpSetCurrentDirectoryA(m_connection, directory);
}

BOOL CFtpConnection::GetCurrentDirectory(CString& directory) const
{
    if (!m_connection)
        return FALSE;
    // The wide form, converted here: Wine's narrow one sizes the converted text in characters
    // and cuts a folder with double-byte names in half.
    WCHAR wide[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    char text[MAX_PATH * 4] = {};
    if (!::FtpGetCurrentDirectoryW(m_connection, wide, &length) ||
        !::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr))
        return FALSE;
    directory = text;
    return TRUE;
}

BOOL CFtpConnection::Remove(LPCTSTR fileName)
{
    return m_connection && fileName && ::FtpDeleteFileA(m_connection, fileName);
}

// --- CInternetFile --------------------------------------------------------------------------

CInternetFile::CInternetFile(HINTERNET file, LPCTSTR fileName, DWORD_PTR context, BOOL reading)
    : m_file(file), m_context(context), m_reading(reading)
{
    SetFilePath(fileName);
}

CInternetFile::~CInternetFile()
{
    Abort();
}

UINT CInternetFile::Read(void* buffer, UINT count)
{
    if (!m_file || !m_reading)
        AfxThrowInternetException(m_context, ERROR_INVALID_HANDLE);
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        DWORD read = 0;
        if (!::InternetReadFile(m_file, out + done, count - done, &read))
            AfxThrowInternetException(m_context);
        if (read == 0)
            break;
        done += read;
    }
    return done;
}

void CInternetFile::Write(const void* buffer, UINT count)
{
    if (!m_file || m_reading)
        AfxThrowInternetException(m_context, ERROR_INVALID_HANDLE);
    const char* in = static_cast<const char*>(buffer);
    UINT done = 0;
    while (done < count) {
        DWORD written = 0;
        if (!::InternetWriteFile(m_file, in + done, count - done, &written))
            AfxThrowInternetException(m_context);
        if (written == 0)
            AfxThrowInternetException(m_context, ERROR_INTERNET_CONNECTION_ABORTED);
        done += written;
    }
}

LONG CInternetFile::Seek(LONG, UINT) { AfxThrowNotSupportedException(); }
DWORD CInternetFile::GetLength() const { AfxThrowNotSupportedException(); }
void CInternetFile::SetLength(DWORD) { AfxThrowNotSupportedException(); }
DWORD CInternetFile::GetPosition() const { AfxThrowNotSupportedException(); }

void CInternetFile::Flush() {}

void CInternetFile::Close()
{
    if (m_file && !::InternetCloseHandle(m_file)) {
        m_file = nullptr;
        AfxThrowInternetException(m_context);
    }
    m_file = nullptr;
}

void CInternetFile::Abort()
{
    if (m_file)
        ::InternetCloseHandle(m_file);
    m_file = nullptr;
}

// --- CFtpFileFind ---------------------------------------------------------------------------

CFtpFileFind::CFtpFileFind(CFtpConnection* connection, DWORD_PTR context)
    : m_connection(connection), m_context(context)
{
}

CFtpFileFind::~CFtpFileFind()
{
    Close();
}

DWORD CFtpFileFind::EntryAttributes(DWORD platformAttributes, CString& name)
{
    if (platformAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return platformAttributes & ~FILE_ATTRIBUTE_NORMAL;
    int arrow = name.Find(" -> ");
    if (arrow > 0 || (platformAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (arrow > 0)
            name = name.Left(arrow);
        return (platformAttributes | FILE_ATTRIBUTE_REPARSE_POINT) & ~FILE_ATTRIBUTE_NORMAL;
    }
    return platformAttributes | FILE_ATTRIBUTE_NORMAL;
}

void CFtpFileFind::Normalize(WIN32_FIND_DATAA& entry)
{
    CString name = entry.cFileName;
    entry.dwFileAttributes = EntryAttributes(entry.dwFileAttributes, name);
    lstrcpynA(entry.cFileName, name, sizeof entry.cFileName);
}

BOOL CFtpFileFind::FindFile(LPCTSTR name, DWORD flags)
{
    Close();
    if (!m_connection || !(HINTERNET)*m_connection)
        return FALSE;
    m_find = ::FtpFindFirstFileA(*m_connection, name, &m_next, flags, m_context);
    if (!m_find)
        return FALSE;
    Normalize(m_next);
    m_hasNext = true;
    return TRUE;
}

BOOL CFtpFileFind::FindNextFile()
{
    if (!m_hasNext) {
        m_hasCurrent = false;
        return FALSE;
    }
    m_current = m_next;
    m_hasCurrent = true;
    m_hasNext = ::InternetFindNextFileA(m_find, &m_next) != FALSE;
    if (m_hasNext)
        Normalize(m_next);
    return m_hasNext ? TRUE : FALSE;
}

void CFtpFileFind::Close()
{
    if (m_find)
        ::InternetCloseHandle(m_find);
    m_find = nullptr;
    m_hasCurrent = m_hasNext = false;
}

CString CFtpFileFind::GetFileName() const
{
    return m_hasCurrent ? CString(m_current.cFileName) : CString();
}

DWORD CFtpFileFind::GetLength() const
{
    return m_hasCurrent ? m_current.nFileSizeLow : 0;
}

BOOL CFtpFileFind::GetLastWriteTime(FILETIME* time) const
{
    if (!m_hasCurrent || !time)
        return FALSE;
    *time = m_current.ftLastWriteTime;
    return TRUE;
}

BOOL CFtpFileFind::MatchesMask(DWORD mask) const
{
    return m_hasCurrent && (m_current.dwFileAttributes & mask) != 0;
}

BOOL CFtpFileFind::IsDots() const
{
    if (!m_hasCurrent)
        return FALSE;
    const char* name = m_current.cFileName;
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}
