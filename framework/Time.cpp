#include "framework/Time.h"

#include <cstring>
#include <vector>

namespace {

// The platform's strftime may stop the program on a directive it does not know: such a
// directive is passed through as text instead.
CString EscapeUnknownDirectives(LPCTSTR format)
{
    static const char kKnown[] = "aAbBcdHIjmMpSUwWxXyYzZ%";
    CString safe;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            safe += *p;
            continue;
        }
        const char* directive = p + 1;
        if (*directive == '#')
            ++directive;
        if (*directive != '\0' && strchr(kKnown, *directive)) {
            safe += CString(p, (int)(directive - p + 1));
            p = directive;
        } else {
            safe += "%%";
        }
    }
    return safe;
}

// strftime gives 0 both for an empty result and for a buffer too small: retry larger a few
// times, then settle for empty.
CString FormatTm(LPCTSTR format, const tm& fields)
{
    if (!format || !*format)
        return CString();
    CString safe = EscapeUnknownDirectives(format);
    for (size_t size = 256; size <= 65536; size *= 16) {
        std::vector<char> buffer(size);
        size_t length = strftime(buffer.data(), size, safe, &fields);
        if (length > 0)
            return CString(buffer.data(), (int)length);
    }
    return CString();
}

} // namespace

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds)
    : m_span((time_t)seconds + 60 * ((time_t)minutes + 60 * ((time_t)hours + 24 * (time_t)days)))
{
}

CString CTimeSpan::Format(LPCTSTR format) const
{
    CString result;
    if (!format)
        return result;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            result += *p;
            continue;
        }
        CString piece;
        switch (*++p) {
        case 'D': piece.Format("%ld", GetDays()); break;
        case 'H': piece.Format("%02d", GetHours()); break;
        case 'M': piece.Format("%02d", GetMinutes()); break;
        case 'S': piece.Format("%02d", GetSeconds()); break;
        case '%': piece = "%"; break;
        default: piece = CString('%') + *p; break;
        }
        result += piece;
    }
    return result;
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
{
    tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst;
    m_time = mktime(&fields);
}

CTime::CTime(const SYSTEMTIME& localTime, int dst)
    : CTime(localTime.wYear, localTime.wMonth, localTime.wDay, localTime.wHour, localTime.wMinute,
            localTime.wSecond, dst)
{
}

CTime::CTime(const FILETIME& fileTime, int dst)
{
    FILETIME local;
    SYSTEMTIME fields;
    if ((fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0)
        || !::FileTimeToLocalFileTime(&fileTime, &local) || !::FileTimeToSystemTime(&local, &fields)) {
        m_time = 0;
        return;
    }
    *this = CTime(fields, dst);
}

CTime CTime::GetCurrentTime()
{
    return CTime(time(nullptr));
}

bool CTime::LocalTm(tm& result) const
{
    if (m_time < 0)
        return false;
    const tm* fields = localtime(&m_time);
    if (!fields)
        return false;
    result = *fields;
    return true;
}

int CTime::LocalField(int tm::*field) const
{
    tm fields;
    return LocalTm(fields) ? fields.*field : 0;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& localTime) const
{
    tm fields;
    if (!LocalTm(fields))
        return FALSE;
    localTime = SYSTEMTIME();
    localTime.wYear = (WORD)(fields.tm_year + 1900);
    localTime.wMonth = (WORD)(fields.tm_mon + 1);
    localTime.wDayOfWeek = (WORD)fields.tm_wday;
    localTime.wDay = (WORD)fields.tm_mday;
    localTime.wHour = (WORD)fields.tm_hour;
    localTime.wMinute = (WORD)fields.tm_min;
    localTime.wSecond = (WORD)fields.tm_sec;
    return TRUE;
}

CString CTime::Format(LPCTSTR format) const
{
    tm fields;
    return LocalTm(fields) ? FormatTm(format, fields) : CString();
}

CString CTime::FormatGmt(LPCTSTR format) const
{
    if (m_time < 0)
        return CString();
    const tm* fields = gmtime(&m_time);
    return fields ? FormatTm(format, *fields) : CString();
}
