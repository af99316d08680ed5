#include "framework/Archive.h"

#include <algorithm>
#include <cstring>

namespace {

const UINT kMinimumBuffer = 128;
// Length prefix markers of a string: a byte 0xFF, then a 16-bit length or these escapes.
const BYTE kLongLengthByte = 0xFF;
const WORD kWideStringMark = 0xFFFE;
const WORD kLongLengthWord = 0xFFFF;
// Strings are read in pieces so a corrupt length fails at the end of the data instead of
// allocating whatever the length claims first.
const UINT kStringPiece = 64 * 1024;

UINT BufferSize(int requested)
{
    return std::max<UINT>(requested > 0 ? (UINT)requested : 0, kMinimumBuffer);
}

} // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void* /*buffer*/)
    : m_file(file),
      m_loading((mode & load) != 0),
      m_flushOnDelete((mode & bNoFlushOnDelete) == 0),
      m_readBuffer(m_loading ? BufferSize(bufferSize) : 0),
      m_writeBuffer(m_loading ? 0 : BufferSize(bufferSize))
{
    if (!m_file)
        AfxThrowArchiveException(CArchiveException::generic);
}

CArchive::~CArchive()
{
    if (m_closed || m_loading || !m_flushOnDelete)
        return;
    try {
        Flush();
    } catch (CException* e) {
        e->Delete();
    }
}

void CArchive::ThrowArchive(int cause) const
{
    AfxThrowArchiveException(cause, m_file ? (LPCTSTR)m_file->GetFilePath() : nullptr);
}

void CArchive::RequireLoading() const
{
    if (m_closed)
        ThrowArchive(CArchiveException::generic);
    if (!m_loading)
        ThrowArchive(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const
{
    if (m_closed)
        ThrowArchive(CArchiveException::generic);
    if (m_loading)
        ThrowArchive(CArchiveException::readOnly);
}

bool CArchive::FillBuffer()
{
    return m_readBuffer.Fill([this](char* data, UINT size) { return m_file->Read(data, size); });
}

UINT CArchive::Read(void* buffer, UINT count)
{
    RequireLoading();
    if (count == 0)
        return 0;
    if (!buffer)
        ThrowArchive(CArchiveException::generic);
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_readBuffer.IsEmpty()) {
            // Large requests go straight to the file once the buffer is used up.
            if (count - done >= m_readBuffer.Size()) {
                UINT read = m_file->Read(out + done, count - done);
                if (read == 0)
                    break;
                done += read;
                continue;
            }
            if (!FillBuffer())
                break;
        }
        done += m_readBuffer.Take(out + done, count - done);
    }
    return done;
}

