#include "editor/settings/SettingsStream.h"
#include "editor/util/FileReplacing.h"

#include <cstdio>

// The settings files' reading and writing for the native build of the cores, through the C
// library; the bytes are taken apart by the same reader as in the Windows build.

bool SettingsWriter::SaveTo(const char* path) const
{
    return WriteFileReplacing(path, m_data.data(), m_data.size());
}

bool SettingsReader::LoadFrom(const char* path)
{
    m_data.clear();
    m_offset = 0;
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return false;
    char block[4096];
    bool ok = true;
    for (size_t got; ok && (got = std::fread(block, 1, sizeof block, file)) > 0;) {
        m_data.append(block, got);
        ok = m_data.size() <= kMaxSettingsFile;
    }
    ok = ok && !std::ferror(file);
    std::fclose(file);
    if (!ok)
        m_data.clear();
    return ok;
}
