#include "framework/File.h"

#include <algorithm>
#include <cstring>

CStdioFile::CStdioFile(LPCTSTR fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (!IsOpen())
        return;
    try {
        FlushWrites();
    } catch (CException* e) {
        e->Delete();
    }
}

BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    ResetBuffers();
    m_text = (openFlags & typeBinary) == 0;
    return CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error);
}

void CStdioFile::ResetBuffers()
{
    m_readBuffer.Clear();
    m_writeBuffer.clear();
}

bool CStdioFile::FillReadBuffer()
{
    FlushWrites();
    m_readBuffer.Resize(kBufferSize);
    return m_readBuffer.Fill([this](char* data, UINT size) { return CFile::Read(data, size); });
}

int CStdioFile::GetByte()
{
    return m_readBuffer.GetByte([this] { return FillReadBuffer(); });
}

int CStdioFile::PeekByte()
{
    return m_readBuffer.PeekByte([this] { return FillReadBuffer(); });
}

void CStdioFile::FlushWrites()
{
    if (m_writeBuffer.empty())
        return;
    std::string pending;
    pending.swap(m_writeBuffer);  // a failed write is not retried by the destructor
    CFile::Write(pending.data(), (UINT)pending.size());
}

void CStdioFile::Synchronize()
{
    FlushWrites();
    LONG unread = (LONG)m_readBuffer.DropUnread();
    if (unread > 0)
        CFile::Seek(-unread, current);
}

BOOL CStdioFile::ReadString(CString& line)
{
    return m_readBuffer.ReadLine(line, [this] { return FillReadBuffer(); });
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT maxChars)
{
    return m_readBuffer.ReadLine(buffer, maxChars, m_text, [this] { return FillReadBuffer(); });
}

void CStdioFile::WriteString(LPCTSTR text)
{
    if (text)
        Write(text, (UINT)strlen(text));
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    if (count == 0)
        return 0;
    if (!buffer)
        AfxThrowFileException(CFileException::generic, -1, m_strFileName);
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    if (!m_text) {
        while (done < count) {
            if (m_readBuffer.IsEmpty() && !FillReadBuffer())
                break;
            done += m_readBuffer.Take(out + done, count - done);
        }
        return done;
    }
    while (done < count) {
        int c = GetByte();
        if (c < 0)
            break;
        if (c == '\r' && PeekByte() == '\n')
            c = GetByte();
        out[done++] = (char)c;
    }
    return done;
}

void CStdioFile::PutText(const char* text, UINT count)
{
    if (!m_text) {
        m_writeBuffer.append(text, count);
    } else {
        for (UINT i = 0; i < count; ++i) {
            if (text[i] == '\n')
                m_writeBuffer += '\r';
            m_writeBuffer += text[i];
        }
    }
    if (m_writeBuffer.size() >= kBufferSize)
        FlushWrites();
}

void CStdioFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    if (!buffer)
        AfxThrowFileException(CFileException::generic, -1, m_strFileName);
    if (!m_readBuffer.IsEmpty())
        Synchronize();
    m_readBuffer.Clear();
    PutText(static_cast<const char*>(buffer), count);
}

LONG CStdioFile::Seek(LONG offset, UINT from)
{
    Synchronize();
    return CFile::Seek(offset, from);
}

DWORD CStdioFile::GetLength() const
{
    // Buffered writes continue the file from the handle's position.
    DWORD written = CFile::GetPosition() + (DWORD)m_writeBuffer.size();
    return std::max(CFile::GetLength(), written);
}

void CStdioFile::SetLength(DWORD newLength)
{
    Synchronize();
    CFile::SetLength(newLength);
}

DWORD CStdioFile::GetPosition() const
{
    return CFile::GetPosition() + (DWORD)m_writeBuffer.size() - m_readBuffer.Unread();
}

void CStdioFile::Flush()
{
    Synchronize();
    CFile::Flush();
}

void CStdioFile::Close()
{
    if (IsOpen())
        FlushWrites();
    ResetBuffers();
    CFile::Close();
}

void CStdioFile::Abort()
{
    ResetBuffers();
    CFile::Abort();
}
