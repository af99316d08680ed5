/* The string module over NUL-terminated GBK byte texts. */
#include "runtime/源码/字符串.h"
#include "runtime/源码/字符.h"
#include "runtime/源码/内存.h"

#include <limits.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

/* Source lines the module reports to the allocator. */
enum { kLineStrDup = 111, kLineStrJoin3 = 140, kLineStrJoin3Ex = 166 };

int StrLen(const char* text)
{
    return text ? (int)strlen(text) : 0;
}

char* StrCopyTo(const char* source, char* buffer)
{
    if (!source || !buffer)
        return NULL;
    size_t len = strlen(source);
    memmove(buffer, source, len + 1);
    return buffer + len;
}

char* StrCopyN(const char* source, char* buffer, int size)
{
    if (!source || !buffer || size < 1)
        return NULL;
    int len = 0;
    while (len < size - 1 && source[len]) {
        buffer[len] = source[len];
        len++;
    }
    buffer[len] = '\0';
    return buffer + len;
}

char* StrCopyCount(const char* source, int n, char* buffer)
{
    if (!source || !buffer)
        return NULL;
    int len = 0;
    while (len < n && source[len]) {
        buffer[len] = source[len];
        len++;
    }
    return buffer + len;
}

char* StrCopyCountN(const char* source, int n, char* buffer, int size)
{
    if (!source || !buffer || size < 1)
        return NULL;
    int limit = n < size - 1 ? n : size - 1;
    char* end = StrCopyCount(source, limit, buffer);
    *end = '\0';
    return buffer;
}

char* StrDup(const char* text, int pad, int extra)
{
    int len = StrLen(text);
    long long total = (long long)len + pad + extra;
    if ((long long)len + pad < 0 || (long long)len + extra < 0 || total <= 0 || total >= INT_MAX)
        return NULL;
    char* block = (char*)MemAlloc((size_t)total + 1, kSourceStringModule, kLineStrDup);
    if (!block)
        return NULL;
    int skipFront = pad < 0 ? -pad : 0;
    int skipBack = extra < 0 ? -extra : 0;
    int blanks = pad > 0 ? pad : 0;
    int copied = len - skipFront - skipBack;
    memset(block, ' ', (size_t)blanks);
    if (copied > 0)
        memcpy(block + blanks, text + skipFront, (size_t)copied);
    block[blanks + (copied > 0 ? copied : 0)] = '\0';
    return block;
}

static char* Join3(const char* a, const char* b, const char* c, int extra, int line)
{
    if (!a && !b && !c)
        return NULL;
    size_t la = a ? strlen(a) : 0, lb = b ? strlen(b) : 0, lc = c ? strlen(c) : 0;
    size_t room = extra > 0 ? (size_t)extra : 0;
    if (room > SIZE_MAX - (la + lb + lc + 1))
        return NULL;
    char* block = (char*)MemAlloc(la + lb + lc + room + 1, kSourceStringModule, line);
    if (!block)
        return NULL;
    memcpy(block, a ? a : "", la);
    memcpy(block + la, b ? b : "", lb);
    memcpy(block + la + lb, c ? c : "", lc);
    block[la + lb + lc] = '\0';
    return block;
}

char* StrJoin3(const char* a, const char* b, const char* c)
{
    return Join3(a, b, c, 0, kLineStrJoin3);
}

char* StrJoin3Ex(const char* a, const char* b, const char* c, int extra)
{
    return Join3(a, b, c, extra, kLineStrJoin3Ex);
}

char* StrCat(char* buffer, const char* text)
{
    if (buffer && text)
        strcat(buffer, text);
    return buffer;
}

char* StrCatCount(char* buffer, const char* text, int n)
{
    if (buffer && text && n > 0)
        strncat(buffer, text, (size_t)n);
    return buffer;
}

char* StrCatN(char* buffer, int size, const char* text)
{
    if (!buffer || size < 1)
        return NULL;
    int len = 0;
    while (len < size && buffer[len])
        len++;
    if (len >= size) {
        /* The text already fills the buffer: end it within the size given. */
        buffer[size - 1] = '\0';
        return buffer + size - 1;
    }
    if (text) {
        while (len < size - 1 && *text)
            buffer[len++] = *text++;
    }
    buffer[len] = '\0';
    return buffer + len;
}

