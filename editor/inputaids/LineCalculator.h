#pragma once
#include <string>
#include <unordered_map>

// Error codes of the line calculator.
enum CalcError {
    kCalcSuccess = 0,
    kCalcInternalError = 1,
    kCalcWrongSyntax = 2,
    kCalcUndefinedVariable = 3,
    kCalcUndefinedFunction = 4,
    kCalcArgumentCount = 5,
};

// Evaluates one line of arithmetic over doubles: + - * / %, parentheses, "$" constants and the
// mathematical and date functions, by recursive descent. Names are case-insensitive; a
// double-byte character counts as a letter, so the Chinese names work. The last successful
// result is kept as the constant "ans".
class CLineCalculator {
public:
    // Parentheses and argument lists nest at most this deep; deeper text is wrong syntax.
    static constexpr int kMaxNesting = 100;

    CLineCalculator();

    // Evaluates the text. Value and error are set to 0 first; returns the position where
    // evaluation stopped (the offending place when the error is not 0).
    const char* Evaluate(const char* text, double* value, int* error);

    // The value of a "$" name (lower case), or false when it is not defined.
    bool GetVariable(const std::string& name, double* value) const;

private:
    struct Parser;

    std::unordered_map<std::string, double> m_variables;
    std::unordered_map<std::string, int> m_functions;
};

// The process-wide calculator behind the editor's evaluate command; its tables are built on
// the first call.
const char* CalcEvaluate(const char* text, double* value, int* error);

// The text of an error code 0-5; an empty text for any other code.
const char* CalcErrorText(int code);
