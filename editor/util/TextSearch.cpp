#include "editor/util/TextSearch.h"

#include "editor/util/CharClasses.h"
#include "editor/util/RegexEngine.h"

#include <cstring>
#include <string>

namespace {

using Bytes = const unsigned char*;

Bytes AsBytes(const char* text)
{
    return reinterpret_cast<Bytes>(text);
}

unsigned char FoldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// The character just before offset `at`: the two bytes before it when the byte just before
// has its high bit set, that byte alone otherwise, 0 at the text's start. Never reads before
// the text, even when the only byte before is a high-bit one.
unsigned CodeBefore(Bytes text, int at)
{
    if (at <= 0) return 0;
    unsigned last = text[at - 1];
    if (GbkText::HasHighBit((unsigned char)last) && at >= 2) return (static_cast<unsigned>(text[at - 2]) << 8) | last;
    return last;
}

// The character starting at offset `at` (0 at the terminator). A lead byte before the
// terminator pairs with the terminator itself, which is still inside the text.
unsigned CodeAt(Bytes text, int at)
{
    unsigned first = text[at];
    if (GbkText::HasHighBit((unsigned char)first)) return (first << 8) | text[at + 1];
    return first;
}

bool IsWholeWordAt(Bytes text, int at, int length)
{
    return !IsWordChar(CodeBefore(text, at)) && !IsWordChar(CodeAt(text, at + length));
}

// Candidate starts step over a double-byte character whole.
int StepFrom(Bytes text, int at)
{
    return GbkText::HasHighBit(text[at]) ? 2 : 1;
}

// Whether search (length bytes, all inside text from `at`) matches there. Without match
// case single-byte letters fold; a double-byte character compares as it is, so its trail
// byte is never folded.
bool MatchesAt(Bytes text, int at, Bytes search, int length, bool matchCase)
{
    Bytes here = text + at;
    for (int i = 0; i < length;) {
        if (GbkText::IsLeadByte(search[i]) && i + 1 < length) {
            if (here[i] != search[i] || here[i + 1] != search[i + 1]) return false;
            i += 2;
        } else {
            unsigned char a = here[i], b = search[i];
            if (matchCase ? a != b : FoldAscii(a) != FoldAscii(b)) return false;
            ++i;
        }
    }
    return true;
}

// A copy of the text with single-byte ASCII letters lowered, for case-insensitive regular
// expressions; a match found in it is moved back onto the text, so replacements keep the
// text's own case. One buffer serves every call, so this is not re-entrant.
const char* LoweredCopy(const char* text, int length)
{
    static std::string lowered;
    lowered.assign(text, static_cast<size_t>(length));
    for (int i = 0; i < length;) {
        int charLength = GbkText::CharLength(&lowered[static_cast<size_t>(i)]);
        if (charLength == 1) lowered[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(lowered[i])));
        i += charLength;
    }
    return lowered.c_str();
}

bool StartsWithCaret(const char* pattern)
{
    return pattern[0] == '^';
}

// A final '$' anchors unless an odd number of backslashes escapes it.
bool EndsWithDollar(const char* pattern)
{
    size_t length = strlen(pattern);
    if (length == 0 || pattern[length - 1] != '$') return false;
    size_t backslashes = 0;
    while (backslashes + 1 < length && pattern[length - 2 - backslashes] == '\\') ++backslashes;
    return backslashes % 2 == 0;
}

// Where the next search of a line starts after a match at `at`: the next character, so a
// search never starts on a trail byte.
int NextCharacter(const char* text, int at, int length)
{
    return at < length ? at + GbkText::CharLength(text + at) : at + 1;
}

int TextLength(const char* text)
{
    size_t length = strlen(text);
    return length > 0x7FFFFFFF ? -1 : static_cast<int>(length);
}

}  // namespace

