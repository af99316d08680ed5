// The line calculator (with its mathematical and date functions) and the line evaluation
// that feeds it. Input: lines of text; the first eight bytes also give dates and counts for
// the date library.
#include "FuzzInput.h"
#include "editor/inputaids/DayCount.h"
#include "editor/inputaids/LineCalculator.h"
#include "editor/inputaids/LineEvaluation.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CLineCalculator calculator;
    for (const std::string& line : FuzzInput::Lines(text)) {
        double value = 0;
        int error = 0;
        calculator.Evaluate(line.c_str(), &value, &error);
        FormatLineEvaluation(line.data(), line.size());
    }

    if (size >= 8) {
        using namespace DayCount;
        int a, b;
        memcpy(&a, data, 4);
        memcpy(&b, data + 4, 4);
        int d1 = days2date(a % 3000000), d2 = b;
        weekday(d1);
        isbizdate(d1, b & 3);
        nbizdate(d1, b & 3);
        pbizdate(d2, a & 3);
        adddays(d1, b % 100000);
        addmonths(d1, b % 10000, a & 1);
        addterms(d1, b % 1000, (a >> 4) & 15, b & 1);
        days360(d1, d2, a & 3);
        daysbet(d1, d2, b & 7);
        monthsbet(d1, d2);
        termsbet(d1, d2, (b >> 8) & 15);
        termfrac(d1, d2, (a >> 8) & 15, b & 7, a & 1);
        yearfrac(d1, d2, a & 7, b & 1);
        eomdate(a % 10000, b % 13);
    }
    return 0;
}
