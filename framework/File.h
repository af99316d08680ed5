#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/Exceptions.h"
#include "framework/ReadBuffer.h"
#include "framework/Time.h"

#include <string>
#include <vector>

// What GetStatus reports of a file. The CTime members have whole seconds; the FILETIME
// members keep the file system's full precision (UTC) so two writes within one second can
// be told apart.
struct CFileStatus {
    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    LONG m_size = 0;
    BYTE m_attribute = 0;
    BYTE m_padding = 0;
    TCHAR m_szFullName[MAX_PATH] = {};

    FILETIME m_creationTime = {};
    FILETIME m_lastWriteTime = {};
    FILETIME m_lastAccessTime = {};
};

// A file on a platform handle. Failures throw CFileException, except Open, which reports
// through its return value and optional exception record.
class CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    // Wraps a handle the caller keeps: it is not closed when the object is destroyed.
    explicit CFile(HANDLE file);
    // Opens or throws CFileException.
    CFile(LPCTSTR fileName, UINT openFlags);
    // Closes an open file, ignoring errors (call Close to see them).
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual LONG Seek(LONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return (DWORD)Seek(0, end); }
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD newLength);
    virtual DWORD GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    CString GetFilePath() const { return m_strFileName; }
    void SetFilePath(LPCTSTR path) { m_strFileName = path; }
    CString GetFileName() const;
    CString GetFileTitle() const;

    BOOL GetStatus(CFileStatus& status) const;
    static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);
    // Sets the times and attributes of a file; throws CFileException on failure.
    static void SetStatus(LPCTSTR fileName, const CFileStatus& status);
    static void Rename(LPCTSTR oldName, LPCTSTR newName);
    static void Remove(LPCTSTR fileName);

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file read and written by lines. Text mode (the default, unless typeBinary is given)
// turns CR LF into LF on reading and LF into CR LF on writing; no other byte is special.
class CStdioFile : public CFile {
public:
    CStdioFile() = default;
    CStdioFile(LPCTSTR fileName, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;

    // One line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    // Up to maxChars - 1 bytes, up to and including a LF; null at the end of the file.
    LPTSTR ReadString(LPTSTR buffer, UINT maxChars);
    void WriteString(LPCTSTR text);

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    DWORD GetLength() const override;
    void SetLength(DWORD newLength) override;
    DWORD GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    static const UINT kBufferSize = 4096;

    // Next byte of the file, -1 at its end.
    int GetByte();
    int PeekByte();
    bool FillReadBuffer();
    // Hands buffered writes to the file; gives unread buffered bytes back to it.
    void Synchronize();
    void FlushWrites();
    void PutText(const char* text, UINT count);
    void ResetBuffers();

    bool m_text = true;
    ReadBuffer m_readBuffer;
    std::string m_writeBuffer;
};

// Walks the files matching a wildcard. After FindFile, each FindNextFile makes the next
// match current and returns FALSE when that match is the last one.
class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // A null name looks for "*.*" in the current folder.
    BOOL FindFile(LPCTSTR name = nullptr, DWORD unused = 0);
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    // The folder searched, without a trailing backslash.
    CString GetRoot() const { return m_root; }
    DWORD GetLength() const;
    BOOL GetLastWriteTime(FILETIME* time) const;
    BOOL GetLastWriteTime(CTime& time) const;
    BOOL GetCreationTime(CTime& time) const;
    BOOL GetLastAccessTime(CTime& time) const;

    BOOL MatchesMask(DWORD mask) const;
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

private:
    HANDLE m_find = INVALID_HANDLE_VALUE;
    CString m_root;
    WIN32_FIND_DATAA m_current = {};
    WIN32_FIND_DATAA m_next = {};
    bool m_hasCurrent = false;
    bool m_hasNext = false;
};
