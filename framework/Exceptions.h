#pragma once
#include <windows.h>

#include "framework/CString.h"

// The framework's exceptions, thrown by pointer: throw new CFileException(...), caught as
// CException* and released with Delete().
class CException {
public:
    // autoDelete: Delete() frees the object (true for every exception made with new).
    explicit CException(BOOL autoDelete = TRUE) : m_autoDelete(autoDelete) {}
    virtual ~CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    void Delete();
    // Copies the framework's message, cut to maxChars including the terminator; FALSE when
    // there is none.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const;
    // Shows the message in a box through AfxMessageBox; without one, string messageId or a
    // generic text. Returns the box's answer.
    virtual int ReportError(UINT type = MB_OK, UINT messageId = 0);

protected:
    static BOOL CopyMessage(const CString& message, LPTSTR buffer, UINT maxChars);

private:
    BOOL m_autoDelete;
};

class CMemoryException : public CException {
public:
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;
};

// Thrown after the user has been told of a problem, to end an operation quietly.
class CUserException : public CException {};

class CFileException : public CException {
public:
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);

    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;

    // The cause for a platform error code (GetLastError); generic for unknown codes.
    static int OsErrorToException(LONG osError);
    [[noreturn]] static void ThrowOsError(LONG osError, LPCTSTR fileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
public:
    enum {
        none,
        generic,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
    };

    explicit CArchiveException(int cause = none, LPCTSTR fileName = nullptr);

    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, LPCTSTR fileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR fileName = nullptr);
[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowUserException();

// Thrown by an operation the object cannot do at all (seeking a socket, for one).
class CNotSupportedException : public CException {
public:
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowNotSupportedException();
