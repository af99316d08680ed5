#include "editor/settings/ChildEnvironment.h"

#include <windows.h>

#include <cstring>
#include <new>
#include <vector>

#include "editor/settings/ShellFolders.h"
#include "editor/util/PathUtil.h"
#include "editor/settings/TextSettings.h"
#include "framework/FileName.h"

namespace {

const char kBlanks[] = " \t";

void AppendToList(CString& list, const CString& value)
{
    if (!list.IsEmpty())
        list += ';';
    list += value;
}

bool IsCommentLine(const CString& line)
{
    return line[0] == ';' || std::strncmp(line, "；", 2) == 0 || std::strncmp(line, "【", 2) == 0 ||
           std::strncmp(line, "//", 2) == 0;
}

} // namespace

// Read through the wide API: the ANSI one of the platform layer we run on cuts a value with
// double-byte characters to its character count.
bool ReadEnvironmentValue(const char* name, CString& value, bool& present)
{
    try {
        int nameLength = ::MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
        if (nameLength <= 0)
            return false;
        std::vector<wchar_t> wideName(nameLength);
        ::MultiByteToWideChar(CP_ACP, 0, name, -1, wideName.data(), nameLength);

        std::vector<wchar_t> buffer(4096);
        DWORD length = ::GetEnvironmentVariableW(wideName.data(), buffer.data(), (DWORD)buffer.size());
        if (length >= buffer.size()) {
            buffer.resize(length + 1);
            length = ::GetEnvironmentVariableW(wideName.data(), buffer.data(), (DWORD)buffer.size());
            if (length == 0 || length >= buffer.size())
                return false;
        }
        if (length == 0)
            return true;
        int bytes = ::WideCharToMultiByte(CP_ACP, 0, buffer.data(), (int)length, nullptr, 0, nullptr, nullptr);
        CString text;
        ::WideCharToMultiByte(CP_ACP, 0, buffer.data(), (int)length, text.GetBufferSetLength(bytes), bytes, nullptr,
                              nullptr);
        text.ReleaseBuffer(bytes);
        value = text;
        present = true;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool ProcessEnvironment::Get(const char* name, CString& value)
{
    bool present = false;
    return ReadEnvironmentValue(name, value, present) && present;
}

void ProcessEnvironment::Set(const char* name, const char* value)
{
    ::SetEnvironmentVariableA(name, value);
}

bool EnvironmentTable::Get(const char* name, CString& value)
{
    auto found = m_values.find(name);
    if (found == m_values.end() || found->second.empty())
        return false;
    value = found->second.c_str();
    return true;
}

void SavedEnvironment::Save(EnvironmentAccess& env)
{
    for (Entry& entry : entries)
        entry.present = env.Get(entry.name, entry.value);
}

void SavedEnvironment::Restore(EnvironmentAccess& env) const
{
    for (const Entry& entry : entries) {
        if (entry.present)
            env.Set(entry.name, entry.value);
    }
}

CString SavedEnvironment::ValueOf(const char* name) const
{
    for (const Entry& entry : entries) {
        if (entry.present && std::strcmp(entry.name, name) == 0)
            return entry.value;
    }
    return CString();
}

SearchPathLists DetectCompilerFolders(const CString& installFolder)
{
    SearchPathLists found;
    CString base = installFolder;
    if (!FolderExists(base + "\\vc")) {
        base = FilePathParts::FolderOf(installFolder);
        if (base.IsEmpty() || !FolderExists(base + "\\vc"))
            return found;
    }
    found.lib = base + "\\vc\\lib";
    found.include = base + "\\vc\\include;" + base + "\\vc\\mfc\\include";
    found.path = base + "\\vc\\bin";
    return found;
}

CString ResolveEnvironmentValue(const CString& value, const CString& installFolder)
{
    if (std::strncmp(value, "..\\", 3) == 0)
        return installFolder + "\\" + value;
    if (std::strncmp(value, ".\\", 2) == 0)
        return installFolder + value.Mid(1);
    if (value[0] == '.')
        return installFolder + "\\" + value.Mid(1);
    return value;
}

void ApplyEnvironmentLine(const CString& line, const CString& installFolder, SearchPathLists& lists,
                          EnvironmentAccess& env)
{
    CString text = line;
    int end = text.FindOneOf("\r\n");
    if (end >= 0)
        text = text.Left(end);
    text.TrimLeft(kBlanks);
    if (text.IsEmpty() || IsCommentLine(text))
        return;
    int equals = text.Find('=');
    if (equals <= 0)
        return;
    CString name = text.Left(equals);
    name.TrimLeft(kBlanks);
    name.TrimRight(kBlanks);
    CString value = text.Mid(equals + 1);
    value.TrimRight(kBlanks);
    CString resolved = ResolveEnvironmentValue(value, installFolder);

    if (name == "命令目录" || name == "PATH")
        AppendToList(lists.path, resolved);
    else if (name == "库目录" || name == "LIB")
        AppendToList(lists.lib, resolved);
    else if (name == "接口目录" || name == "INCLUDE")
        AppendToList(lists.include, resolved);
    else if (name[0] == '!')
        env.Set(name.Mid(1), resolved);
    else {
        CString current;
        env.Set(name, env.Get(name, current) ? resolved + ";" + current : resolved);
    }
}

void ReadEnvironmentFile(const char* path, const CString& installFolder, SearchPathLists& lists,
                         EnvironmentAccess& env)
{
    CStringArray lines;
    ReadTextLines(path, lines);
    for (int i = 0; i < lines.GetSize(); ++i)
        ApplyEnvironmentLine(lines[i], installFolder, lists, env);
}

void BuildChildEnvironment(const CString& installFolder, bool detectCompiler, const SavedEnvironment& saved,
                           EnvironmentAccess& env)
{
    CString pathBase = installFolder + "\\命令;" + installFolder + "\\命令\\bat";
    CString libBase = installFolder + "\\库";
    CString includeBase = installFolder + "\\接口";
    if (FolderExists(installFolder + "\\接口\\c"))
        includeBase += ";" + installFolder + "\\接口\\c";

    SearchPathLists detected;
    if (detectCompiler)
        detected = DetectCompilerFolders(installFolder);
    SearchPathLists file;
    ReadEnvironmentFile(installFolder + "\\命令\\环境.配置", installFolder, file, env);

    CString path = pathBase;
    const CString& extraPath = !file.path.IsEmpty() ? file.path : detected.path;
    if (!extraPath.IsEmpty())
        path += ";" + extraPath;
    CString inheritedPath = saved.ValueOf("PATH");
    if (!inheritedPath.IsEmpty())
        path += ";" + inheritedPath;

    const CString& extraLib = !file.lib.IsEmpty() ? file.lib : detected.lib;
    CString lib = extraLib.IsEmpty() ? libBase : extraLib + ";" + libBase;

    const CString& extraInclude = !file.include.IsEmpty() ? file.include : detected.include;
    CString include = extraInclude.IsEmpty() ? includeBase : includeBase + ";" + extraInclude;

    env.Set("PATH", path);
    env.Set("LIB", lib);
    env.Set("INCLUDE", include);
    env.Set("接口文件路径", include);
    env.Set("QNB_MOYUYAN", installFolder);
}
