#include "editor/shell/OutputJump.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "editor/util/PathUtil.h"

namespace {

bool IsFile(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path);
    return !path.IsEmpty() && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
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
    if (line.Left(kJumpTagBytes) != kSuccessTag)
        return false;
    int marker = -1;
    for (int at = line.Find("(1)", kJumpTagBytes + 1); at >= 0; at = line.Find("(1)", at + 1))
        marker = at;
    if (marker < 0)
        return false;
    CString name = line.Mid(kJumpTagBytes, marker - kJumpTagBytes);
    name.TrimLeft(" \t");
    return FindNamedFile(name, activeDocumentPath, true, file);
}
