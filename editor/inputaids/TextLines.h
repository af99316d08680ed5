#pragma once
#include <cstddef>
#include <functional>

// Reads a GBK text file line by line into a buffer of `bufferSize` bytes: a longer line
// comes as several pieces, each ending on a character boundary, and a zero byte ends a
// line's text. Each piece goes to
// `onLine` without its line end (CR LF or LF); returning false stops the reading. False when
// the file cannot be opened.
bool ReadTextLines(const char* path, size_t bufferSize,
                   const std::function<bool(const char* line, size_t length)>& onLine);
