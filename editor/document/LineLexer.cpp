#include "editor/document/LineLexer.h"

#include "editor/document/GbkCompare.h"
#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/SpellDictionary.h"
#include "editor/util/CharClasses.h"
#include "editor/util/DbcsSet.h"

#include <cstring>

namespace {

bool IsBlank(unsigned char b)
{
    return b == ' ' || (b >= '\t' && b <= '\r');
}

bool IsAsciiLetter(unsigned char b)
{
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

bool IsDecimalDigit(unsigned char b)
{
    return b >= '0' && b <= '9';
}

bool IsHexDigit(unsigned char b)
{
    return IsDecimalDigit(b) || (b >= 'A' && b <= 'F') || (b >= 'a' && b <= 'f');
}

// Marks the single bytes of a set string (bytes above 0x80 start a pair and are skipped
// with their trail byte, as the double-byte set tests walk it).
void MarkSingleBytes(const std::string& set, std::bitset<128>& marks)
{
    marks.reset();
    for (size_t i = 0; i < set.size(); ++i) {
        unsigned char b = (unsigned char)set[i];
        if (b > 0x80) {
            ++i;
            continue;
        }
        if (b < 0x80)
            marks.set(b);
    }
}

// Sets the bit of every double-byte pair of a set string; returns nothing, marks leads.
void MarkPairs(const std::string& set, uint8_t* bits, uint8_t* byteClass, uint8_t leadClass)
{
    for (size_t i = 0; i + 1 < set.size(); ++i) {
        unsigned char b = (unsigned char)set[i];
        if (b > 0x80) {
            unsigned index = (unsigned)b << 8 | (unsigned char)set[i + 1];
            if (bits)
                bits[index >> 3] |= uint8_t(1u << (index & 7));
            byteClass[b] |= leadClass;
            ++i;
        }
    }
}

} // namespace

CLineLexer::CLineLexer() : m_runs(kRunBufferSize)
{
}

void CLineLexer::BeginBatch(const CLangSpec& spec, const CKeywordTable* keywords,
                            const CSpellDictionary* spelling)
{
    m_caseSensitive = spec.m_caseSensitive;
    m_keywords = keywords;
    m_spelling = spelling;

    std::memset(m_byteClass, 0, sizeof m_byteClass);
    std::memset(m_fullWidthDelimiter, 0, sizeof m_fullWidthDelimiter);
    for (int b = 0; b < 0x7F; ++b) {
        if (IsBlank((unsigned char)b))
            m_byteClass[b] |= kClassBlank;
    }
    for (char c : spec.m_delimiters) {
        unsigned char b = (unsigned char)c;
        if (b < 0x7F)
            m_byteClass[b] |= kClassDelimiter;
    }
    MarkPairs(spec.m_fullWidthDelimiters, m_fullWidthDelimiter, m_byteClass, kClassPairStart);
    m_byteClass[0xA1] |= kClassPairStart;
    m_keywordPrefixes = spec.m_keywordPrefixes;
    MarkSingleBytes(m_keywordPrefixes, m_asciiKeywordPrefix);
    MarkSingleBytes(spec.m_variablePrefixes, m_variablePrefix);
    MarkSingleBytes(spec.m_specialVariableChars, m_specialVariableChar);
    m_variableEnclosing = spec.m_variableEnclosing;
    m_hexMark = spec.m_hexMark;
    for (int i = 0; i < 3; ++i)
        m_quote[i] = spec.m_quote[i];
    for (int i = 0; i < 4; ++i) {
        m_fullWidthQuote[i][0] = spec.m_fullWidthQuote[i].lead;
        m_fullWidthQuote[i][1] = spec.m_fullWidthQuote[i].trail;
    }
    m_quoteRange = spec.m_quoteRange;

    // Markers in the order they are tried.
    m_markers.clear();
    auto add = [&](const std::string& text, uint8_t kind, uint8_t subKind, bool lineComment,
                   bool firstColumn) {
        if (!text.empty())
            m_markers.push_back({text, kind, subKind, lineComment, firstColumn});
    };
    for (int i = 0; i < 3; ++i) {
        add(spec.m_blockCommentOn[i], kRunBlockCommentOn, spec.m_blockCommentRange, false, false);
        add(spec.m_blockCommentOff[i], kRunBlockCommentOff, spec.m_blockCommentRange, false, false);
    }
    for (int i = 0; i < 3; ++i)
        add(spec.m_lineComment[i], kRunLineComment, spec.m_lineCommentRange, true, false);
    for (int i = 0; i < 2; ++i)
        add(spec.m_firstColumnComment[i], kRunLineComment, spec.m_lineCommentRange, false, true);
    add(spec.m_highlightOn, kRunHighlightOn, 0, false, false);
    add(spec.m_highlightOff, kRunHighlightOff, 0, false, false);
    add(spec.m_shadowOn, kRunShadowOn, 0, false, false);
    add(spec.m_shadowOff, kRunShadowOff, 0, false, false);
    add(spec.m_range1Begin, kRunRange1Begin, 0, false, false);
    add(spec.m_range1End, kRunRange1End, 0, false, false);
    add(spec.m_range2Begin, kRunRange2Begin, 0, false, false);
    add(spec.m_range2End, kRunRange2End, 0, false, false);
    std::memset(m_markerFirstByte, 0, sizeof m_markerFirstByte);
    auto markFirstByte = [&](const std::string& text, bool* marks) {
        if (text.empty())
            return;
        unsigned char first = (unsigned char)text[0];
        marks[first] = true;
        if (IsAsciiLetter(first))
            marks[first ^ 0x20] = true;
    };
    for (const Marker& marker : m_markers)
        markFirstByte(marker.text, m_markerFirstByte);

    // Bytes where a step before the word step may start a token; all others go straight
    // to the word or delimiter step.
    bool special[256] = {};
    std::memcpy(special, m_markerFirstByte, sizeof special);
    markFirstByte(m_hexMark, special);
    special[(unsigned char)' '] = special[0xA1] = true;
    for (char quote : m_quote) {
        if (quote != 0)
            special[(unsigned char)quote] = true;
    }
    for (const auto& pair : m_fullWidthQuote) {
        if (pair[0] != 0)
            special[(unsigned char)pair[0]] = true;
    }
    for (int b = '0'; b <= '9'; ++b)
        special[b] = true;
    for (int b = 0; b < 128; ++b)
        special[b] = special[b] || m_asciiKeywordPrefix[b] || m_variablePrefix[b];
    uint8_t prefixLeads[256] = {};
    MarkPairs(m_keywordPrefixes, nullptr, prefixLeads, 1);
    for (int b = 0; b < 256; ++b) {
        if (special[b] || prefixLeads[b])
            m_byteClass[b] |= kClassSpecialStart;
    }
    m_byteClass[0] &= uint8_t(~kClassSpecialStart);
}

bool CLineLexer::MatchKeyword(const char* word, int length, uint8_t& kind, uint8_t& subKind) const
{
    kind = subKind = 0;
    if (m_keywords == nullptr || word == nullptr || length <= 0 || length >= kMaxWordLength)
        return false;
    const char* key = word;
    char lowered[kMaxWordLength];
    if (!m_caseSensitive) {
        std::memcpy(lowered, word, (size_t)length);
        GbkCompare::LowerInPlace(lowered, (size_t)length);
        key = lowered;
    }
    const CKeywordTable::Node* node = m_keywords->Lookup(key, length, nullptr);
    if (node == nullptr)
        return false;
    kind = uint8_t(node->value & 0xFF);
    subKind = uint8_t(node->value >> 8);
    return true;
}

bool CLineLexer::IsDictionaryWord(const char* word, int length) const
{
    return m_spelling != nullptr && length < kMaxWordLength && m_spelling->Contains(word, length);
}

void CLineLexer::StoreColorRun(int index, uint8_t kind, uint8_t subKind, int start, int length)
{
    if (index < 0 || index >= kRunBufferSize)
        return;
    CColorRun& run = m_runs[(size_t)index];
    run.kind = kind;
    run.subKind = subKind;
    run.start = (int16_t)start;
    run.length = (int16_t)length;
}

void CLineLexer::InstallColorRuns(int count, bool overlong, CTextLine& line) const
{
    uint16_t flags = line.GetFlags() & kLineBookmark;
    for (int i = 0; i < count; ++i) {
        uint8_t kind = m_runs[(size_t)i].kind;
        if (kind >= kRunQuote1 && kind <= kRunQuote3)
            flags |= kLineHasQuotes;
        else if (kind >= kRunLineComment && kind <= kRunBlockCommentOff)
            flags |= kLineHasComments;
        else if (kind >= kRunShadowOn && kind <= kRunHighlightOff)
            flags |= kLineHasShadowMarks;
        else if (kind >= kRunRange1Begin && kind <= kRunRange2End)
            flags |= kLineHasRangeMarks;
    }
    if (overlong)
        flags |= kLineOverlong;
    line.SetRuns(m_runs.data(), count);
    line.SetFlags(flags);
}

bool CLineLexer::IsFullWidthDelimiterAt(const Cursor& c, int p) const
{
    return p < kPairLimit && p + 1 < c.length && c.text[p] > 0x80
           && IsFullWidthDelimiterPair(c.text[p], c.text[p + 1]);
}

bool CLineLexer::IsKeywordPrefixAt(const Cursor& c, int p, int& length) const
{
    if (p >= kByteLimit || p >= c.length)
        return false;
    unsigned char b = c.text[p];
    if (b < 0x80) {
        length = 1;
        return m_asciiKeywordPrefix[b];
    }
    length = 2;
    return b > 0x80 && p < kPairLimit && p + 1 < c.length
           && IsDbcsPairInSet(m_keywordPrefixes.c_str(), (const char*)c.text + p);
}

bool CLineLexer::IsWordEnd(const Cursor& c, int p) const
{
    if (p >= c.length || p >= kByteLimit)
        return true;
    unsigned char b = c.text[p];
    uint8_t byteClass = m_byteClass[b];
    if (byteClass & (kClassBlank | kClassDelimiter))
        return true;
    if (!(byteClass & kClassPairStart))
        return false;
    if (b == 0xA1 && p < kPairLimit && p + 1 < c.length && c.text[p + 1] == 0xA1)
        return true;
    return IsFullWidthDelimiterAt(c, p);
}

bool CLineLexer::MarkerMatches(const Cursor& c, int p, const std::string& marker) const
{
    int n = (int)marker.size();
    return n > 0 && p < 32767 - n && p + n <= c.length
           && GbkCompare::StartsWithNoCase((const char*)c.text + p, marker.data(), (size_t)n);
}

void CLineLexer::AnalyzeLine(CTextLine& line, bool doubleByteMode)
{
    Cursor c{(const unsigned char*)line.GetText(), line.GetLength(), doubleByteMode};
    m_runCount = 0;
    bool overlong = false;
    int q = 0;
    while (true) {
        if (q >= c.length) {
            StoreColorRun(m_runCount++, kRunLineEnd, 0, q, 0);
            break;
        }
        if (q >= kByteLimit) {
            StoreColorRun(m_runCount++, kRunLineEnd, 0, q, 0);
            overlong = true;
            break;
        }
        if (c.text[q] == '\t') {
            StoreColorRun(m_runCount++, kRunTab, 0, q, 1);
            ++q;
            continue;
        }
        int next;
        if (!(m_byteClass[c.text[q]] & kClassSpecialStart)) {
            if ((next = LexWord(c, q)) < 0)
                next = LexDelimiter(c, q);
        } else if ((next = LexBlanks(c, q)) < 0 && (next = LexQuote(c, q)) < 0
            && (next = LexMarker(c, q)) < 0 && (next = LexHexNumber(c, q)) < 0
            && (next = LexDecimalNumber(c, q)) < 0 && (next = LexPrefixedKeyword(c, q)) < 0
            && (next = LexVariable(c, q)) < 0 && (next = LexWord(c, q)) < 0)
            next = LexDelimiter(c, q);
        q = next;
    }
    InstallColorRuns(m_runCount, overlong, line);
}

int CLineLexer::LexBlanks(const Cursor& c, int q)
{
    int p = q;
    while (p < c.length && p < kByteLimit) {
        if (c.text[p] == ' ')
            ++p;
        else if (c.text[p] == 0xA1 && p < kPairLimit && p + 1 < c.length && c.text[p + 1] == 0xA1)
            p += 2;
        else
            break;
    }
    if (p == q)
        return -1;
    StoreColorRun(m_runCount++, kRunBlanks, 0, q, p - q);
    return p;
}

int CLineLexer::LexQuote(const Cursor& c, int q)
{
    char b = (char)c.text[q];
    for (int i = 0; i < 3; ++i) {
        if (m_quote[i] != 0 && b == m_quote[i]) {
            StoreColorRun(m_runCount++, uint8_t(kRunQuote1 + i), m_quoteRange, q, 1);
            return q + 1;
        }
    }
    if (q >= kPairLimit || q + 1 >= c.length)
        return -1;
    for (int i = 0; i < 4; ++i) {
        const char* pair = m_fullWidthQuote[i];
        if (pair[0] != 0 && b == pair[0] && (char)c.text[q + 1] == pair[1]) {
            StoreColorRun(m_runCount++, i < 2 ? kRunQuote1 : kRunQuote2, m_quoteRange, q, 2);
            return q + 2;
        }
    }
    return -1;
}

int CLineLexer::LexMarker(const Cursor& c, int q)
{
    if (!m_markerFirstByte[c.text[q]])
        return -1;
    for (const Marker& marker : m_markers) {
        if (marker.firstColumn && q != 0)
            continue;
        if (!MarkerMatches(c, q, marker.text))
            continue;
        int end = q + (int)marker.text.size();
        if (marker.lineComment && IsAsciiLetter((unsigned char)marker.text[0]) && end < c.length
            && IsAsciiLetter(c.text[end]))
            continue;
        StoreColorRun(m_runCount++, marker.kind, marker.subKind, q, end - q);
        return end;
    }
    return -1;
}

int CLineLexer::LexHexNumber(const Cursor& c, int q)
{
    if (!MarkerMatches(c, q, m_hexMark))
        return -1;
    int p = q + (int)m_hexMark.size();
    while (p < c.length && p < kByteLimit && IsHexDigit(c.text[p]))
        ++p;
    StoreColorRun(m_runCount++, kRunNumber, 0, q, p - q);
    return p;
}

int CLineLexer::LexDecimalNumber(const Cursor& c, int q)
{
    if (!IsDecimalDigit(c.text[q]))
        return -1;
    auto byteAt = [&](int p) -> unsigned char {
        return p < c.length && p < kByteLimit ? c.text[p] : 0;
    };
    int p = q;
    while (IsDecimalDigit(byteAt(p)) || byteAt(p) == '.')
        ++p;
    // The sign belongs to an exponent only: 12+3 is a number, a delimiter and a number.
    if (byteAt(p) == 'E' || byteAt(p) == 'e') {
        ++p;
        unsigned char after = byteAt(p);
        if (after == '+' || after == '-' || IsDecimalDigit(after)) {
            ++p;
            while (IsDecimalDigit(byteAt(p)))
                ++p;
        }
    }
    StoreColorRun(m_runCount++, kRunNumber, 0, q, p - q);
    return p;
}

int CLineLexer::LexPrefixedKeyword(const Cursor& c, int q)
{
    int length = 0;
    if (m_keywordPrefixes.empty() || !IsKeywordPrefixAt(c, q, length))
        return -1;
    const char* text = (const char*)c.text;
    uint8_t kind = 0, subKind = 0;
    int p = q + length;
    bool hit = MatchKeyword(text + q, p - q, kind, subKind);
    while (!hit && IsKeywordPrefixAt(c, p, length)) {
        p += length;
        hit = MatchKeyword(text + q, p - q, kind, subKind);
    }
    if (!hit) {
        while (!IsWordEnd(c, p))
            p += c.doubleByte && IsGbkLeadByte(c.text[p]) && p < kPairLimit && p + 1 < c.length ? 2 : 1;
        hit = MatchKeyword(text + q, p - q, kind, subKind);
    }
    if (!hit)
        return -1;
    StoreColorRun(m_runCount++, kind, subKind, q, p - q);
    return p;
}

int CLineLexer::LexVariable(const Cursor& c, int q)
{
    if (c.text[q] >= 0x80 || !m_variablePrefix[c.text[q]])
        return -1;
    auto byteAt = [&](int p) -> int { return p < c.length && p < kByteLimit ? c.text[p] : -1; };
    auto isLead = [&](int b) { return c.doubleByte && b >= 0 && IsGbkLeadByte((unsigned char)b); };
    auto endsName = [&](int b) {
        return b < 0 || IsBlank((unsigned char)b) || IsAsciiDelimiter((unsigned char)b) || isLead(b);
    };
    int p = q + 1;
    int next = byteAt(p);
    char open = m_variableEnclosing.size() > 0 ? m_variableEnclosing[0] : '\0';
    char close = m_variableEnclosing.size() > 1 ? m_variableEnclosing[1] : '\0';
    if (open != 0 && next == (unsigned char)open) {
        ++p;
        for (int b = byteAt(p); b >= 0 && !IsBlank((unsigned char)b) && !isLead(b)
                                && m_variableEnclosing.find((char)b) == std::string::npos;
             b = byteAt(p))
            ++p;
        if (close == 0 || byteAt(p) != (unsigned char)close)
            return -1;
        ++p;
    } else if (next >= 0 && next < 0x80 && m_specialVariableChar[(size_t)next]) {
        while (byteAt(p) >= 0 && byteAt(p) < 0x80 && m_specialVariableChar[(size_t)byteAt(p)])
            ++p;
        while (!endsName(byteAt(p)))
            ++p;
    } else if (!endsName(next)) {
        while (!endsName(byteAt(p)))
            ++p;
    } else {
        return -1;
    }
    StoreColorRun(m_runCount++, kRunVariable, 0, q, p - q);
    return p;
}

int CLineLexer::LexWord(const Cursor& c, int q)
{
    if (IsAsciiDelimiter(c.text[q]) || IsFullWidthDelimiterAt(c, q))
        return -1;
    auto charLength = [&](int p) {
        return c.doubleByte && IsGbkLeadByte(c.text[p]) && p < kPairLimit && p + 1 < c.length ? 2 : 1;
    };
    int p = q + charLength(q);
    while (!IsWordEnd(c, p))
        p += charLength(p);
    const char* word = (const char*)c.text + q;
    uint8_t kind = 0, subKind = 0;
    if (MatchKeyword(word, p - q, kind, subKind)) {
        StoreColorRun(m_runCount++, kind, subKind, q, p - q);
        return p;
    }
    if (m_spelling != nullptr && !IsDictionaryWord(word, p - q)) {
        StoreColorRun(m_runCount++, kRunMisspelled, 0, q, p - q);
        return p;
    }
    for (int r = q; r < p;) {
        if (c.doubleByte && IsGbkLeadByte(c.text[r]) && r < kPairLimit && r + 1 < p
            && c.text[r + 1] != 0) {
            StoreColorRun(m_runCount++, kRunWordDbcsChar, 0, r, 2);
            r += 2;
        } else {
            StoreColorRun(m_runCount++, kRunWordByte, 0, r, 1);
            ++r;
        }
    }
    return p;
}

int CLineLexer::LexDelimiter(const Cursor& c, int q)
{
    if (IsFullWidthDelimiterAt(c, q)) {
        StoreColorRun(m_runCount++, kRunDelimiter, 0, q, 2);
        return q + 2;
    }
    unsigned char b = c.text[q];
    StoreColorRun(m_runCount++, b > 0x20 && b < 0x7F && IsAsciiDelimiter(b) ? kRunDelimiter : kRunOther,
                  0, q, 1);
    return q + 1;
}

CLineLexer& TheLineLexer()
{
    static CLineLexer lexer;
    return lexer;
}
