// Read-only questions the view asks about lines and their colour runs: text extents,
// searching, bookmarks, bracket pairs, character classes and counts.
#include <algorithm>
#include <string>

#include "editor/document/TextDocument.h"
#include "editor/util/CharClasses.h"
#include "editor/util/DbcsSet.h"
#include "editor/util/TextSearch.h"

namespace {

bool IsLayoutRun(const CColorRun& run)
{
    return run.kind >= kRunLineEnd && run.kind <= kRunBlanks;
}

// A delimiter run of one or two bytes, as bracket walks consider them.
bool IsBracketCandidate(const CColorRun& run)
{
    return run.kind == kRunDelimiter && (run.length == 1 || run.length == 2);
}

bool RunTextIs(const CTextLine& line, const CColorRun& run, const std::string& symbol)
{
    return !symbol.empty() && (int)symbol.size() == run.length && run.start >= 0 &&
           run.End() <= line.GetLength() &&
           symbol.compare(0, symbol.size(), line.GetText() + run.start, (size_t)run.length) == 0;
}

int RunIndexAt(const CTextLine& line, ByteColumn column)
{
    const int count = line.GetRunCount();
    for (int i = 0; i < count; ++i)
        if (line.GetRuns()[i].End() > column)
            return i;
    return count - 1;
}

} // namespace

int CTextDocument::GetFirstTextColumn(const CTextLine& line)
{
    for (int i = 0; i < line.GetRunCount(); ++i)
        if (!IsLayoutRun(line.GetRuns()[i]))
            return line.GetRuns()[i].start;
    return line.GetRunsEnd();
}

int CTextDocument::GetLastTextColumn(const CTextLine& line)
{
    for (int i = line.GetRunCount() - 1; i >= 0; --i)
        if (!IsLayoutRun(line.GetRuns()[i]))
            return line.GetRuns()[i].End();
    return line.GetRunsEnd();
}

const CColorRun* CTextDocument::GetRunAt(const CTextLine& line, ByteColumn column)
{
    const int index = RunIndexAt(line, column);
    return index >= 0 ? &line.GetRuns()[index] : nullptr;
}

bool CTextDocument::IsBlankLine(const CTextLine& line)
{
    for (int i = 0; i < line.GetRunCount(); ++i)
        if (!IsLayoutRun(line.GetRuns()[i]))
            return false;
    return true;
}

bool CTextDocument::IsBlankLineAt(LineIndex n) const
{
    const CTextLine* line = m_lines.GetLine(n);
    return line == nullptr || IsBlankLine(*line);
}

// ---- search ----

namespace {

int FindInLineForward(const CTextLine& line, const char* text, int start, int flags, CRegexEngine* engine)
{
    const bool wholeWord = (flags & kSearchWholeWord) != 0;
    const bool matchCase = (flags & kSearchMatchCase) != 0;
    if ((flags & kSearchRegex) != 0)
        return engine ? FindRegexForward(line.GetText(), text, *engine, start, wholeWord, matchCase) : -1;
    return FindTextForward(line.GetText(), text, start, wholeWord, matchCase);
}

int FindInLineBackward(const CTextLine& line, const char* text, int end, int flags, CRegexEngine* engine)
{
    const bool wholeWord = (flags & kSearchWholeWord) != 0;
    const bool matchCase = (flags & kSearchMatchCase) != 0;
    if ((flags & kSearchRegex) != 0)
        return engine ? FindRegexBackward(line.GetText(), text, *engine, end, wholeWord, matchCase) : -1;
    return FindTextBackward(line.GetText(), text, end, wholeWord, matchCase);
}

} // namespace

bool CTextDocument::FindForward(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                                CRegexEngine* engine) const
{
    if (text == nullptr || *text == '\0' || !m_lines.IsValidIndex(lineIndex))
        return false;
    ByteColumn start = column < 0 ? 0 : column;
    for (LineIndex n = lineIndex; n < m_lines.GetCount(); ++n, start = 0) {
        const int hit = FindInLineForward(*m_lines.GetLine(n), text, start, flags, engine);
        if (hit >= 0) {
            column = hit;
            lineIndex = n;
            return true;
        }
    }
    return false;
}

