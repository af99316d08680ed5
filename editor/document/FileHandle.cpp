#include "editor/document/FileHandle.h"

#include <windows.h>

bool CFileHandle::OpenForReading(const char* path)
{
    Close();
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    m_handle = h;
    return true;
}

bool CFileHandle::CreateForWriting(const char* path)
{
    Close();
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    m_handle = h;
    return true;
}

void CFileHandle::Close()
{
    if (m_handle != nullptr)
        ::CloseHandle(m_handle);
    m_handle = nullptr;
}

bool CFileHandle::ReadFully(void* buffer, size_t size, size_t* got)
{
    *got = 0;
    char* out = static_cast<char*>(buffer);
    while (*got < size) {
        DWORD want = (DWORD)(size - *got), read = 0;
        if (!::ReadFile(m_handle, out + *got, want, &read, nullptr))
            return false;
        if (read == 0)
            break;
        *got += read;
    }
    return true;
}

bool CFileHandle::WriteAll(const void* bytes, size_t size)
{
    const char* in = static_cast<const char*>(bytes);
    while (size > 0) {
        DWORD written = 0;
        if (!::WriteFile(m_handle, in, (DWORD)size, &written, nullptr) || written == 0)
            return false;
        in += written;
        size -= written;
    }
    return true;
}

bool CFileHandle::Flush()
{
    return ::FlushFileBuffers(m_handle) != 0;
}

long long CFileHandle::GetSize() const
{
    DWORD high = 0;
    DWORD low = ::GetFileSize(m_handle, &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        return -1;
    return (long long)high << 32 | low;
}

bool ReplaceFileByWriting(const char* path, const std::function<bool(CFileHandle& out)>& write)
{
    const std::string folder = FolderOfPath(path);
    char tempPath[MAX_PATH];
    if (folder.size() + 14 >= MAX_PATH || !::GetTempFileNameA(folder.c_str(), "myu", 0, tempPath))
        return false;
    bool written;
    {
        CFileHandle out;
        written = out.CreateForWriting(tempPath) && write(out);
    }
    const DWORD attributes = ::GetFileAttributesA(path);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // The platform's replace-file call leaves a stray backup file behind under some
    // systems when the target is locked; a move over the target does not.
    const bool replaced =
        written && ::MoveFileExA(tempPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        ::DeleteFileA(tempPath);
        return false;
    }
    if (exists && ::GetFileAttributesA(path) != attributes)
        ::SetFileAttributesA(path, attributes);
    return true;
}
