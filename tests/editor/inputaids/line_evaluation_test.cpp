#include "editor/inputaids/LineEvaluation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Format(const std::string& line)
{
    return FormatLineEvaluation(line.data(), line.size());
}

} // namespace

TEST(LineEvaluation, ResultLines)
{
    struct Case { const char* line; const char* result; } cases[] = {
        {"1 + 2 * 3", "$结果 = 7"},
        {"1 / 4", "$结果 = 0.250000"},
        {"-7 / 2", "$结果 = -3.500000"},
        {"2 3", "出错(3): wrong syntax"},
        {"$x", "出错(1): variable not defined"},
        {"  pi", "出错(3): function not defined"},
        {"max(1)", "出错(1): function argument count"},
        {"2+", "出错(3): wrong syntax"},
        {"", "$结果 = 0"},
        {"1e3", "出错(2): wrong syntax"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.line), c.result) << c.line;
}

TEST(LineEvaluation, HugeValuesFitTheResultLine)
{
    std::string result = Format("pow(10, 308)");
    const char* head = "$结果 = 1000";
    ASSERT_EQ(result.compare(0, strlen(head), head), 0) << result;
    EXPECT_EQ(result.size(), strlen("$结果 = ") + 309);
}

TEST(LineEvaluation, WholeValuesBeyondAnyIntegerTypeAndNonNumbers)
{
    struct Case { const char* line; const char* result; } cases[] = {
        {"pow(2, 63)", "$结果 = 9223372036854775808"},
        {"-pow(2, 63)", "$结果 = -9223372036854775808"},
        {"pow(2, 64) + 0.5", "$结果 = 18446744073709551616"},
        {"pow(2, 62) + 0.5", "$结果 = 4611686018427387904"},
        {"sqrt(-1)", "$结果 = nan"},
        {"1 / 0", "$结果 = inf"},
        {"-1 / 0", "$结果 = -inf"},
        {"log(0)", "$结果 = -inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.line), c.result) << c.line;
}

TEST(LineEvaluation, StopsAtAZeroByte)
{
    std::string line("1+1\0garbage", 11);
    EXPECT_EQ(Format(line), "$结果 = 2");
}

TEST(LineEvaluation, LongLineIsCutOnACharacterBoundary)
{
    // 2046 bytes of "1+", then a double-byte character straddling the 2047-byte work area.
    std::string line;
    while (line.size() < 2044)
        line += "1+";
    line += "1 ";
    ASSERT_EQ(line.size(), 2046u);
    line += "中";
    line += std::string(100, '9');
    // The character is left out whole, so the cut text ends in a blank and is well formed.
    EXPECT_EQ(Format(line), "$结果 = 1023");

    // Without the character the same cut falls inside a number run, which still evaluates.
    std::string plain;
    while (plain.size() < 2046)
        plain += "1+";
    plain += "1";
    plain += std::string(100, '9');
    EXPECT_EQ(Format(plain), "$结果 = 1024");
}
