#include "editor/settings/SettingsStream.h"

#include "editor/util/FileReplacing.h"
#include "framework/File.h"

// The settings files' reading and writing, apart from what takes their bytes apart.

bool SettingsWriter::SaveTo(const char* path) const
{
    return WriteFileReplacing(path, m_data.data(), m_data.size());
}

bool SettingsReader::LoadFrom(const char* path)
{
    m_data.clear();
    m_offset = 0;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return false;
    try {
        DWORD length = file.GetLength();
        if (length > kMaxSettingsFile)
            return false;
        m_data.resize(length);
        if (length != 0 && file.Read(&m_data[0], length) != length) {
            m_data.clear();
            return false;
        }
    } catch (CException* error) {
        error->Delete();
        m_data.clear();
        return false;
    }
    return true;
}
