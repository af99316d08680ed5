#include "framework/CString.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

// The string class's platform part for the native build of the cores: byte order stands in
// for the locale's, there is no string table, and the C library formats.

namespace {

const size_t kMaxFormatBytes = 256u * 1024 * 1024;

} // namespace

int CString::Collate(LPCTSTR text) const
{
    int order = strcmp(m_text.c_str(), text ? text : "");
    return order < 0 ? -1 : order > 0;
}

int CString::CollateNoCase(LPCTSTR text) const
{
    return CompareNoCase(text);
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    if (!format) {
        Empty();
        return;
    }
    std::vector<char> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int written = vsnprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written < 0) {
            Empty();
            return;
        }
        if ((size_t)written < buffer.size()) {
            m_text.assign(buffer.data(), (size_t)written);
            return;
        }
        if ((size_t)written + 1 > kMaxFormatBytes)
            throw std::bad_alloc();
        buffer.assign((size_t)written + 1, '\0');
    }
}

BOOL CString::LoadString(UINT)
{
    Empty();
    return FALSE;
}
