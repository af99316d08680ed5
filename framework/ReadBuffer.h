#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <algorithm>
#include <cstring>
#include <vector>

// Bytes read from a source ahead of their reader, for CArchive and CStdioFile: the unread
// ones are m_data[m_position, m_end). The reading calls take refill, which calls Fill with
// the source's read and returns false at the end of the source.
class ReadBuffer {
public:
    explicit ReadBuffer(UINT size = 0) : m_data(size) {}

    UINT Size() const { return (UINT)m_data.size(); }
    void Resize(UINT size) { m_data.resize(size); }
    bool IsEmpty() const { return m_position == m_end; }
    UINT Unread() const { return m_end - m_position; }
    void Clear() { m_position = m_end = 0; }

    // Empties the buffer; returns how many unread bytes it dropped.
    UINT DropUnread()
    {
        UINT unread = Unread();
        Clear();
        return unread;
    }

    // Replaces the contents with what read(data, size) delivers; false when that is nothing.
    template <class Read>
    bool Fill(Read read)
    {
        Clear();
        m_end = read(m_data.data(), Size());
        return m_end > 0;
    }

    // Copies up to count unread bytes to out; returns how many.
    UINT Take(char* out, UINT count)
    {
        UINT take = std::min(count, Unread());
        memcpy(out, m_data.data() + m_position, take);
        m_position += take;
        return take;
    }

    // The next byte, -1 at the end of the source.
    template <class Refill>
    int GetByte(Refill refill)
    {
        if (IsEmpty() && !refill())
            return -1;
        return (unsigned char)m_data[m_position++];
    }

    template <class Refill>
    int PeekByte(Refill refill)
    {
        if (IsEmpty() && !refill())
            return -1;
        return (unsigned char)m_data[m_position];
    }

    // One line without its LF or CR LF; FALSE at the end of the source.
    template <class Refill>
    BOOL ReadLine(CString& line, Refill refill)
    {
        line.Empty();
        bool readAny = false;
        for (;;) {
            if (IsEmpty() && !refill())
                break;
            readAny = true;
            const char* start = m_data.data() + m_position;
            UINT available = Unread();
            const char* newline = static_cast<const char*>(memchr(start, '\n', available));
            UINT take = newline ? (UINT)(newline - start) : available;
            line += CString(start, (int)take);
            m_position += take;
            if (newline) {
                ++m_position;
                // The CR of a CR LF may have come in the previous buffer: strip it from the line.
                if (line.GetLength() > 0 && line[line.GetLength() - 1] == '\r')
                    line.Delete(line.GetLength() - 1);
                return TRUE;
            }
        }
        return readAny ? TRUE : FALSE;
    }

    // Up to maxChars - 1 bytes, up to and including a LF, into buffer; with foldCrLf a CR
    // before a LF is dropped. Null at the end of the source.
    template <class Refill>
    LPTSTR ReadLine(LPTSTR buffer, UINT maxChars, bool foldCrLf, Refill refill)
    {
        if (!buffer || maxChars == 0)
            return nullptr;
        UINT count = 0;
        while (count + 1 < maxChars) {
            int c = GetByte(refill);
            if (c < 0)
                break;
            if (c == '\r' && foldCrLf && PeekByte(refill) == '\n')
                c = GetByte(refill);
            buffer[count++] = (char)c;
            if (c == '\n')
                break;
        }
        buffer[count] = '\0';
        return count > 0 ? buffer : nullptr;
    }

private:
    std::vector<char> m_data;
    UINT m_position = 0;
    UINT m_end = 0;
};