bool CTextDocument::FindForwardWrap(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                                    CRegexEngine* engine) const
{
    if (FindForward(column, lineIndex, text, flags, engine))
        return true;
    if (!m_searchWraps)
        return false;
    ByteColumn wrapColumn = 0;
    LineIndex wrapLine = 0;
    if (!FindForward(wrapColumn, wrapLine, text, flags, engine))
        return false;
    column = wrapColumn;
    lineIndex = wrapLine;
    return true;
}

bool CTextDocument::FindBackward(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                                 CRegexEngine* engine) const
{
    if (text == nullptr || *text == '\0' || !m_lines.IsValidIndex(lineIndex))
        return false;
    auto search = [&](LineIndex from, ByteColumn end) {
        for (LineIndex n = from; n >= 0; --n, end = -1) {
            const int hit = FindInLineBackward(*m_lines.GetLine(n), text, end, flags, engine);
            if (hit >= 0) {
                column = hit;
                lineIndex = n;
                return true;
            }
        }
        return false;
    };
    // A column at 0 leaves nothing before it on this line; -1 would mean the whole line.
    // A column past the end (a caret in column mode) has the whole line before it.
    const int lineLength = m_lines.GetLine(lineIndex)->GetLength();
    if (column > 0 && search(lineIndex, column < lineLength ? column : lineLength))
        return true;
    if (column <= 0 && lineIndex > 0 && search(lineIndex - 1, -1))
        return true;
    return m_searchWraps && search(m_lines.GetCount() - 1, -1);
}

// ---- bookmarks ----

void CTextDocument::ToggleBookmark(LineIndex n)
{
    if (!m_lines.IsValidIndex(n))
        return;
    CTextLine& line = *m_lines.GetLine(n);
    line.SetBookmark(!line.IsBookmarked());
    // The display lines carry a copy of the flags; the runs stay as they are.
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnLinesChanged(n, 1);
}

bool CTextDocument::FindNextBookmark(LineIndex& n) const
{
    const int count = m_lines.GetCount();
    for (LineIndex i = n + 1; i < count; ++i)
        if (i >= 0 && m_lines.GetLine(i)->IsBookmarked()) {
            n = i;
            return true;
        }
    for (LineIndex i = 0; i < count; ++i)
        if (m_lines.GetLine(i)->IsBookmarked()) {
            n = i;
            return true;
        }
    return false;
}

bool CTextDocument::FindPrevBookmark(LineIndex& n) const
{
    const int count = m_lines.GetCount();
    for (LineIndex i = (n > count ? count : n) - 1; i >= 0; --i)
        if (m_lines.GetLine(i)->IsBookmarked()) {
            n = i;
            return true;
        }
    for (LineIndex i = count - 1; i >= 0; --i)
        if (m_lines.GetLine(i)->IsBookmarked()) {
            n = i;
            return true;
        }
    return false;
}

// ---- indentation marks and bracket pairs ----

