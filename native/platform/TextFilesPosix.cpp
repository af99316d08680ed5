#include "editor/settings/TextSettings.h"

#include <cstdio>

// The text settings files' writing for the native build of the cores, through the C library:
// written as they are. Both builds read the lines through TextLines.cpp.

bool WriteFileBytes(const char* path, const CString& bytes)
{
    FILE* file = path ? std::fopen(path, "wb") : nullptr;
    if (!file)
        return false;
    const size_t size = static_cast<size_t>(bytes.GetLength());
    const bool written = std::fwrite(static_cast<LPCTSTR>(bytes), 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
