#include "editor/document/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "ReplaceByRename.h"

// The text file reader's and writer's open file for the native build: a descriptor, kept in
// the handle's pointer slot (offset by one, so descriptor 0 is not taken for closed).

namespace {

int Descriptor(void* handle)
{
    return (int)((intptr_t)handle - 1);
}

void* Handle(int descriptor)
{
    return (void*)((intptr_t)descriptor + 1);
}

} // namespace

bool CFileHandle::OpenForReading(const char* path)
{
    Close();
    int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    m_handle = Handle(descriptor);
    return true;
}

bool CFileHandle::CreateForWriting(const char* path)
{
    Close();
    int descriptor = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    m_handle = Handle(descriptor);
    return true;
}

void CFileHandle::Close()
{
    if (m_handle != nullptr)
        close(Descriptor(m_handle));
    m_handle = nullptr;
}

bool CFileHandle::ReadFully(void* buffer, size_t size, size_t* got)
{
    *got = 0;
    char* out = static_cast<char*>(buffer);
    while (*got < size) {
        ssize_t read = ::read(Descriptor(m_handle), out + *got, size - *got);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return false;
        if (read == 0)
            break;
        *got += (size_t)read;
    }
    return true;
}

bool CFileHandle::WriteAll(const void* bytes, size_t size)
{
    const char* in = static_cast<const char*>(bytes);
    while (size > 0) {
        ssize_t written = write(Descriptor(m_handle), in, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        in += written;
        size -= (size_t)written;
    }
    return true;
}

bool CFileHandle::Flush()
{
    return fsync(Descriptor(m_handle)) == 0;
}

long long CFileHandle::GetSize() const
{
    struct stat status;
    return fstat(Descriptor(m_handle), &status) == 0 ? (long long)status.st_size : -1;
}

bool ReplaceFileByWriting(const char* path, const std::function<bool(CFileHandle& out)>& write)
{
    return ReplaceByRename(path, [&](const char* tempPath) {
        CFileHandle out;
        return out.CreateForWriting(tempPath) && write(out);
    });
}
