#include "editor/dialogs/ShellIntegration.h"

#include "editor/util/PathUtil.h"
#include "editor/util/Registry.h"
#include "framework/AppEnvironment.h"

#include <windows.h>

const char kMenuFileType[] = "voderar";
const char* const kMenuExtensions[6] = {".墨", ".接口", ".定义", ".素材", ".导出", ".文本"};

namespace {

constexpr char kIdeProgIdPrefix[] = "墨语言编辑器";
constexpr char kBackupValue[] = "backup";
constexpr char kOpenCommandKey[] = "\\shell\\open\\command";
constexpr char kIconKey[] = "\\DefaultIcon";
constexpr DWORD kKeyNameBytes = 2048;

CString ReadDefault(const char* key)
{
    CString value;
    RegReadString(HKEY_CLASSES_ROOT, key, nullptr, value);
    return value;
}

bool WriteDefault(const CString& key, const CString& value)
{
    return RegWriteString(HKEY_CLASSES_ROOT, key, nullptr, value);
}

bool RemoveDefault(const CString& key)
{
    return RegRemoveValue(HKEY_CLASSES_ROOT, key, nullptr);
}

bool RemoveKey(const CString& key)
{
    return RegRemoveKey(HKEY_CLASSES_ROOT, key);
}

// Whether the key exists, and then whether it holds no value and no subkey.
bool KeyExists(const char* key, bool* empty = nullptr)
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD subkeys = 0, values = 0;
    const LONG status = ::RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                           &values, nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(handle);
    if (empty)
        *empty = status == ERROR_SUCCESS && subkeys == 0 && values == 0;
    return true;
}

// Gives an extension of the Explorer entry back what it held before the entry was added:
// its earlier file type (recorded under the entry's file type, empty when it had none), or,
// when there is no record because the entry created the key, no key at all unless something
// else has been put in it since. An extension whose type is no longer the entry's is left
// alone. False when a step failed.
bool RestoreMenuExtension(const char* extension)
{
    if (ReadDefault(extension) != kMenuFileType)
        return true;
    CString previous;
    if (RegReadString(HKEY_CLASSES_ROOT, kMenuFileType, extension, previous))
        return previous.IsEmpty() ? RemoveDefault(extension) : WriteDefault(extension, previous);
    if (!RemoveDefault(extension))
        return false;
    bool empty = false;
    return !KeyExists(extension, &empty) || !empty || RemoveKey(extension);
}

} // namespace

ShellNames::ShellNames(const char* executablePath)
    : executable(executablePath),
      folder(GetDirectoryPart(executablePath)),
      title(GetFileTitlePart(executablePath))
{
}

ShellNames ShellNames::Running()
{
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileName(nullptr, path, sizeof path);
    return ShellNames(length > 0 && length < sizeof path ? path : "");
}

CString ShellNames::MenuKey() const { return "*\\shell\\" + title; }
CString ShellNames::MenuText() const { return "用" + title + "打开"; }
CString ShellNames::OpenCommand() const { return "\"" + executable + "\" \"%1\""; }
CString ShellNames::IconValue() const { return executable + ", 0"; }

bool IsExplorerMenuEntryPresent(const ShellNames& names)
{
    CString value;
    return RegReadString(HKEY_CLASSES_ROOT, names.MenuKey() + "\\Command", nullptr, value);
}

int ApplyExplorerMenuEntry(const ShellNames& names, bool add)
{
    if (IsExplorerMenuEntryPresent(names) == add)
        return 0;
    const CString type = kMenuFileType;
    const CString menuKey = names.MenuKey();
    const CString commandKey = menuKey + "\\Command";
    int failures = 0;
    auto step = [&failures](bool done) { failures += done ? 0 : 1; };
    if (add) {
        // Each extension's earlier type is recorded before it is replaced; a key the entry
        // creates gets no record.
        for (const char* extension : kMenuExtensions) {
            const CString previous = ReadDefault(extension);
            if (previous != type && KeyExists(extension))
                step(RegWriteString(HKEY_CLASSES_ROOT, type, extension, previous));
            step(WriteDefault(extension, type));
        }
        step(WriteDefault(type + kOpenCommandKey, names.OpenCommand()));
        step(WriteDefault(type + kIconKey, names.IconValue()));
        step(WriteDefault(menuKey, names.MenuText()));
        step(WriteDefault(commandKey, names.OpenCommand()));
        return failures;
    }
    for (const char* extension : kMenuExtensions)
        step(RestoreMenuExtension(extension));
    for (const CString& key : {commandKey, menuKey, type + kIconKey, type + kOpenCommandKey}) {
        step(RemoveDefault(key));
        step(RemoveKey(key));
    }
    for (const CString& key : {type + "\\shell\\open", type + "\\shell", type})
        step(RemoveKey(key));
    return failures;
}

CString IdeProgId(const CString& extension)
{
    return kIdeProgIdPrefix + extension;
}

CString NormalizeExtension(const char* typed)
{
    CString extension = typed;
    extension.TrimLeft();
    extension.TrimRight();
    extension.MakeLower();
    if (!extension.IsEmpty() && extension[0] != '.')
        extension = "." + extension;
    return extension.GetLength() >= 2 ? extension : CString();
}

