#include "editor/shell/OutputJump.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "editor/util/PathUtil.h"

namespace {

const int kTagBytes = 6;  // "[" + two double-byte characters + "]"
const char kSuccessTag[] = "[恭喜]";

bool IsFile(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    return !path.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The name before the line number, without its tag or prefix.
CString StripNamePrefix(CString name, bool& success)
{
    success = false;
    if (name.Left(1) == "[") {
        static const char* const tags[] = {"[警告]", "[错误]", "[致命]", "[信息]", kSuccessTag};
        for (const char* tag : tags)
            if (name.Left(kTagBytes).CompareNoCase(tag) == 0) {
                success = tag == kSuccessTag;
                return name.Mid(kTagBytes);
            }
        return name;
    }
    name.TrimLeft(" \t");
    if (name.Left(kTagBytes) == "包含于") {
        name = name.Mid(kTagBytes);
        name.TrimLeft(" \t");
    }
    return name;
}

// The name beside the active document when it has no folder of its own and such a file
// exists, else the name as given when it exists.
bool FindNamedFile(const CString& name, const CString& activeDocumentPath, bool besideFirstAlways, CString& file)
{
    bool bare = name.Find('\\') < 0 && name.Find('/') < 0;
    if (!activeDocumentPath.IsEmpty() && (bare || besideFirstAlways)) {
        CString beside = GetDirectoryPart(activeDocumentPath) + "\\" + name;
        if (IsFile(beside)) {
            file = beside;
            return true;
        }
    }
    if (!IsFile(name))
        return false;
    file = name;
    return true;
}

} // namespace

std::vector<JumpTarget> ParseJumpLine(const char* text)
{
    std::vector<JumpTarget> readings;
    int length = (int)std::strlen(text);
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
        JumpTarget target;
        target.line = std::atoi(text + open + 1);
        target.name = StripNamePrefix(CString(text, open), target.success);
        if (target.line > 0 && !target.name.IsEmpty())
            readings.push_back(target);
        close = open;
    }
    return readings;
}

bool ResolveJumpLine(const char* text, const CString& activeDocumentPath, JumpTarget& target)
{
    for (JumpTarget& reading : ParseJumpLine(text)) {
        CString file;
        if (FindNamedFile(reading.name, activeDocumentPath, false, file)) {
            target = reading;
            target.name = file;
            return true;
        }
    }
    return false;
}

bool ResolveCongratsLine(const char* text, const CString& activeDocumentPath, CString& file)
{
    CString line(text);
    if (line.Left(kTagBytes) != kSuccessTag)
        return false;
    int marker = -1;
    for (int at = line.Find("(1)", kTagBytes + 1); at >= 0; at = line.Find("(1)", at + 1))
        marker = at;
    if (marker < 0)
        return false;
    return FindNamedFile(line.Mid(kTagBytes, marker - kTagBytes), activeDocumentPath, true, file);
}
