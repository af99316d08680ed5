#include "editor/settings/SettingsStream.h"

#include <cstring>

void SettingsWriter::Bytes(const void* data, size_t count)
{
    m_data.append(static_cast<const char*>(data), count);
}

void SettingsWriter::U16(uint16_t value)
{
    const unsigned char bytes[2] = {(unsigned char)value, (unsigned char)(value >> 8)};
    Bytes(bytes, sizeof bytes);
}

void SettingsWriter::U32(uint32_t value)
{
    const unsigned char bytes[4] = {(unsigned char)value, (unsigned char)(value >> 8),
                                    (unsigned char)(value >> 16), (unsigned char)(value >> 24)};
    Bytes(bytes, sizeof bytes);
}

void SettingsWriter::I32(int32_t value)
{
    U32((uint32_t)value);
}

void SettingsWriter::String(const CString& text)
{
    U32((uint32_t)text.GetLength());
    Bytes((LPCTSTR)text, (size_t)text.GetLength());
}

bool SettingsReader::Bytes(void* data, size_t count)
{
    if (count > Remaining())
        return false;
    if (count != 0)
        std::memcpy(data, m_data.data() + m_offset, count);
    m_offset += count;
    return true;
}

bool SettingsReader::Version(const char* line)
{
    size_t length = std::strlen(line);
    if (length > Remaining() || m_data.compare(m_offset, length, line) != 0)
        return false;
    m_offset += length;
    return true;
}

bool SettingsReader::U16(uint16_t& value)
{
    unsigned char bytes[2];
    if (!Bytes(bytes, sizeof bytes))
        return false;
    value = (uint16_t)(bytes[0] | bytes[1] << 8);
    return true;
}

bool SettingsReader::U32(uint32_t& value)
{
    unsigned char bytes[4];
    if (!Bytes(bytes, sizeof bytes))
        return false;
    value = (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 | (uint32_t)bytes[3] << 24;
    return true;
}

bool SettingsReader::I32(int32_t& value)
{
    uint32_t bits;
    if (!U32(bits))
        return false;
    value = (int32_t)bits;
    return true;
}

bool SettingsReader::String(CString& text, uint32_t maxLength)
{
    size_t start = m_offset;
    uint32_t length;
    if (!U32(length))
        return false;
    if (length > maxLength || length > Remaining()) {
        m_offset = start;
        return false;
    }
    text = CString(m_data.data() + m_offset, (int)length);
    m_offset += length;
    return true;
}

bool SettingsReader::Count(uint32_t& count, uint32_t elementSize)
{
    size_t start = m_offset;
    if (!U32(count))
        return false;
    if (elementSize != 0 && count > Remaining() / elementSize) {
        m_offset = start;
        return false;
    }
    return true;
}
