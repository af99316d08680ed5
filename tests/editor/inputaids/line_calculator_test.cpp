#include "editor/inputaids/LineCalculator.h"

#include "editor/inputaids/DayCount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Result {
    double value;
    int error;
    int stop; // offset of the stop position in the text
};

Result Evaluate(CLineCalculator& calc, const char* text)
{
    Result r{};
    const char* stop = calc.Evaluate(text, &r.value, &r.error);
    r.stop = (int)(stop - text);
    return r;
}

} // namespace

TEST(LineCalculator, ValuesAndPrecedence)
{
    struct Case { const char* text; double value; } cases[] = {
        {"1 + 2 * 3", 7}, {"(1 + 2) * 3", 9}, {"7 % 3", 1}, {"-7 % 3", -1}, {"2+-3", -1},
        {"10 - 4 - 3", 3}, {"8 / 4 / 2", 1}, {"\t 2*(3+(4-1)) ", 12}, {"+5", 5}, {"-(2+3)", -5},
        {"1.5.2", 1.5}, {"007", 7}, {"3.", 3}, {"2 - -3", 5},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, kCalcSuccess) << c.text;
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.stop, (int)strlen(c.text)) << c.text;
    }
}

TEST(LineCalculator, ErrorsStopAtTheOffendingPlace)
{
    struct Case { const char* text; int error; int stop; } cases[] = {
        {"2 3", kCalcWrongSyntax, 2},
        {"2*-3", kCalcWrongSyntax, 2},
        {"--2", kCalcWrongSyntax, 1},
        {"(1 + 2", kCalcWrongSyntax, 6},
        {"1 + )", kCalcWrongSyntax, 4},
        {".5", kCalcWrongSyntax, 0},
        {"2 # 3", kCalcWrongSyntax, 2},
        {"$", kCalcWrongSyntax, 1},
        {"$ pi", kCalcWrongSyntax, 1},
        {"$x + 1", kCalcUndefinedVariable, 0},
        {"1 + pi", kCalcUndefinedFunction, 4},
        {"nosuch(1)", kCalcUndefinedFunction, 0},
        {"today", kCalcWrongSyntax, 5},
        {"max(1, 2", kCalcWrongSyntax, 8},
        {"max(1 2)", kCalcWrongSyntax, 6},
        {"max(1)", kCalcArgumentCount, 0},
        {"2 + max(1, 2, 3)", kCalcArgumentCount, 4},
        {"today(1)", kCalcArgumentCount, 0},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.stop, c.stop) << c.text;
        EXPECT_EQ(r.value, 0) << c.text;
    }
}

TEST(LineCalculator, ConstantsAreCaseInsensitive)
{
    struct Case { const char* text; double value; } cases[] = {
        {"$PI * 2", 6.283185307}, {"$pi", 3.1415926535}, {"$Monthly", 12}, {"$30E360", 4},
        {"$nl365 + $actual", 5}, {"$sunsat", 6}, {"$endofmonth", 1}, {"$quarterly", 4},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, kCalcSuccess) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-9) << c.text;
    }
}

