#include "editor/settings/SettingsRecords.h"

// The key names come from the keyboard layout, through the platform.

CString HotKeyText(uint16_t vk, uint16_t modifiers)
{
    char name[1024] = {};
    LONG scanCode = (LONG)(::MapVirtualKeyA(vk, 0) << 16);
    if (::GetKeyNameTextA(scanCode, name, sizeof name) <= 0 || name[0] == '\0')
        return CString();
    CString text;
    if (modifiers & kModCtrl)
        text += "Ctrl+";
    if (modifiers & kModAlt)
        text += "Alt+";
    if (modifiers & kModShift)
        text += "Shift+";
    return text + name;
}
