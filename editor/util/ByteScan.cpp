#include "editor/util/ByteScan.h"

#include <cstdint>
#include <cstring>

namespace {

using Word = std::uint64_t;
constexpr Word kOnes = 0x0101010101010101ull;
constexpr Word kHighs = 0x8080808080808080ull;
constexpr Word kLowerBits = 0x2020202020202020ull;
constexpr size_t kWordSize = sizeof(Word);

Word Load(const char* at)
{
    Word word;
    memcpy(&word, at, kWordSize);
    return word;
}

// Whether any byte of the word is zero. Exact as a yes or no; which byte it was is found
// again byte by byte.
bool HasZeroByte(Word word)
{
    return ((word - kOnes) & ~word & kHighs) != 0;
}

bool IsAsciiLetter(unsigned char byte)
{
    return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
}

unsigned char FoldAscii(unsigned char byte)
{
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte | 0x20) : byte;
}

bool IsBinaryByte(unsigned char byte)
{
    return byte == 0x07 || byte == 0x08 || byte == 0x7F || byte == 0xFF;
}

// How often a byte stands in source text, roughly: blanks everywhere, ASCII often, the bytes
// of double-byte characters least (they spread over many values).
int Commonness(unsigned char byte)
{
    if (byte == ' ' || byte == '\t' || byte == '\r')
        return 3;
    return byte < 0x80 ? 2 : 1;
}

}  // namespace

const char* FindByte(const char* from, const char* end, unsigned char byte)
{
    const Word pattern = kOnes * byte;
    while (static_cast<size_t>(end - from) >= kWordSize && !HasZeroByte(Load(from) ^ pattern))
        from += kWordSize;
    while (from < end && static_cast<unsigned char>(*from) != byte) ++from;
    return from;
}

const char* FindLetterEitherCase(const char* from, const char* end, unsigned char letter)
{
    // Setting bit 5 turns 'A'-'Z' into 'a'-'z' and leaves no other byte equal to a lower-case
    // letter.
    const Word pattern = kOnes * letter;
    while (static_cast<size_t>(end - from) >= kWordSize && !HasZeroByte((Load(from) | kLowerBits) ^ pattern))
        from += kWordSize;
    while (from < end && (static_cast<unsigned char>(*from) | 0x20) != letter) ++from;
    return from;
}

const char* FindBinaryByte(const char* from, const char* end)
{
    while (static_cast<size_t>(end - from) >= kWordSize) {
        const Word word = Load(from);
        if (HasZeroByte(word ^ (kOnes * 0x07)) || HasZeroByte(word ^ (kOnes * 0x08)) ||
            HasZeroByte(word ^ (kOnes * 0x7F)) || HasZeroByte(~word))
            break;
        from += kWordSize;
    }
    while (from < end && !IsBinaryByte(static_cast<unsigned char>(*from))) ++from;
    return from;
}

LiteralScan::LiteralScan(const std::string& literal, bool foldCase) : m_literal(literal)
{
    for (unsigned char byte : m_literal) {
        if (foldCase && IsAsciiLetter(byte))
            m_fold = true;
    }
    if (m_fold) {
        for (char& byte : m_literal) byte = static_cast<char>(FoldAscii(static_cast<unsigned char>(byte)));
    }
    for (size_t i = 1; i < m_literal.size(); ++i) {
        if (Commonness(static_cast<unsigned char>(m_literal[i])) <
            Commonness(static_cast<unsigned char>(m_literal[m_anchor])))
            m_anchor = i;
    }
}

const char* LiteralScan::Next(const char* from, const char* end) const
{
    const size_t length = m_literal.size();
    if (length == 0)
        return from;
    if (static_cast<size_t>(end - from) < length)
        return end;
    const unsigned char key = static_cast<unsigned char>(m_literal[m_anchor]);
    const bool eitherCase = m_fold && IsAsciiLetter(key);
    // The anchor byte is searched for from where the literal would stand at `from`, so a
    // place found never begins before `from`.
    for (const char* p = from + m_anchor;; ++p) {
        p = eitherCase ? FindLetterEitherCase(p, end, key) : FindByte(p, end, key);
        const char* at = p - m_anchor;
        if (p == end || static_cast<size_t>(end - at) < length)
            return end;
        if (MatchesAt(at))
            return at;
    }
}

bool LiteralScan::MatchesAt(const char* at) const
{
    if (!m_fold)
        return memcmp(at, m_literal.data(), m_literal.size()) == 0;
    for (size_t i = 0; i < m_literal.size(); ++i) {
        if (FoldAscii(static_cast<unsigned char>(at[i])) != static_cast<unsigned char>(m_literal[i]))
            return false;
    }
    return true;
}
