#include "tests/support/ScratchRegistry.h"

#include <cstdio>
#include <vector>

namespace {

HKEY CreateKey(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    return key;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void DumpKey(HKEY key, const std::string& path, RegistryContents& contents)
{
    char name[256];
    DWORD values = 0;
    for (;; ++values) {
        DWORD nameSize = sizeof(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegEnumValueA(key, values, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            break;
        std::string data(size, '\0');
        nameSize = sizeof(name);
        RegEnumValueA(key, values, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size);
        data.resize(size);
        contents[path + ":" + name] = Render(RegValue{type, data});
    }
    DWORD keys = 0;
    for (;; ++keys) {
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, keys, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS)
            continue;
        DumpKey(child, Lower(path.empty() ? name : path + "\\" + name), contents);
        RegCloseKey(child);
    }
    if (values == 0 && keys == 0 && !path.empty())
        contents[path + "\\"] = "empty key";
}

}  // namespace

ScratchRegistry::ScratchRegistry()
{
    static int counter = 0;
    m_path = "Software\\DrivonaTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
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
    DeleteKeyTree(HKEY_CURRENT_USER, m_path.c_str());
}

::testing::AssertionResult ScratchRegistry::OverrideMachine(HKEY key)
{
    const LONG status = RegOverridePredefKey(HKEY_LOCAL_MACHINE, key);
    if (status != ERROR_SUCCESS)
        return ::testing::AssertionFailure() << "RegOverridePredefKey failed with " << status;
    return ::testing::AssertionSuccess();
}

RegValue SzValue(const std::string& text)
{
    return {REG_SZ, text + '\0'};
}

RegValue DwordValue(DWORD value)
{
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof(value))};
}

std::string Render(const RegValue& value)
{
    char buffer[8];
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        value.data.copy(reinterpret_cast<char*>(&number), sizeof(number));
        return "dword:" + std::to_string(number);
    }
    if (value.type == REG_SZ) {
        std::string text = "sz:\"";
        for (const char c : value.data) {
            if (c == '\0') {
                text += "\\0";
            } else if (c < ' ' || c > '~' || c == '\\' || c == '"') {
                std::snprintf(buffer, sizeof(buffer), "\\x%02x", static_cast<unsigned char>(c));
                text += buffer;
            } else {
                text += c;
            }
        }
        return text + "\"";
    }
    std::string text = "type " + std::to_string(value.type) + ":";
    for (const char c : value.data) {
        std::snprintf(buffer, sizeof(buffer), "%02x", static_cast<unsigned char>(c));
        text += buffer;
    }
    return text;
}

std::string Sz(const std::string& text)
{
    return Render(SzValue(text));
}

std::string Dword(DWORD value)
{
    return Render(DwordValue(value));
}

::testing::AssertionResult PutValue(HKEY root, const char* key, const char* name, const RegValue& value)
{
    HKEY handle = nullptr;
    LONG status = RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(handle, name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                static_cast<DWORD>(value.data.size()));
        RegCloseKey(handle);
    }
    if (status != ERROR_SUCCESS)
        return ::testing::AssertionFailure() << "cannot write " << key << ":" << name << " (" << status << ")";
    return ::testing::AssertionSuccess();
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

std::string RenderedValue(HKEY root, const char* key, const char* name)
{
    const std::optional<RegValue> value = GetValue(root, key, name);
    return value ? Render(*value) : "absent";
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

RegistryContents Dump(HKEY root)
{
    RegistryContents contents;
    DumpKey(root, "", contents);
    return contents;
}

std::string DumpEntry(const char* key, const char* name)
{
    return Lower(key) + ":" + name;
}
