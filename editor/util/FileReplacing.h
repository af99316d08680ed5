#pragma once
#include <cstddef>

// Writing a whole file so that a failure can never leave it cut short: the bytes go to a
// temporary file beside it, which then takes its place in one move. A full disk, a failed
// write or a process killed mid-save leaves the old file as it was.

// True when the file now holds exactly the bytes. An existing file keeps its attributes.
bool WriteFileReplacing(const char* path, const void* bytes, size_t size);
