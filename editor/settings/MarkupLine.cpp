#include "editor/settings/MarkupLine.h"

#include <cstring>

// GBK trail bytes lie in 0x40-0xFE, so none of the bytes the scanner looks for (blank, tab,
// '=', '"', '/', '>') can be the second half of a double-byte character: a byte scan is safe.
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

} // namespace

const CString* MarkupLine::Find(const char* name) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == name)
            return &attribute.second;
    return nullptr;
}

bool MarkupLine::Is(const char* element) const
{
    return word.CompareNoCase(element) == 0;
}

MarkupLine ScanMarkupWord(const char* line)
{
    MarkupLine result;
    const char* start = SkipBlanks(line);
    const char* end = start;
    while (*end && !IsBlank(*end))
        ++end;
    result.word = CString(start, (int)(end - start));
    return result;
}

bool ScanMarkupLine(const char* line, MarkupLine& result)
{
    result = ScanMarkupWord(line);
    const char* p = SkipBlanks(line) + result.word.GetLength();
    for (;;) {
        p = SkipBlanks(p);
        if (*p == '\0' || *p == '>' || (p[0] == '/' && p[1] == '>'))
            return true;
        const char* name = p;
        while (*p && !IsBlank(*p) && *p != '=' && *p != '"' && *p != '>')
            ++p;
        if (p == name)
            return false;
        CString attributeName(name, (int)(p - name));
        p = SkipBlanks(p);
        if (*p != '=')
            return false;
        p = SkipBlanks(p + 1);
        if (*p != '"')
            return false;
        const char* close = std::strchr(p + 1, '"');
        if (!close)
            return false;
        result.attributes.emplace_back(attributeName, CString(p + 1, (int)(close - p - 1)));
        p = close + 1;
    }
}

bool IsSafeMarkupValue(const char* text)
{
    for (const unsigned char* p = (const unsigned char*)text; *p; ++p)
        if (*p == '"' || *p < 0x20)
            return false;
    return true;
}
