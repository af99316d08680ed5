#include "editor/util/FileReplacing.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Whole-file writes for the native build of the cores: a temporary file beside the target,
// written, flushed and renamed over it, as the Windows build does.

bool WriteFileReplacing(const char* path, const void* bytes, size_t size)
{
    if (!path || !*path)
        return false;
    std::string temp = std::string(path) + ".XXXXXX";
    const int descriptor = mkstemp(&temp[0]);
    if (descriptor < 0)
        return false;
    const char* at = static_cast<const char*>(bytes);
    bool written = true;
    for (size_t left = size; written && left > 0;) {
        const ssize_t wrote = write(descriptor, at, left);
        written = wrote > 0;
        if (written) {
            at += wrote;
            left -= static_cast<size_t>(wrote);
        }
    }
    written = written && fsync(descriptor) == 0;
    written = close(descriptor) == 0 && written;
    if (!written || std::rename(temp.c_str(), path) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}
