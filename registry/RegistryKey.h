// A scoped registry key, opened read-only or created writable, with typed reads and writes.
#pragma once

#include <windows.h>

#include <string>

class RegistryKey {
public:
    // Opens the key at once; a failed open leaves the wrapper closed but usable.
    RegistryKey(HKEY root, const char* subKey, bool readOnly);
    ~RegistryKey();

    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Read-only: opens an existing key for reading. Writable: opens with full access,
    // creating every missing key on the path. Call only on a closed wrapper.
    LONG Open(HKEY root, const char* subKey);
    // Releases the key; ERROR_INVALID_HANDLE when none was open.
    LONG Close();

    // A REG_SZ value's text; on any failure the output is the empty text.
    bool ReadString(const char* name, std::string& text) const;
    // A REG_DWORD (non-zero is 1) or REG_SZ flag; on any failure the output is the default.
    bool ReadBool(const char* name, int& flag, int defaultValue) const;

    bool WriteString(const char* name, const std::string& text);
    bool WriteDword(const char* name, DWORD value);

    bool IsOpen() const { return m_hKey != nullptr; }

private:
    // Type and size of a value, and its text when it is a non-empty REG_SZ.
    bool QueryValue(const char* name, DWORD& type, DWORD& size, std::string& text) const;

    HKEY m_hKey = nullptr;
    const bool m_bReadOnly;
};
