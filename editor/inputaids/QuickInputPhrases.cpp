#include "editor/inputaids/QuickInputPhrases.h"

#include "editor/inputaids/TextLines.h"
#include "framework/AppEnvironment.h"

#include <cstdio>

namespace {
// Blanks are ASCII bytes, never the trail byte of a double-byte character.
bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

CString QuickInputPhrasesPath()
{
    return GetProgramFolder() + "\\配置\\快捷输入.文本";
}

std::vector<CString> ReadQuickInputPhrases(const char* path)
{
    std::vector<CString> phrases;
    ReadTextLines(path, 2048, [&](const char* line, size_t length) {
        size_t begin = 0;
        while (begin < length && IsBlank(line[begin]))
            ++begin;
        while (length > begin && IsBlank(line[length - 1]))
            --length;
        if (length > begin)
            phrases.emplace_back(line + begin, (int)(length - begin));
        return true;
    });
    return phrases;
}

void AppendQuickInputPhrase(const char* text)
{
    if (!text)
        return;
    // Text mode writes the line feed as CR LF.
    FILE* file = fopen(QuickInputPhrasesPath(), "a");
    if (!file)
        return;
    fputs(text, file);
    fputc('\n', file);
    fflush(file);
    fclose(file);
}
