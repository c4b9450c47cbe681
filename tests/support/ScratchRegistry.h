// Test isolation for the registry: while a ScratchRegistry lives, this process's
// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER are fresh, empty scratch keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();

    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // Points HKEY_LOCAL_MACHINE at another key (say, one opened read-only) until the end.
    void OverrideMachine(HKEY key);

private:
    std::string m_path;
    HKEY m_machine = nullptr;
    HKEY m_user = nullptr;
};

// A raw registry value, as a test writes or finds it.
struct RegValue {
    DWORD type = REG_NONE;
    std::string data;  // the exact bytes

    bool operator==(const RegValue& other) const { return type == other.type && data == other.data; }
};

RegValue SzValue(const std::string& text);  // with its terminating NUL
RegValue DwordValue(DWORD value);

// Creates the key when missing; fails the test when the value cannot be written.
void PutValue(HKEY root, const char* key, const char* name, const RegValue& value);
std::optional<RegValue> GetValue(HKEY root, const char* key, const char* name);
void DeleteKeyTree(HKEY root, const char* key);
bool KeyExists(HKEY root, const char* key);
