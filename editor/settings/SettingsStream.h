#pragma once
#include <cstdint>
#include <string>

#include "framework/CString.h"

// The binary form of the settings files: a version line without terminator, then
// little-endian integers and strings stored as a u32 byte length and the bytes. The writer
// gathers a whole file in memory and writes it in one go; the reader holds a whole file and
// checks every length and count against the bytes that remain, so a damaged file can never
// make it read past its end or allocate more than the file holds.

// Strings of the settings files are below this many bytes.
constexpr uint32_t kMaxSettingsString = 4095;
// Settings files are small; a larger file is not one of ours.
constexpr uint32_t kMaxSettingsFile = 16u << 20;

class SettingsWriter {
public:
    void Bytes(const void* data, size_t count);
    void Version(const char* line) { Bytes(line, std::char_traits<char>::length(line)); }
    void U16(uint16_t value);
    void I32(int32_t value);
    void U32(uint32_t value);
    void String(const CString& text);

    const std::string& Data() const { return m_data; }
    // Writes everything in place of the file, through a temporary file beside it; false when
    // that fails, and the old file is then as it was.
    bool SaveTo(const char* path) const;

private:
    std::string m_data;
};

class SettingsReader {
public:
    SettingsReader() = default;
    explicit SettingsReader(std::string data) : m_data(std::move(data)) {}

    // Reads a whole file; false when it does not exist, cannot be read or is too large.
    bool LoadFrom(const char* path);

    // Each read fails, consuming nothing, when too few bytes remain.
    bool Bytes(void* data, size_t count);
    // Consumes the version line when the file begins with exactly its bytes.
    bool Version(const char* line);
    bool U16(uint16_t& value);
    bool I32(int32_t& value);
    bool U32(uint32_t& value);
    // A stored length above maxLength fails.
    bool String(CString& text, uint32_t maxLength = kMaxSettingsString);
    // A stored element count that the remaining bytes cannot hold (each element takes at
    // least elementSize bytes) fails.
    bool Count(uint32_t& count, uint32_t elementSize);

    size_t Remaining() const { return m_data.size() - m_offset; }
    bool AtEnd() const { return Remaining() == 0; }

private:
    std::string m_data;
    size_t m_offset = 0;
};