TEST(LineCalculator, Functions)
{
    struct Case { const char* text; double value; } cases[] = {
        {"max(1, 2)", 2}, {"MIN(4, 3)", 3}, {"round(2.5)", 3}, {"round(-2.5)", -2},
        {"abs(-3) + fabs(-1)", 4}, {"mod(-7, 3)", -1}, {"fmod(7.5, 2)", 1.5},
        {"ceil(1.2)", 2}, {"floor(-1.2)", -2}, {"sqr(3)", 9}, {"sqrt(16)", 4},
        {"pow(2, 10)", 1024}, {"log10(1000)", 3}, {"exp(0)", 1}, {"log(1)", 0},
        {"atan2(1, 1) * 4", 3.14159265358979}, {"反正切2(1, -1)", 2.35619449019234},
        {"cos(0) + sin(0) + tan(0)", 1}, {"cosh(0) + sinh(0) + tanh(0)", 1},
        {"acos(1) + asin(0) + atan(0)", 0},
        {"max ( 1 , max(2, 3) )", 3},
        {"date2days(19000101)", 693962}, {"days2date(693962)", 19000101},
        {"weekday(20230101)", 0}, {"yeardays(2000)", 366}, {"monthdays(2023, 13)", 31},
        {"eomdate(2023, 2)", 20230228}, {"eomday(2024, 2)", 29},
        {"isbizdate(20230107)", 0}, {"isbizdate(20230107, $sunday)", 1},
        {"nbizdate(20230106)", 20230109}, {"nbizdate(20230106, 0)", 20230107},
        {"pbizdate(20230109)", 20230106}, {"adddays(20231231, 1)", 20240101},
        {"addmonths(20230131, 1)", 20230228}, {"addmonths(20230228, 1, $endofmonth)", 20230331},
        {"addterms(20230115, 1, $quarterly)", 20230415},
        {"days360(20230115, 20230331)", 76}, {"days360(20230115, 20230331, 1)", 75},
        {"days365(20230101, 20240101)", 365}, {"daysact(20240101, 20250101)", 366},
        {"daysbet(20230115, 20230331)", 75}, {"daysbet(20230115, 20230331, $30360)", 76},
        {"monthsbet(20230115, 20230415)", 3}, {"termsbet(20230115, 20240115, $quarterly)", 4},
        {"yearfrac(20230101, 20230701, $act365)", 181.0 / 365},
        {"termfrac(20230115, 20230501, 4, $act360)", 1 + 16.0 / 90},
        {"date2days(19000101.9)", 693962},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, kCalcSuccess) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-9) << c.text;
    }
    Result today = Evaluate(calc, "today()");
    EXPECT_EQ(today.error, kCalcSuccess);
    EXPECT_EQ(today.value, DayCount::today());
}

TEST(LineCalculator, EveryFunctionRefusesAWrongArgumentCount)
{
    const char* calls[] = {
        "abs()", "mod(1)", "min(1)", "atan2(1)", "反正切2(1)", "pow(1,2,3)", "yeardays()", "monthdays(2023)",
        "isbizdate()", "isbizdate(1,2,3)", "addmonths(1)", "addmonths(1,2,3,4)", "addterms(1,2)",
        "addterms(1,2,3,4,5)", "days360(1)", "days360(1,2,3,4)", "daysbet(1,2,3,4)",
        "termsbet(1,2)", "termfrac(1,2)", "termfrac(1,2,3,4,5,6)", "yearfrac(1)", "yearfrac(1,2,3,4,5)",
    };
    CLineCalculator calc;
    for (const char* call : calls)
        EXPECT_EQ(Evaluate(calc, call).error, kCalcArgumentCount) << call;
}

TEST(LineCalculator, AnsKeepsTheLastSuccess)
{
    CLineCalculator calc;
    EXPECT_EQ(Evaluate(calc, "6*7").value, 42);
    EXPECT_EQ(Evaluate(calc, "$ans + 1").value, 43);
    EXPECT_EQ(Evaluate(calc, "1 +").error, kCalcWrongSyntax);
    EXPECT_EQ(Evaluate(calc, "$ANS").value, 43);
    // A blank line is worth 0 and becomes ans.
    Result blank = Evaluate(calc, " \t ");
    EXPECT_EQ(blank.error, kCalcSuccess);
    EXPECT_EQ(blank.value, 0);
    EXPECT_EQ(blank.stop, 3);
    EXPECT_EQ(Evaluate(calc, "$ans").value, 0);
    EXPECT_EQ(Evaluate(calc, "").error, kCalcSuccess);
}

TEST(LineCalculator, DivisionByZeroIsNoCalculatorError)
{
    CLineCalculator calc;
    Result r = Evaluate(calc, "1 / 0");
    EXPECT_EQ(r.error, kCalcSuccess);
    EXPECT_TRUE(r.value > 1e308);
}

TEST(LineCalculator, MissingOperandIsWrongSyntax)
{
    struct Case { const char* text; int stop; } cases[] = {
        {"2+", 2}, {"3*", 2}, {"-", 1}, {"+", 1}, {"2 - ", 4}, {"(", 1}, {"max(1,", 6}, {"7 %", 3},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, kCalcWrongSyntax) << c.text;
        EXPECT_EQ(r.stop, c.stop) << c.text;
        EXPECT_EQ(r.value, 0) << c.text;
    }
}

