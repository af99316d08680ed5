#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/ReadBuffer.h"

#include <vector>

// A buffered reader or writer of one file (any CFile, also a socket's), in the classic
// binary layout: integers little-endian, strings with a length prefix. Failures throw
// CArchiveException (wrong direction, data ended early) or the file's CFileException.
class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // bufferSize below 128 is raised to 128; a caller's buffer is not used.
    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    // Writes what is buffered unless closed (or bNoFlushOnDelete); errors are dropped here.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_loading; }
    BOOL IsStoring() const { return !m_loading; }
    CFile* GetFile() const { return m_file; }
    // Loading: nothing is left in the buffer (more may still come from the file).
    BOOL IsBufferEmpty() const { return m_loading ? m_readBuffer.IsEmpty() : m_written == 0; }

    // Fills the request unless the file ends first; returns the bytes read.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);

    // One line without its CR LF or LF; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    // Up to maxChars - 1 bytes, up to a LF, which is kept (a CR before it is dropped);
    // null at the end of the file.
    LPTSTR ReadString(LPTSTR buffer, UINT maxChars);
    // Writes the text's bytes, without a terminator or line end.
    void WriteString(LPCTSTR text);

    // Storing: hands the buffer to the file. Loading: sets the file back to the position
    // of the next unread byte.
    void Flush();
    // Storing: flushes. The archive can no longer be used; the file stays open.
    void Close();
    // Drops buffered data without writing it.
    void Abort();

    CArchive& operator<<(BYTE value);
    CArchive& operator<<(WORD value);
    CArchive& operator<<(short value);
    CArchive& operator<<(int value);
    CArchive& operator<<(UINT value);
    CArchive& operator<<(LONG value);
    CArchive& operator<<(DWORD value);
    CArchive& operator<<(const CString& value);

    CArchive& operator>>(BYTE& value);
    CArchive& operator>>(WORD& value);
    CArchive& operator>>(short& value);
    CArchive& operator>>(int& value);
    CArchive& operator>>(UINT& value);
    CArchive& operator>>(LONG& value);
    CArchive& operator>>(DWORD& value);
    CArchive& operator>>(CString& value);

private:
    void RequireLoading() const;
    void RequireStoring() const;
    bool FillBuffer();
    // Reads exactly count bytes or throws endOfFile.
    void ReadExactly(void* buffer, UINT count);
    DWORD ReadUnsigned(int size);
    void WriteUnsigned(DWORD value, int size);
    [[noreturn]] void ThrowArchive(int cause) const;

    CFile* m_file;
    bool m_loading;
    bool m_flushOnDelete;
    bool m_closed = false;
    ReadBuffer m_readBuffer;            // loading
    std::vector<char> m_writeBuffer;  // storing
    UINT m_written = 0;               // storing: bytes in m_writeBuffer
};