int StrAppendByte(char* buffer, int size, int byte)
{
    if (!buffer)
        return 0;
    int len = 0;
    while (len < size - 1 && buffer[len])
        len++;
    if (len >= size - 1)
        return 0;
    buffer[len] = (char)byte;
    buffer[len + 1] = '\0';
    return 1;
}

char* StrFindChar(const char* text, int byte)
{
    return text ? strchr(text, byte) : NULL;
}

char* StrFindLastChar(const char* text, int byte)
{
    return text ? strrchr(text, byte) : NULL;
}

char* StrFindAny(const char* text, const char* set)
{
    return (text && set) ? strpbrk(text, set) : NULL;
}

int StrSpan(const char* text, const char* set)
{
    return (text && set) ? (int)strspn(text, set) : 0;
}

int StrSpanNot(const char* text, const char* set)
{
    if (!text)
        return 0;
    return set ? (int)strcspn(text, set) : (int)strlen(text);
}

char* StrToken(char* text, const char* set)
{
    return set ? strtok(text, set) : NULL;
}

char* StrFindText(const char* text, const char* pattern)
{
    if (!text)
        return NULL;
    if (!pattern || !*pattern)
        return (char*)text;
    return strstr(text, pattern);
}

/* Only single-byte letters fold; a double-byte character's trail byte may look like an
   ASCII letter and must stay as it is. */
static CharCode FoldSingleByte(CharCode code)
{
    return code < 0x80u ? CvtToLower(code) : code;
}

/* Whether the pattern matches at text, character by character, folding single bytes. */
static int MatchesNoCase(const char* text, const char* pattern)
{
    while (*pattern) {
        int lt, lp;
        CharCode ct = MbCharAtLen(text, &lt);
        CharCode cp = MbCharAtLen(pattern, &lp);
        if (!*text || lt != lp || FoldSingleByte(ct) != FoldSingleByte(cp))
            return 0;
        text += lt;
        pattern += lp;
    }
    return 1;
}

char* StrFindTextNoCase(const char* text, const char* pattern)
{
    if (!text)
        return NULL;
    if (!pattern || !*pattern)
        return (char*)text;
    for (const char* p = text; *p; p += MbCharLen(p)) {
        if (MatchesNoCase(p, pattern))
            return (char*)p;
    }
    return NULL;
}

