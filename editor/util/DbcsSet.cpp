#include "editor/util/DbcsSet.h"

#include "framework/Gbk.h"

bool IsDbcsCharInSet(const char* set, unsigned char lead, unsigned char trail)
{
    if (!set) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(set);
    while (*p) {
        if (!GbkText::StartsSetPair(*p)) {
            ++p;
            continue;
        }
        // A lone lead byte at the end of a malformed set ends the walk.
        if (p[1] == 0) return false;
        if (p[0] == lead && p[1] == trail) return true;
        p += 2;
    }
    return false;
}

bool IsDbcsPairInSet(const char* set, const char* text)
{
    if (!text || text[0] == '\0') return false;
    // The trail byte is read only when the lead byte is not the terminator.
    return IsDbcsCharInSet(set, static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
}