Association ReadAssociation(const char* extension)
{
    Association association;
    association.progId = ReadDefault(extension);
    if (association.progId.IsEmpty())
        return association;
    association.description = ReadDefault(association.progId);
    association.command = ReadDefault(association.progId + "\\Shell\\Open\\Command");
    association.icon = ReadDefault(association.progId + kIconKey);
    return association;
}

bool AssociateExtension(const ShellNames& names, const CString& extension)
{
    const CString previous = ReadDefault(extension);
    CString description = previous.IsEmpty() ? CString() : ReadDefault(previous);
    if (description.IsEmpty()) {
        description = extension.Mid(1);
        description.MakeUpper();
        description += " File";
    }
    const CString progId = IdeProgId(extension);
    return WriteDefault(progId, description) &&
           RegWriteString(HKEY_CLASSES_ROOT, progId, kBackupValue, previous) &&
           WriteDefault(progId + kIconKey, names.IconValue()) &&
           WriteDefault(progId + kOpenCommandKey, names.OpenCommand()) &&
           WriteDefault(extension, progId);
}

bool RestoreExtension(const CString& extension)
{
    const CString progId = IdeProgId(extension);
    CString backup;
    RegReadString(HKEY_CLASSES_ROOT, progId, kBackupValue, backup);
    const bool removed = RemoveKey(progId + kIconKey) && RemoveKey(progId + kOpenCommandKey) &&
                         RemoveKey(progId + "\\shell\\open") && RemoveKey(progId + "\\shell") &&
                         RemoveKey(progId);
    if (!removed)
        return false;
    return backup.IsEmpty() ? RemoveKey(extension) : WriteDefault(extension, backup);
}

bool SaveAssociationEdits(const char* extension, const Association& edited)
{
    const Association current = ReadAssociation(extension);
    if (current.progId.IsEmpty())
        return true;
    bool written = true;
    if (edited.description != current.description)
        written &= WriteDefault(current.progId, edited.description);
    if (edited.command != current.command)
        written &= WriteDefault(current.progId + "\\Shell\\Open\\Command", edited.command);
    if (edited.icon != current.icon)
        written &= WriteDefault(current.progId + kIconKey, edited.icon);
    return written;
}

void ListExtensions(std::vector<CString>& all, std::vector<CString>& edited)
{
    all.clear();
    edited.clear();
    char name[kKeyNameBytes];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (::RegEnumKeyEx(HKEY_CLASSES_ROOT, index, name, &length, nullptr, nullptr, nullptr,
                           nullptr) != ERROR_SUCCESS)
            break;
        CString progId;
        if (name[0] != '.' || !RegReadString(HKEY_CLASSES_ROOT, name, nullptr, progId))
            continue;
        CString extension = name;
        extension.MakeLower();
        all.push_back(extension);
        if (progId.Left(sizeof kIdeProgIdPrefix - 1) == kIdeProgIdPrefix)
            edited.push_back(extension);
    }
}

namespace {
constexpr char kViewSourceKey[] = "Software\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
constexpr char kContextMenuKey[] = "*\\shellex\\ContextMenuHandlers\\墨语言编辑器";
constexpr char kShellExtProgId[] = "墨语言编辑器.ShellExt";
constexpr char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
constexpr char kShellExtModule[] = "\\ShellExt.dll";
} // namespace

const char kShellExtClassId[] = "{6B1C5E2A-4D7F-4E0B-9C3A-2F8D1E5B7A90}";

bool IsViewSourceEditor()
{
    CString editor;
    return RegReadString(HKEY_LOCAL_MACHINE, kViewSourceKey, nullptr, editor) &&
           editor.CompareNoCase(ShellNames::Running().executable) == 0;
}

bool SetViewSourceEditor(bool on)
{
    if (IsViewSourceEditor() == on)
        return true;
    return on ? RegWriteString(HKEY_LOCAL_MACHINE, kViewSourceKey, nullptr, ShellNames::Running().executable)
              : RegRemoveKey(HKEY_LOCAL_MACHINE, kViewSourceKey);
}

bool IsContextMenuRegistered()
{
    CString classId;
    return RegReadString(HKEY_CLASSES_ROOT, kContextMenuKey, nullptr, classId) &&
           classId.CompareNoCase(kShellExtClassId) == 0;
}

CString ContextMenuModulePath()
{
    return GetProgramFolder() + kShellExtModule;
}

ContextMenuStatus RegisterContextMenu(bool on)
{
    if (IsContextMenuRegistered() == on)
        return ContextMenuStatus::kDone;
    bool done = false;
    if (on) {
        const CString module = ContextMenuModulePath();
        const DWORD attributes = ::GetFileAttributesA(module);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return ContextMenuStatus::kModuleMissing;
        done = RegisterInprocServer(kShellExtClassId, kShellExtProgId, module) &&
               RegWriteString(HKEY_LOCAL_MACHINE, kApprovedKey, kShellExtClassId, kShellExtProgId) &&
               WriteDefault(kContextMenuKey, kShellExtClassId);
    } else {
        done = UnregisterInprocServer(kShellExtClassId, kShellExtProgId) &&
               RegRemoveValue(HKEY_LOCAL_MACHINE, kApprovedKey, kShellExtClassId) &&
               RemoveKey(kContextMenuKey);
    }
    return done ? ContextMenuStatus::kDone : ContextMenuStatus::kFailed;
}
