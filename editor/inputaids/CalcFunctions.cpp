#include "editor/inputaids/CalcFunctions.h"

#include "editor/inputaids/DayCount.h"

#include <climits>
#include <cmath>

namespace CalcFunctions {
namespace {

const FunctionName kNames[] = {
    {"abs", 1}, {"绝对值", 1}, {"fabs", 1},
    {"mod", 2}, {"模除", 2}, {"fmod", 2},
    {"ceil", 3}, {"向上取整", 3},
    {"floor", 4}, {"向下取整", 4},
    {"round", 5}, {"四舍五入", 5},
    {"min", 6}, {"取小值", 6},
    {"max", 7}, {"取大值", 7},
    {"acos", 8}, {"反余弦", 8},
    {"asin", 9}, {"反正弦", 9},
    {"atan", 10}, {"反正切", 10},
    {"atan2", 11}, {"反正切2", 11},
    {"cos", 12}, {"余弦", 12},
    {"sin", 13}, {"正弦", 13},
    {"tan", 14}, {"正切", 14},
    {"cosh", 15}, {"双曲余弦", 15},
    {"sinh", 16}, {"双曲正弦", 16},
    {"tanh", 17}, {"双曲正切", 17},
    {"exp", 18}, {"指数运算", 18},
    {"log", 19}, {"对数运算", 19},
    {"log10", 20}, {"对数运算10", 20},
    {"pow", 21}, {"次方运算", 21},
    {"sqr", 22}, {"求平方", 22},
    {"sqrt", 23}, {"求平方根", 23},
    {"today", 24},
    {"yeardays", 25},
    {"monthdays", 32},
    {"date2days", 33},
    {"days2date", 34},
    {"eomday", 35},
    {"eomdate", 36},
    {"weekday", 37},
    {"isbizdate", 38},
    {"nbizdate", 39},
    {"pbizdate", 40},
    {"adddays", 41},
    {"addmonths", 48},
    {"addterms", 49},
    {"days360", 50},
    {"days365", 51},
    {"daysact", 52},
    {"daysbet", 53},
    {"monthsbet", 54},
    {"termsbet", 55},
    {"termfrac", 56},
    {"yearfrac", 57},
};

struct Arity {
    int code, least, most;
};

const Arity kArities[] = {
    {1, 1, 1}, {2, 2, 2}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 2, 2}, {7, 2, 2},
    {8, 1, 1}, {9, 1, 1}, {10, 1, 1}, {11, 2, 2}, {12, 1, 1}, {13, 1, 1}, {14, 1, 1},
    {15, 1, 1}, {16, 1, 1}, {17, 1, 1}, {18, 1, 1}, {19, 1, 1}, {20, 1, 1}, {21, 2, 2},
    {22, 1, 1}, {23, 1, 1}, {24, 0, 0}, {25, 1, 1}, {32, 2, 2}, {33, 1, 1}, {34, 1, 1},
    {35, 2, 2}, {36, 2, 2}, {37, 1, 1}, {38, 1, 2}, {39, 1, 2}, {40, 1, 2}, {41, 2, 2},
    {48, 2, 3}, {49, 3, 4}, {50, 2, 3}, {51, 2, 2}, {52, 2, 2}, {53, 2, 3}, {54, 2, 2},
    {55, 3, 3}, {56, 3, 5}, {57, 2, 4},
};

const Arity* FindArity(int code)
{
    for (const Arity& arity : kArities)
        if (arity.code == code)
            return &arity;
    return nullptr;
}

// Dates, counts and flags are integers: truncated toward zero, saturated at the int range.
int ToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= (double)INT_MAX)
        return INT_MAX;
    if (value <= (double)INT_MIN)
        return INT_MIN;
    return (int)value;
}

// Argument i, or the default when the caller left it out.
int IntArgument(int count, const double* arguments, int index, int fallback)
{
    return index < count ? ToInt(arguments[index]) : fallback;
}

double CallMath(int code, const double* a)
{
    switch (code) {
    case 1: return std::fabs(a[0]);
    case 2: return std::fmod(a[0], a[1]);
    case 3: return std::ceil(a[0]);
    case 4: return std::floor(a[0]);
    case 5: return std::floor(a[0] + 0.5);
    case 6: return a[0] >= a[1] ? a[1] : a[0];
    case 7: return a[0] > a[1] ? a[0] : a[1];
    case 8: return std::acos(a[0]);
    case 9: return std::asin(a[0]);
    case 10: return std::atan(a[0]);
    case 11: return std::atan2(a[0], a[1]);
    case 12: return std::cos(a[0]);
    case 13: return std::sin(a[0]);
    case 14: return std::tan(a[0]);
    case 15: return std::cosh(a[0]);
    case 16: return std::sinh(a[0]);
    case 17: return std::tanh(a[0]);
    case 18: return std::exp(a[0]);
    case 19: return std::log(a[0]);
    case 20: return std::log10(a[0]);
    case 21: return std::pow(a[0], a[1]);
    case 22: return a[0] * a[0];
    case 23: return std::sqrt(a[0]);
    default: return 0;
    }
}

double CallDate(int code, int count, const double* a)
{
    using namespace DayCount;
    auto arg = [&](int index, int fallback) { return IntArgument(count, a, index, fallback); };
    switch (code) {
    case 24: return today();
    case 25: return yeardays(arg(0, 0));
    case 32: return monthdays(arg(0, 0), arg(1, 0));
    case 33: return date2days(arg(0, 0));
    case 34: return days2date(arg(0, 0));
    case 35: return eomday(arg(0, 0), arg(1, 0));
    case 36: return eomdate(arg(0, 0), arg(1, 0));
    case 37: return weekday(arg(0, 0));
    case 38: return isbizdate(arg(0, 0), arg(1, kSunSat));
    case 39: return nbizdate(arg(0, 0), arg(1, kSunSat));
    case 40: return pbizdate(arg(0, 0), arg(1, kSunSat));
    case 41: return adddays(arg(0, 0), arg(1, 0));
    case 48: return addmonths(arg(0, 0), arg(1, 0), arg(2, 0));
    case 49: return addterms(arg(0, 0), arg(1, 0), arg(2, 0), arg(3, 0));
    case 50: return days360(arg(0, 0), arg(1, 0), arg(2, 0));
    case 51: return days365(arg(0, 0), arg(1, 0));
    case 52: return daysact(arg(0, 0), arg(1, 0));
    case 53: return daysbet(arg(0, 0), arg(1, 0), arg(2, kActAct));
    case 54: return monthsbet(arg(0, 0), arg(1, 0));
    case 55: return termsbet(arg(0, 0), arg(1, 0), arg(2, 0));
    case 56: return termfrac(arg(0, 0), arg(1, 0), arg(2, 0), arg(3, kActAct), arg(4, 0));
    case 57: return yearfrac(arg(0, 0), arg(1, 0), arg(2, kActAct), arg(3, 0));
    default: return 0;
    }
}

} // namespace

const FunctionName* FunctionNames()
{
    return kNames;
}

int FunctionNameCount()
{
    return (int)(sizeof kNames / sizeof kNames[0]);
}

bool CallFunction(int code, int count, const double* arguments, double* result)
{
    const Arity* arity = FindArity(code);
    if (!arity || count < arity->least || count > arity->most)
        return false;
    *result = code <= 23 ? CallMath(code, arguments) : CallDate(code, count, arguments);
    return true;
}

} // namespace CalcFunctions
