#include "editor/util/ShellHelpers.h"

#include "editor/util/CharClasses.h"
#include "editor/util/Registry.h"

#include <shellapi.h>

#include <cstring>

namespace {

bool IsEmpty(const char* text) { return !text || !*text; }

// Byte index of the first occurrence of sub that starts on a character, or -1.
int FindAtCharacter(const char* text, const char* sub)
{
    const size_t subLength = strlen(sub);
    for (int i = 0; text[i]; i += GbkText::CharLength(text + i))
        if (strncmp(text + i, sub, subLength) == 0) return i;
    return -1;
}

}  // namespace

CString GetCommandInterpreter()
{
    char buffer[kCommandInterpreterMaxBytes];
    DWORD length = GetEnvironmentVariableA("COMSPEC", buffer, sizeof buffer);
    // A value that does not fit reports the size it needs, which is at least the buffer size.
    if (length == 0 || length >= sizeof buffer) return CString();
    return CString(buffer, static_cast<int>(length));
}

CString CutAtOpenPlaceholder(const char* command)
{
    if (!command) return CString();
    int placeholder = FindAtCharacter(command, "%1");
    if (placeholder < 0) return CString(command);
    if (placeholder > 0 && command[placeholder - 1] == '"') --placeholder;
    return CString(command, placeholder);
}

CString GetHtmlOpenCommand()
{
    // One spare zero byte behind each buffer keeps values of other types terminated.
    char className[kHtmlCommandMaxBytes + 1] = {};
    if (!RegReadRaw(HKEY_CLASSES_ROOT, ".htm", nullptr, className, kHtmlCommandMaxBytes) || !className[0])
        return CString();
    const CString commandKey = CString(className) + "\\shell\\open\\command";
    char command[kHtmlCommandMaxBytes + 1] = {};
    if (!RegReadRaw(HKEY_CLASSES_ROOT, commandKey, nullptr, command, kHtmlCommandMaxBytes)) return CString();
    return CutAtOpenPlaceholder(command);
}

bool BuildHtmlFallbackCommand(const char* htmlCommand, const char* target, CString& commandLine)
{
    if (IsEmpty(htmlCommand) || IsEmpty(target) || strchr(target, '"')) return false;
    CString line = CString(htmlCommand) + " \"" + target;
    // A backslash right before the closing quote would escape it for the started program.
    int last = -1;
    for (int i = 0; target[i]; i += GbkText::CharLength(target + i)) last = i;
    if (target[last] == '\\') line += '\\';
    commandLine = line + "\"";
    return true;
}

INT_PTR ShellOpenDocument(const char* target, int showMode)
{
    if (IsEmpty(target)) return 0;
    INT_PTR result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target, nullptr, nullptr, showMode));
    if (result > 32) return result;
    CString commandLine;
    if (!BuildHtmlFallbackCommand(GetHtmlOpenCommand(), target, commandLine)) return result;
    return static_cast<INT_PTR>(WinExec(commandLine, static_cast<UINT>(showMode)));
}

HMENU FindSubMenuByText(HMENU menu, const char* text)
{
    if (!menu || !text) return nullptr;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        // A text longer than the buffer would be cut and could pass for a shorter one.
        int fullLength = GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
        if (fullLength >= kMenuTextMaxBytes) continue;
        char itemText[kMenuTextMaxBytes] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), itemText, sizeof itemText, MF_BYPOSITION);
        if (strcmp(itemText, text) == 0) return GetSubMenu(menu, position);
    }
    return nullptr;
}
