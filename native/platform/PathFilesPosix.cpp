#include "editor/util/PathUtil.h"

#include <sys/stat.h>

#include <cstring>

// Whether something is at a path, for the native build of the cores: the same answers as on
// Windows, a wildcard pattern naming nothing.

namespace {

// 0 when nothing is at exactly this path, else the stat mode.
mode_t ModeAt(const char* path)
{
    struct stat status;
    if (path == nullptr || *path == '\0' || std::strpbrk(path, "*?") != nullptr || stat(path, &status) != 0)
        return 0;
    return status.st_mode;
}

} // namespace

bool FileExists(const char* path)
{
    const mode_t mode = ModeAt(path);
    return mode != 0 && !S_ISDIR(mode);
}

bool FolderExists(const char* path)
{
    return S_ISDIR(ModeAt(path));
}

bool FileOrFolderExists(const char* path)
{
    return ModeAt(path) != 0;
}
