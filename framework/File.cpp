#include "framework/File.h"
#include "framework/FileSpaceLimit.h"

#include "framework/FileName.h"

#include <atomic>

namespace {

const LONG kNoOsError = -1;

// The bytes CFileSpaceLimit leaves to writes; below zero when there is no limit.
std::atomic<long long> g_spaceLeft{-1};

// How many of count bytes fit in what the limit leaves, which they use up.
UINT TakeSpace(UINT count)
{
    long long left = g_spaceLeft.load();
    while (left >= 0) {
        const long long taken = left < count ? left : count;
        if (g_spaceLeft.compare_exchange_weak(left, left - taken))
            return static_cast<UINT>(taken);
    }
    return count;
}

bool IsZero(const FILETIME& time)
{
    return time.dwLowDateTime == 0 && time.dwHighDateTime == 0;
}

void FillStatus(CFileStatus& status, DWORD attributes, const FILETIME& creation, const FILETIME& access,
                const FILETIME& write, DWORD sizeLow)
{
    status.m_attribute = (BYTE)(attributes & 0xFF);
    status.m_size = (LONG)sizeLow;
    status.m_creationTime = creation;
    status.m_lastAccessTime = access;
    status.m_lastWriteTime = write;
    status.m_ctime = CTime(creation);
    status.m_atime = CTime(access);
    status.m_mtime = CTime(write);
}

// The precise time when it still matches the CTime (the caller did not change it), else the
// CTime converted from local time; null when neither gives a time.
const FILETIME* ChooseFileTime(const CTime& time, const FILETIME& precise, FILETIME& converted)
{
    if (!IsZero(precise) && CTime(precise) == time)
        return &precise;
    SYSTEMTIME local;
    FILETIME localFileTime;
    if (time.GetTime() <= 0 || !time.GetAsSystemTime(local) || !::SystemTimeToFileTime(&local, &localFileTime)
        || !::LocalFileTimeToFileTime(&localFileTime, &converted))
        return nullptr;
    return &converted;
}

} // namespace

CFile::CFile()
    : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE file)
    : m_hFile(file), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR fileName, UINT openFlags)
    : CFile()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (IsOpen() && m_bCloseOnDelete)
        CFile::Abort();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    if (IsOpen() && m_bCloseOnDelete)
        Abort();
    m_hFile = INVALID_HANDLE_VALUE;
    if (error) {
        error->m_cause = CFileException::none;
        error->m_lOsError = kNoOsError;
        error->m_strFileName = fileName;
    }
    if (!fileName || !*fileName) {
        if (error)
            error->m_cause = CFileException::badPath;
        return FALSE;
    }

    char fullPath[MAX_PATH * 2];
    DWORD fullLength = ::GetFullPathNameA(fileName, sizeof fullPath, fullPath, nullptr);
    m_strFileName = fullLength > 0 && fullLength < sizeof fullPath ? CString(fullPath) : CString(fileName);

    DWORD access = 0;
    switch (openFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default:
        if (error)
            error->m_cause = CFileException::generic;
        return FALSE;
    }
    DWORD share = 0;
    switch (openFlags & 0x70) {
    case shareCompat:
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default:
        if (error)
            error->m_cause = CFileException::generic;
        return FALSE;
    }
    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (openFlags & modeNoInherit) ? FALSE : TRUE};

    HANDLE file = ::CreateFileA(fileName, access, share, &security, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LONG osError = (LONG)::GetLastError();
        if (error) {
            error->m_lOsError = osError;
            error->m_cause = CFileException::OsErrorToException(osError);
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (count == 0)
        return 0;
    if (!buffer)
        AfxThrowFileException(CFileException::generic, kNoOsError, m_strFileName);
    DWORD read = 0;
    if (!::ReadFile(m_hFile, buffer, count, &read, nullptr)) {
        // The writer of a pipe has gone: that is the end of the data.
        if (::GetLastError() == ERROR_BROKEN_PIPE)
            return 0;
        ThrowLastError();
    }
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    if (!buffer)
        AfxThrowFileException(CFileException::generic, kNoOsError, m_strFileName);
    const UINT room = TakeSpace(count);
    DWORD written = 0;
    if (room != 0 && !::WriteFile(m_hFile, buffer, room, &written, nullptr))
        ThrowLastError();
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, kNoOsError, m_strFileName);
}

CFileSpaceLimit::CFileSpaceLimit(long long bytes)
{
    g_spaceLeft = bytes < 0 ? 0 : bytes;
}

