#include "editor/util/MbSearch.h"

#include "editor/util/CharClasses.h"

#include <cstring>

const char* MbFindChar(const char* text, unsigned char byte)
{
    if (!text || byte == 0) return nullptr;
    for (const char* p = text; *p; p += GbkText::CharLength(p)) {
        if (static_cast<unsigned char>(*p) == byte) return p;
    }
    return nullptr;
}

const char* MbFindString(const char* text, const char* needle)
{
    if (!text || !needle) return nullptr;
    size_t needleLength = strlen(needle);
    if (needleLength == 0) return text;
    for (const char* p = text; *p; p += GbkText::CharLength(p)) {
        // strncmp stops at the text's terminator, so it never reads past the end.
        if (strncmp(p, needle, needleLength) == 0) return p;
    }
    return nullptr;
}
