#include "editor/shell/DirectoryBrowser.h"

#include "editor/util/PathUtil.h"
#include "editor/util/StringSort.h"
#include "framework/File.h"
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

namespace {

// Calls visit for every listed entry of the folder until it returns false.
template <class Visit> void ForEachEntry(const CString& folder, const char* patterns, Visit visit)
{
    CFileFind find;
    BOOL more = find.FindFile(StripTrailingBackslash(folder) + "\\*.*");
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots())
            continue;
        bool isFolder = find.IsDirectory() != FALSE;
        if (!isFolder && (find.IsHidden() || !MatchFileFilter(find.GetFileName(), patterns)))
            continue;
        if (!visit(isFolder, find.GetFileName()))
            return;
    }
}

} // namespace

void ListFolderEntries(const CString& folder, const char* patterns, CStringArray& folders, CStringArray& files)
{
    folders.RemoveAll();
    files.RemoveAll();
    ForEachEntry(folder, patterns, [&](bool isFolder, const CString& name) {
        (isFolder ? folders : files).Add(name);
        return true;
    });
    SortStrings(folders, 0);
    SortStrings(files, 0);
}

bool FolderHasEntries(const CString& folder, const char* patterns)
{
    bool found = false;
    ForEachEntry(folder, patterns, [&](bool, const CString&) { return !(found = true); });
    return found;
}

CString DriveEntryText(char letter, bool volumeRead, const CString& label, UINT driveType)
{
    CString text;
    letter = GbkText::AsciiToUpper(letter);
    if (volumeRead) {
        text.Format("[%c:] %s", letter, (LPCTSTR)label);
        return text;
    }
    const char* kind = "Unknown Type";
    switch (driveType) {
    case DRIVE_REMOVABLE:
        kind = "Removable";
        break;
    case DRIVE_FIXED:
        kind = "Local Drive";
        break;
    case DRIVE_REMOTE:
        kind = "Network Drive";
        break;
    case DRIVE_CDROM:
        kind = "CD-ROM";
        break;
    case DRIVE_RAMDISK:
        kind = "RAM Disk";
        break;
    }
    text.Format("[%c:] %s", letter, kind);
    return text;
}

bool IsDriveEntry(const CString& entry, const CString& drive)
{
    return drive.GetLength() >= 1 && entry.GetLength() >= 4 && entry.Left(4).CompareNoCase("[" + drive.Left(1) + ":]") == 0;
}
