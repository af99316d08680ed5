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
