#include "editor/settings/ShellFolders.h"

#include <windows.h>

#include <cstring>

#include "framework/AppEnvironment.h"
#include "editor/util/PathUtil.h"
#include "framework/FileName.h"

CString ProgramFilePath(const char* name)
{
    return GetProgramFolder() + "\\" + name;
}

CString GetExeTitle()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return CString();
    return FilePathParts::TitleOf(CString(path, (int)length));
}

CString ProfileSection(const char* word)
{
    return GetExeTitle() + word;
}

CString CurrentFolder()
{
    char folder[MAX_PATH * 2] = {};
    DWORD length = ::GetCurrentDirectoryA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder)
        return CString();
    return StripTrailingBackslash(folder);
}

bool IsSiblingEdition(const CString& exeTitle)
{
    return std::strncmp(exeTitle, "墨苇舟", 6) == 0 || std::strncmp(exeTitle, "墨51", 4) == 0;
}