/* -1/0/1 by the null rules, or 2 when both texts are present. */
static int NullOrder(const char* a, const char* b)
{
    if (!a && !b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    return 2;
}

int StrCompare(const char* a, const char* b)
{
    int order = NullOrder(a, b);
    return order != 2 ? order : strcmp(a, b);
}

int StrCompareN(const char* a, const char* b, int n)
{
    int order = NullOrder(a, b);
    if (order != 2)
        return order;
    return n > 0 ? strncmp(a, b, (size_t)n) : 0;
}

/* Walks both texts by character over at most limit bytes (limit < 0: no limit). */
static int CompareNoCase(const char* a, const char* b, int limit)
{
    int order = NullOrder(a, b);
    if (order != 2)
        return order;
    int pos = 0;
    while (limit < 0 || pos < limit) {
        int la, lb;
        CharCode ca = MbCharAtLen(a + pos, &la);
        CharCode cb = MbCharAtLen(b + pos, &lb);
        if (ca == 0 && cb == 0)
            return 0;
        if (la == lb && FoldSingleByte(ca) == FoldSingleByte(cb)) {
            pos += la;
            continue;
        }
        /* The characters differ: the first differing raw byte decides. */
        int index = 0;
        while (a[pos + index] && a[pos + index] == b[pos + index])
            index++;
        int difference = (signed char)a[pos + index] - (signed char)b[pos + index];
        if (limit >= 0 && pos + index >= limit)
            return 0;
        return difference;
    }
    return 0;
}

int StrCompareNoCase(const char* a, const char* b)
{
    return CompareNoCase(a, b, -1);
}

int StrCompareNoCaseN(const char* a, const char* b, int n)
{
    return CompareNoCase(a, b, n > 0 ? n : 0);
}

static char* FoldInPlace(char* text, CharCode (*convert)(CharCode))
{
    if (!text)
        return NULL;
    for (char* p = text; *p;) {
        int len = MbCharLen(p);
        if (len == 1)
            *p = (char)convert((unsigned char)*p);
        p += len;
    }
    return text;
}

char* StrToLower(char* text)
{
    return FoldInPlace(text, CvtToLower);
}

char* StrToUpper(char* text)
{
    return FoldInPlace(text, CvtToUpper);
}

char* StrFill(char* text, int byte)
{
    if (text)
        memset(text, byte, strlen(text));
    return text;
}

char* StrFillN(char* text, int byte, int n)
{
    if (!text)
        return NULL;
    for (int i = 0; i < n && text[i]; i++)
        text[i] = (char)byte;
    return text;
}

char* StrReverse(char* text)
{
    if (!text)
        return NULL;
    size_t len = strlen(text);
    for (size_t i = 0; i < len / 2; i++) {
        char c = text[i];
        text[i] = text[len - 1 - i];
        text[len - 1 - i] = c;
    }
    return text;
}

static int IsBlankOrControl(CharCode code)
{
    return ChIsBlank(code) || code < 32;
}

int StrSkipSpace(const char** text)
{
    if (!text || !*text)
        return 0;
    const char* p = *text;
    while (*p) {
        int len;
        CharCode code = MbCharAtLen(p, &len);
        if (!IsBlankOrControl(code))
            break;
        p += len;
    }
    int skipped = (int)(p - *text);
    *text = p;
    return skipped;
}

int StrTrimRight(char* text)
{
    if (!text || !*text)
        return 0;
    int keep = 0;
    int pos = 0;
    while (text[pos]) {
        int len;
        CharCode code = MbCharAtLen(text + pos, &len);
        pos += len;
        if (!IsBlankOrControl(code))
            keep = pos;
    }
    for (int i = keep; i < pos; i++)
        text[i] = '\0';
    return pos - keep;
}

/* Underscore of either width. */
static int IsUnderscore(CharCode code)
{
    return code == '_' || code == 0xA3DF;
}

static int IsPoint(CharCode code)
{
    return code == '.' || code == 0xA3AE;
}

static int IsSpaceOrControl(CharCode code)
{
    return ChIsSpace(code) || ChIsControl(code);
}

/* Length of the leading run of characters for which belongs holds. */
static int RunOf(const char* text, int (*belongs)(CharCode))
{
    int pos = 0;
    while (text[pos]) {
        int len;
        CharCode code = MbCharAtLen(text + pos, &len);
        if (!belongs(code))
            break;
        pos += len;
    }
    return pos;
}

static int IsNotBlankTab(CharCode code) { return !ChIsBlankTab(code); }
static int IsNotSpace(CharCode code) { return !ChIsSpace(code); }
static int IsNotSpaceOrControl(CharCode code) { return !IsSpaceOrControl(code); }
static int IsIdentRunChar(CharCode code) { return ChIsIdentChar(code) || IsUnderscore(code); }
static int IsNumberRunChar(CharCode code) { return ChIsDigit(code, 0) || IsPoint(code); }

int MbRunLength(const char* text, int runClass, int* kind)
{
    if (!text || !*text || runClass < 0 || runClass > 4)
        return 0;
    int firstLen;
    CharCode first = MbCharAtLen(text, &firstLen);
    int length;
    int runKind;
    switch (runClass) {
    case 0:
        runKind = ChIsBlankTab(first) ? 1 : 0;
        length = RunOf(text, runKind ? ChIsBlankTab : IsNotBlankTab);
        break;
    case 1:
        runKind = ChIsSpace(first) ? 1 : 0;
        length = RunOf(text, runKind ? ChIsSpace : IsNotSpace);
        break;
    case 2:
        runKind = IsSpaceOrControl(first) ? 1 : 0;
        length = RunOf(text, runKind ? IsSpaceOrControl : IsNotSpaceOrControl);
        break;
    default:
        if (IsSpaceOrControl(first)) {
            runKind = 1;
            length = RunOf(text, IsSpaceOrControl);
        } else if (runClass == 3 ? IsIdentRunChar(first)
                                 : (ChIsIdentStart(first) || IsUnderscore(first))) {
            runKind = 2;
            length = RunOf(text, IsIdentRunChar);
        } else if (runClass == 4 && ChIsDigit(first, 0)) {
            runKind = 3;
            length = RunOf(text, IsNumberRunChar);
        } else {
            runKind = 0;
            length = firstLen;
        }
        break;
    }
    if (kind)
        *kind = runKind;
    return length;
}
