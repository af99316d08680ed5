#include "editor/util/StringHash.h"

uint32_t HashString(const char* text)
{
    uint32_t hash = 0;
    if (!text) return hash;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
        hash = hash * 33u + *p;
    return hash;
}
