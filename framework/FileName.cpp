#include "framework/FileName.h"

#include <algorithm>

namespace FilePathParts {

namespace {

int LastSeparator(const CString& path, bool withColon)
{
    int last = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return withColon ? std::max(last, path.ReverseFind(':')) : last;
}

} // namespace

CString NameOf(const CString& path)
{
    return path.Mid(LastSeparator(path, true) + 1);
}

CString TitleOf(const CString& path)
{
    CString name = NameOf(path);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString FolderOf(const CString& path)
{
    int last = LastSeparator(path, false);
    return last < 0 ? CString() : path.Left(last);
}

} // namespace FilePathParts
