#include "editor/document/LinkFolder.h"
#include "editor/util/PathUtil.h"

#include <dirent.h>
#include <fnmatch.h>

// The link-file search's file-system questions for the native build. As on Windows, the
// wildcard ignores case and hidden files (here: names starting with a dot) are left out.

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& name)
{
    std::vector<std::string> files;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return files;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || fnmatch(name.c_str(), entry->d_name, FNM_CASEFOLD) != 0)
            continue;
        std::string path = folder + entry->d_name;
        if (FileExists(path.c_str()))
            files.push_back(path);
    }
    closedir(dir);
    return files;
}