TEST(LineCalculator, MoreThanSixteenArgumentsIsAnError)
{
    CLineCalculator calc;
    std::string call = "max(1";
    for (int i = 2; i <= 40; ++i)
        call += "," + std::to_string(i);
    call += ")";
    Result r = Evaluate(calc, call.c_str());
    EXPECT_EQ(r.error, kCalcArgumentCount);
    // Stops at the seventeenth argument.
    EXPECT_EQ(call.substr(r.stop, 3), "17,");
}

TEST(LineCalculator, DeepNestingIsBounded)
{
    CLineCalculator calc;
    std::string deep(100000, '(');
    Result r = Evaluate(calc, deep.c_str());
    EXPECT_EQ(r.error, kCalcWrongSyntax);
    EXPECT_EQ(r.stop, CLineCalculator::kMaxNesting);

    std::string nestedCalls;
    for (int i = 0; i < 5000; ++i)
        nestedCalls += "abs(";
    EXPECT_EQ(Evaluate(calc, nestedCalls.c_str()).error, kCalcWrongSyntax);

    // Nesting within the bound still evaluates.
    int depth = CLineCalculator::kMaxNesting - 1;
    std::string fine = std::string(depth, '(') + "2" + std::string(depth, ')');
    Result ok = Evaluate(calc, fine.c_str());
    EXPECT_EQ(ok.error, kCalcSuccess);
    EXPECT_EQ(ok.value, 2);
}

TEST(LineCalculator, ChineseNamesAreAccepted)
{
    struct Case { const char* text; double value; } cases[] = {
        {"$圆周率 * 2", 6.283185307}, {"绝对值(-3)", 3}, {"取大值(1, 2)", 2}, {"模除(7, 3)", 1},
        {"四舍五入(2.5)", 3}, {"求平方根(9) + 求平方(2)", 7}, {"对数运算10(100)", 2},
        {"次方运算(2, 3)", 8}, {"向上取整(1.1) + 向下取整(1.9)", 3},
    };
    CLineCalculator calc;
    for (const auto& c : cases) {
        Result r = Evaluate(calc, c.text);
        EXPECT_EQ(r.error, kCalcSuccess) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-9) << c.text;
    }
    // A Chinese name that is not in the tables is reported as such, not as wrong syntax.
    EXPECT_EQ(Evaluate(calc, "$半径").error, kCalcUndefinedVariable);
    EXPECT_EQ(Evaluate(calc, "正割(1)").error, kCalcUndefinedFunction);
    // Lower-casing steps by character: a trail byte that looks like a capital stays as it is.
    EXPECT_EQ(Evaluate(calc, "$\xB0\x41").error, kCalcUndefinedVariable);
}

TEST(LineCalculator, LoneLeadByteAtTheEndIsNotReadPast)
{
    CLineCalculator calc;
    char text[] = {'1', '+', '\xB0', '\0', 'X'};
    Result r = Evaluate(calc, text);
    EXPECT_EQ(r.error, kCalcWrongSyntax);
    EXPECT_EQ(r.stop, 2);
}

TEST(LineCalculator, ErrorTexts)
{
    EXPECT_STREQ(CalcErrorText(0), "successful");
    EXPECT_STREQ(CalcErrorText(1), "internal error");
    EXPECT_STREQ(CalcErrorText(2), "wrong syntax");
    EXPECT_STREQ(CalcErrorText(3), "variable not defined");
    EXPECT_STREQ(CalcErrorText(4), "function not defined");
    EXPECT_STREQ(CalcErrorText(5), "function argument count");
    EXPECT_STREQ(CalcErrorText(6), "");
    EXPECT_STREQ(CalcErrorText(-1), "");
}

TEST(LineCalculator, ProcessCalculatorStoresAns)
{
    double value = 0;
    int error = -1;
    const char* text = "20 + 22";
    EXPECT_EQ(CalcEvaluate(text, &value, &error), text + 7);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(value, 42);
    CalcEvaluate("$ans / 2", &value, &error);
    EXPECT_EQ(value, 21);
}
