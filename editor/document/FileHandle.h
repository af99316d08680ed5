#pragma once
#include <cstddef>
#include <functional>
#include <string>

// Owns one open file of the platform for the text file reader and writer, which need big
// unbuffered reads and writes rather than a stream. Closed by the destructor.
class CFileHandle {
public:
    CFileHandle() = default;
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    // Untranslated bytes, others may read and write meanwhile.
    bool OpenForReading(const char* path);
    // Creates or truncates; others may read meanwhile.
    bool CreateForWriting(const char* path);
    bool IsOpen() const { return m_handle != nullptr; }
    void Close();

    // Reads until the buffer is full or the file ends; false on a read error.
    bool ReadFully(void* buffer, size_t size, size_t* got);
    // Writes everything; false when not all bytes were written (disk full and the like).
    bool WriteAll(const void* bytes, size_t size);
    // Pushes written data to the disk.
    bool Flush();
    // Size in bytes, -1 when unknown.
    long long GetSize() const;

private:
    void* m_handle = nullptr;  // the platform handle; null when closed
};

// Writes a new file through write into a temporary file beside path and only then puts it in
// path's place, keeping the attributes the file there had: a full disk or a locked target
// leaves the original as it was and no temporary behind. False when any step failed.
bool ReplaceFileByWriting(const char* path, const std::function<bool(CFileHandle& out)>& write);

// The folder part of a path (without the final separator; "." when it has none). Steps by
// GBK character, so a trail byte 0x5C is not taken for a backslash.
std::string FolderOfPath(const char* path);
