#pragma once
#include <cstdint>
#include <functional>

#include "framework/Collections.h"
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
// The row of a listing line ("D/name/N" a folder, "D/name/L" a link, "F/name/size" a file
// the filter lets through), or empty when the line gives none; year stands in a Korean
// date, which has none.
CString FtpListRow(const CString& line, LPCTSTR filter, int year);
// The rows of a listing's lines, in order. Asks `stopped` before each line: true stops
// the work and gives false with the rows untouched.
bool FtpListRows(const CStringArray& lines, LPCTSTR filter, const std::function<bool()>& stopped, CStringArray& rows);
// The year of the local date now; read without the C library's shared buffer, so any
// thread may ask.
int CurrentLocalYear();
