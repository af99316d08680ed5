#include "editor/util/FileReplacing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ReplaceByRename.h"

// Whole-file writes for the native build of the cores: a temporary file beside the target,
// written, flushed and renamed over it, as the Windows build does.

bool ReplaceByRename(const char* path, const std::function<bool(const char* tempPath)>& write)
{
    if (!path || !*path)
        return false;
    std::string temp = std::string(path) + ".XXXXXX";
    const int descriptor = mkstemp(&temp[0]);
    if (descriptor < 0)
        return false;
    // A new file gets the permissions the process would create it with, an old one keeps its own.
    struct stat status;
    mode_t mode;
    if (stat(path, &status) == 0) {
        mode = status.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool written = fchmod(descriptor, mode) == 0;
    written = close(descriptor) == 0 && written;
    written = written && write(temp.c_str());
    if (!written || std::rename(temp.c_str(), path) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

bool WriteFileReplacing(const char* path, const void* bytes, size_t size)
{
    return ReplaceByRename(path, [&](const char* tempPath) {
        const int descriptor = open(tempPath, O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (descriptor < 0)
            return false;
        const char* at = static_cast<const char*>(bytes);
        bool written = true;
        for (size_t left = size; written && left > 0;) {
            const ssize_t wrote = ::write(descriptor, at, left);
            written = wrote > 0;
            if (written) {
                at += wrote;
                left -= static_cast<size_t>(wrote);
            }
        }
        written = written && fsync(descriptor) == 0;
        return close(descriptor) == 0 && written;
    });
}
