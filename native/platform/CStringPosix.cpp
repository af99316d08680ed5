#include "framework/CString.h"

#include <cstdio>
#include <cstring>
#include <new>

// The string class's platform part for the native build of the cores: byte order stands in
// for the locale's, there is no string table, the C library formats, and running out of
// memory is the standard library's error.

int CString::Collate(LPCTSTR text) const
{
    int order = strcmp(m_text.c_str(), text ? text : "");
    return order < 0 ? -1 : order > 0;
}

int CString::CollateNoCase(LPCTSTR text) const
{
    return CompareNoCase(text);
}

int CString::FormatInto(char* buffer, size_t size, LPCTSTR format, va_list args)
{
    return vsnprintf(buffer, size, format, args);
}

void CString::ThrowOutOfMemory()
{
    throw std::bad_alloc();
}

BOOL CString::LoadString(UINT)
{
    Empty();
    return FALSE;
}
