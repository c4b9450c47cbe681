#include "tests/support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HKEY CreateKey(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    return key;
}

}  // namespace

ScratchRegistry::ScratchRegistry()
{
    static int counter = 0;
    m_path = "Software\\DrivonaTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter);
    m_machine = CreateKey(HKEY_CURRENT_USER, m_path + "\\machine");
    m_user = CreateKey(HKEY_CURRENT_USER, m_path + "\\user");
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine));
    EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, m_user));
}

ScratchRegistry::~ScratchRegistry()
{
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(m_machine);
    RegCloseKey(m_user);
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, m_path.c_str());
}

void ScratchRegistry::OverrideMachine(HKEY key)
{
    ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, key));
}

RegValue SzValue(const std::string& text)
{
    return {REG_SZ, text + '\0'};
}

RegValue DwordValue(DWORD value)
{
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof(value))};
}

void PutValue(HKEY root, const char* key, const char* name, const RegValue& value)
{
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(handle, name, 0, value.type,
                                            reinterpret_cast<const BYTE*>(value.data.data()),
                                            static_cast<DWORD>(value.data.size())));
    RegCloseKey(handle);
}

std::optional<RegValue> GetValue(HKEY root, const char* key, const char* name)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    RegValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExA(handle, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        std::vector<char> data(size + 1);
        status = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
        value.data.assign(data.data(), size);
    }
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void DeleteKeyTree(HKEY root, const char* key)
{
    RegDeleteTreeA(root, key);
    RegDeleteKeyA(root, key);
}

bool KeyExists(HKEY root, const char* key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}
