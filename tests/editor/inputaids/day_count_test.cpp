#include "editor/inputaids/DayCount.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace DayCount;

TEST(DayCount, DayNumbersAroundTheBases)
{
    EXPECT_EQ(date2days(19000101), 693962);
    EXPECT_EQ(date2days(18991231), 693961);
    EXPECT_EQ(days2date(693962), 19000101);
    EXPECT_EQ(days2date(693961), 18991231);
    EXPECT_EQ(date2days(101), 1);
    EXPECT_EQ(days2date(1), 101);
    EXPECT_EQ(days2date(366), 1231); // year 0 is a leap year
    EXPECT_EQ(days2date(367), 10101);
}

TEST(DayCount, DayNumbersRoundTripAcrossCenturies)
{
    // Day by day over spans that hold 29 February, non-leap 1900 and 2100, and leap 2000.
    for (int start : {18990101, 19991201, 20991201, 20231225}) {
        int first = date2days(start);
        for (int n = first; n < first + 800; ++n) {
            int date = days2date(n);
            ASSERT_EQ(date2days(date), n) << date;
            ASSERT_EQ(days2date(n + 1), adddays(date, 1));
        }
    }
    EXPECT_EQ(days2date(date2days(99991231)), 99991231);
    EXPECT_EQ(adddays(20000228, 1), 20000229);
    EXPECT_EQ(adddays(19000228, 1), 19000301);
    EXPECT_EQ(adddays(20240101, -1), 20231231);
}

TEST(DayCount, UnvalidatedPartsCountOn)
{
    // Day 0 is the day before the 1st; day 32 of January is 1 February.
    EXPECT_EQ(date2days(20230100), date2days(20221231));
    EXPECT_EQ(date2days(20230132), date2days(20230201));
}

TEST(DayCount, MonthLengthsAndNormalisation)
{
    struct Case { int year, month, days; } cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2023, 2, 28}, {2024, 2, 29}, {2023, 4, 30},
        {2023, 13, 31}, {2023, 14, 29}, {2023, 0, 31}, {2023, -12, 31}, {2024, -10, 28},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(monthdays(c.year, c.month), c.days) << c.year << "/" << c.month;
        EXPECT_EQ(eomday(c.year, c.month), c.days);
    }
    EXPECT_EQ(yeardays(1900), 365);
    EXPECT_EQ(yeardays(2000), 366);
    EXPECT_EQ(yeardays(2024), 366);
    // Months out of range roll into the neighbouring years, as the month lengths do.
    struct End { int year, month, date; } ends[] = {
        {2023, 2, 20230228}, {2023, 13, 20240131}, {2023, 14, 20240229}, {2023, 25, 20250131},
        {2023, 0, 20221231}, {2024, -10, 20230228}, {2023, -12, 20211231},
    };
    for (const End& e : ends)
        EXPECT_EQ(eomdate(e.year, e.month), e.date) << e.year << "/" << e.month;
}

TEST(DayCount, WeekdaysAndBusinessDays)
{
    EXPECT_EQ(weekday(19000101), 1);
    EXPECT_EQ(weekday(20230101), 0);
    EXPECT_EQ(weekday(20230107), 6);

    const int friday = 20230106, saturday = 20230107, sunday = 20230108, monday = 20230109;
    struct Case { int date, rule, business, next, previous; } cases[] = {
        {friday, kSunSat, 1, monday, 20230105},
        {saturday, kSunSat, 0, monday, friday},
        {sunday, kSunSat, 0, monday, friday},
        {monday, kSunSat, 1, 20230110, friday},
        {friday, kSundayOnly, 1, saturday, 20230105},
        {saturday, kSundayOnly, 1, monday, friday},
        {sunday, kSundayOnly, 0, monday, saturday},
        {monday, kSundayOnly, 1, 20230110, saturday},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isbizdate(c.date, c.rule), c.business) << c.date << " rule " << c.rule;
        EXPECT_EQ(nbizdate(c.date, c.rule), c.next) << c.date << " rule " << c.rule;
        EXPECT_EQ(pbizdate(c.date, c.rule), c.previous) << c.date << " rule " << c.rule;
    }
}