namespace {

bool RunIsMark(const CTextLine& line, const CColorRun* run, char mark, const DbcsPair& pair)
{
    if (run == nullptr || run->kind != kRunDelimiter || run->start < 0 || run->End() > line.GetLength())
        return false;
    const char* at = line.GetText() + run->start;
    if (run->length == 1)
        return mark != 0 && at[0] == mark;
    if (run->length == 2)
        return pair.IsSet() && at[0] == pair.lead && at[1] == pair.trail;
    return false;
}

// The bracket pairs of the spec that take part: ASCII pairs of exactly two bytes and
// full-width pairs of exactly four.
struct BracketPair {
    std::string open;
    std::string close;
};

std::vector<BracketPair> UsablePairs(const CLangSpec& spec)
{
    std::vector<BracketPair> pairs;
    for (const std::string& p : spec.m_pairs)
        if (p.size() == 2)
            pairs.push_back({p.substr(0, 1), p.substr(1, 1)});
    for (const std::string& p : spec.m_fullWidthPairs)
        if (p.size() == 4)
            pairs.push_back({p.substr(0, 2), p.substr(2, 2)});
    return pairs;
}

// Walks the bracket candidate runs from a run on, forward or backward across lines,
// calling visit(line index, line, run) until it returns true. The walk ends at the
// document's end, or past `reach` lines away from the starting line when reach is not
// negative.
template <class Visit>
bool WalkDelimiterRuns(const CLineList& lines, LineIndex line, int runIndex, bool forward, Visit visit,
                       LineIndex reach = -1)
{
    LineIndex end = forward ? lines.GetCount() : -1;
    if (reach >= 0)
        end = forward ? std::min<LineIndex>(end, line + reach + 1) : std::max<LineIndex>(end, line - reach - 1);
    for (LineIndex n = line; n != end; n += forward ? 1 : -1) {
        const CTextLine& text = *lines.GetLine(n);
        const LineRuns runs = text.PeekRuns();
        int i = n == line ? runIndex : (forward ? 0 : runs.count - 1);
        for (; i >= 0 && i < runs.count; i += forward ? 1 : -1) {
            const CColorRun& run = runs.runs[i];
            if (IsBracketCandidate(run) && visit(n, text, run))
                return true;
        }
    }
    return false;
}

} // namespace

bool CTextDocument::IsIndentOpenAt(ByteColumn column, LineIndex n) const
{
    if (!m_lines.IsValidIndex(n))
        return false;
    const CTextLine& line = *m_lines.GetLine(n);
    return RunIsMark(line, GetRunAt(line, column), GetLangSpec().m_indentOn, GetLangSpec().m_fullWidthIndentOn);
}

bool CTextDocument::IsIndentCloseAt(ByteColumn column, LineIndex n) const
{
    if (!m_lines.IsValidIndex(n))
        return false;
    const CTextLine& line = *m_lines.GetLine(n);
    return RunIsMark(line, GetRunAt(line, column), GetLangSpec().m_indentOff, GetLangSpec().m_fullWidthIndentOff);
}

bool CTextDocument::GetPairDelimiterAt(ByteColumn column, LineIndex n, bool& isOpening, int& runLength)
{
    if (!m_lines.IsValidIndex(n))
        return false;
    const CTextLine& line = *m_lines.GetLine(n);
    const CColorRun* run = GetRunAt(line, column);
    if (run == nullptr || !IsBracketCandidate(*run))
        return false;
    for (const BracketPair& pair : UsablePairs(GetLangSpec())) {
        const bool open = RunTextIs(line, *run, pair.open);
        if (!open && !RunTextIs(line, *run, pair.close))
            continue;
        isOpening = open;
        runLength = run->length;
        m_pairSymbol = open ? pair.open : pair.close;
        m_pairPartner = open ? pair.close : pair.open;
        return true;
    }
    return false;
}

bool CTextDocument::FindMatchingPair(ByteColumn& column, LineIndex& line, LineIndex lineLimit)
{
    bool isOpening = false;
    int runLength = 0;
    if (!GetPairDelimiterAt(column, line, isOpening, runLength))
        return false;
    const int startRun = RunIndexAt(*m_lines.GetLine(line), column);
    int depth = 0;
    return WalkDelimiterRuns(m_lines, line, startRun, isOpening,
                             [&](LineIndex n, const CTextLine& text, const CColorRun& run) {
                                 if (RunTextIs(text, run, m_pairSymbol))
                                     ++depth;
                                 else if (RunTextIs(text, run, m_pairPartner))
                                     --depth;
                                 else
                                     return false;
                                 if (depth != 0)
                                     return false;
                                 column = run.start;
                                 line = n;
                                 return true;
                             },
                             lineLimit);
}

