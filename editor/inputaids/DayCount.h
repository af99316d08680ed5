#pragma once

// Calendar and financial day counts on dates written as yyyymmdd integers and on serial day
// numbers (1 January of year 0 of the proleptic Gregorian calendar is day 1). Date parts are
// not validated: a month or day out of range simply counts on. The functions carry the names
// the line calculator gives them.
namespace DayCount {

// 1 January 1900 as a day number.
constexpr int kDay19000101 = 693962;

// Payment frequencies (terms per year); any other value counts as annual.
constexpr int kAnnual = 1, kSemiannual = 2, kQuarterly = 4, kBimonthly = 6, kMonthly = 12;
// Day-count bases; any other value counts as actual/actual.
constexpr int kActAct = 0, kAct360 = 1, kAct365 = 2, k30360 = 3, k30E360 = 4, kNoLeap365 = 5;
// Weekend rules: Saturday and Sunday, or (any other value) Sunday only.
constexpr int kSunSat = 6, kSundayOnly = 0;

int today();
int yeardays(int year);
int monthdays(int year, int month);
int eomday(int year, int month);
int eomdate(int year, int month);
int date2days(int date);
int days2date(int number);
int weekday(int date);
int isbizdate(int date, int rule);
int nbizdate(int date, int rule);
int pbizdate(int date, int rule);
int adddays(int date, int n);
int addmonths(int date, int n, int eom);
int addterms(int date, int n, int frequency, int eom);
int days360(int d1, int d2, int method);
int days365(int d1, int d2);
int daysact(int d1, int d2);
int daysbet(int d1, int d2, int basis);
int monthsbet(int d1, int d2);
int termsbet(int d1, int d2, int frequency);
double termfrac(int d1, int d2, int frequency, int basis, int eom);
double yearfrac(int d1, int d2, int basis, int eom);

} // namespace DayCount
