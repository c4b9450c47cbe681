#include "tests/dialog/RegistryTree.h"

#include <vector>

namespace {

void Collect(HKEY key, const std::string& path, std::map<std::string, RegValue>& values)
{
    char name[256];
    std::vector<BYTE> data(4096);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name);
        DWORD dataSize = static_cast<DWORD>(data.size());
        RegValue value;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &value.type, data.data(), &dataSize) != ERROR_SUCCESS)
            break;
        value.data.assign(reinterpret_cast<const char*>(data.data()), dataSize);
        values[path + "\\" + name] = value;
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            values[path + "\\" + name + "\\"] = RegValue{};  // the key itself, even when empty
            Collect(child, path + "\\" + name, values);
            RegCloseKey(child);
        }
    }
}

}  // namespace

std::map<std::string, RegValue> RegistryTree(HKEY root)
{
    std::map<std::string, RegValue> values;
    Collect(root, "", values);
    return values;
}
