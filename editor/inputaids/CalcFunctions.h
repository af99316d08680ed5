#pragma once

// The line calculator's function table: the English and Chinese names of each function, its
// code, the argument counts it accepts, and the call itself.
namespace CalcFunctions {

// Arguments beyond this count are refused before they are collected.
constexpr int kMaxArguments = 16;

struct FunctionName {
    const char* name; // lower case
    int code;
};

// Every name of every function, in table order; count via FunctionNameCount().
const FunctionName* FunctionNames();
int FunctionNameCount();

// Calls function `code` with `count` arguments. False (result untouched) when the function
// does not accept that many arguments or the code names no function.
bool CallFunction(int code, int count, const double* arguments, double* result);

} // namespace CalcFunctions