TEST(DayCount, AddMonthsLimitsTheDay)
{
    struct Case { int date, n, eom, result; } cases[] = {
        {20230131, 1, 0, 20230228}, {20240131, 1, 0, 20240229}, {20230315, -3, 0, 20221215},
        {20231130, 2, 0, 20240130}, {20230115, 12, 0, 20240115}, {20230115, -13, 0, 20211215},
        // End-of-month rule: a month's last day maps to the target month's last day.
        {20230228, 1, 1, 20230331}, {20230430, 1, 1, 20230531}, {20230228, 1, 0, 20230328},
        {20230227, 1, 1, 20230327},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addmonths(c.date, c.n, c.eom), c.result) << c.date << " + " << c.n;
    EXPECT_EQ(addterms(20230115, 1, kQuarterly, 0), 20230415);
    EXPECT_EQ(addterms(20230115, -1, kSemiannual, 0), 20220715);
    EXPECT_EQ(addterms(20230115, 1, 5, 0), 20240115); // unknown frequency counts as annual
}

TEST(DayCount, DayCountBases)
{
    EXPECT_EQ(days360(20230115, 20230331, 0), 76);
    EXPECT_EQ(days360(20230115, 20230331, 1), 75);
    EXPECT_EQ(days360(20230331, 20230115, 0), -76);
    EXPECT_EQ(days360(20230131, 20230331, 0), 60);
    EXPECT_EQ(days360(20230130, 20230331, 0), 60);
    EXPECT_EQ(days365(20240228, 20240301), 1);
    EXPECT_EQ(days365(20240229, 20240301), 1); // 29 February counts as the 28th
    EXPECT_EQ(days365(20230101, 20240101), 365);
    EXPECT_EQ(daysact(20240101, 20250101), 366);
    EXPECT_EQ(daysact(20250101, 20240101), -366);

    struct Case { int basis, days; } cases[] = {
        {kActAct, 75}, {kAct360, 75}, {kAct365, 75}, {k30360, 76}, {k30E360, 75}, {kNoLeap365, 75}, {9, 75},
    };
    for (const Case& c : cases)
        EXPECT_EQ(daysbet(20230115, 20230331, c.basis), c.days) << "basis " << c.basis;
}

TEST(DayCount, WholeMonthsAndTerms)
{
    EXPECT_EQ(monthsbet(20230131, 20230228), 0);
    EXPECT_EQ(monthsbet(20230115, 20230415), 3);
    EXPECT_EQ(monthsbet(20230415, 20230115), -3);
    EXPECT_EQ(monthsbet(20230115, 20230414), 2);
    EXPECT_EQ(termsbet(20230115, 20240115, kQuarterly), 4);
    EXPECT_EQ(termsbet(20230115, 20230714, kSemiannual), 0);
    EXPECT_EQ(termsbet(20240115, 20230115, kMonthly), -12);
}

TEST(DayCount, FractionsOfTermsAndYears)
{
    EXPECT_DOUBLE_EQ(yearfrac(20230101, 20230701, kAct365, 0), 181.0 / 365);
    EXPECT_DOUBLE_EQ(yearfrac(20230101, 20230701, k30360, 0), 180.0 / 360);
    EXPECT_DOUBLE_EQ(yearfrac(20230101, 20240101, kActAct, 0), 1.0);
    // Actual/actual divides by the length of the year that ends at d2.
    EXPECT_DOUBLE_EQ(yearfrac(20230101, 20230701, kActAct, 0), 181.0 / 365);
    EXPECT_DOUBLE_EQ(termfrac(20230115, 20230501, kQuarterly, kAct360, 0), 1 + 16.0 / 90);
    EXPECT_DOUBLE_EQ(termfrac(20230115, 20230501, kQuarterly, kActAct, 0), 1 + 16.0 / daysact(20230201, 20230501));
}

TEST(DayCount, TodayIsTheLocalDate)
{
    time_t now = time(nullptr);
    struct tm local = *localtime(&now);
    int expected = (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
    EXPECT_EQ(today(), expected);
}

TEST(DayCount, ExtremeDayNumbersDoNotHang)
{
    // Far-off numbers skip whole 400-year cycles instead of walking year by year.
    int date = days2date(200000000);
    EXPECT_GT(date, 0);
    EXPECT_EQ(days2date(-5), 95); // no meaning given, but no loop and no crash
}
