#pragma once
#include <windows.h>

#include "framework/CString.h"

// The application's settings in the registry, below HKEY_CURRENT_USER in the key
// "Software\<registry key>\<profile name>\<section>", one value per entry (an empty entry
// name is the section key's default value). Reads never create keys; without a registry key nothing is stored.
class RegistryProfile {
public:
    RegistryProfile() = default;
    RegistryProfile(LPCTSTR registryKey, LPCTSTR profileName);

    BOOL IsSet() const { return !m_registryKey.IsEmpty() && !m_profileName.IsEmpty(); }
    // "Software\<registry key>\<profile name>" below HKEY_CURRENT_USER.
    CString ApplicationKeyPath() const;

    CString GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) const;
    UINT GetInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const;
    // A null entry removes the whole section; a null value removes the entry.
    BOOL WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) const;
    BOOL WriteInt(LPCTSTR section, LPCTSTR entry, int value) const;

    // The section's key opened for reading (create FALSE) or writing; null when it cannot
    // be opened. The caller closes it.
    HKEY OpenSectionKey(LPCTSTR section, BOOL create) const;

private:
    CString m_registryKey;
    CString m_profileName;
};
