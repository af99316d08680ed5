#include "editor/inputaids/LineEvaluation.h"

#include "editor/inputaids/GbkBytes.h"
#include "editor/inputaids/LineCalculator.h"

#include <cmath>
#include <cstdio>
#include <cstring>

std::string FormatLineEvaluation(const char* line, size_t length)
{
    char work[kLineWorkAreaSize];
    const char* end = line ? (const char*)memchr(line, '\0', length) : nullptr;
    size_t textLength = line ? (end ? (size_t)(end - line) : length) : 0;
    size_t kept = GbkBytes::CutAtCharBoundary(line, textLength, sizeof work - 1);
    if (kept)
        memcpy(work, line, kept);
    work[kept] = '\0';

    double value = 0;
    int error = 0;
    const char* stop = CalcEvaluate(work, &value, &error);

    // %.0f of the largest double needs 309 digits.
    char result[512];
    if (error != kCalcSuccess)
        snprintf(result, sizeof result, "出错(%d): %s", (int)(stop - work) + 1, CalcErrorText(error));
    else if (std::isnan(value))
        snprintf(result, sizeof result, "$结果 = nan");
    else if (std::isinf(value))
        snprintf(result, sizeof result, "$结果 = %s", value < 0 ? "-inf" : "inf");
    else if (value == std::floor(value))
        snprintf(result, sizeof result, "$结果 = %.0f", value);
    else
        snprintf(result, sizeof result, "$结果 = %f", value);
    result[sizeof result - 1] = '\0';
    return result;
}
