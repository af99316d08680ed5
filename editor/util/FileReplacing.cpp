#include "editor/util/FileReplacing.h"

#include <windows.h>

#include "editor/util/PathUtil.h"
#include "framework/File.h"

bool WriteFileReplacing(const char* path, const void* bytes, size_t size)
{
    if (!path || !*path || size > 0xFFFFFFFFu)
        return false;
    CString folder = GetDirectoryPart(path);
    if (folder.IsEmpty())
        folder = ".";
    char temp[MAX_PATH];
    if (folder.GetLength() + 14 >= MAX_PATH || !::GetTempFileNameA(folder, "myu", 0, temp))
        return false;
    bool written = false;
    {
        CFile file;
        if (file.Open(temp, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) {
            try {
                file.Write(bytes, static_cast<UINT>(size));
                file.Flush();
                file.Close();
                written = true;
            } catch (CException* error) {
                error->Delete();
                file.Abort();
            }
        }
    }
    const DWORD attributes = ::GetFileAttributesA(path);
    if (!written || !::MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temp);
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && ::GetFileAttributesA(path) != attributes)
        ::SetFileAttributesA(path, attributes);
    return true;
}
