#include "driver/HelperPath.h"

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "X:\..." or "\\server\share...".
bool IsAbsolutePath(const std::string& path)
{
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return true;
    if (path.compare(0, 2, "\\\\") != 0)
        return false;
    const std::string::size_type shareStart = path.find('\\', 2);
    return shareStart != std::string::npos && shareStart > 2 && shareStart + 1 < path.size() &&
           path[shareStart + 1] != '\\';
}

}  // namespace

std::string HelperPathBelow(const std::string& directory)
{
    if (!IsAbsolutePath(directory))
        return std::string();
    return directory + "\\System\\" + kHelperFileName;
}
