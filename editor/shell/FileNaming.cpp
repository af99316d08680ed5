#include "editor/shell/FileNaming.h"

#include <cstring>

#include "editor/util/PathUtil.h"

namespace {

bool IsUsable(const CFileTypeFilter& filter)
{
    return !filter.Description().IsEmpty() && !filter.Patterns().IsEmpty();
}

} // namespace

CString BuildFileFilter(const CEditorSettings& settings)
{
    CString list;
    for (const CFileTypeFilter& filter : settings.fileFilters) {
        if (!IsUsable(filter))
            continue;
        CString entry;
        entry.Format("%s (%s)|%s|", (LPCTSTR)filter.Description(), (LPCTSTR)filter.Patterns(),
                     (LPCTSTR)filter.Patterns());
        list += entry;
    }
    if (list.IsEmpty())
        list = "All Files (*.*)|*.*|";
    return list + "|";
}

int FilterIndexToType(const CEditorSettings& settings, int type)
{
    int position = 0;
    for (int i = 0; i < type && i < kFileFilterCount; ++i) {
        if (IsUsable(settings.fileFilters[i]))
            ++position;
    }
    return position;
}

int TypeFromFilterIndex(const CEditorSettings& settings, int position)
{
    for (int i = 0; i < kFileFilterCount; ++i) {
        if (IsUsable(settings.fileFilters[i]) && position-- == 0)
            return i;
    }
    return 0;
}

CString DefaultExtensionOfLastFilter(const CEditorSettings& settings)
{
    int index = settings.lastFileFilter;
    if (index < 0 || index >= kFileFilterCount)
        return CString();
    return settings.fileFilters[index].DefaultExtension();
}

bool IsUntitledName(const char* path)
{
    return path && std::strncmp(path, "新文件", 6) == 0;
}

CString ProposedSaveFolder(const char* path, const CString& lastSaveFolder, const CString& installFolder,
                           const CString& currentFolder)
{
    if (!IsUntitledName(path))
        return currentFolder;
    return lastSaveFolder.IsEmpty() ? installFolder + "\\我的项目" : lastSaveFolder;
}

CString GeneratedNewFileName(const CString& prefix, bool autoSave, const SYSTEMTIME& t)
{
    CString start = prefix.IsEmpty() ? CString("墨") : prefix;
    unsigned year = t.wYear % 100;
    CString name;
    if (autoSave) {
        unsigned day = (year * 12 + t.wMonth) * 31 + t.wDay;
        unsigned second = (t.wHour * 60u + t.wMinute) * 60u + t.wSecond;
        name.Format("%s%05u_%05u", (LPCTSTR)start, day, second);
    } else {
        name.Format("%s%u年%u月%u日%u时%u分%u", (LPCTSTR)start, year, (unsigned)t.wMonth, (unsigned)t.wDay,
                    (unsigned)t.wHour, (unsigned)t.wMinute, (unsigned)t.wSecond);
    }
    return name;
}

CString UniqueNewFilePath(const CString& folder, const CString& name)
{
    CString path = folder + "\\" + name;
    if (GetExtensionPart(name).IsEmpty())
        path += ".墨";
    if (!FileOrFolderExists(path))
        return path;
    CString stem = StripExtension(path);
    CString extension = GetExtensionPart(path);
    for (int n = 2;; ++n) {
        CString candidate;
        candidate.Format("%s_%d%s", (LPCTSTR)stem, n, (LPCTSTR)extension);
        if (!FileOrFolderExists(candidate))
            return candidate;
    }
}
