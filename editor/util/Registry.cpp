#include "editor/util/Registry.h"

#include <cstring>
#include <string>

namespace {

// Owns an open registry key and closes it once.
class RegKeyGuard {
public:
    RegKeyGuard() = default;
    ~RegKeyGuard() { Close(); }
    RegKeyGuard(const RegKeyGuard&) = delete;
    RegKeyGuard& operator=(const RegKeyGuard&) = delete;

    HKEY* Receive() { return &m_key; }
    HKEY Get() const { return m_key; }
    // True when the key closed (or none was open).
    bool Close()
    {
        if (!m_key) return true;
        LONG result = RegCloseKey(m_key);
        m_key = nullptr;
        return result == ERROR_SUCCESS;
    }

private:
    HKEY m_key = nullptr;
};

bool IsEmpty(const char* text) { return !text || !*text; }

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

}  // namespace

bool RegReadRaw(HKEY root, const char* subkey, const char* valueName, char* buffer, DWORD bufferSize)
{
    if (!buffer || bufferSize == 0) return false;
    RegKeyGuard key;
    if (RegOpenKeyExA(root, subkey ? subkey : "", 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD size = bufferSize;
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    if (IsStringType(type)) {
        // The registry does not promise a terminator; add one, or fail when there is no room.
        if (size < bufferSize)
            buffer[size] = '\0';
        else if (buffer[bufferSize - 1] != '\0')
            return false;
    }
    return key.Close();
}

bool RegReadString(HKEY root, const char* subkey, const char* valueName, CString& value)
{
    // One spare byte keeps values of other types terminated too.
    char buffer[kRegStringMaxBytes + 1] = {};
    if (!RegReadRaw(root, subkey, valueName, buffer, kRegStringMaxBytes)) return false;
    value = buffer;
    return true;
}

bool RegWriteString(HKEY root, const char* subkey, const char* valueName, const char* text)
{
    if (!text) return false;
    RegKeyGuard key;
    if (RegCreateKeyExA(root, subkey ? subkey : "", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    DWORD size = static_cast<DWORD>(strlen(text) + 1);
    if (RegSetValueExA(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) != ERROR_SUCCESS)
        return false;
    return key.Close();
}

bool RegRemoveKey(HKEY root, const char* subkey)
{
    if (IsEmpty(subkey)) return false;
    return RegDeleteKeyA(root, subkey) == ERROR_SUCCESS;
}

bool RegRemoveValue(HKEY root, const char* subkey, const char* valueName)
{
    RegKeyGuard key;
    if (RegOpenKeyExA(root, subkey ? subkey : "", 0, KEY_WRITE, key.Receive()) != ERROR_SUCCESS) return false;
    if (RegDeleteValueA(key.Get(), valueName) != ERROR_SUCCESS) return false;
    return key.Close();
}

bool RegisterInprocServer(const char* classId, const char* progId, const char* modulePath)
{
    // An empty identifier would write into the CLSID key itself or the root.
    if (IsEmpty(classId) || IsEmpty(progId) || !modulePath) return false;
    const std::string classKey = std::string("CLSID\\") + classId;
    const std::string serverKey = classKey + "\\InProcServer32";
    return RegWriteString(HKEY_CLASSES_ROOT, classKey.c_str(), nullptr, progId) &&
           RegWriteString(HKEY_CLASSES_ROOT, serverKey.c_str(), nullptr, modulePath) &&
           RegWriteString(HKEY_CLASSES_ROOT, serverKey.c_str(), "ThreadingModel", "Apartment") &&
           RegWriteString(HKEY_CLASSES_ROOT, (classKey + "\\ProgID").c_str(), nullptr, progId) &&
           RegWriteString(HKEY_CLASSES_ROOT, progId, nullptr, progId) &&
           RegWriteString(HKEY_CLASSES_ROOT, (std::string(progId) + "\\CLSID").c_str(), nullptr, classId);
}

bool UnregisterInprocServer(const char* classId, const char* progId)
{
    if (IsEmpty(classId) || IsEmpty(progId)) return false;
    const std::string classKey = std::string("CLSID\\") + classId;
    return RegRemoveKey(HKEY_CLASSES_ROOT, (std::string(progId) + "\\CLSID").c_str()) &&
           RegRemoveKey(HKEY_CLASSES_ROOT, progId) &&
           RegRemoveKey(HKEY_CLASSES_ROOT, (classKey + "\\ProgID").c_str()) &&
           RegRemoveKey(HKEY_CLASSES_ROOT, (classKey + "\\InProcServer32").c_str()) &&
           RegRemoveKey(HKEY_CLASSES_ROOT, classKey.c_str());
}
