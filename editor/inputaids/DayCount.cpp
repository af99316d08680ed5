#include "editor/inputaids/DayCount.h"

#include <climits>
#include <ctime>

namespace DayCount {
namespace {

const int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days in any 400 consecutive years: the calendar repeats with this period.
const int kDaysPer400Years = 146097;

struct DateParts {
    int year, month, day;
};

DateParts Split(int date)
{
    return {date / 10000, (date % 10000) / 100, date % 100};
}

// Results are ints like the dates they stand for; values beyond that range saturate rather
// than wrap.
int Saturate(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return (int)value;
}

int Join(long long year, long long month, long long day)
{
    return Saturate(year * 10000 + month * 100 + day);
}

bool IsLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Month 0 is December of the year before, month 13 January of the year after.
void NormaliseMonth(long long& year, long long& month)
{
    if (month <= 0) {
        year -= (12 - month) / 12;
        month = 12 - ((12 - month) % 12);
    } else if (month > 12) {
        year += (month - 1) / 12;
        month = ((month - 1) % 12) + 1;
    }
}

int MonthLength(long long year, long long month)
{
    NormaliseMonth(year, month);
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kMonthLengths[month - 1];
}

// Days in the years 0 to year - 1 (year 0 is a leap year).
long long DaysBeforeYear(long long year)
{
    if (year <= 0)
        return 0;
    return 365 * year + (year + 3) / 4 - (year + 99) / 100 + (year + 399) / 400;
}

int NormaliseFrequency(int frequency)
{
    switch (frequency) {
    case kAnnual: case kSemiannual: case kQuarterly: case kBimonthly: case kMonthly:
        return frequency;
    default:
        return kAnnual;
    }
}

int NormaliseBasis(int basis)
{
    return basis >= kActAct && basis <= kNoLeap365 ? basis : kActAct;
}

// Non-leap days of the months before the given month.
long long NoLeapDaysBeforeMonth(long long month)
{
    if (month < 1)
        return 0;
    long long days = 365 * ((month - 1) / 12);
    for (int m = 0; m < (month - 1) % 12; ++m)
        days += kMonthLengths[m];
    return days;
}

} // namespace

int today()
{
    time_t now = time(nullptr);
    const struct tm* local = localtime(&now);
    if (!local)
        return 0;
    return local->tm_year * 10000 + local->tm_mon * 100 + local->tm_mday + 19000100;
}

int yeardays(int year)
{
    return IsLeapYear(year) ? 366 : 365;
}

int monthdays(int year, int month)
{
    return MonthLength(year, month);
}

int eomday(int year, int month)
{
    return monthdays(year, month);
}

int eomdate(int year, int month)
{
    long long y = year, m = month;
    NormaliseMonth(y, m);
    return Join(y, m, MonthLength(y, m));
}

int date2days(int date)
{
    DateParts parts = Split(date);
    long long days = DaysBeforeYear(parts.year);
    for (int month = 1; month < parts.month; ++month)
        days += MonthLength(parts.year, month);
    return Saturate(days + parts.day);
}

int days2date(int number)
{
    long long year = 0;
    long long remainder = number;
    if (number >= kDay19000101) {
        year = 1900;
        remainder = (long long)number - (kDay19000101 - 1);
    }
    if (remainder > kDaysPer400Years) {
        long long cycles = (remainder - 1) / kDaysPer400Years;
        year += 400 * cycles;
        remainder -= cycles * kDaysPer400Years;
    }
    while (remainder > (IsLeapYear(year) ? 366 : 365)) {
        remainder -= IsLeapYear(year) ? 366 : 365;
        ++year;
    }
    int month = 1;
    while (remainder > MonthLength(year, month)) {
        remainder -= MonthLength(year, month);
        ++month;
    }
    return Join(year, month, remainder);
}

int weekday(int date)
{
    long long w = ((long long)date2days(date) + 5) % 7;
    return (int)(w < 0 ? w + 7 : w);
}

int isbizdate(int date, int rule)
{
    int w = weekday(date);
    if (w == 0 || (rule == kSunSat && w == 6))
        return 0;
    return 1;
}

int nbizdate(int date, int rule)
{
    int w = weekday(date);
    if (rule == kSunSat && w == 5)
        return adddays(date, 3);
    if (w == 6)
        return adddays(date, 2);
    return adddays(date, 1);
}

int pbizdate(int date, int rule)
{
    int w = weekday(date);
    if (rule == kSunSat) {
        if (w == 1)
            return adddays(date, -3);
        if (w == 0)
            return adddays(date, -2);
        return adddays(date, -1);
    }
    if (w == 1)
        return adddays(date, -2);
    return adddays(date, -1);
}

int adddays(int date, int n)
{
    return days2date(Saturate((long long)date2days(date) + n));
}

int addmonths(int date, int n, int eom)
{
    DateParts parts = Split(date);
    long long year = parts.year;
    long long month = (long long)parts.month + n;
    NormaliseMonth(year, month);
    int length = MonthLength(year, month);
    // End-of-month rule: the last day of a month maps to the last day of the target month.
    bool startsAtMonthEnd = parts.day == MonthLength(parts.year, parts.month);
    long long day = (eom == 1 && startsAtMonthEnd) ? length : parts.day;
    if (day > length)
        day = length;
    return Join(year, month, day);
}

int addterms(int date, int n, int frequency, int eom)
{
    long long months = (long long)n * (12 / NormaliseFrequency(frequency));
    return addmonths(date, Saturate(months), eom);
}

int days360(int d1, int d2, int method)
{
    DateParts a = Split(d1 < d2 ? d1 : d2);
    DateParts b = Split(d1 < d2 ? d2 : d1);
    if (method == 0 && b.day == 31 && a.day < 30) {
        b.day = 1;
        b.month += 1;
    } else if (b.day == 31) {
        b.day = 30;
    }
    if (a.day == 31)
        a.day = 30;
    long long count = ((long long)(b.year - a.year) * 12 + b.month - a.month) * 30 + b.day - a.day;
    return Saturate(d1 > d2 ? -count : count);
}

int days365(int d1, int d2)
{
    DateParts a = Split(d1);
    DateParts b = Split(d2);
    if (a.month == 2 && a.day == 29)
        a.day = 28;
    if (b.month == 2 && b.day == 29)
        b.day = 28;
    long long count = (long long)(b.year - a.year) * 365 + NoLeapDaysBeforeMonth(b.month) + b.day
                      - NoLeapDaysBeforeMonth(a.month) - a.day;
    return Saturate(count);
}

int daysact(int d1, int d2)
{
    return Saturate((long long)date2days(d2) - date2days(d1));
}

int daysbet(int d1, int d2, int basis)
{
    switch (NormaliseBasis(basis)) {
    case k30360:
        return days360(d1, d2, 0);
    case k30E360:
        return days360(d1, d2, 1);
    case kNoLeap365:
        return days365(d1, d2);
    default:
        return daysact(d1, d2);
    }
}

int monthsbet(int d1, int d2)
{
    DateParts a = Split(d1 < d2 ? d1 : d2);
    DateParts b = Split(d1 < d2 ? d2 : d1);
    long long months = (long long)(b.year - a.year) * 12 + b.month - a.month;
    if (b.day < a.day)
        months -= 1;
    return Saturate(d1 > d2 ? -months : months);
}

int termsbet(int d1, int d2, int frequency)
{
    return monthsbet(d1, d2) / (12 / NormaliseFrequency(frequency));
}

double termfrac(int d1, int d2, int frequency, int basis, int eom)
{
    frequency = NormaliseFrequency(frequency);
    basis = NormaliseBasis(basis);
    int terms = termsbet(d1, d2, frequency);
    double rest = daysbet(addterms(d1, terms, frequency, eom), d2, basis);
    switch (basis) {
    case kActAct: {
        int termLength = daysact(addterms(d2, -1, frequency, 0), d2);
        return terms + rest / termLength;
    }
    case kAct365:
    case kNoLeap365:
        return terms + rest / (365.0 / frequency);
    default:
        return terms + rest / (360.0 / frequency);
    }
}

double yearfrac(int d1, int d2, int basis, int eom)
{
    return termfrac(d1, d2, kAnnual, basis, eom);
}

} // namespace DayCount
