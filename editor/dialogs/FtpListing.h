#pragma once
#include <cstdint>

#include "framework/CString.h"

// The lines of a LIST reply, taken apart without a socket: the listing the server sends is
// untrusted, and every step here is bounded by the line it is given.

// One line of a LIST reply, taken apart. A line is "mode links owner group size date name";
// the name is the rest of the line, blanks included.
struct FtpListEntry {
    CString mode;
    uint32_t size = 0;
    CString date;
    CString name;
};
// Rewrites a date written "12<month> 5<day> 10:30" by servers with a Korean locale as
// "year.12.5" and cuts a link's " -> target".
CString NormalizeFtpListLine(const CString& line, int year);
bool ParseFtpListLine(const CString& line, FtpListEntry& entry);
// The row for a normalised listing line, or empty when the line gives none.
CString FtpListRow(const CString& line, LPCTSTR filter);
