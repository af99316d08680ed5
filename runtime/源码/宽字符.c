/* ANSI text to UTF-16 through KERNEL32. */
#include "runtime/源码/宽字符.h"

#include <windows.h>

int StrToWide(const char* text, int byteCount, wchar_t* wide, int wideCount)
{
    if (text == NULL || wideCount < 0 || (wide == NULL && wideCount != 0))
        return 0;
    int converted = MultiByteToWideChar(CP_ACP, 0, text, byteCount, wide, wideCount);
    /* A count that leaves out the NUL converts none; end the text when there is room. */
    if (wide != NULL && converted > 0 && converted < wideCount && wide[converted - 1] != 0)
        wide[converted] = 0;
    /* A buffer too small fails after filling it without a NUL: leave an empty text. */
    if (wide != NULL && converted == 0 && wideCount > 0)
        wide[0] = 0;
    return converted;
}
