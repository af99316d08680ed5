#include "editor/inputaids/LineCalculator.h"

#include "editor/inputaids/CalcFunctions.h"
#include "editor/inputaids/GbkBytes.h"

#include <cmath>
#include <cstdlib>

namespace {

struct NamedValue {
    const char* name;
    double value;
};

const NamedValue kConstants[] = {
    {"pi", 3.1415926535}, {"圆周率", 3.1415926535},
    {"annual", 1}, {"semiannual", 2}, {"quarterly", 4}, {"bimonthly", 6}, {"monthly", 12},
    {"actact", 0}, {"act360", 1}, {"act365", 2}, {"30360", 3}, {"30e360", 4}, {"nl365", 5},
    {"actual", 0},
    {"endofmonth", 1},
    {"sunday", 0}, {"sunsat", 6},
};

const char kErrorTexts[6][64] = {
    "successful",
    "internal error",
    "wrong syntax",
    "variable not defined",
    "function not defined",
    "function argument count",
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

// One evaluation: a cursor over the text, the first error met and the nesting depth.
struct CLineCalculator::Parser {
    const CLineCalculator& calc;
    const char* p;
    int error = kCalcSuccess;
    const char* errorAt = nullptr;
    int depth = 0;

    bool Fail(int code, const char* at)
    {
        if (error == kCalcSuccess) {
            error = code;
            errorAt = at;
        }
        return false;
    }

    void SkipBlanks()
    {
        while (IsBlank(*p))
            ++p;
    }

    // A name of letters and digits (a double-byte character counts as a letter), lower-cased
    // one character at a time so trail bytes keep their case.
    std::string ReadName()
    {
        std::string name;
        size_t index = 0;
        while (p[index] != '\0') {
            char c = p[index];
            size_t step = (GbkBytes::IsLeadByte((unsigned char)c) && p[index + 1] != '\0') ? 2 : 1;
            if (step == 1 && !IsAsciiLetter(c) && !IsAsciiDigit(c))
                break;
            if (step == 1)
                name += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
            else
                name.append(p + index, 2);
            index += step;
        }
        p += index;
        return name;
    }

    static bool BeginsName(const char* at)
    {
        return IsAsciiLetter(*at) || (GbkBytes::IsLeadByte((unsigned char)at[0]) && at[1] != '\0');
    }

    bool Expression(double& value)
    {
        if (++depth > kMaxNesting)
            return Fail(kCalcWrongSyntax, p);
        bool ok = Term(value);
        while (ok) {
            SkipBlanks();
            char op = *p;
            if (op != '+' && op != '-')
                break;
            ++p;
            double right = 0;
            ok = Term(right);
            value = op == '+' ? value + right : value - right;
        }
        --depth;
        return ok;
    }

    bool Term(double& value)
    {
        if (!SignedOperand(value))
            return false;
        for (;;) {
            SkipBlanks();
            char op = *p;
            if (op != '*' && op != '/' && op != '%')
                return true;
            ++p;
            double right = 0;
            if (!Operand(right))
                return false;
            if (op == '*')
                value *= right;
            else if (op == '/')
                value /= right;
            else
                value = std::fmod(value, right);
        }
    }

    bool SignedOperand(double& value)
    {
        SkipBlanks();
        bool negate = false;
        if (*p == '+' || *p == '-') {
            negate = *p == '-';
            ++p;
        }
        if (!Operand(value))
            return false;
        if (negate)
            value = -value;
        return true;
    }

    bool Operand(double& value)
    {
        SkipBlanks();
        char c = *p;
        // An operator with nothing behind it is incomplete, not a value.
        if (c == '\0')
            return Fail(kCalcWrongSyntax, p);
        if (IsAsciiDigit(c))
            return Number(value);
        if (c == '(')
            return Parenthesised(value);
        if (c == '$')
            return Variable(value);
        if (BeginsName(p))
            return FunctionCall(value);
        return Fail(kCalcWrongSyntax, p);
    }

    bool Number(double& value)
    {
        const char* start = p;
        while (IsAsciiDigit(*p) || *p == '.')
            ++p;
        value = strtod(std::string(start, p).c_str(), nullptr);
        return true;
    }

    bool Parenthesised(double& value)
    {
        ++p;
        if (!Expression(value))
            return false;
        SkipBlanks();
        if (*p != ')')
            return Fail(kCalcWrongSyntax, p);
        ++p;
        return true;
    }

    bool Variable(double& value)
    {
        const char* start = p;
        ++p;
        std::string name = ReadName();
        if (name.empty())
            return Fail(kCalcWrongSyntax, p);
        if (!calc.GetVariable(name, &value))
            return Fail(kCalcUndefinedVariable, start);
        return true;
    }

    bool FunctionCall(double& value)
    {
        const char* start = p;
        std::string name = ReadName();
        auto found = calc.m_functions.find(name);
        if (found == calc.m_functions.end())
            return Fail(kCalcUndefinedFunction, start);
        SkipBlanks();
        if (*p != '(')
            return Fail(kCalcWrongSyntax, p);
        ++p;
        double arguments[CalcFunctions::kMaxArguments];
        int count = 0;
        SkipBlanks();
        if (*p == ')') {
            ++p;
        } else {
            for (;;) {
                SkipBlanks();
                if (count == CalcFunctions::kMaxArguments)
                    return Fail(kCalcArgumentCount, p);
                if (!Expression(arguments[count]))
                    return false;
                ++count;
                SkipBlanks();
                if (*p == ',') {
                    ++p;
                    continue;
                }
                if (*p != ')')
                    return Fail(kCalcWrongSyntax, p);
                ++p;
                break;
            }
        }
        if (!CalcFunctions::CallFunction(found->second, count, arguments, &value))
            return Fail(kCalcArgumentCount, start);
        return true;
    }
};

CLineCalculator::CLineCalculator()
{
    m_variables.emplace("ans", 0.0);
    for (const NamedValue& constant : kConstants)
        m_variables.emplace(constant.name, constant.value);
    const CalcFunctions::FunctionName* names = CalcFunctions::FunctionNames();
    for (int i = 0; i < CalcFunctions::FunctionNameCount(); ++i)
        m_functions.emplace(names[i].name, names[i].code);
}

bool CLineCalculator::GetVariable(const std::string& name, double* value) const
{
    auto found = m_variables.find(name);
    if (found == m_variables.end())
        return false;
    *value = found->second;
    return true;
}

const char* CLineCalculator::Evaluate(const char* text, double* value, int* error)
{
    *value = 0;
    *error = kCalcSuccess;
    if (!text)
        text = "";
    Parser parser{*this, text};
    parser.SkipBlanks();
    double result = 0;
    // A blank line is worth 0; anywhere else a missing operand is wrong syntax.
    if (*parser.p != '\0' && parser.Expression(result)) {
        parser.SkipBlanks();
        if (*parser.p != '\0')
            parser.Fail(kCalcWrongSyntax, parser.p);
    }
    if (parser.error != kCalcSuccess) {
        *error = parser.error;
        return parser.errorAt;
    }
    *value = result;
    m_variables["ans"] = result;
    return parser.p;
}

const char* CalcEvaluate(const char* text, double* value, int* error)
{
    static CLineCalculator calculator;
    return calculator.Evaluate(text, value, error);
}

const char* CalcErrorText(int code)
{
    if (code < 0 || code >= (int)(sizeof kErrorTexts / sizeof kErrorTexts[0]))
        return "";
    return kErrorTexts[code];
}
