/* ANSI text to UTF-16 through KERNEL32. */
#include "runtime/源码/宽字符.h"

#include <windows.h>

int StrToWide(const char* text, int byteCount, wchar_t* wide, int wideCount)
{
    if (text == NULL || wideCount < 0 || (wide == NULL && wideCount != 0))
        return 0;
    return MultiByteToWideChar(CP_ACP, 0, text, byteCount, wide, wideCount);
}