CFileSpaceLimit::~CFileSpaceLimit()
{
    g_spaceLeft = -1;
}

LONG CFile::Seek(LONG offset, UINT from)
{
    static const DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    if (from > end)
        AfxThrowFileException(CFileException::badSeek, kNoOsError, m_strFileName);
    ::SetLastError(NO_ERROR);
    DWORD position = ::SetFilePointer(m_hFile, offset, nullptr, kMethods[from]);
    if (position == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        ThrowLastError();
    return (LONG)position;
}

DWORD CFile::GetLength() const
{
    ::SetLastError(NO_ERROR);
    DWORD size = ::GetFileSize(m_hFile, nullptr);
    if (size == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        ThrowLastError();
    return size;
}

void CFile::SetLength(DWORD newLength)
{
    Seek((LONG)newLength, begin);
    if (!::SetEndOfFile(m_hFile))
        ThrowLastError();
}

DWORD CFile::GetPosition() const
{
    ::SetLastError(NO_ERROR);
    DWORD position = ::SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT);
    if (position == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        ThrowLastError();
    return position;
}

void CFile::Flush()
{
    if (!IsOpen())
        return;
    // A handle opened only for reading has nothing to flush and is refused by the system.
    if (!::FlushFileBuffers(m_hFile) && ::GetLastError() != ERROR_ACCESS_DENIED)
        ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen())
        return;
    HANDLE file = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    BOOL closed = ::CloseHandle(file);
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (!closed)
        CFileException::ThrowOsError((LONG)::GetLastError(), name);
}

void CFile::Abort()
{
    if (IsOpen())
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    return FilePathParts::NameOf(m_strFileName);
}

CString CFile::GetFileTitle() const
{
    return FilePathParts::TitleOf(m_strFileName);
}

BOOL CFile::GetStatus(CFileStatus& status) const
{
    status = CFileStatus();
    BY_HANDLE_FILE_INFORMATION info;
    if (!IsOpen() || !::GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    FillStatus(status, info.dwFileAttributes, info.ftCreationTime, info.ftLastAccessTime, info.ftLastWriteTime,
               info.nFileSizeLow);
    lstrcpynA(status.m_szFullName, m_strFileName, sizeof status.m_szFullName);
    return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status)
{
    status = CFileStatus();
    if (!fileName || !*fileName)
        return FALSE;
    DWORD length = ::GetFullPathNameA(fileName, sizeof status.m_szFullName, status.m_szFullName, nullptr);
    if (length == 0 || length >= sizeof status.m_szFullName) {
        status.m_szFullName[0] = '\0';
        return FALSE;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(fileName, GetFileExInfoStandard, &data)) {
        status.m_szFullName[0] = '\0';
        return FALSE;
    }
    FillStatus(status, data.dwFileAttributes, data.ftCreationTime, data.ftLastAccessTime, data.ftLastWriteTime,
               data.nFileSizeLow);
    return TRUE;
}

void CFile::SetStatus(LPCTSTR fileName, const CFileStatus& status)
{
    FILETIME creation, access, write;
    const FILETIME* creationTime = ChooseFileTime(status.m_ctime, status.m_creationTime, creation);
    const FILETIME* accessTime = ChooseFileTime(status.m_atime, status.m_lastAccessTime, access);
    const FILETIME* writeTime = ChooseFileTime(status.m_mtime, status.m_lastWriteTime, write);
    if (!writeTime) {
        ::GetSystemTimeAsFileTime(&write);
        writeTime = &write;
    }
    HANDLE file = ::CreateFileA(fileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        CFileException::ThrowOsError((LONG)::GetLastError(), fileName);
    BOOL timesSet = ::SetFileTime(file, creationTime, accessTime, writeTime);
    LONG timesError = (LONG)::GetLastError();
    ::CloseHandle(file);
    if (!timesSet)
        CFileException::ThrowOsError(timesError, fileName);
    DWORD attributes = status.m_attribute & ~(directory | volume);
    if (attributes == 0)
        attributes = FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileAttributesA(fileName, attributes))
        CFileException::ThrowOsError((LONG)::GetLastError(), fileName);
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    if (!::MoveFileA(oldName, newName))
        CFileException::ThrowOsError((LONG)::GetLastError(), oldName);
}

void CFile::Remove(LPCTSTR fileName)
{
    if (!::DeleteFileA(fileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), fileName);
}
