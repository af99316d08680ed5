#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "editor/document/TextFormat.h"

// Receives the lines a splitter cuts.
class ILineSink {
public:
    virtual ~ILineSink() = default;
    virtual void AddLine(const char* text, size_t length) = 0;
};

// Cuts a stream of GBK bytes, fed in pieces of any size, into lines at a break byte and
// drops a strip byte that stands right before a break, also when the two arrive in
// different pieces. Finish hands over the text after the last break as the final line
// (empty when the text ended with a break), so there is always at least one line.
class CLineSplitter {
public:
    CLineSplitter(ILineSink& sink, char breakByte, int stripByte);
    // Breaks and strips as the text file reader does for a line-end code.
    static CLineSplitter ForLineEnd(ILineSink& sink, LineEndCode lineEnd);

    void Feed(const char* bytes, size_t length);
    void Finish();

private:
    void Emit(const char* text, size_t length);

    ILineSink& m_sink;
    char m_break;
    int m_strip;  // -1: none
    std::string m_pending;
};

// Turns raw file bytes of one encoding into GBK, fed in blocks of any size. A character
// cut by a block boundary (a UTF-8 sequence, a UTF-16 unit or surrogate pair) is kept back
// and converted whole with the next block. Characters GBK cannot hold become '?'.
class CGbkDecoder {
public:
    explicit CGbkDecoder(EncodingCode encoding);

    // Appends the GBK text of the block to out. atEnd: no more blocks follow, so an
    // incomplete tail is converted (or, for half a UTF-16 unit, dropped) now.
    void Decode(const unsigned char* raw, size_t length, bool atEnd, std::string& out);
    bool ReplacedCharacters() const { return m_replaced; }
    // True when Decode copies the bytes unchanged (ANSI), so a caller may use them as read.
    bool PassesThrough() const;

    // Length of the byte-order mark this encoding skips at the start of the file (0 when
    // the bytes do not begin with it).
    static size_t MarkLength(EncodingCode encoding, const unsigned char* head, size_t length);

private:
    void DecodeUtf16(const unsigned char* bytes, size_t length, bool atEnd, std::string& out);
    void DecodeUtf8(const unsigned char* bytes, size_t length, bool atEnd, std::string& out);
    void WideToGbk(const wchar_t* units, size_t count, std::string& out);

    EncodingCode m_encoding;
    std::vector<unsigned char> m_carry;
    std::vector<unsigned char> m_joined;
    std::vector<wchar_t> m_wide;
    bool m_replaced = false;
};

// The opposite direction for saving: GBK line text to the bytes of an encoding.
class CGbkEncoder {
public:
    explicit CGbkEncoder(EncodingCode encoding);

    // The byte-order mark written before the first line ("" for ANSI and UTF-8 without).
    std::string Mark() const;
    // Appends the encoded text to out.
    void Encode(const char* text, size_t length, std::string& out);

private:
    EncodingCode m_encoding;
    std::vector<wchar_t> m_wide;
    std::vector<char> m_narrow;
};
