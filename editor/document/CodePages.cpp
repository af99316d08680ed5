#include "editor/document/CodePages.h"

#include <windows.h>

namespace {

const UINT kGbkCodePage = 936;

} // namespace

namespace CodePages {

int Utf8ToUtf16(const char* bytes, int length, wchar_t* units, int capacity)
{
    return ::MultiByteToWideChar(CP_UTF8, 0, bytes, length, units, capacity);
}

int GbkToUtf16(const char* bytes, int length, wchar_t* units, int capacity)
{
    return ::MultiByteToWideChar(kGbkCodePage, 0, bytes, length, units, capacity);
}

int Utf16ToUtf8(const wchar_t* units, int count, char* bytes, int capacity)
{
    return ::WideCharToMultiByte(CP_UTF8, 0, units, count, bytes, capacity, nullptr, nullptr);
}

int Utf16ToGbk(const wchar_t* units, int count, char* bytes, int capacity, bool exactOnly,
               bool* usedDefault)
{
    BOOL defaulted = FALSE;
    int written = ::WideCharToMultiByte(kGbkCodePage, exactOnly ? WC_NO_BEST_FIT_CHARS : 0, units,
                                        count, bytes, capacity, nullptr, &defaulted);
    *usedDefault = defaulted != FALSE;
    return written > 0 ? written : 0;
}

} // namespace CodePages
