#pragma once

#include "editor/document/TextLine.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

class CKeywordTable;
class CLangSpec;
class CSpellDictionary;

// Splits one line at a time into colour runs from a language spec and its keyword table:
// blanks, numbers, quote and comment markers, shadow, highlight and range markers, keywords,
// variables, words and delimiters. It keeps no state from one line to the next; quoted text
// and comments spanning lines are resolved by the painter from the marker runs and flags.
//
// Columns must fit a signed 16-bit field, so analysis stops at column 32766 and marks the
// line overlong. Not re-entrant: one lexer serves the user-interface thread.
class CLineLexer {
public:
    static constexpr int kRunBufferSize = 32768;
    // A test of one byte needs a position below this; of a byte pair, below one less.
    static constexpr int kByteLimit = kMaxAnalysedColumn;
    static constexpr int kPairLimit = 32765;
    // Words of this length or longer are never keywords or dictionary words.
    static constexpr int kMaxWordLength = 256;

    CLineLexer();
    CLineLexer(const CLineLexer&) = delete;
    CLineLexer& operator=(const CLineLexer&) = delete;

    // Copies what the lexer needs of a spec before a batch of lines. keywords may be null
    // (no keywords); spelling is the dictionary when the spelling check is on, else null.
    // The keyword table and dictionary must outlive the batch.
    void BeginBatch(const CLangSpec& spec, const CKeywordTable* keywords,
                    const CSpellDictionary* spelling);
    // The same for an owner that lexes lines one at a time, now and then: it begins a batch
    // only when the lexer does not hold its batch of that token already. A token is never
    // used twice (NewBatchToken), so a changed set-up gets a new one.
    void BeginBatch(const CLangSpec& spec, const CKeywordTable* keywords,
                    const CSpellDictionary* spelling, unsigned token);
    bool HoldsBatch(unsigned token) const { return token != 0 && m_batchToken == token; }
    static unsigned NewBatchToken();

    // Rebuilds the runs and the run flags of one line (the bookmark flag stays).
    // doubleByteMode: lead bytes of the code page start two-byte characters inside words,
    // numbers and variables.
    void AnalyzeLine(CTextLine& line, bool doubleByteMode);
    // The runs and run flags of a line's text, held in the lexer until its next call.
    LineRuns Lex(const char* text, int length, bool doubleByteMode);
    // False when no byte of the text can start a quotation or a marker (a comment, shadow,
    // highlight or range mark): the text then gets none of those runs.
    bool MayHoldMarkers(const char* text, int length) const;

    // True when the word is a keyword: kind is the low byte of its value, subKind the high
    // byte; both 0 otherwise. The word is lower-cased first for a case-insensitive spec.
    bool MatchKeyword(const char* word, int length, uint8_t& kind, uint8_t& subKind) const;
    // True when the lower-cased word is in the spelling dictionary.
    bool IsDictionaryWord(const char* word, int length) const;

private:
    struct Marker {
        std::string text;
        uint8_t kind;
        uint8_t subKind;
        bool lineComment;  // an ASCII-letter marker needs a non-letter after it
        bool firstColumn;  // only at position 0
    };

    // The line being analysed; limit is the length cut to kByteLimit, so a byte test at p
    // needs p < limit and a pair test p + 1 < limit.
    struct Cursor {
        const unsigned char* text;
        int length;
        int limit;
        bool doubleByte;
    };

    // Appends a run to the current line's runs (index is the run count before the call).
    void StoreColorRun(int index, uint8_t kind, uint8_t subKind, int start, int length)
    {
        if (index < 0 || index >= m_capacity)
            return;
        CColorRun& run = m_out[index];
        run.kind = kind;
        run.subKind = subKind;
        run.start = (int16_t)start;
        run.length = (int16_t)length;
        m_lineFlags |= m_flagOfKind[kind];
    }

