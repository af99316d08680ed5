#include "editor/inputaids/QuickInputPhrases.h"

#include "editor/settings/TextSettings.h"
#include "editor/util/FileReplacing.h"
#include "framework/AppEnvironment.h"

#include <cerrno>
#include <cstdio>
#include <string>

namespace {
// A longer line of the file becomes several phrases.
const int kLongestPhraseLine = 2047;

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
    CStringArray lines;
    ReadTextLines(path, lines, kLongestPhraseLine);
    for (int i = 0; i < lines.GetSize(); ++i) {
        const char* line = lines[i];
        size_t length = (size_t)lines[i].GetLength();
        size_t begin = 0;
        while (begin < length && IsBlank(line[begin]))
            ++begin;
        while (length > begin && IsBlank(line[length - 1]))
            --length;
        if (length > begin)
            phrases.emplace_back(line + begin, (int)(length - begin));
    }
    return phrases;
}

bool AppendQuickInputPhrase(const char* path, const char* text)
{
    if (!path || !text)
        return false;
    // The whole file is written anew beside the old one, so a failed write keeps every
    // phrase; a file that exists but cannot be read is left alone.
    std::string bytes;
    if (FILE* file = std::fopen(path, "rb")) {
        char block[4096];
        for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
            bytes.append(block, got);
        const bool read = !std::ferror(file);
        std::fclose(file);
        if (!read)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    if (!bytes.empty() && bytes.back() != '\n')
        bytes += "\r\n";
    bytes += text;
    bytes += "\r\n";
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

void AppendQuickInputPhrase(const char* text)
{
    AppendQuickInputPhrase(QuickInputPhrasesPath(), text);
}
