// The file-system half of the path helpers declared in PathUtil.h.
#include "editor/util/PathUtil.h"

#include "editor/util/CharClasses.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

// Owns a directory search handle.
class FindHandle {
public:
    FindHandle(const char* pattern, WIN32_FIND_DATAA& data) : m_handle(FindFirstFileA(pattern, &data)) {}
    ~FindHandle()
    {
        if (IsValid()) FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(m_handle, &data) != FALSE; }

private:
    HANDLE m_handle;
};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsEmpty(const char* text) { return !text || !*text; }

// Length of the drive ("C:") or network ("\\server\share") prefix, 0 when there is none.
int PrefixLength(const char* path)
{
    if (path[0] && path[1] == ':' && GbkText::CharLength(path) == 1) return 2;
    if (!IsSeparator(path[0]) || !IsSeparator(path[1])) return 0;
    int i = 2;
    for (int separators = 0; path[i]; i += GbkText::CharLength(path + i)) {
        if (IsSeparator(path[i]) && ++separators == 2) break;
    }
    return i;
}

// The components after the prefix, split at real '\' and '/'; empty components vanish.
std::vector<CString> SplitComponents(const char* text)
{
    std::vector<CString> components;
    int start = 0;
    int i = 0;
    for (;;) {
        if (text[i] == '\0' || IsSeparator(text[i])) {
            if (i > start) components.emplace_back(text + start, i - start);
            if (text[i] == '\0') break;
            start = ++i;
        } else {
            i += GbkText::CharLength(text + i);
        }
    }
    return components;
}

bool HasWildcard(const CString& name) { return name.FindOneOf("*?") >= 0; }

bool EndsWithSeparator(const char* text)
{
    int last = -1;
    for (int i = 0; text[i]; i += GbkText::CharLength(text + i)) last = i;
    return last >= 0 && IsSeparator(text[last]);
}

// The stored name of the entry at path, or empty when there is none.
CString StoredName(const CString& path)
{
    WIN32_FIND_DATAA data;
    FindHandle find(path, data);
    return find.IsValid() ? CString(data.cFileName) : CString();
}

bool ExistsAt(const CString& path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool CreateEmptyFile(const CString& path)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

// The attributes of what is at exactly this path; INVALID_FILE_ATTRIBUTES for nothing, and
// for a wildcard pattern, which names no one entry ('*' and '?' are never GBK trail bytes).
static DWORD AttributesAt(const char* path)
{
    if (IsEmpty(path) || std::strpbrk(path, "*?") != nullptr) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesA(path);
}

bool FileExists(const char* path)
{
    const DWORD attributes = AttributesAt(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const char* path)
{
    const DWORD attributes = AttributesAt(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileOrFolderExists(const char* path)
{
    return AttributesAt(path) != INVALID_FILE_ATTRIBUTES;
}

bool CollectFiles(CStringArray& files, const char* pattern)
{
    if (IsEmpty(pattern)) return false;
    // The folder comes from the absolute form of the pattern, so relative patterns give
    // full paths too.
    char fullPattern[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(pattern, sizeof fullPattern, fullPattern, nullptr);
    if (length == 0 || length >= sizeof fullPattern) return false;
    const CString folder = GetDirectoryPart(fullPattern);

    WIN32_FIND_DATAA data;
    FindHandle find(pattern, data);
    if (!find.IsValid()) return false;
    bool added = false;
    do {
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN)) continue;
        files.Add(folder + "\\" + data.cFileName);
        added = true;
    } while (find.Next(data));
    return added;
}

CString GetShortPath(const char* path)
{
    if (IsEmpty(path)) return CString();
    char buffer[kShortPathMaxBytes];
    DWORD length = GetShortPathNameA(path, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer) return CString();
    return CString(buffer, static_cast<int>(length));
}

CString GetLongPath(const char* path)
{
    if (IsEmpty(path)) return CString();
    const int prefixLength = PrefixLength(path);
    const CString prefix(path, prefixLength);
    const char* rest = path + prefixLength;
    const bool rooted = IsSeparator(rest[0]);

    std::vector<CString> components;
    for (const CString& component : SplitComponents(rest)) {
        if (component == ".") continue;
        if (component == "..") {
            if (!components.empty() && components.back() != "..")
                components.pop_back();
            else if (!rooted)
                components.push_back(component);  // a relative path may climb above its start
            continue;
        }
        components.push_back(component);
    }

    CString result = prefix;
    bool first = true;
    for (const CString& component : components) {
        if (rooted || !first) result += '\\';
        first = false;
        CString stored = component == ".." || HasWildcard(component) ? CString() : StoredName(result + component);
        result += stored.IsEmpty() ? component : stored;
    }
    if (components.empty() ? rooted : EndsWithSeparator(rest)) result += '\\';
    return result;
}

bool EnsurePathExists(const char* path)
{
    if (IsEmpty(path)) return false;
    const int prefixLength = PrefixLength(path);
    const char* rest = path + prefixLength;
    std::vector<CString> components = SplitComponents(rest);
    if (components.empty()) return ExistsAt(path);
    const bool lastIsFile = !EndsWithSeparator(rest);

    CString current(path, prefixLength);
    if (IsSeparator(rest[0])) current += '\\';
    for (size_t i = 0; i < components.size(); ++i) {
        if (i > 0) current += '\\';
        current += components[i];
        if (ExistsAt(current)) continue;
        bool created = lastIsFile && i + 1 == components.size() ? CreateEmptyFile(current)
                                                                : CreateDirectoryA(current, nullptr) != FALSE;
        // Another process may have made it in the meantime.
        if (!created && !ExistsAt(current)) return false;
    }
    return true;
}
