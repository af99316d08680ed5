#include "editor/settings/TextSettings.h"

#include "editor/util/FileReplacing.h"
#include "framework/File.h"

// The text settings files' reading and writing, apart from what reads their lines.

bool ReadTextLines(const char* path, CStringArray& lines)
{
    lines.RemoveAll();
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText))
        return false;
    try {
        CString line;
        while (file.ReadString(line)) {
            line.TrimRight("\r\n");
            lines.Add(line);
        }
    } catch (CException* error) {
        error->Delete();
        return false;
    }
    return true;
}

bool WriteFileBytes(const char* path, const CString& bytes)
{
    return WriteFileReplacing(path, static_cast<LPCTSTR>(bytes), static_cast<size_t>(bytes.GetLength()));
}
