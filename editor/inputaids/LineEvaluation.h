#pragma once
#include <cstddef>
#include <string>

// The text the editor's evaluate command writes below the caret line: "$结果 = …" with the
// value, or "出错(column): text" with the 1-based column where evaluation stopped. A whole
// value is written without decimals however large; one that is not a number or infinite
// is written as "nan", "inf" or "-inf".
// The line is evaluated from a work area of kLineWorkAreaSize bytes; a longer line is cut
// there on a character boundary.
constexpr size_t kLineWorkAreaSize = 2048;

std::string FormatLineEvaluation(const char* line, size_t length);
