#include "editor/document/LineLexer.h"

#include "editor/document/GbkCompare.h"
#include "editor/document/KeywordTable.h"
#include "editor/document/LangSpec.h"
#include "editor/document/SpellDictionary.h"
#include "editor/util/CharClasses.h"

#include <algorithm>
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
        if (GbkText::StartsSetPair(b)) {
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
        if (GbkText::StartsSetPair(b)) {
            unsigned index = (unsigned)b << 8 | (unsigned char)set[i + 1];
            if (bits)
                bits[index >> 3] |= uint8_t(1u << (index & 7));
            byteClass[b] |= leadClass;
            ++i;
        }
    }
}

// Sets the bit of every pair that IsDbcsPairInSet finds in a set string, walking it the same
// way: up to its terminator, single bytes up to 0x80, pairs from a byte above.
void MarkSetPairs(const char* set, uint8_t* bits)
{
    std::memset(bits, 0, 65536 / 8);
    for (const unsigned char* p = (const unsigned char*)set; *p;) {
        if (!GbkText::StartsSetPair(*p)) {
            ++p;
            continue;
        }
        if (p[1] == 0)
            break;
        const unsigned index = (unsigned)p[0] << 8 | p[1];
        bits[index >> 3] |= uint8_t(1u << (index & 7));
        p += 2;
    }
}

bool IsPairInBits(const uint8_t* bits, unsigned char lead, unsigned char trail)
{
    const unsigned index = (unsigned)lead << 8 | trail;
    return (bits[index >> 3] >> (index & 7)) & 1;
}

} // namespace

CLineLexer::CLineLexer() : m_runs(kRunBufferSize)
{
    for (int kind = 0; kind < 256; ++kind) {
        uint16_t flag = 0;
        if (kind >= kRunQuote1 && kind <= kRunQuote3)
            flag = kLineHasQuotes;
        else if (kind >= kRunLineComment && kind <= kRunBlockCommentOff)
            flag = kLineHasComments;
        else if (kind >= kRunShadowOn && kind <= kRunHighlightOff)
            flag = kLineHasShadowMarks;
        else if (kind >= kRunRange1Begin && kind <= kRunRange2End)
            flag = kLineHasRangeMarks;
        m_flagOfKind[kind] = flag;
    }
}

unsigned CLineLexer::NewBatchToken()
{
    static unsigned s_last = 0;
    if (++s_last == 0)
        ++s_last;
    return s_last;
}

void CLineLexer::BeginBatch(const CLangSpec& spec, const CKeywordTable* keywords,
                            const CSpellDictionary* spelling, unsigned token)
{
    BeginBatch(spec, keywords, spelling);
    m_batchToken = token;
}

