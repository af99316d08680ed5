#pragma once
#include <cstddef>
#include <string>

// Byte searches over a buffer of text [from, end), eight bytes at a time, for the passes
// that look at every byte of a file (find in files). They see bytes, not characters: a place
// they report may lie inside a double-byte character, so callers confirm it with a search
// that walks the characters of its line.

// The first byte equal to `byte`, or end.
const char* FindByte(const char* from, const char* end, unsigned char byte);

// The first byte equal to `letter` (a lower-case ASCII letter) or to its upper case, or end.
const char* FindLetterEitherCase(const char* from, const char* end, unsigned char letter);

// The first byte that marks a file as binary (0x07, 0x08, 0x7F or 0xFF), or end.
const char* FindBinaryByte(const char* from, const char* end);

// Where a literal's bytes stand in a buffer: one fast search for one of its bytes, then a
// compare around it. With foldCase an ASCII letter matches in either case, on both sides.
// It reports every place where the literal begins on a character and may report places
// that begin inside one (trail byte 0x41 is also 'A').
class LiteralScan {
public:
    LiteralScan() = default;
    LiteralScan(const std::string& literal, bool foldCase);

    bool IsEmpty() const { return m_literal.empty(); }
    // The first place in [from, end) where the whole literal stands, or end; from itself for
    // an empty literal.
    const char* Next(const char* from, const char* end) const;

private:
    bool MatchesAt(const char* at) const;

    std::string m_literal;  // lower-cased when folding
    bool m_fold = false;
    size_t m_anchor = 0;    // the byte searched for: the first one that is not a letter, if any
};
