#include "editor/settings/TextSettings.h"

#include <cstdio>
#include <string>

// The text settings files' reading and writing for the native build of the cores, through the
// C library: the same lines as the Windows build reads (split at LF, a CR before it and
// trailing CR and LF dropped), written as they are.

bool ReadTextLines(const char* path, CStringArray& lines)
{
    lines.RemoveAll();
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return false;
    std::string text;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, got);
    std::fclose(file);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        CString line(text.data() + start, static_cast<int>(end - start));
        line.TrimRight("\r\n");
        lines.Add(line);
        start = end + 1;
    }
    return true;
}

bool WriteFileBytes(const char* path, const CString& bytes)
{
    FILE* file = path ? std::fopen(path, "wb") : nullptr;
    if (!file)
        return false;
    const size_t size = static_cast<size_t>(bytes.GetLength());
    const bool written = std::fwrite(static_cast<LPCTSTR>(bytes), 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}
