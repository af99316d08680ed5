#include "editor/document/BackupFile.h"

#include <windows.h>

#include <cstdio>

#include "editor/util/PathUtil.h"

namespace {

const char kDefaultSuffix[] = "备份";
const char kCounterSuffix[] = "$$$";
const int kCounterLimit = 1000;

// The folder a backup of a file in folder goes to.
CString BackupFolder(const CString& folder, const CString& backupFolder)
{
    if (backupFolder.IsEmpty())
        return StripTrailingBackslash(folder);
    CString below;
    if (folder.Left(2) == "\\\\") {
        below = "Network\\" + folder.Mid(2);
    } else if (folder.GetLength() >= 2 && folder[1] == ':') {
        char drive[16];
        std::snprintf(drive, sizeof drive, "%c drive", folder[0]);
        below = drive + folder.Mid(2);
    } else {
        below = folder;
    }
    return StripTrailingBackslash(StripTrailingBackslash(backupFolder) + "\\" + below);
}

} // namespace

CString BackupFileName(const char* path, const CDocumentSettings& settings,
                       const std::function<bool(const CString&)>& exists)
{
    const CString folder = BackupFolder(GetDirectoryPart(path), settings.backupFolder);
    const CString suffix = settings.backupSuffix.IsEmpty() ? CString(kDefaultSuffix) : settings.backupSuffix;
    const CString title = GetFileTitlePart(path);
    CString name;
    switch (settings.backupNaming) {
    case 1:
        name = folder + "\\" + GetFileNamePart(path) + "." + suffix;
        break;
    case 2:
        name = folder + "\\" + title + "_" + suffix + GetExtensionPart(GetFileNamePart(path));
        break;
    default:
        name = folder + "\\" + title + "." + suffix;
        break;
    }
    if (suffix != kCounterSuffix)
        return name;
    for (int counter = 0; counter < kCounterLimit; ++counter) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%03d", counter);
        CString numbered = name;
        numbered.Replace(kCounterSuffix, digits);
        if (!exists(numbered))
            return numbered;
    }
    return CString();
}

bool BackupFile(const char* path, const CDocumentSettings& settings)
{
    const CString name = BackupFileName(path, settings, [](const CString& candidate) {
        return ::GetFileAttributesA(candidate) != INVALID_FILE_ATTRIBUTES;
    });
    if (name.IsEmpty())
        return false;
    return EnsurePathExists(GetDirectoryPart(name) + "\\") && ::CopyFileA(path, name, FALSE) != 0;
}
