#include "registry/RegistryKey.h"

#include <vector>

#include "registry/ValueText.h"

RegistryKey::RegistryKey(HKEY root, const char* subKey, bool readOnly) : m_bReadOnly(readOnly)
{
    Open(root, subKey);
}

RegistryKey::~RegistryKey()
{
    if (m_hKey)
        Close();
}

LONG RegistryKey::Open(HKEY root, const char* subKey)
{
    HKEY key = nullptr;
    const LONG status = m_bReadOnly
                            ? RegOpenKeyExA(root, subKey, 0, KEY_READ, &key)
                            : RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                              KEY_ALL_ACCESS, nullptr, &key, nullptr);
    m_hKey = status == ERROR_SUCCESS ? key : nullptr;
    return status;
}

LONG RegistryKey::Close()
{
    if (!m_hKey)
        return ERROR_INVALID_HANDLE;
    const LONG status = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return status;
}

// Asks for the type and size, then, for a non-empty REG_SZ, reads exactly that many
// bytes into `text`, which ends at the first NUL or at the data's end.
bool RegistryKey::QueryValue(const char* name, DWORD& type, DWORD& size, std::string& text) const
{
    size = 0;
    if (RegQueryValueExA(m_hKey, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ || size == 0)
        return true;
    std::vector<char> buffer(size);
    if (RegQueryValueExA(m_hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return false;
    text = registry::TextFromValueData(buffer.data(), size);
    return true;
}

bool RegistryKey::ReadString(const char* name, std::string& text) const
{
    text.clear();
    DWORD type = REG_NONE;
    DWORD size = 0;
    std::string value;
    if (!QueryValue(name, type, size, value) || type != REG_SZ)
        return false;
    text = value;
    return true;
}

bool RegistryKey::ReadBool(const char* name, int& flag, int defaultValue) const
{
    flag = defaultValue;
    if (!m_hKey)
        return false;
    DWORD type = REG_NONE;
    DWORD size = 0;
    std::string text;
    if (!QueryValue(name, type, size, text))
        return false;
    if (type == REG_SZ) {
        if (size == 0)
            return false;
        flag = registry::FlagFromText(text) ? 1 : 0;
        return true;
    }
    if (type == REG_DWORD) {
        DWORD value = 0;
        DWORD valueSize = sizeof(value);
        if (RegQueryValueExA(m_hKey, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                             &valueSize) != ERROR_SUCCESS)
            return false;
        flag = value != 0 ? 1 : 0;
        return true;
    }
    return false;
}

bool RegistryKey::WriteString(const char* name, const std::string& text)
{
    return RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size()) + 1) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const char* name, DWORD value)
{
    return RegSetValueExA(m_hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}