void CLineLexer::BeginBatch(const CLangSpec& spec, const CKeywordTable* keywords,
                            const CSpellDictionary* spelling)
{
    m_batchToken = 0;
    m_caseSensitive = spec.m_caseSensitive;
    m_keywords = keywords;
    m_longestKeyword = keywords ? std::min(keywords->GetLongestLength(), kMaxWordLength - 1) : 0;
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
    uint8_t delimiterLeads[256] = {};
    MarkPairs(spec.m_fullWidthDelimiters, m_fullWidthDelimiter, delimiterLeads, 1);
    for (int b = 0; b < 256; ++b) {
        if (delimiterLeads[b])
            m_byteClass[b] |= kClassPairStart;
    }
    m_byteClass[0xA1] |= kClassPairStart;
    m_keywordPrefixes = spec.m_keywordPrefixes;
    MarkSetPairs(m_keywordPrefixes.c_str(), m_keywordPrefixPair);
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

    // Which steps before the word step may start a token at each byte; all other bytes go
    // straight to the word or delimiter step.
    auto markStep = [&](unsigned char b, uint16_t step) { m_byteClass[b] |= step; };
    markStep(' ', kClassBlanksStep);
    markStep(0xA1, kClassBlanksStep);
    for (char quote : m_quote) {
        if (quote != 0)
            markStep((unsigned char)quote, kClassQuoteStep);
    }
    for (const auto& pair : m_fullWidthQuote) {
        if (pair[0] != 0)
            markStep((unsigned char)pair[0], kClassQuoteStep);
    }
    bool hexFirstByte[256] = {};
    markFirstByte(m_hexMark, hexFirstByte);
    for (int b = '0'; b <= '9'; ++b)
        markStep((unsigned char)b, kClassDecimalStep);
    uint8_t prefixLeads[256] = {};
    MarkPairs(m_keywordPrefixes, nullptr, prefixLeads, 1);
    for (int b = 0; b < 256; ++b) {
        if (m_markerFirstByte[b])
            markStep((unsigned char)b, kClassMarkerStep);
        if (hexFirstByte[b])
            markStep((unsigned char)b, kClassHexStep);
        if (!m_keywordPrefixes.empty() && (prefixLeads[b] || (b < 128 && m_asciiKeywordPrefix[b])))
            markStep((unsigned char)b, kClassPrefixStep);
        if (b < 128 && m_variablePrefix[b])
            markStep((unsigned char)b, kClassVariableStep);
    }
    const uint16_t steps = kClassBlanksStep | kClassQuoteStep | kClassMarkerStep | kClassHexStep
                           | kClassDecimalStep | kClassPrefixStep | kClassVariableStep;
    for (int b = 0; b < 256; ++b) {
        if (m_byteClass[b] & steps)
            m_byteClass[b] |= kClassSpecialStart;
    }
    m_byteClass[0] &= uint16_t(~(kClassSpecialStart | steps));
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

bool CLineLexer::MatchScannedWord(const char* word, int length, uint32_t hash, uint8_t& kind,
                                  uint8_t& subKind) const
{
    // The scan hashed the bytes as they stand; a case-insensitive table holds lowered words.
    if (!m_caseSensitive)
        return MatchKeyword(word, length, kind, subKind);
    kind = subKind = 0;
    if (m_keywords == nullptr || length <= 0 || length >= kMaxWordLength)
        return false;
    const CKeywordTable::Node* node = m_keywords->LookupHashed(word, length, hash);
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
           && IsPairInBits(m_keywordPrefixPair, b, c.text[p + 1]);
}

bool CLineLexer::MarkerMatches(const Cursor& c, int p, const std::string& marker) const
{
    int n = (int)marker.size();
    return n > 0 && p < 32767 - n && p + n <= c.length
           && GbkCompare::StartsWithNoCase((const char*)c.text + p, marker.data(), (size_t)n);
}

void CLineLexer::AnalyzeLine(CTextLine& line, bool doubleByteMode)
{
    const LineRuns lexed = Lex(line.GetText(), line.GetLength(), doubleByteMode);
    const uint16_t bookmark = line.IsBookmarked() ? kLineBookmark : 0;
    line.SetRuns(lexed.runs, lexed.count);
    line.SetFlags(uint16_t(bookmark | lexed.flags));
}

LineRuns CLineLexer::Lex(const char* text, int length, bool doubleByteMode)
{
    Cursor c{(const unsigned char*)text, length, length < kByteLimit ? length : kByteLimit, doubleByteMode};
    m_out = m_runs.data();
    m_capacity = kRunBufferSize;
    m_runCount = 0;
    m_lineFlags = 0;
    int q = 0;
    while (q < c.limit) {
        const unsigned char b = c.text[q];
        if (b == '\t') {
            StoreColorRun(m_runCount++, kRunTab, 0, q, 1);
            ++q;
            continue;
        }
        const uint16_t byteClass = m_byteClass[b];
        int next = -1;
        if (byteClass & kClassSpecialStart)
            next = LexSpecial(c, q, byteClass);
        if (next < 0 && (next = LexWord(c, q)) < 0)
            next = LexDelimiter(c, q);
        q = next;
    }
    // Text left over means the limit stopped the walk.
    StoreColorRun(m_runCount++, kRunLineEnd, 0, q, 0);
    LineRuns result;
    result.runs = m_out;
    result.count = m_runCount < m_capacity ? m_runCount : m_capacity;
    result.flags = uint16_t(m_lineFlags | (q < length ? kLineOverlong : 0));
    return result;
}

bool CLineLexer::MayHoldMarkers(const char* text, int length) const
{
    const unsigned char* p = (const unsigned char*)text;
    for (int i = 0; i < length; ++i)
        if (m_byteClass[p[i]] & (kClassQuoteStep | kClassMarkerStep))
            return true;
    return false;
}

int CLineLexer::LexSpecial(const Cursor& c, int q, uint16_t byteClass)
{
    int next;
    if ((byteClass & kClassBlanksStep) && (next = LexBlanks(c, q)) >= 0)
        return next;
    if ((byteClass & kClassQuoteStep) && (next = LexQuote(c, q)) >= 0)
        return next;
    if ((byteClass & kClassMarkerStep) && (next = LexMarker(c, q)) >= 0)
        return next;
    if ((byteClass & kClassHexStep) && (next = LexHexNumber(c, q)) >= 0)
        return next;
    if ((byteClass & kClassDecimalStep) && (next = LexDecimalNumber(c, q)) >= 0)
        return next;
    if ((byteClass & kClassPrefixStep) && (next = LexPrefixedKeyword(c, q)) >= 0)
        return next;
    if ((byteClass & kClassVariableStep) && (next = LexVariable(c, q)) >= 0)
        return next;
    return -1;
}

int CLineLexer::LexBlanks(const Cursor& c, int q)
{
    int p = q;
    while (p < c.limit) {
        if (c.text[p] == ' ')
            ++p;
        else if (c.text[p] == 0xA1 && p + 1 < c.limit && c.text[p + 1] == 0xA1)
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
    // Neither loop looks past the longest keyword: a run of prefix bytes that are also
    // delimiters ("#" in C++) would otherwise be scanned to its end from each of its bytes.
    while (!hit && p - q < m_longestKeyword && IsKeywordPrefixAt(c, p, length)) {
        p += length;
        hit = MatchKeyword(text + q, p - q, kind, subKind);
    }
    if (!hit) {
        while (p - q <= m_longestKeyword && !IsWordEnd(c, p))
            p += c.doubleByte && GbkText::IsLeadByte(c.text[p]) && p < kPairLimit && p + 1 < c.length ? 2 : 1;
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
    auto isLead = [&](int b) { return c.doubleByte && b >= 0 && GbkText::IsLeadByte((unsigned char)b); };
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
    // Kept in locals: the compiler must assume that a store into a run changes members.
    const unsigned char* const text = c.text;
    const int limit = c.limit;
    const bool doubleByte = c.doubleByte;
    if (IsAsciiDelimiter(text[q]) || IsFullWidthDelimiterAt(c, q))
        return -1;
    // The keyword table's hash is computed on the way, so the lookup needs no second pass.
    uint32_t hash = 0;
    int p = q;
    do {
        const unsigned char b = text[p];
        hash = CKeywordTable::HashStep(hash, b);
        if (doubleByte && GbkText::IsLeadByte(b) && p + 1 < limit) {
            hash = CKeywordTable::HashStep(hash, text[p + 1]);
            p += 2;
        } else {
            ++p;
        }
    } while (!IsWordEnd(c, p));
    const char* word = (const char*)text + q;
    uint8_t kind = 0, subKind = 0;
    if (MatchScannedWord(word, p - q, hash, kind, subKind)) {
        StoreColorRun(m_runCount++, kind, subKind, q, p - q);
        return p;
    }
    if (m_spelling != nullptr && !IsDictionaryWord(word, p - q)) {
        StoreColorRun(m_runCount++, kRunMisspelled, 0, q, p - q);
        return p;
    }
    // One run per character; these kinds set no line flags.
    CColorRun* const out = m_out;
    const int capacity = m_capacity;
    int count = m_runCount;
    for (int r = q; r < p && count < capacity; ++count) {
        CColorRun& run = out[count];
        run.subKind = 0;
        run.start = (int16_t)r;
        if (doubleByte && GbkText::IsLeadByte(text[r]) && r < kPairLimit && r + 1 < p && text[r + 1] != 0) {
            run.kind = kRunWordDbcsChar;
            run.length = 2;
            r += 2;
        } else {
            run.kind = kRunWordByte;
            run.length = 1;
            ++r;
        }
    }
    m_runCount = count;
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
