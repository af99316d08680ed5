#pragma once
#include "framework/CString.h"

#include <ostream>

// Lets GoogleTest show a CString's text in failure messages.
inline void PrintTo(const CString& s, std::ostream* os)
{
    *os << '"' << (LPCTSTR)s << '"';
}
