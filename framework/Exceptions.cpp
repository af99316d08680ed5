#include "framework/Exceptions.h"

#include "framework/Gbk.h"
#include "framework/MessageBox.h"

#include <cstring>

namespace {

const char kNoMessage[] = "没有可用的错误信息。";
const char kUnnamedFile[] = "未命名文件";

// Indexed by CFileException's causes; %s is the file name.
const char* const kFileMessages[] = {
    "没有发生错误。",
    "访问 %s 时发生未知错误。",
    "找不到 %s。",
    "%s 的路径无效。",
    "打开的文件过多，无法打开 %s。",
    "拒绝访问 %s。",
    "%s 的文件句柄无效。",
    "%s 是当前目录，无法删除。",
    "目录已满，无法创建 %s。",
    "在 %s 中定位失败。",
    "访问 %s 时发生硬件输入输出错误。",
    "访问 %s 时发生共享冲突。",
    "访问 %s 时发生锁定冲突。",
    "访问 %s 时磁盘已满。",
    "试图越过 %s 的末尾进行访问。",
};

// Indexed by CArchiveException's causes.
const char* const kArchiveMessages[] = {
    "没有发生错误。",
    "访问 %s 时发生未知错误。",
    "试图向用于读取的 %s 写入。",
    "试图越过 %s 的末尾进行访问。",
    "试图从用于写入的 %s 读取。",
    "%s 的格式错误。",
    "%s 含有意外的对象。",
    "%s 的结构不正确。",
};

template <size_t N>
CString CauseMessage(const char* const (&table)[N], int cause, const CString& fileName)
{
    const char* format = cause >= 0 && (size_t)cause < N ? table[cause] : table[1];
    CString message;
    message.Format(format, fileName.IsEmpty() ? kUnnamedFile : (LPCTSTR)fileName);
    return message;
}

} // namespace

void CException::Delete()
{
    if (m_autoDelete)
        delete this;
}

BOOL CException::CopyMessage(const CString& message, LPTSTR buffer, UINT maxChars)
{
    if (!buffer || maxChars == 0)
        return FALSE;
    // Cut at a character start so no lead byte is left without its trail byte.
    UINT length = 0;
    while (length < (UINT)message.GetLength()) {
        UINT next = length + (UINT)GbkText::CharLength(message, message.GetLength(), (int)length);
        if (next > maxChars - 1)
            break;
        length = next;
    }
    memcpy(buffer, (LPCTSTR)message, length);
    buffer[length] = '\0';
    return TRUE;
}

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (buffer && maxChars)
        *buffer = '\0';
    return FALSE;
}

int CException::ReportError(UINT type, UINT messageId)
{
    char message[1024];
    if (GetErrorMessage(message, sizeof message))
        return AfxMessageBox(message, type);
    if (messageId != 0)
        return AfxMessageBox(messageId, type);
    return AfxMessageBox(kNoMessage, type);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    return CopyMessage("内存不足。", buffer, maxChars);
}

CFileException::CFileException(int cause, LONG osError, LPCTSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

BOOL CFileException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    return CopyMessage(CauseMessage(kFileMessages, m_cause, m_strFileName), buffer, maxChars);
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
    case ERROR_FILENAME_EXCED_RANGE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return generic;
    }
}

void CFileException::ThrowOsError(LONG osError, LPCTSTR fileName)
{
    AfxThrowFileException(OsErrorToException(osError), osError, fileName);
}

CArchiveException::CArchiveException(int cause, LPCTSTR fileName)
    : m_cause(cause), m_strFileName(fileName)
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    return CopyMessage(CauseMessage(kArchiveMessages, m_cause, m_strFileName), buffer, maxChars);
}

void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName)
{
    throw new CFileException(cause, osError, fileName);
}

void AfxThrowArchiveException(int cause, LPCTSTR fileName)
{
    throw new CArchiveException(cause, fileName);
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    return CopyMessage("不支持该操作。", buffer, maxChars);
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