int FindTextForward(const char* text, const char* searchText, int start, bool wholeWord,
                    bool matchCase)
{
    if (!text || !searchText) return -1;
    int length = TextLength(text);
    int searchLength = TextLength(searchText);
    if (length <= 0 || searchLength <= 0) return -1;
    if (start < 0) start = 0;
    if (start > length || length - start < searchLength) return -1;

    Bytes bytes = AsBytes(text);
    Bytes search = AsBytes(searchText);
    for (int at = start; at <= length - searchLength; at += StepFrom(bytes, at)) {
        if (MatchesAt(bytes, at, search, searchLength, matchCase) &&
            (!wholeWord || IsWholeWordAt(bytes, at, searchLength)))
            return at;
    }
    return -1;
}

int FindTextBackward(const char* text, const char* searchText, int end, bool wholeWord,
                     bool matchCase)
{
    if (!text || !searchText) return -1;
    int length = TextLength(text);
    int searchLength = TextLength(searchText);
    if (length <= 0 || searchLength <= 0) return -1;
    if (end == -1) end = length;
    if (end < 0 || end > length || end < searchLength) return -1;

    Bytes bytes = AsBytes(text);
    Bytes search = AsBytes(searchText);
    int last = -1;
    for (int at = 0; at <= end - searchLength; at += StepFrom(bytes, at)) {
        if (MatchesAt(bytes, at, search, searchLength, matchCase) &&
            (!wholeWord || IsWholeWordAt(bytes, at, searchLength)))
            last = at;
    }
    return last;
}

int FindRegexForward(const char* text, const char* pattern, CRegexEngine& engine, int start,
                     bool wholeWord, bool matchCase)
{
    if (!text || !pattern || !*pattern) return -1;
    int length = TextLength(text);
    if (length <= 0) return -1;
    if (start < 0) start = 0;
    if (start > length) return -1;

    const char* subject = matchCase ? text : LoweredCopy(text, length);
    bool caret = StartsWithCaret(pattern);
    bool dollar = EndsWithDollar(pattern);
    CRegexSearchBudget budget(engine);
    for (int from = start; from <= length;) {
        int found = engine.Find(subject + from);
        if (found < 0) return -1;
        int at = from + found;
        int matchLength = engine.GetMatchLength();
        if (caret && at > 0) return -1;
        bool rejected = (dollar && at + matchLength < length) ||
                        (wholeWord && !IsWholeWordAt(AsBytes(text), at, matchLength));
        if (!rejected) {
            if (!matchCase) engine.RebaseMatch(subject, text);
            return at;
        }
        from = NextCharacter(subject, at, length);
    }
    return -1;
}

int FindRegexBackward(const char* text, const char* pattern, CRegexEngine& engine, int end,
                      bool wholeWord, bool matchCase)
{
    if (!text || !pattern || !*pattern) return -1;
    int length = TextLength(text);
    if (length <= 0) return -1;
    if (end == -1) end = length;
    if (end < 0 || end > length) return -1;

    const char* subject = matchCase ? text : LoweredCopy(text, length);
    bool caret = StartsWithCaret(pattern);
    bool dollar = EndsWithDollar(pattern);
    int best = -1;
    int bestEnd = -1;
    // Every match of the line is tried: all of them share one budget, and a search that runs
    // out of it finds nothing rather than whichever match it reached last.
    CRegexSearchBudget budget(engine);
    for (int from = 0; from <= length;) {
        int found = engine.Find(subject + from);
        if (found < 0) break;
        int at = from + found;
        int matchEnd = at + engine.GetMatchLength();
        if (matchEnd > end) break;
        if (caret && at != 0) break;
        bool rejected = (dollar && matchEnd != length) ||
                        (wholeWord && !IsWholeWordAt(AsBytes(text), at, matchEnd - at));
        // A later start inside the same match (ending where it ends) does not replace it.
        if (!rejected && matchEnd != bestEnd) {
            best = at;
            bestEnd = matchEnd;
        }
        from = NextCharacter(subject, at, length);
    }
    if (best < 0 || engine.RanOutOfSteps()) return -1;
    // Leave the engine describing the chosen match, not the last one tried.
    if (engine.Find(subject + best) != 0) return -1;
    if (!matchCase) engine.RebaseMatch(subject, text);
    return best;
}
