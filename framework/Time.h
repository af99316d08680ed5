#pragma once
#include <windows.h>

#include "framework/CString.h"

#include <ctime>

// A span of whole seconds, possibly negative.
class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(time_t seconds) : m_span(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds);

    LONG GetDays() const { return (LONG)(m_span / 86400); }
    LONG GetTotalHours() const { return (LONG)(m_span / 3600); }
    int GetHours() const { return (int)(GetTotalHours() - GetDays() * 24); }
    LONG GetTotalMinutes() const { return (LONG)(m_span / 60); }
    int GetMinutes() const { return (int)(GetTotalMinutes() - GetTotalHours() * 60); }
    LONG GetTotalSeconds() const { return (LONG)m_span; }
    int GetSeconds() const { return (int)(m_span - (time_t)GetTotalMinutes() * 60); }
    time_t GetTimeSpan() const { return m_span; }

    // %D days, %H hours (00-23), %M minutes, %S seconds, %% a percent sign; other text is
    // copied as it is.
    CString Format(LPCTSTR format) const;

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    CTimeSpan& operator+=(CTimeSpan other) { m_span += other.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan other) { m_span -= other.m_span; return *this; }
    bool operator==(CTimeSpan other) const { return m_span == other.m_span; }
    bool operator!=(CTimeSpan other) const { return m_span != other.m_span; }
    bool operator<(CTimeSpan other) const { return m_span < other.m_span; }
    bool operator>(CTimeSpan other) const { return m_span > other.m_span; }
    bool operator<=(CTimeSpan other) const { return m_span <= other.m_span; }
    bool operator>=(CTimeSpan other) const { return m_span >= other.m_span; }

private:
    time_t m_span = 0;
};

// A moment in whole seconds since 1970 UTC; the Get members and Format show local time.
// A time that cannot be represented (before 1970, invalid fields) is 0 or -1 as mktime
// gives it, and its fields read as zero.
class CTime {
public:
    CTime() = default;
    CTime(time_t time) : m_time(time) {}
    // Local time fields; dst -1 lets the platform decide.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    CTime(const SYSTEMTIME& localTime, int dst = -1);
    // A file time (UTC) shown as local time, as file listings do.
    CTime(const FILETIME& fileTime, int dst = -1);

    static CTime GetCurrentTime();

    time_t GetTime() const { return m_time; }
    int GetYear() const { return LocalField(&tm::tm_year) + (Valid() ? 1900 : 0); }
    int GetMonth() const { return LocalField(&tm::tm_mon) + (Valid() ? 1 : 0); }
    int GetDay() const { return LocalField(&tm::tm_mday); }
    int GetHour() const { return LocalField(&tm::tm_hour); }
    int GetMinute() const { return LocalField(&tm::tm_min); }
    int GetSecond() const { return LocalField(&tm::tm_sec); }
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const { return LocalField(&tm::tm_wday) + (Valid() ? 1 : 0); }
    BOOL GetAsSystemTime(SYSTEMTIME& localTime) const;

    // strftime directives in local time and UTC.
    CString Format(LPCTSTR format) const;
    CString FormatGmt(LPCTSTR format) const;

    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    bool LocalTm(tm& result) const;
    bool Valid() const { tm t; return LocalTm(t); }
    int LocalField(int tm::*field) const;

    time_t m_time = 0;
};
