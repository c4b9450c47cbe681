// The registry as the tests see it: isolation in scratch keys, raw values written and
// read byte for byte, and one dump of everything below a root.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

// While it lives, this process's HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER are fresh,
// empty scratch keys.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();

    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // Points HKEY_LOCAL_MACHINE at another key (say, one opened read-only) until the end.
    ::testing::AssertionResult OverrideMachine(HKEY key);

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
// A value as text that shows every byte: sz:"On\0", dword:1, type 3:616263.
std::string Render(const RegValue& value);
std::string Sz(const std::string& text);  // Render(SzValue(text))
std::string Dword(DWORD value);           // Render(DwordValue(value))

// Creates the key when missing.
[[nodiscard]] ::testing::AssertionResult PutValue(HKEY root, const char* key, const char* name, const RegValue& value);
std::optional<RegValue> GetValue(HKEY root, const char* key, const char* name);
// Render() of the value, or "absent".
std::string RenderedValue(HKEY root, const char* key, const char* name);
void DeleteKeyTree(HKEY root, const char* key);
bool KeyExists(HKEY root, const char* key);

// Everything below `root`: "key path:ValueName" to Render(value) for every value, and
// "key path\" to "empty key" for a key that holds neither values nor keys. Key paths
// are in lower case, as the registry does not tell them apart by case.
using RegistryContents = std::map<std::string, std::string>;
RegistryContents Dump(HKEY root);
// The entry of a value in a dump.
std::string DumpEntry(const char* key, const char* name);
