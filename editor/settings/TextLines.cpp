#include "editor/settings/TextSettings.h"

#include "framework/Gbk.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

// The one line reader of the IDE's text files, on the C library alone, so that the native
// build of the cores reads the same lines.

namespace {

// Length of the leading part of text that holds whole characters only: a lead byte whose
// trail byte is missing is left out.
size_t WholeCharsLength(const char* text, size_t length)
{
    size_t index = 0;
    while (index < length) {
        const size_t step = GbkText::IsLeadByte((unsigned char)text[index]) ? 2 : 1;
        if (index + step > length)
            break;
        index += step;
    }
    return index;
}

// Adds the text as lines of at most longest bytes (0: one line), each ending on a character
// boundary; a lead byte at the very end of the text stands alone.
void AddPieces(const char* text, size_t length, size_t longest, CStringArray& lines)
{
    if (longest == 0 || length <= longest) {
        lines.Add(CString(text, (int)length));
        return;
    }
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length) {
            const size_t step = GbkText::IsLeadByte((unsigned char)text[end]) && end + 1 < length ? 2 : 1;
            if (end + step - start > longest)
                break;
            end += step;
        }
        if (end == start)  // a limit of one byte: the character comes whole
            end = std::min(length, start + 2);
        lines.Add(CString(text + start, (int)(end - start)));
        start = end;
    }
}

} // namespace

bool ReadTextLines(const char* path, CStringArray& lines, int longestLine)
{
    lines.RemoveAll();
    std::unique_ptr<FILE, int (*)(FILE*)> file(path != nullptr ? std::fopen(path, "rb") : nullptr, std::fclose);
    if (!file)
        return false;
    const size_t longest = longestLine > 0 ? (size_t)longestLine : 0;
    try {
        std::string line;
        int c = 0;
        while (c != EOF) {
            line.clear();
            while ((c = std::getc(file.get())) != EOF && c != '\n')
                line += (char)c;
            if (c == EOF && line.empty())
                break;
            size_t length = line.size();
            const size_t zero = line.find('\0');
            if (zero != std::string::npos)
                length = WholeCharsLength(line.data(), zero);
            while (length > 0 && line[length - 1] == '\r')
                --length;
            AddPieces(line.data(), length, longest, lines);
        }
    } catch (const std::bad_alloc&) {
        lines.RemoveAll();
        return false;
    }
    if (std::ferror(file.get())) {
        lines.RemoveAll();
        return false;
    }
    return true;
}
