#include "editor/shell/DirectoryBrowser.h"

#include "framework/Gbk.h"

namespace {

const int kStatusTextBytes = 35;

} // namespace

std::vector<char> BuildShellPathList(const CStringArray& paths)
{
    size_t size = 1;
    for (int i = 0; i < paths.GetSize(); ++i)
        size += (size_t)paths[i].GetLength() + 1;
    std::vector<char> list;
    list.reserve(size);
    for (int i = 0; i < paths.GetSize(); ++i) {
        const CString& path = paths[i];
        list.insert(list.end(), (LPCTSTR)path, (LPCTSTR)path + path.GetLength());
        list.push_back('\0');
    }
    list.push_back('\0');
    return list;
}

std::vector<char> BuildShellPathList(const CString& path)
{
    CStringArray paths;
    paths.Add(path);
    return BuildShellPathList(paths);
}

CString FolderChooserStatusText(const CString& path)
{
    if (path.GetLength() <= kStatusTextBytes)
        return path;
    int end = 0;
    for (int step; end + (step = GbkText::CharLength(path, path.GetLength(), end)) <= kStatusTextBytes;)
        end += step;
    return path.Left(end) + "...";
}
