#include "framework/CString.h"

#include "framework/AppState.h"
#include "framework/Exceptions.h"

#include <cstdio>
#include <vector>

namespace {

// A formatted result beyond this is a runaway format, not text.
const size_t kMaxFormatBytes = 256u * 1024 * 1024;

} // namespace

int CString::Collate(LPCTSTR text) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, 0, m_text.c_str(), -1, text ? text : "", -1) - 2;
}

int CString::CollateNoCase(LPCTSTR text) const
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_text.c_str(), -1,
                            text ? text : "", -1) - 2;
}

void CString::FormatV(LPCTSTR format, va_list args)
{
    if (!format) {
        Empty();
        return;
    }
    // The platform's _vsnprintf returns -1 when the buffer is too small: grow and retry.
    std::vector<char> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int written = _vsnprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written >= 0 && (size_t)written < buffer.size()) {
            m_text.assign(buffer.data(), (size_t)written);
            return;
        }
        size_t next = written >= 0 ? (size_t)written + 1 : buffer.size() * 2;
        if (next > kMaxFormatBytes)
            AfxThrowMemoryException();
        buffer.assign(next, '\0');
    }
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
