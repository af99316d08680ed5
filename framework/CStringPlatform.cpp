#include "framework/CString.h"

#include "framework/AppState.h"
#include "framework/Exceptions.h"

#include <cstdio>

int CString::Collate(LPCTSTR text) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, 0, m_text.c_str(), -1, text ? text : "", -1) - 2;
}

int CString::CollateNoCase(LPCTSTR text) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_text.c_str(), -1,
                            text ? text : "", -1) - 2;
}

int CString::FormatInto(char* buffer, size_t size, LPCTSTR format, va_list args)
{
    return _vsnprintf(buffer, size, format, args);
}

void CString::ThrowOutOfMemory()
{
    AfxThrowMemoryException();
}

BOOL CString::LoadString(UINT id)
{
    // With a zero buffer size LoadStringW hands out the resource's own text and its exact
    // length, so nothing is truncated; convert it as LoadStringA would.
    const WCHAR* resource = nullptr;
    int wideLength = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (wideLength <= 0 || !resource) {
        Empty();
        return FALSE;
    }
    int length = ::WideCharToMultiByte(CP_ACP, 0, resource, wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        Empty();
        return FALSE;
    }
    m_text.assign((size_t)length, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, resource, wideLength, &m_text[0], length, nullptr, nullptr);
    return TRUE;
}
