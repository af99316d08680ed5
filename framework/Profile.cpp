#include "framework/Profile.h"

#include <vector>

namespace {

// Closes a registry key it owns.
class RegistryKey {
public:
    explicit RegistryKey(HKEY key) : m_key(key) {}
    ~RegistryKey()
    {
        if (m_key != nullptr)
            ::RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key;
};

} // namespace

RegistryProfile::RegistryProfile(LPCTSTR registryKey, LPCTSTR profileName)
    : m_registryKey(registryKey ? registryKey : ""), m_profileName(profileName ? profileName : "")
{
}

CString RegistryProfile::ApplicationKeyPath() const
{
    return CString("Software\\") + m_registryKey + "\\" + m_profileName;
}

HKEY RegistryProfile::OpenSectionKey(LPCTSTR section, BOOL create) const
{
    if (!IsSet() || section == nullptr || section[0] == '\0')
        return nullptr;
    CString path = ApplicationKeyPath() + "\\" + section;
    HKEY key = nullptr;
    LONG status;
    if (create) {
        DWORD disposition = 0;
        status = ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &key, &disposition);
    } else {
        status = ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key);
    }
    return status == ERROR_SUCCESS ? key : nullptr;
}

CString RegistryProfile::GetString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) const
{
    CString fallback(defaultValue ? defaultValue : "");
    RegistryKey key(OpenSectionKey(section, FALSE));
    if (key.Get() == nullptr || entry == nullptr)
        return fallback;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return fallback;
    // One byte more than stored, zeroed: the stored bytes need not end in a terminator.
    std::vector<char> buffer(size + 1, '\0');
    DWORD read = size;
    if (::RegQueryValueExA(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &read) !=
        ERROR_SUCCESS)
        return fallback;
    return CString(buffer.data());
}

UINT RegistryProfile::GetInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const
{
    RegistryKey key(OpenSectionKey(section, FALSE));
    if (key.Get() == nullptr || entry == nullptr)
        return static_cast<UINT>(defaultValue);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(defaultValue);
    return value;
}

BOOL RegistryProfile::WriteString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) const
{
    if (!IsSet() || section == nullptr || section[0] == '\0')
        return FALSE;
    if (entry == nullptr) {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, ApplicationKeyPath(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
            return FALSE;
        RegistryKey owned(key);
        return ::RegDeleteKeyA(owned.Get(), section) == ERROR_SUCCESS;
    }
    RegistryKey key(OpenSectionKey(section, TRUE));
    if (key.Get() == nullptr)
        return FALSE;
    if (value == nullptr)
        return ::RegDeleteValueA(key.Get(), entry) == ERROR_SUCCESS;
    DWORD size = static_cast<DWORD>(::lstrlenA(value) + 1);
    return ::RegSetValueExA(key.Get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size) == ERROR_SUCCESS;
}

BOOL RegistryProfile::WriteInt(LPCTSTR section, LPCTSTR entry, int value) const
{
    if (entry == nullptr)
        return FALSE;
    RegistryKey key(OpenSectionKey(section, TRUE));
    if (key.Get() == nullptr)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.Get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}
