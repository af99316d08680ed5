#pragma once
#include <windows.h>

// Removes a registry key with everything below it, so that tests writing to the profile
// start and end without each other's values. Nothing happens when the key is missing.
inline void DeleteRegistryTree(HKEY parent, const char* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    char child[256];
    while (::RegEnumKeyA(key, 0, child, sizeof child) == ERROR_SUCCESS)
        DeleteRegistryTree(key, child);
    ::RegCloseKey(key);
    ::RegDeleteKeyA(parent, path);
}