    // Each step returns the position after its runs, or -1 when it does not apply.
    // LexSpecial tries the steps before the word step that the byte class allows.
    int LexSpecial(const Cursor& c, int q, uint16_t byteClass);
    int LexBlanks(const Cursor& c, int q);
    int LexQuote(const Cursor& c, int q);
    int LexMarker(const Cursor& c, int q);
    int LexHexNumber(const Cursor& c, int q);
    int LexDecimalNumber(const Cursor& c, int q);
    int LexPrefixedKeyword(const Cursor& c, int q);
    int LexVariable(const Cursor& c, int q);
    int LexWord(const Cursor& c, int q);
    int LexDelimiter(const Cursor& c, int q);

    // MatchKeyword for a word whose table hash the word step computed while scanning it.
    bool MatchScannedWord(const char* word, int length, uint32_t hash, uint8_t& kind,
                          uint8_t& subKind) const;

    // Bits of m_byteClass. The step bits say which step before the word step may claim a
    // token at the byte; a step is only tried where its bit is set.
    enum ByteClass : uint16_t {
        kClassBlank = 0x01,
        kClassDelimiter = 0x02,     // an ASCII delimiter
        kClassPairStart = 0x04,     // may start A1 A1 or a full-width delimiter
        kClassSpecialStart = 0x08,  // any of the step bits below
        kClassBlanksStep = 0x10,
        kClassQuoteStep = 0x20,
        kClassMarkerStep = 0x40,
        kClassHexStep = 0x80,
        kClassDecimalStep = 0x100,
        kClassPrefixStep = 0x200,
        kClassVariableStep = 0x400,
    };

    bool IsAsciiDelimiter(unsigned char b) const { return (m_byteClass[b] & kClassDelimiter) != 0; }
    bool IsFullWidthDelimiterPair(unsigned char lead, unsigned char trail) const
    {
        unsigned index = (unsigned)lead << 8 | trail;
        return (m_fullWidthDelimiter[index >> 3] >> (index & 7)) & 1;
    }
    bool IsFullWidthDelimiterAt(const Cursor& c, int p) const
    {
        return p + 1 < c.limit && c.text[p] > 0x80 && IsFullWidthDelimiterPair(c.text[p], c.text[p + 1]);
    }
    bool IsKeywordPrefixAt(const Cursor& c, int p, int& length) const;
    bool IsWordEnd(const Cursor& c, int p) const
    {
        if (p >= c.limit)
            return true;
        const unsigned char b = c.text[p];
        const uint16_t byteClass = m_byteClass[b];
        if (byteClass & (kClassBlank | kClassDelimiter))
            return true;
        if (!(byteClass & kClassPairStart))
            return false;
        if (b == 0xA1 && p + 1 < c.limit && c.text[p + 1] == 0xA1)
            return true;
        return IsFullWidthDelimiterAt(c, p);
    }
    bool MarkerMatches(const Cursor& c, int p, const std::string& marker) const;

    // The static run buffer the line being analysed puts its runs in.
    std::vector<CColorRun> m_runs;
    CColorRun* m_out = nullptr;
    int m_capacity = 0;
    unsigned m_batchToken = 0;
    int m_runCount = 0;
    uint16_t m_lineFlags = 0;      // flags of the runs stored so far
    uint16_t m_flagOfKind[256] = {};

    bool m_caseSensitive = true;
    const CKeywordTable* m_keywords = nullptr;
    // No longer word can be one of m_keywords.
    int m_longestKeyword = 0;
    const CSpellDictionary* m_spelling = nullptr;
    uint16_t m_byteClass[256] = {};
    uint8_t m_fullWidthDelimiter[65536 / 8] = {};
    std::bitset<128> m_asciiKeywordPrefix;
    std::string m_keywordPrefixes;
    uint8_t m_keywordPrefixPair[65536 / 8] = {};
    std::bitset<128> m_variablePrefix;
    std::bitset<128> m_specialVariableChar;
    std::string m_variableEnclosing;
    std::string m_hexMark;
    char m_quote[3] = {0, 0, 0};
    char m_fullWidthQuote[4][2] = {};
    uint8_t m_quoteRange = 0;
    std::vector<Marker> m_markers;
    bool m_markerFirstByte[256] = {};
};

// The lexer the document and its views share on the user-interface thread.
CLineLexer& TheLineLexer();
