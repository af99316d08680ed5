#include "editor/settings/TextSettings.h"

#include "editor/util/FileReplacing.h"

// The text settings files' writing; their lines are read by TextLines.cpp.

bool WriteFileBytes(const char* path, const CString& bytes)
{
    return WriteFileReplacing(path, static_cast<LPCTSTR>(bytes), static_cast<size_t>(bytes.GetLength()));
}
