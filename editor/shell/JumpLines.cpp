#include "editor/shell/OutputJump.h"

#include <cstdlib>
#include <cstring>

// The window-free half of the output jump: reading a line, which any program's output may
// fill with anything.

const char kSuccessTag[] = "[恭喜]";

namespace {

int SkipBlanks(const char* text, int start)
{
    while (text[start] == ' ' || text[start] == '\t')
        ++start;
    return start;
}

// Where the name starts in the line: after a leading tag and the blanks behind it, or after
// leading blanks and a "包含于" prefix (and its blanks) on a line without one.
int NameStart(const char* text, bool& success)
{
    success = false;
    if (text[0] == '[') {
        static const char* const tags[] = {"[警告]", "[错误]", "[致命]", "[信息]", kSuccessTag};
        for (const char* tag : tags)
            if (std::strncmp(text, tag, kJumpTagBytes) == 0) {
                success = tag == kSuccessTag;
                return SkipBlanks(text, kJumpTagBytes);
            }
        return 0;
    }
    int start = SkipBlanks(text, 0);
    if (std::strncmp(text + start, "包含于", kJumpTagBytes) == 0) {
        start = SkipBlanks(text, start + kJumpTagBytes);
    }
    return start;
}

} // namespace

std::vector<JumpTarget> ParseJumpLine(const char* text)
{
    std::vector<JumpTarget> readings;
    int length = (int)std::strlen(text);
    bool success = false;
    const int nameStart = NameStart(text, success);
    for (int close = length - 1; close > 0; --close) {
        if (text[close] != ')')
            continue;
        int open = close - 1;
        while (open >= 0 && text[open] >= '0' && text[open] <= '9')
            --open;
        // Find in files writes "(line,column)": the line is the number before the comma.
        if (open > 0 && text[open] == ',' && open < close - 1) {
            close = open;
            for (--open; open >= 0 && text[open] >= '0' && text[open] <= '9';)
                --open;
        }
        int digits = close - open - 1;
        if (open < 0 || text[open] != '(' || digits == 0 || digits > 9)
            continue;
        // Only a name that could be a path is copied: a line of thousands of groups costs
        // one pass, not a copy of its text per group.
        const int nameLength = open - nameStart;
        JumpTarget target;
        target.line = std::atoi(text + open + 1);
        if (target.line > 0 && nameLength > 0 && nameLength < kMaxJumpNameBytes) {
            target.name = CString(text + nameStart, nameLength);
            target.success = success;
            readings.push_back(target);
        }
        close = open;
    }
    return readings;
}