void CArchive::ReadExactly(void* buffer, UINT count)
{
    if (Read(buffer, count) != count)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::Write(const void* buffer, UINT count)
{
    RequireStoring();
    if (count == 0)
        return;
    if (!buffer)
        ThrowArchive(CArchiveException::generic);
    const char* in = static_cast<const char*>(buffer);
    if (m_written + count <= m_writeBuffer.size()) {
        memcpy(m_writeBuffer.data() + m_written, in, count);
        m_written += count;
        return;
    }
    Flush();
    if (count >= m_writeBuffer.size()) {
        m_file->Write(in, count);
        return;
    }
    memcpy(m_writeBuffer.data(), in, count);
    m_written = count;
}

BOOL CArchive::ReadString(CString& line)
{
    RequireLoading();
    return m_readBuffer.ReadLine(line, [this] { return FillBuffer(); });
}

LPTSTR CArchive::ReadString(LPTSTR buffer, UINT maxChars)
{
    RequireLoading();
    return m_readBuffer.ReadLine(buffer, maxChars, true, [this] { return FillBuffer(); });
}

void CArchive::WriteString(LPCTSTR text)
{
    if (text)
        Write(text, (UINT)strlen(text));
}

void CArchive::Flush()
{
    if (m_closed)
        return;
    if (m_loading) {
        LONG unread = (LONG)m_readBuffer.DropUnread();
        if (unread > 0)
            m_file->Seek(-unread, CFile::current);
        return;
    }
    if (m_written > 0) {
        UINT pending = m_written;
        m_written = 0;  // a failed write is not repeated by the destructor
        m_file->Write(m_writeBuffer.data(), pending);
    }
}

void CArchive::Close()
{
    if (m_closed)
        return;
    if (!m_loading)
        Flush();
    m_closed = true;
}

void CArchive::Abort()
{
    m_readBuffer.Clear();
    m_written = 0;
    m_closed = true;
}

DWORD CArchive::ReadUnsigned(int size)
{
    RequireLoading();
    BYTE bytes[4] = {};
    ReadExactly(bytes, (UINT)size);
    DWORD value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

void CArchive::WriteUnsigned(DWORD value, int size)
{
    BYTE bytes[4];
    for (int i = 0; i < size; ++i)
        bytes[i] = (BYTE)(value >> (8 * i));
    Write(bytes, (UINT)size);
}

CArchive& CArchive::operator<<(BYTE value) { WriteUnsigned(value, 1); return *this; }
CArchive& CArchive::operator<<(WORD value) { WriteUnsigned(value, 2); return *this; }
CArchive& CArchive::operator<<(short value) { WriteUnsigned((WORD)value, 2); return *this; }
CArchive& CArchive::operator<<(int value) { WriteUnsigned((DWORD)value, 4); return *this; }
CArchive& CArchive::operator<<(UINT value) { WriteUnsigned(value, 4); return *this; }
CArchive& CArchive::operator<<(LONG value) { WriteUnsigned((DWORD)value, 4); return *this; }
CArchive& CArchive::operator<<(DWORD value) { WriteUnsigned(value, 4); return *this; }

CArchive& CArchive::operator>>(BYTE& value) { value = (BYTE)ReadUnsigned(1); return *this; }
CArchive& CArchive::operator>>(WORD& value) { value = (WORD)ReadUnsigned(2); return *this; }
CArchive& CArchive::operator>>(short& value) { value = (short)ReadUnsigned(2); return *this; }
CArchive& CArchive::operator>>(int& value) { value = (int)ReadUnsigned(4); return *this; }
CArchive& CArchive::operator>>(UINT& value) { value = (UINT)ReadUnsigned(4); return *this; }
CArchive& CArchive::operator>>(LONG& value) { value = (LONG)ReadUnsigned(4); return *this; }
CArchive& CArchive::operator>>(DWORD& value) { value = ReadUnsigned(4); return *this; }

CArchive& CArchive::operator<<(const CString& value)
{
    // Length: one byte below 0xFF, else 0xFF and a word below 0xFFFE, else 0xFF 0xFFFF and
    // a double word.
    DWORD length = (DWORD)value.GetLength();
    if (length < kLongLengthByte) {
        *this << (BYTE)length;
    } else {
        *this << kLongLengthByte;
        if (length < kWideStringMark) {
            *this << (WORD)length;
        } else {
            *this << kLongLengthWord;
            *this << length;
        }
    }
    Write((LPCTSTR)value, length);
    return *this;
}

CArchive& CArchive::operator>>(CString& value)
{
    bool wide = false;
    DWORD length = ReadUnsigned(1);
    for (;;) {
        if (length < kLongLengthByte)
            break;
        WORD word = (WORD)ReadUnsigned(2);
        if (word == kWideStringMark && !wide) {
            // A string stored by a wide-character build: its length follows again.
            wide = true;
            length = ReadUnsigned(1);
            continue;
        }
        length = word == kLongLengthWord ? ReadUnsigned(4) : word;
        break;
    }
    if (length > 0x7FFFFFFF / 2)
        ThrowArchive(CArchiveException::badIndex);

    std::string bytes;
    UINT total = wide ? length * 2 : length;
    while (bytes.size() < total) {
        UINT piece = std::min<UINT>(kStringPiece, total - (UINT)bytes.size());
        size_t old = bytes.size();
        bytes.resize(old + piece);
        ReadExactly(&bytes[old], piece);
    }
    if (!wide) {
        value = CString(bytes.data(), (int)bytes.size());
        return *this;
    }
    std::vector<WCHAR> units(length);
    for (DWORD i = 0; i < length; ++i)
        units[i] = (WCHAR)((BYTE)bytes[2 * i] | ((BYTE)bytes[2 * i + 1] << 8));
    int size = length ? ::WideCharToMultiByte(CP_ACP, 0, units.data(), (int)length, nullptr, 0, nullptr, nullptr) : 0;
    CString converted;
    if (size > 0) {
        LPTSTR out = converted.GetBufferSetLength(size);
        ::WideCharToMultiByte(CP_ACP, 0, units.data(), (int)length, out, size, nullptr, nullptr);
    }
    value = converted;
    return *this;
}
