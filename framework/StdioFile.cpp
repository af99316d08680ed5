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
    m_readPos = m_readEnd = 0;
    m_writeBuffer.clear();
}

bool CStdioFile::FillReadBuffer()
{
    FlushWrites();
    m_readBuffer.resize(kBufferSize);
    m_readPos = 0;
    m_readEnd = 0;
    m_readEnd = CFile::Read(m_readBuffer.data(), kBufferSize);
    return m_readEnd > 0;
}

int CStdioFile::GetByte()
{
    if (m_readPos == m_readEnd && !FillReadBuffer())
        return -1;
    return (unsigned char)m_readBuffer[m_readPos++];
}

int CStdioFile::PeekByte()
{
    if (m_readPos == m_readEnd && !FillReadBuffer())
        return -1;
    return (unsigned char)m_readBuffer[m_readPos];
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
    if (m_readPos < m_readEnd) {
        LONG unread = (LONG)(m_readEnd - m_readPos);
        m_readPos = m_readEnd = 0;
        CFile::Seek(-unread, current);
    }
    m_readPos = m_readEnd = 0;
}

BOOL CStdioFile::ReadString(CString& line)
{
    line.Empty();
    bool readAny = false;
    for (;;) {
        if (m_readPos == m_readEnd && !FillReadBuffer())
            break;
        readAny = true;
        const char* start = m_readBuffer.data() + m_readPos;
        UINT available = m_readEnd - m_readPos;
        const char* newline = static_cast<const char*>(memchr(start, '\n', available));
        UINT take = newline ? (UINT)(newline - start) : available;
        line += CString(start, (int)take);
        m_readPos += take;
        if (newline) {
            ++m_readPos;
            // The CR of a CR LF may have come in the previous buffer: strip it from the line.
            if (line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
                line.Delete(line.GetLength() - 1);
            return TRUE;
        }
    }
    return readAny ? TRUE : FALSE;
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT maxChars)
{
    if (!buffer || maxChars == 0)
        return nullptr;
    UINT count = 0;
    while (count + 1 < maxChars) {
        int c = GetByte();
        if (c < 0)
            break;
        if (c == '\r' && m_text && PeekByte() == '\n')
            c = GetByte();
        buffer[count++] = (char)c;
        if (c == '\n')
            break;
    }
    buffer[count] = '\0';
    return count > 0 ? buffer : nullptr;
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
            if (m_readPos == m_readEnd && !FillReadBuffer())
                break;
            UINT take = std::min(count - done, m_readEnd - m_readPos);
            memcpy(out + done, m_readBuffer.data() + m_readPos, take);
            m_readPos += take;
            done += take;
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
    if (m_readPos < m_readEnd)
        Synchronize();
    m_readPos = m_readEnd = 0;
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
    return CFile::GetPosition() + (DWORD)m_writeBuffer.size() - (m_readEnd - m_readPos);
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
