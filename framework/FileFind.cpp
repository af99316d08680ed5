#include "framework/File.h"

#include "framework/FileName.h"

#include <cstring>

BOOL CFileFind::FindFile(LPCTSTR name, DWORD /*unused*/)
{
    Close();
    if (!name)
        name = "*.*";
    if (!*name)
        return FALSE;
    char fullPath[MAX_PATH * 2];
    DWORD length = ::GetFullPathNameA(name, sizeof fullPath, fullPath, nullptr);
    if (length == 0 || length >= sizeof fullPath)
        return FALSE;

    HANDLE find = ::FindFirstFileA(name, &m_next);
    if (find == INVALID_HANDLE_VALUE)
        return FALSE;
    m_find = find;
    m_root = FilePathParts::FolderOf(CString(fullPath));
    m_hasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hasNext) {
        m_hasCurrent = false;
        return FALSE;
    }
    m_current = m_next;
    m_hasCurrent = true;
    m_hasNext = ::FindNextFileA(m_find, &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

void CFileFind::Close()
{
    if (m_find != INVALID_HANDLE_VALUE)
        ::FindClose(m_find);
    m_find = INVALID_HANDLE_VALUE;
    m_hasCurrent = m_hasNext = false;
    m_root.Empty();
}

CString CFileFind::GetFileName() const
{
    return m_hasCurrent ? CString(m_current.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    if (!m_hasCurrent)
        return CString();
    return m_root + "\\" + m_current.cFileName;
}

CString CFileFind::GetFileTitle() const
{
    return FilePathParts::TitleOf(GetFileName());
}

DWORD CFileFind::GetLength() const
{
    return m_hasCurrent ? m_current.nFileSizeLow : 0;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* time) const
{
    if (!m_hasCurrent || !time)
        return FALSE;
    *time = m_current.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastWriteTime(CTime& time) const
{
    if (!m_hasCurrent)
        return FALSE;
    time = CTime(m_current.ftLastWriteTime);
    return TRUE;
}

BOOL CFileFind::GetCreationTime(CTime& time) const
{
    if (!m_hasCurrent)
        return FALSE;
    time = CTime(m_current.ftCreationTime);
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(CTime& time) const
{
    if (!m_hasCurrent)
        return FALSE;
    time = CTime(m_current.ftLastAccessTime);
    return TRUE;
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return m_hasCurrent && (m_current.dwFileAttributes & mask) != 0;
}

BOOL CFileFind::IsDots() const
{
    return m_hasCurrent && IsDirectory()
        && (strcmp(m_current.cFileName, ".") == 0 || strcmp(m_current.cFileName, "..") == 0);
}
