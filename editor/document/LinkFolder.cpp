#include "editor/document/LinkFolder.h"

#include <windows.h>

namespace {

// Closes a find handle when the listing ends.
class CFindHandle {
public:
    explicit CFindHandle(HANDLE handle) : m_handle(handle) {}
    ~CFindHandle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::FindClose(m_handle);
    }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

} // namespace

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& name)
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    CFindHandle find(::FindFirstFileA((folder + name).c_str(), &found));
    if (!find.IsValid())
        return files;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN))
            continue;
        files.push_back(folder + found.cFileName);
    } while (::FindNextFileA(find.Get(), &found));
    return files;
}
