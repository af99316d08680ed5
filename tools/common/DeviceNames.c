#include "tools/common/DeviceNames.h"

#include <string.h>

static int SameLetters(const char* text, const char* upper, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
        if (c != upper[i])
            return 0;
    }
    return 1;
}

int IsDeviceName(const char* path)
{
    static const char* const kDevices[] = { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" };
    if (path == NULL)
        return 0;
    if (strncmp(path, "\\\\.\\", 4) == 0)
        return 1;
    const char* name = path;
    for (const char* p = path; *p != '\0';) {
        unsigned char c = (unsigned char)*p;
        if (c >= 0x81 && c <= 0xFE && p[1] != '\0') {
            p += 2;
            continue;
        }
        ++p;
        if (c == '\\' || c == '/' || c == ':')
            name = p;
    }
    /* The system ignores what follows the first dot and blanks before it. */
    size_t stem = 0;
    while (name[stem] != '\0' && name[stem] != '.')
        ++stem;
    while (stem > 0 && name[stem - 1] == ' ')
        --stem;
    for (size_t i = 0; i < sizeof kDevices / sizeof kDevices[0]; ++i)
        if (strlen(kDevices[i]) == stem && SameLetters(name, kDevices[i], stem))
            return 1;
    return stem == 4 && (SameLetters(name, "COM", 3) || SameLetters(name, "LPT", 3)) && name[3] >= '0'
        && name[3] <= '9';
}
