#include "framework/Time.h"

#include "CStringPrinter.h"

#include <gtest/gtest.h>

TEST(CTime, FieldsRoundTripThroughLocalTime)
{
    CTime t(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 2);
    EXPECT_EQ(t.GetDay(), 29);
    EXPECT_EQ(t.GetHour(), 13);
    EXPECT_EQ(t.GetMinute(), 5);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 5);  // a Thursday

    SYSTEMTIME fields;
    ASSERT_TRUE(t.GetAsSystemTime(fields));
    EXPECT_EQ(CTime(fields), t);
}

TEST(CTime, FromFileTimeKeepsTheMoment)
{
    time_t now = time(nullptr);
    ULONGLONG ticks = ((ULONGLONG)now + 11644473600ULL) * 10000000ULL + 1234567;  // sub-second part
    FILETIME fileTime = {(DWORD)ticks, (DWORD)(ticks >> 32)};
    EXPECT_EQ(CTime(fileTime).GetTime(), now);
    EXPECT_EQ(CTime(FILETIME{0, 0}).GetTime(), 0);
}

TEST(CTime, FormatWithStrftimeDirectives)
{
    CTime t(2007, 3, 4, 5, 6, 7);
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2007-03-04 05:06:07");
    EXPECT_EQ(t.Format("%B %d, %Y   %I:%M:%S %p"), "March 04, 2007   05:06:07 AM");
    EXPECT_EQ(t.Format("%a %j 年"), "Sun 063 年");
    EXPECT_EQ(t.Format("100%% %Q"), "100% %Q");  // an unknown directive stays as text
    EXPECT_EQ(t.Format(""), "");
}

TEST(CTime, ArithmeticAndComparison)
{
    CTime a(2020, 1, 1, 0, 0, 0);
    CTime b = a + CTimeSpan(1, 2, 3, 4);
    EXPECT_EQ((b - a).GetTotalSeconds(), 93784);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(b - CTimeSpan(1, 2, 3, 4) == a);
    b -= CTimeSpan(0, 0, 0, 4);
    EXPECT_EQ(b.GetMinute(), 3);
    EXPECT_EQ(b.GetSecond(), 0);
}

TEST(CTime, UnrepresentableTimeReadsAsZeroFields)
{
    CTime bad(-5);
    EXPECT_EQ(bad.GetYear(), 0);
    EXPECT_EQ(bad.GetDayOfWeek(), 0);
    EXPECT_EQ(bad.Format("%Y"), "");
}

TEST(CTimeSpan, PartsAndTotals)
{
    CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(span.GetDays(), 3);
    EXPECT_EQ(span.GetHours(), 4);
    EXPECT_EQ(span.GetMinutes(), 5);
    EXPECT_EQ(span.GetSeconds(), 6);
    EXPECT_EQ(span.GetTotalHours(), 76);
    EXPECT_EQ(span.GetTotalMinutes(), 76 * 60 + 5);
    EXPECT_EQ(span.GetTotalSeconds(), (76 * 60 + 5) * 60 + 6);
}

TEST(CTimeSpan, Format)
{
    EXPECT_EQ(CTimeSpan(3, 4, 5, 6).Format("%D天 %H:%M:%S 100%%"), "3天 04:05:06 100%");
    EXPECT_EQ(CTimeSpan(0, 0, 0, 59).Format("%M:%S%"), "00:59%");
    EXPECT_EQ(CTimeSpan(12).Format("%X"), "%X");
}