namespace {

// The innermost enclosing block's end (forward) or start (backward): per pair, a symbol
// that goes in adds one and a symbol that comes out subtracts one; the first that brings
// its pair below zero is the answer.
bool FindEnclosing(const CLineList& lines, const CLangSpec& spec, ByteColumn& column, LineIndex& line,
                   bool forward)
{
    if (!lines.IsValidIndex(line))
        return false;
    const std::vector<BracketPair> pairs = UsablePairs(spec);
    if (pairs.empty())
        return false;
    std::vector<int> depth(pairs.size(), 0);
    const int startRun = RunIndexAt(*lines.GetLine(line), column);
    if (startRun < 0)
        return false;
    return WalkDelimiterRuns(lines, line, startRun, forward,
                             [&](LineIndex n, const CTextLine& text, const CColorRun& run) {
                                 for (size_t p = 0; p < pairs.size(); ++p) {
                                     const std::string& in = forward ? pairs[p].open : pairs[p].close;
                                     const std::string& out = forward ? pairs[p].close : pairs[p].open;
                                     if (RunTextIs(text, run, in)) {
                                         ++depth[p];
                                         return false;
                                     }
                                     if (RunTextIs(text, run, out)) {
                                         if (--depth[p] >= 0)
                                             return false;
                                         column = run.start;
                                         line = n;
                                         return true;
                                     }
                                 }
                                 return false;
                             });
}

} // namespace

bool CTextDocument::FindPairForward(ByteColumn& column, LineIndex& line) const
{
    return FindEnclosing(m_lines, GetLangSpec(), column, line, true);
}

bool CTextDocument::FindPairBackward(ByteColumn& column, LineIndex& line) const
{
    return FindEnclosing(m_lines, GetLangSpec(), column, line, false);
}

// ---- character classes ----

int CTextDocument::ClassifyByte(unsigned char byte) const
{
    if (byte == 0 || (byte < 0x7F && (byte == ' ' || (byte >= 0x09 && byte <= 0x0D))))
        return 0;
    if (byte > 0x20 && byte < 0x7F && GetLangSpec().m_delimiters.find((char)byte) != std::string::npos)
        return 1;
    return 2;
}

int CTextDocument::ClassifyChar(unsigned char first, unsigned char second) const
{
    if (m_doubleByteMode && GbkText::IsLeadByte(first)) {
        if (IsDbcsCharInSet(GetLangSpec().m_fullWidthDelimiters.c_str(), first, second))
            return 1;
        if (first == 0xA1 && second == 0xA1)
            return 0;
        return 2;
    }
    return ClassifyByte(first);
}

int CTextDocument::ClassifyCharAfter(unsigned char first, unsigned char second) const
{
    if (m_doubleByteMode && GbkText::IsLeadByte(first)) {
        if (IsDbcsCharInSet(GetLangSpec().m_fullWidthDelimiters.c_str(), first, second))
            return 1;
        if (first == 0xA1 && second == 0xA1)
            return 0;
        return ClassifyByte(second);
    }
    return ClassifyByte(first);
}

// ---- counts ----

int CTextDocument::CountWords() const
{
    int words = 0;
    for (LineIndex n = 0; n < m_lines.GetCount(); ++n) {
        const LineRuns runs = m_lines.GetLine(n)->PeekRuns();
        for (int i = 0; i < runs.count; ++i) {
            const int kind = runs.runs[i].kind;
            if (kind == kRunNumber || (kind >= kRunVariable && kind <= kRunMisspelled) || kind == kRunWordDbcsChar)
                ++words;
        }
    }
    return words;
}

long long CTextDocument::CountBytes() const
{
    const int lineEndLength = m_lineEnd == kLineEndDos || m_lineEnd == kLineEndUnknown ? 2 : 1;
    long long bytes = 0;
    for (LineIndex n = 0; n < m_lines.GetCount(); ++n)
        bytes += m_lines.GetLine(n)->GetLength();
    if (m_lines.GetCount() > 1)
        bytes += (long long)(m_lines.GetCount() - 1) * lineEndLength;
    return bytes;
}
